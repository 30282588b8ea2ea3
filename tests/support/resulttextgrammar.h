#pragma once

#include <cstddef>
#include <string_view>

namespace velmora::testing {

// Whether a text has the form of a result text with a decimal point: -?digits[.digits]
// without a needless leading zero or trailing zeros, at most four decimals and 15
// significant digits, or from 10^15 on d[.digits]E(+|-)dd[d]. Never "-0".
inline bool isResultText(std::string_view t)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (t == "-0")
        return false;
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-')
        ++i;
    const std::size_t intStart = i;
    while (i < t.size() && isDigit(t[i]))
        ++i;
    const std::size_t intDigits = i - intStart;
    if (intDigits == 0 || (intDigits > 1 && t[intStart] == '0'))
        return false;
    std::size_t decimals = 0;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++decimals;
        }
        if (decimals == 0 || t[i - 1] == '0')
            return false;
    }
    if (i == t.size()) {
        const std::size_t leadingZero = t[intStart] == '0' ? 1 : 0;
        return decimals <= 4 && intDigits + decimals - leadingZero <= 15;
    }
    if (t[i] != 'E' || i + 3 >= t.size() || (t[i + 1] != '+' && t[i + 1] != '-'))
        return false;
    i += 2;
    std::size_t exponentDigits = 0;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        ++exponentDigits;
    }
    return i == t.size() && exponentDigits >= 2 && exponentDigits <= 3 && intDigits == 1;
}

} // namespace velmora::testing

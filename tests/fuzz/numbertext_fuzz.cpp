// libFuzzer target for the two text conversions. Any bytes are read by the leading-number
// rule, which must give a number and never NaN; the first eight bytes, taken as a double,
// go through the result text, which must be well formed and, below 10^11 in magnitude,
// read back as the value rounded to four decimals, bit for bit.

#include "ui/numbertext.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// -?digits[.digits][E(+|-)digits], digits without a needless leading zero, at most 15
// significant digits and at most four decimals in plain form.
bool isResultText(std::string_view t)
{
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
    if (i == t.size())
        return decimals <= 4 && intDigits + decimals <= 15 + (t[intStart] == '0' ? 1 : 0);
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

[[noreturn]] void fail(const char* what) {
    fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (std::isnan(velmora::leadingNumber(text)))
        fail("the leading-number rule gave NaN");

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) {
            const std::string written = velmora::resultText(x);
            if (!isResultText(written))
                fail(("malformed result text: " + written).c_str());
            if (std::fabs(x) < 1e11) {
                double rounded = std::nearbyint(x * 10000.0) / 10000.0;
                if (rounded == 0.0)
                    rounded = 0.0;
                const double back = velmora::leadingNumber(written);
                if (std::memcmp(&back, &rounded, sizeof back) != 0)
                    fail(("round trip lost bits: " + written).c_str());
            }
        }
    }
    return 0;
}

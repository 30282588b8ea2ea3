#pragma once

// The result text of a number, worked out on decimal digits, apart from the code under
// test: the product x·10 000 that the rounding rule forms (one double multiplication),
// written out exactly, rounded to a whole number on its digits with an exact half going
// to the even neighbour, and the decimal point set back four places. Valid for
// |x| < 10^11, where the result has at most 15 significant digits and no exponent.

#include <cstddef>
#include <cstdio>
#include <string>

namespace velmora::testing {

inline std::string resultTextByDigits(double x)
{
    char exact[400];
    // glibc prints the exact binary value: below 10^15 at most 52 fractional digits.
    std::snprintf(exact, sizeof exact, "%.60f", x * 10000.0);
    std::string digits(exact);
    const bool negative = digits.front() == '-';
    if (negative)
        digits.erase(0, 1);
    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = digits.substr(point + 1);

    bool up = fraction.front() > '5';
    if (fraction.front() == '5') {
        const bool beyondHalf = fraction.find_first_not_of('0', 1) != std::string::npos;
        up = beyondHalf || (whole.back() - '0') % 2 == 1;
    }
    if (up) {
        std::size_t i = whole.size();
        while (i > 0 && whole[i - 1] == '9')
            whole[--i] = '0';
        if (i == 0)
            whole.insert(whole.begin(), '1');
        else
            ++whole[i - 1];
    }

    if (whole.size() < 5)
        whole.insert(0, 5 - whole.size(), '0');
    std::string integral = whole.substr(0, whole.size() - 4);
    std::string decimals = whole.substr(whole.size() - 4);
    integral.erase(0, std::min(integral.find_first_not_of('0'), integral.size() - 1));
    decimals.erase(decimals.find_last_not_of('0') + 1);
    std::string text = negative && (integral != "0" || !decimals.empty()) ? "-" : "";
    text += integral;
    if (!decimals.empty())
        text.append(".").append(decimals);
    return text;
}

} // namespace velmora::testing

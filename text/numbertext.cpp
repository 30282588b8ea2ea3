#include "text/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace velmora {

namespace {

bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The characters of the text without the ignored blanks, one at a time.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) { skipBlanks(); }

    [[nodiscard]] bool atEnd() const { return position_ >= text_.size(); }
    [[nodiscard]] char peek() const { return atEnd() ? '\0' : text_[position_]; }
    void advance()
    {
        ++position_;
        skipBlanks();
    }

private:
    void skipBlanks()
    {
        while (!atEnd() && isIgnored(text_[position_]))
            ++position_;
    }

    std::string_view text_;
    std::size_t position_ = 0;
};

int digitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double wholeNumber(Reader& in, int base, int maxDigits)
{
    std::uint64_t value = 0;
    for (int digits = 0; digits < maxDigits && digitValue(in.peek()) < base; ++digits) {
        value = value * std::uint64_t(base) + std::uint64_t(digitValue(in.peek()));
        in.advance();
    }
    return double(value);
}

#if defined(__cpp_lib_to_chars)
// Whether a number that from_chars found out of range lies beyond the largest double
// rather than below the smallest: the decimal exponent of its first significant digit
// tells, however many digits it has.
bool beyondLargestDouble(std::string_view number)
{
    constexpr long long limit = 1'000'000'000'000LL; // far beyond any double's exponent
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    bool afterPoint = false;
    bool significant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (significant || number[i] != '0') {
            significant = true;
            if (!afterPoint)
                integerDigits = std::min(integerDigits + 1, limit);
        } else if (afterPoint) {
            leadingFractionZeros = std::min(leadingFractionZeros + 1, limit);
        }
    }
    long long exponent = 0;
    if (i < number.size()) {
        const bool negative = i + 1 < number.size() && number[i + 1] == '-';
        for (++i; i < number.size(); ++i)
            if (isDigit(number[i]))
                exponent = std::min(exponent * 10 + (number[i] - '0'), limit);
        if (negative)
            exponent = -exponent;
    }
    const long long firstDigit = integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);
    return firstDigit + exponent > 0;
}
#endif

// The value of what the rule read: a sign, digits with at most one point, and perhaps
// "e", a sign and digits. from_chars is correctly rounded and, unlike strtod, knows no
// locale, so the point is a point whatever the user's settings; beyond the double range
// the value is an infinity or zero, as strtod gives it.
//
// The browser build's standard library has no floating-point from_chars or to_chars; its
// C library (musl) rounds strtod and printf correctly as well, and knows only the C
// locale's point, so there the two give the same values and texts.
double unsignedDecimalValue(std::string_view number)
{
#if defined(__cpp_lib_to_chars)
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        value = beyondLargestDouble(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
#else
    return std::strtod(std::string(number).c_str(), nullptr);
#endif
}

double decimalValue(std::string_view number)
{
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    const double value = unsignedDecimalValue(number);
    return negative ? -value : value;
}

// At most 15 significant digits without trailing zeros, with a point and a lower-case "e".
std::string generalText(double value)
{
    char digits[40];
#if defined(__cpp_lib_to_chars)
    // to_chars, unlike printf, ignores the process locale.
    const char* end =
        std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::general, 15).ptr;
    return std::string(static_cast<const char*>(digits), end);
#else
    const int length = std::snprintf(digits, sizeof digits, "%.15g", value);
    return std::string(digits, std::size_t(length));
#endif
}

} // namespace

double leadingNumber(std::string_view text)
{
    Reader in(text);

    if (in.peek() == '&') {
        in.advance();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h') {
            in.advance();
            return wholeNumber(in, 16, 16);
        }
        if (kind == 'O' || kind == 'o') {
            in.advance();
            return wholeNumber(in, 8, 21);
        }
        return 0.0;
    }

    std::string number;
    if (in.peek() == '+' || in.peek() == '-') {
        number += in.peek();
        in.advance();
    }
    bool hasDigits = false;
    bool hasPoint = false;
    while (isDigit(in.peek()) || (in.peek() == '.' && !hasPoint)) {
        hasPoint = hasPoint || in.peek() == '.';
        hasDigits = hasDigits || in.peek() != '.';
        number += in.peek();
        in.advance();
    }
    if (!hasDigits)
        return 0.0;

    if (in.peek() == 'E' || in.peek() == 'e') {
        std::string exponent = "e"; // lower case, as decimalValue expects
        in.advance();
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.advance();
        }
        bool hasExponentDigits = false;
        while (isDigit(in.peek())) {
            exponent += in.peek();
            hasExponentDigits = true;
            in.advance();
        }
        if (hasExponentDigits)
            number += exponent;
    }
    return decimalValue(number);
}

std::string resultText(double value, std::string_view decimalSeparator)
{
    const double scaled = value * 10000.0;
    double rounded = std::isfinite(scaled) ? std::nearbyint(scaled) / 10000.0 : value;
    if (rounded == 0.0)
        rounded = 0.0; // drops the sign of a negative zero

    std::string text;
    for (const char c : generalText(rounded)) {
        if (c == '.')
            text += decimalSeparator;
        else
            text += c == 'e' ? 'E' : c;
    }
    return text;
}

} // namespace velmora

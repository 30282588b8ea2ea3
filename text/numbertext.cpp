#include "text/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>

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

// strtod in the "C" locale: the process locale follows the user's (Qt sets it), and
// strtod would otherwise expect that locale's decimal separator.
double decimalValue(const std::string& number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
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
        std::string exponent = "e";
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

    // to_chars, unlike printf, ignores the process locale.
    char digits[40];
    const auto written =
        std::to_chars(std::begin(digits), std::end(digits), rounded, std::chars_format::general, 15);
    std::string text;
    for (const char* c = digits; c != written.ptr; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else
            text += *c == 'e' ? 'E' : *c;
    }
    return text;
}

} // namespace velmora

#pragma once

// The two conversions between a text box's text and a number. Plain C++ without Qt, so
// that they can be tested and fuzzed on their own.

#include <string>
#include <string_view>

namespace velmora {

// The leading-number rule: the number that the text begins with, 0 when it begins with
// none. No text is ever rejected.
// - Blanks, tabs and line feeds are ignored wherever they stand, also between digits.
// - An optional "+" or "-", then digits with at most one "." (always the point, whatever
//   the regional settings), then optionally E or e, an optional sign and digits. Reading
//   stops at the first character that does not fit.
// - The value is the nearest double to the decimal number read; beyond the double range
//   it is ±infinity, below it 0 or a subnormal. Callers check for infinity.
// - "&H" or "&O" (either case) at the start reads the hexadecimal or octal digits that
//   follow as a non-negative whole number: at most 16 hexadecimal or 21 octal digits
//   (64 and 63 bits), reading stopping after the last one that fits; no sign is taken,
//   so "-&H10" has no leading number and gives 0. Above 2^53 the value is the nearest
//   double.
[[nodiscard]] double leadingNumber(std::string_view text);

// The result text of a finite number: rounded to four decimals (times 10 000, to the
// nearest whole number with halves to even, divided by 10 000), written with at most 15
// significant digits, no trailing zeros, a 0 before the decimal separator below 1, and
// in exponent form ("1.5E+20") from 10^15 on. A value that rounds to zero is "0", never
// "-0". decimalSeparator is the user's (UTF-8). Beyond about 10^304, where times 10 000
// overflows, the value is already a whole number and is written as it is.
[[nodiscard]] std::string resultText(double value, std::string_view decimalSeparator = ".");

} // namespace velmora

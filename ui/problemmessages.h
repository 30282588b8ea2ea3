#pragma once

#include "flow/fannoproblems.h"

#include <string>
#include <string_view>

namespace velmora {

// The problems window's messages that carry numbers, written as results are (the user's
// decimal separator). A range's bounds are rounded inwards to four decimals, so that every
// value the message allows is in the range.
[[nodiscard]] std::string outsideRangeMessage(std::string_view entry, const QuantityRange& range, double gama,
                                              std::string_view decimalSeparator);
[[nodiscard]] std::string ductChokesMessage(double M1, double longestFLD4, std::string_view decimalSeparator);

} // namespace velmora

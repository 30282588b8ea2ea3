#pragma once

// The Qt side of the window's texts: Qt strings from the tables' UTF-8, and result texts
// with the user's decimal separator.

#include <QString>

#include <string_view>

namespace velmora {

[[nodiscard]] QString fromUtf8(std::string_view text);

// The result text of a finite value, with the decimal separator of the user's locale.
[[nodiscard]] QString userResultText(double value);

} // namespace velmora

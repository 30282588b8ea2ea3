#pragma once

// Qt strings from the system's UTF-8 texts.

#include <QString>

#include <string_view>

namespace velmora {

[[nodiscard]] QString fromUtf8(std::string_view text);

} // namespace velmora

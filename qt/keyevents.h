#pragma once

#include "ui/keys.h"

class QKeyEvent;

namespace velmora {

// The key of a key press, as the windows' behaviour tells keys apart.
[[nodiscard]] Key keyOf(const QKeyEvent& event);

} // namespace velmora

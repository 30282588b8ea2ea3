#pragma once

#include <QIcon>

namespace velmora {

// Velmora's icon, for the title bars of both windows.
[[nodiscard]] QIcon applicationIcon();

} // namespace velmora

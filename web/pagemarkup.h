#pragma once

// The page's windows written from their layout tables: the main window with its title and
// menu bars and every control at its place, named for screen readers; the About window and
// the Fanno problems window, closed, beside it; the message dialog; and the region that
// announces results. Each control's element has its row's name as its id, after its
// window's id in a window other than the main one. The windows are inert until the program
// has bound their behaviour (PageWindow).

#include "web/markup.h"

namespace velmora {

[[nodiscard]] Markup pageMarkup();

} // namespace velmora

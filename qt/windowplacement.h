#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace velmora {

// Whether the program runs in a browser's page, where no window manager places windows
// and nothing but closing the page ends the program.
[[nodiscard]] bool runsInAPage();

// Shows a top-level window at its own size. Qt in the browser shows every window over
// the whole page unless it is asked for the normal state, and places none: there a
// window not placed yet opens at the top left of its screen. Elsewhere this is show().
void showAtOwnSize(QWidget& window);

// Where a window goes beside another whose frame is ANCHOR: to its right, tops aligned, or
// below it where the right leaves too little of AVAILABLE, or over the anchor's top left
// where neither fits (a phone's page).
[[nodiscard]] QPoint besidePosition(const QRect& anchor, const QSize& frame, const QRect& available);

// Moves WINDOW beside ANCHOR where no window manager places windows (the browser); on
// a desktop its window manager decides.
void placeBeside(QWidget& window, const QWidget& anchor);

} // namespace velmora

#pragma once

class QWidget;

namespace velmora {

// Keeps a top-level window, whenever it is in its normal state, at least as large as the
// least size its layout needs (its minimum size, or its layout's).
//
// Qt's Wayland client (6.11 at least) restores a window from full screen at its size less
// the decorations it draws itself, below that minimum: the bottom of the window was cut
// off. The window is then given its whole size back once the restore has settled.
void keepWholeWhenRestored(QWidget& window);

} // namespace velmora

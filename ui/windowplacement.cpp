#include "ui/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velmora {

namespace {
// Room between two windows, as a window manager leaves it.
constexpr int gap = 8;

bool windowManagerPlacesWindows() { return QGuiApplication::platformName() != QStringLiteral("wasm"); }
} // namespace

void showAtOwnSize(QWidget& window) { window.showNormal(); }

QPoint besidePosition(const QRect& anchor, const QSize& frame, const QRect& available)
{
    const QPoint right(anchor.right() + 1 + gap, anchor.top());
    if (right.x() + frame.width() <= available.right() + 1)
        return right;
    const QPoint below(anchor.left(), anchor.bottom() + 1 + gap);
    if (below.y() + frame.height() <= available.bottom() + 1)
        return below;
    return anchor.topLeft() + QPoint(2 * gap, 2 * gap);
}

void placeBeside(QWidget& window, const QWidget& anchor)
{
    if (windowManagerPlacesWindows() || !anchor.screen())
        return;
    // Frame and client differ by the title bar the page's Qt draws; the frame is placed.
    const QSize frameExtra = window.frameGeometry().size() - window.geometry().size();
    window.move(besidePosition(anchor.frameGeometry(), window.size() + frameExtra,
                               anchor.screen()->availableGeometry()));
}

} // namespace velmora

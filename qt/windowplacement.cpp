#include "qt/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velmora {

namespace {
// Room between two windows, as a window manager leaves it.
constexpr int gap = 8;
} // namespace

bool runsInAPage() { return QGuiApplication::platformName() == QStringLiteral("wasm"); }

void showAtOwnSize(QWidget& window)
{
    // The page's screen starts where the page puts it, below anything above it; a window
    // left at (0, 0) would have its title bar and menu bar above the screen, out of sight.
    if (runsInAPage() && !window.testAttribute(Qt::WA_Moved) && window.screen()) {
        window.winId(); // made now: its frame, which Qt draws itself there, is known from then on
        window.move(window.screen()->availableGeometry().topLeft());
    }
    window.showNormal();
}

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
    if (!runsInAPage() || !anchor.screen())
        return;
    window.winId(); // made now, so that its frame, with the title bar Qt draws, is known
    window.move(besidePosition(anchor.frameGeometry(), window.frameGeometry().size(),
                               anchor.screen()->availableGeometry()));
}

} // namespace velmora

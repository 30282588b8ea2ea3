#include "qt/restoredsize.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace velmora {

namespace {

constexpr Qt::WindowStates notNormal = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

class WholeWindowKeeper : public QObject {
public:
    explicit WholeWindowKeeper(QWidget& window) : QObject(&window), window_(&window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ &&
            (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange))
            // After the event: the window system may still be applying the new state.
            QTimer::singleShot(0, this, [this] { restoreWholeSize(); });
        return QObject::eventFilter(watched, event);
    }

private:
    void restoreWholeSize()
    {
        if (!window_ || !window_->isVisible() || (window_->windowState() & notNormal))
            return;
        const QSize whole = window_->minimumSize().expandedTo(window_->minimumSizeHint());
        if (window_->width() < whole.width() || window_->height() < whole.height())
            window_->resize(window_->size().expandedTo(whole));
    }

    QPointer<QWidget> window_;
};

} // namespace

void keepWholeWhenRestored(QWidget& window) { window.installEventFilter(new WholeWindowKeeper(window)); }

} // namespace velmora

#include "qt/afterfirstframe.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace velmora {

namespace {

// Watches a window for its first paint, then does its work once that paint's frame has
// been handed to the window system. Owned by the window; gone once it has done it.
class AfterFirstFrame final : public QObject {
public:
    AfterFirstFrame(QWidget& window, std::function<void()> work)
        : QObject(&window), window_(window), work_(std::move(work))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            QMetaObject::invokeMethod(&window_, std::move(work_), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> work_;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> work)
{
    new AfterFirstFrame(window, std::move(work));
}

} // namespace velmora

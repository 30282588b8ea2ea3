// Linked into every widget test: a modal box that nobody answers fails the running test
// within seconds and is closed, instead of holding the suite until CTest's time-out.
// Boxes that a test opens on purpose are answered at once and never reach the limit.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

constexpr int unansweredLimitMs = 3000;

void watchForUnansweredModalBoxes()
{
    auto* timer = new QTimer(QCoreApplication::instance()); // the application owns it
    auto* clock = new QElapsedTimer;
    auto* seen = new QPointer<QWidget>;
    QObject::connect(timer, &QObject::destroyed, [clock, seen] {
        delete clock;
        delete seen;
    });
    QObject::connect(timer, &QTimer::timeout, [clock, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != *seen) {
            *seen = modal;
            clock->start();
            return;
        }
        if (!modal || clock->elapsed() < unansweredLimitMs)
            return;
        const auto* box = qobject_cast<QMessageBox*>(modal);
        const QString what = box ? box->text() : modal->windowTitle();
        QTest::qFail(qPrintable(QStringLiteral("a modal box waited unanswered: \"%1\"").arg(what)), __FILE__,
                     __LINE__);
        *seen = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    timer->start(100);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForUnansweredModalBoxes)

// Maximise, full screen, minimise and restore, for both windows: the program lives
// through every state the window system may impose, the fixed client area keeps its size
// and its place at the top left, and a calculation afterwards still gives its result.
// Run offscreen and as a native client of a headless Wayland compositor.

#include "qt/formabout.h"

#include "tests/support/windowdriver.h"

#include <QLabel>
#include <QMenuBar>
#include <QWindow>

#include <functional>
#include <map>

using velmora::AboutWindowReference;
using velmora::testing::WindowDriver;

namespace {

enum class Expect { Larger, LayoutSize, Unknown };

struct StateStep {
    const char* name;
    void (*apply)(QWidget&);
    Expect size;
    Qt::WindowState state; // as the window system reports it back
};

// Minimising cannot be seen from the client under Wayland; the compositor only hides.
const StateStep stateSteps[] = {
    {"maximised", [](QWidget& w) { w.showMaximized(); }, Expect::Larger, Qt::WindowMaximized},
    {"restored", [](QWidget& w) { w.showNormal(); }, Expect::LayoutSize, Qt::WindowNoState},
    {"full screen", [](QWidget& w) { w.showFullScreen(); }, Expect::Larger, Qt::WindowFullScreen},
    {"restored", [](QWidget& w) { w.showNormal(); }, Expect::LayoutSize, Qt::WindowNoState},
    {"minimised", [](QWidget& w) { w.showMinimized(); }, Expect::Unknown, Qt::WindowMinimized},
    {"restored", [](QWidget& w) { w.showNormal(); }, Expect::LayoutSize, Qt::WindowNoState},
    {"maximised by its state", [](QWidget& w) { w.setWindowState(Qt::WindowMaximized); }, Expect::Larger,
     Qt::WindowMaximized},
    {"restored by its state", [](QWidget& w) { w.setWindowState(Qt::WindowNoState); }, Expect::LayoutSize,
     Qt::WindowNoState},
};

// A compositor answers a state request with a configure event, which Qt applies as the
// window's new state and size together. Under load that can take long; the limit is only
// there so that a lost answer fails instead of hanging.
constexpr int configureLimit = 60000;

// Every child's place in window coordinates, which no window state may change.
std::map<QString, QRect> childPlaces(const QWidget& window)
{
    std::map<QString, QRect> places;
    for (const QWidget* child : window.findChildren<QWidget*>())
        if (!child->objectName().isEmpty() && !child->isWindow())
            places[child->objectName()] = QRect(child->mapTo(&window, QPoint(0, 0)), child->size());
    return places;
}

// Takes the window through every state; after each, checks what must hold.
void passThroughStates(QWidget& window, const std::function<void()>& checkLayout)
{
    const QSize layoutSize = window.size();
    const auto places = childPlaces(window);
    for (const StateStep& step : stateSteps) {
        step.apply(window);
        QTRY_COMPARE_WITH_TIMEOUT(window.windowHandle()->windowState(), step.state, configureLimit);
        switch (step.size) {
        case Expect::Larger:
            QTRY_VERIFY2_WITH_TIMEOUT(window.width() > layoutSize.width() &&
                                          window.height() > layoutSize.height(),
                                      step.name, configureLimit);
            break;
        case Expect::LayoutSize:
            QTRY_COMPARE_WITH_TIMEOUT(window.size(), layoutSize, configureLimit);
            break;
        case Expect::Unknown:
            break;
        }
        QTest::qWait(50); // a compositor's complaint about the last frame would arrive now
        QVERIFY2(childPlaces(window) == places, step.name);
        checkLayout();
    }
}

} // namespace

class WindowStatesTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowKeepsItsClientAreaAndCalculates();
    void aboutWindowKeepsItsLabels();
};

void WindowStatesTest::mainWindowKeepsItsClientAreaAndCalculates()
{
    WindowDriver w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QWidget* client = w.window.centralWidget();
    passThroughStates(w.window, [&] {
        QCOMPARE(client->size(), QSize(269, 399));
        QCOMPARE(client->pos(), QPoint(0, w.window.menuBar()->height()));
    });
    // Typed by setText: a headless compositor has no keyboard, and Qt's Wayland input
    // method support dereferences the missing one on a key event.
    w.chooseMach();
    w.c.Text_Msub->setText(QStringLiteral("2"));
    w.calculate();
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0.305"));
    QCOMPARE(w.c.Text_TTstar->text(), QStringLiteral("0.6667"));
}

void WindowStatesTest::aboutWindowKeepsItsLabels()
{
    AboutWindowReference about;
    velmora::showAboutWindow(about);
    QWidget& window = *velmora::aboutWindowOf(about);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(240, 118));
    passThroughStates(window, [&] {
        // The light yellow fills whatever size the window has.
        QCOMPARE(window.grab().toImage().pixelColor(window.width() - 2, window.height() - 2),
                 QColor(255, 255, 192));
    });
}

QTEST_MAIN(WindowStatesTest)
#include "windowstates_test.moc"

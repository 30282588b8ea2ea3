// The About window: its layout, and how it opens, stays single and lives apart from the
// main window.

#include "qt/formabout.h"

#include "tests/support/windowdriver.h"

#include <QLabel>
#include <QMenuBar>
#include <QTimer>

using velmora::AboutWindowReference;
using velmora::Form_About;
using velmora::testing::WindowDriver;

namespace {

const QColor lightYellow(255, 255, 192);
const QColor green(0, 128, 0);
const QColor blue(0, 0, 255);

struct ExpectedLabel {
    const char* name;
    const char* text;
    QRect geometry; // pixels at 15 twips a pixel
    double points;
    std::optional<QColor> colour; // nothing: black, on the fixed light yellow
};

const ExpectedLabel expectedLabels[] = {
    {"Label2", "Program for Calculating", {40, 8, 153, 17}, 9.75, green},
    {"Label3", "1D Frictional Flow Properties", {24, 24, 193, 17}, 9.75, green},
    {"Label7", "Written by the Velmora authors", {40, 40, 185, 17}, 8.25, std::nullopt},
    {"Label8", "March 2006", {88, 56, 73, 17}, 8.25, std::nullopt},
    {"Label4", "For comments and questions e-mail to", {8, 72, 225, 17}, 8.25, std::nullopt},
    {"Label5", VELMORA_CONTACT, {56, 88, 129, 17}, 8.25, blue},
};

QList<Form_About*> aboutWindows()
{
    QList<Form_About*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<Form_About*>(w); about && about->isVisible())
            found << about;
    return found;
}

// A real click on the menu bar's "About" entry.
void clickAbout(velmora::Form_Velmora& window)
{
    QMenuBar* bar = window.menuBar();
    QAction* entry = bar->actions().first();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
}

void checkLayout(const Form_About& about)
{
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.size(), QSize(240, 118));
    QCOMPARE(about.palette().color(QPalette::Window), lightYellow);
    QCOMPARE(about.findChildren<QWidget*>().size(), qsizetype(std::size(expectedLabels)));
    for (const ExpectedLabel& e : expectedLabels) {
        auto* label = about.findChild<QLabel*>(QString::fromLatin1(e.name));
        QVERIFY2(label, e.name);
        QCOMPARE(label->text(), QString::fromLatin1(e.text));
        QCOMPARE(label->geometry(), e.geometry);
        QCOMPARE(label->font().pointSizeF(), e.points);
        QVERIFY(!label->font().italic());
        QCOMPARE(label->palette().color(QPalette::Window), lightYellow);
        const QColor text = label->palette().color(QPalette::WindowText);
        QCOMPARE(text, e.colour.value_or(QColor(Qt::black)));
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->width(), qPrintable(QStringLiteral("%1 needs %2 px of %3 (%4)")
                                                          .arg(QString::fromLatin1(e.name))
                                                          .arg(needed)
                                                          .arg(label->width())
                                                          .arg(QFontInfo(label->font()).family())));
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

} // namespace

class FormAboutTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (Form_About* about : aboutWindows())
            about->close();
    }
    void layoutMatchesTheDesign();
    void menuClickOpensOneModelessWindow();
    void reopensWithTheSameLayoutAfterClosing();
    void mainWindowStaysUsableWhileItIsOpen();
    void bothWindowsCarryTheIcon();
    void programEndsOnlyWhenBothWindowsAreClosed();
};

void FormAboutTest::layoutMatchesTheDesign()
{
    const Form_About about;
    checkLayout(about);
}

void FormAboutTest::menuClickOpensOneModelessWindow()
{
    AboutWindowReference reference;
    QVERIFY(!velmora::aboutWindowOf(reference));
    velmora::testing::MessageRecorder messages;
    velmora::Form_Velmora window(messages, reference);
    window.show();

    clickAbout(window);
    QVERIFY(velmora::aboutWindowOf(reference));
    Form_About* first = velmora::aboutWindowOf(reference);
    QCOMPARE(aboutWindows(), QList<Form_About*>{first});
    QVERIFY(!first->isModal());
    QVERIFY(!first->parentWidget());

    clickAbout(window);
    QCOMPARE(velmora::aboutWindowOf(reference), first);
    QCOMPARE(aboutWindows(), QList<Form_About*>{first});
}

void FormAboutTest::reopensWithTheSameLayoutAfterClosing()
{
    AboutWindowReference reference;
    velmora::showAboutWindow(reference);
    Form_About* first = velmora::aboutWindowOf(reference);
    first->close();
    QVERIFY(aboutWindows().isEmpty());
    velmora::showAboutWindow(reference);
    QCOMPARE(aboutWindows().size(), 1);
    checkLayout(*aboutWindows().first());
}

void FormAboutTest::mainWindowStaysUsableWhileItIsOpen()
{
    WindowDriver w;
    clickAbout(w.window);
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(!QApplication::activeModalWidget());
    w.calculateMach(QStringLiteral("2"));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0.305"));
    w.clickChart();
    QVERIFY(velmora::testing::markersAt(w.chart(), {{1.0, 0.0}}));
}

void FormAboutTest::programEndsOnlyWhenBothWindowsAreClosed()
{
    QVERIFY(QApplication::quitOnLastWindowClosed());
    AboutWindowReference reference;
    velmora::testing::MessageRecorder messages;
    auto window = std::make_unique<velmora::Form_Velmora>(messages, reference);
    window->show();
    clickAbout(*window);

    // The event loop runs as the program's does; it must end only when both windows are
    // closed, and then by itself.
    bool aboutOpenAfterMainClosed = false;
    bool loopEndedTooEarly = false;
    QTimer::singleShot(0, [&] {
        window->close();
        window.reset(); // the About window must not go with the main window
    });
    QTimer::singleShot(50, [&] {
        aboutOpenAfterMainClosed = velmora::aboutWindowOf(reference)->isVisible();
        velmora::aboutWindowOf(reference)->close();
    });
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed,
                     [&] { loopEndedTooEarly = velmora::aboutWindowOf(reference)->isVisible(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // only if it never ends
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(aboutOpenAfterMainClosed);
    QVERIFY(!loopEndedTooEarly);
}

void FormAboutTest::bothWindowsCarryTheIcon()
{
    AboutWindowReference reference;
    velmora::testing::MessageRecorder messages;
    velmora::Form_Velmora window(messages, reference);
    window.show();
    velmora::showAboutWindow(reference);
    for (QWidget* w :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(velmora::aboutWindowOf(reference))}) {
        // Given once the first frame is out.
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_VERIFY(!w->windowIcon().isNull());
        const QIcon icon = w->windowIcon();
        QCOMPARE(icon.pixmap(16, 16).size(), QSize(16, 16));
        QCOMPARE(icon.pixmap(32, 32).size(), QSize(32, 32));
        // Only the sizes a window shows: the larger ones are the desktop's.
        for (const QSize size : icon.availableSizes())
            QVERIFY2(size.width() <= 64, qPrintable(QStringLiteral("%1 px").arg(size.width())));
    }
}

QTEST_MAIN(FormAboutTest)
#include "formabout_test.moc"

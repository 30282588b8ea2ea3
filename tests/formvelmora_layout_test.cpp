// The main window as it opens: every control in place, with its text, kind and
// visibility, the option group, the tab order and the gas of the load step.

#include "qt/formvelmora.h"
#include "qt/picturebox.h"

#include "tests/support/windowdriver.h"

#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QVersionNumber>

#include <algorithm>

using velmora::Form_Velmora;
using velmora::testing::WindowDriver;

namespace {

struct ExpectedControl {
    const char* name;
    const char* className;
    const char* parent; // objectName of the container, "" for the client area
    const char* text;
    QRect geometry; // pixels at 15 twips a pixel
    bool visible;
};

// Written out from the window's design, independently of the table the window is built
// from. Children of the picture box sit 2 pixels in, past its border.
const ExpectedControl expectedControls[] = {
    {"Command1", "velmora::WrappingButton", "", "Coose an Input Option", {8, 152, 89, 41}, true},
    {"Frame3", "QGroupBox", "", "", {8, 16, 89, 41}, true},
    {"Text_gama", "velmora::TextBox", "Frame3", "1.4", {32, 16, 33, 19}, true},
    {"Label_gama", "QLabel", "Frame3", "γ =", {8, 16, 33, 17}, true},
    {"Frame2", "QGroupBox", "", "Input options", {8, 64, 89, 81}, true},
    {"Option_FLD4", "QRadioButton", "Frame2", "4 f L*/D ", {16, 56, 65, 17}, true},
    {"Option_M", "QRadioButton", "Frame2", "M", {16, 24, 41, 17}, true},
    {"Picture1", "velmora::PictureBox", "", "", {8, 208, 249, 177}, true},
    {"Label8", "velmora::CaptionLabel", "Picture1", "4 f L*/D", {10, 10, 41, 17}, false},
    {"Frame1", "QGroupBox", "", "", {112, 16, 145, 177}, true},
    {"Text_Msub", "velmora::TextBox", "Frame1", "1.153", {40, 24, 41, 19}, true},
    {"Text_Msup", "velmora::TextBox", "Frame1", "", {80, 24, 41, 19}, false},
    {"Text_FLD4", "velmora::TextBox", "Frame1", "1", {80, 48, 41, 19}, true},
    {"Text_PoPostar", "velmora::TextBox", "Frame1", "1", {80, 144, 41, 19}, true},
    {"Text_RoRostar", "velmora::TextBox", "Frame1", "1", {80, 120, 41, 19}, true},
    {"Text_PPstar", "velmora::TextBox", "Frame1", "1", {80, 96, 41, 19}, true},
    {"Text_TTstar", "velmora::TextBox", "Frame1", "1", {80, 72, 41, 19}, true},
    {"Label_M", "QLabel", "Frame1", "M =", {16, 24, 25, 17}, true},
    {"Label_FLD4", "QLabel", "Frame1", "4 f L*/D =", {16, 48, 57, 17}, true},
    {"Label_PoPoStar", "QLabel", "Frame1", "Po/Po*=", {16, 144, 49, 17}, true},
    {"Label_RoRoStar", "QLabel", "Frame1", "ρ/ρ*    =", {16, 120, 33, 17}, true},
    {"Label_PPstar", "QLabel", "Frame1", "p/p*  =", {16, 96, 33, 17}, true},
    {"Label_TTstar", "QLabel", "Frame1", "T/T*  =", {16, 72, 41, 17}, true},
};

QString textOf(const QWidget* w)
{
    if (auto* box = qobject_cast<const QLineEdit*>(w))
        return box->text();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    return {};
}

} // namespace

class FormVelmoraLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void control_data();
    void control();
    void windowHasTitleMenuAndFixedClientArea();
    void everyCaptionFitsItsBox();
    void optionsAreOneExclusiveGroupWithNoneSelected();
    void noButtonIsPressedByEnter();
    void tabOrderFollowsTabIndexAndSkipsHiddenBoxes();
    void loadStepSetsGammaAndComputesNothing();
    void boxesLieAboveLabels_data();
    void boxesLieAboveLabels();
    void clickAtTheGammaBoxLeftEdgeTypesIntoIt();
    void printedTableFindsEveryControlWhereTheWindowHasIt();
};

void FormVelmoraLayoutTest::control_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(expectedControls)); ++i)
        QTest::newRow(expectedControls[i].name) << i;
}

void FormVelmoraLayoutTest::control()
{
    QFETCH(int, row);
    const ExpectedControl& e = expectedControls[row];
    WindowDriver driver;
    Form_Velmora& window = driver.window;

    auto* w = window.findChild<QWidget*>(QString::fromLatin1(e.name));
    QVERIFY(w);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), QString::fromLatin1(e.className));
    const QWidget* expectedParent =
        *e.parent ? window.findChild<QWidget*>(QString::fromLatin1(e.parent)) : window.centralWidget();
    QCOMPARE(w->parentWidget(), expectedParent);
    QCOMPARE(textOf(w), QString::fromUtf8(e.text));
    QCOMPARE(w->geometry(), e.geometry);
    QCOMPARE(w->isVisible(), e.visible);
}

void FormVelmoraLayoutTest::windowHasTitleMenuAndFixedClientArea()
{
    WindowDriver driver;
    Form_Velmora& window = driver.window;
    QCOMPARE(window.objectName(), QStringLiteral("Form_Velmora"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(window.centralWidget()->size(), QSize(269, 399));
    // It opens at the smallest size that shows the whole client area.
    QCOMPARE(window.size(), window.minimumSize());

    const auto actions = window.menuBar()->actions();
    QCOMPARE(actions.size(), 2); // About, then Problems (formproblems_test)
    QCOMPARE(actions.first()->objectName(), QStringLiteral("Mn_About"));
    QCOMPARE(actions.first()->text(), QStringLiteral("About"));
    QVERIFY(!actions.first()->menu());
}

void FormVelmoraLayoutTest::everyCaptionFitsItsBox()
{
    WindowDriver driver;
    Form_Velmora& window = driver.window;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(),
                 qPrintable(QStringLiteral("%1 needs %2 px of %3 (%4)")
                                .arg(label->objectName())
                                .arg(needed)
                                .arg(label->contentsRect().width())
                                .arg(QFontInfo(label->font()).family())));
        QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->objectName()));
    }
    // The caption, with a blank's room on either side for the focus mark, must lie within
    // the part of the option beside its indicator. (Its size hint adds style padding that
    // differs between Qt versions and is not needed to show the caption whole.)
    for (const QRadioButton* option : window.findChildren<QRadioButton*>()) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect beside = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const int needed = option->fontMetrics().horizontalAdvance(option->text().trimmed()) +
                           2 * option->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        QVERIFY2(needed <= beside.width(), qPrintable(option->objectName()));
        QVERIFY2(option->fontMetrics().height() <= beside.height(), qPrintable(option->objectName()));
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());

    // The button's caption wraps; every line of it must lie inside the button. The leading
    // below the last line is blank (Windows fonts have some, Linux's none).
    auto* button = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (const QString& caption : {button->text(), QStringLiteral("Input value then CLICK")}) {
        const QRect area = button->rect().adjusted(4, 4, -4, -4);
        const QFontMetrics metrics = button->fontMetrics();
        const QRect needed = metrics.boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, caption);
        QVERIFY2(needed.width() <= area.width(), qPrintable(caption));
        QVERIFY2(needed.height() - std::max(0, metrics.leading()) <= area.height(), qPrintable(caption));
    }
}

void FormVelmoraLayoutTest::optionsAreOneExclusiveGroupWithNoneSelected()
{
    WindowDriver driver;
    Form_Velmora& window = driver.window;
    auto* optionM = window.findChild<QRadioButton*>(QStringLiteral("Option_M"));
    auto* optionF = window.findChild<QRadioButton*>(QStringLiteral("Option_FLD4"));
    QVERIFY(!optionM->isChecked());
    QVERIFY(!optionF->isChecked());
    optionM->setChecked(true);
    optionF->setChecked(true);
    QVERIFY(!optionM->isChecked());
    QVERIFY(optionF->isChecked());
}

// Enter and Escape, pressed in every control that takes the focus, calculate nothing: no
// message, no result written, nothing drawn. (Space on the focused button does calculate.)
void FormVelmoraLayoutTest::noButtonIsPressedByEnter()
{
    WindowDriver w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.chooseMach();
    WindowDriver::type(w.c.Text_Msub, QStringLiteral("2"));
    const QImage blank = w.chart();

    QList<QWidget*> focusable;
    for (QWidget* control : w.window.findChildren<QWidget*>())
        if (control->isVisible() && control->focusPolicy() != Qt::NoFocus)
            focusable << control;
    QVERIFY(focusable.contains(w.c.Command1));
    QVERIFY(focusable.size() >= 6);
    for (QWidget* control : focusable) {
        control->setFocus();
        QCOMPARE(QApplication::focusWidget(), control);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(w.window.windowHandle(), key);
        QVERIFY2(w.messages.messages.empty(), qPrintable(control->objectName()));
        QVERIFY2(w.c.Text_TTstar->text() == QStringLiteral("1"), qPrintable(control->objectName()));
        QVERIFY2(w.chart() == blank, qPrintable(control->objectName()));
    }
    QVERIFY(!w.c.Command1->isDefault());
    QVERIFY(!w.c.Command1->autoDefault());

    // The same keys do reach the button: Space presses it.
    w.c.Command1->setFocus();
    QTest::keyClick(w.window.windowHandle(), Qt::Key_Space);
    QCOMPARE(w.c.Text_TTstar->text(), QStringLiteral("0.6667"));
}

void FormVelmoraLayoutTest::tabOrderFollowsTabIndexAndSkipsHiddenBoxes()
{
    WindowDriver driver;
    Form_Velmora& window = driver.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // The two options are one tab stop, as an option group is: arrow keys move within it.
    const QStringList expected{"Text_TTstar", "Text_PPstar", "Text_RoRostar", "Text_PoPostar",
                               "Picture1",    "Text_gama",   "Text_FLD4",     "Text_Msub",
                               "Option_M",    "Command1",    "Text_TTstar"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(seen, expected);
}

void FormVelmoraLayoutTest::loadStepSetsGammaAndComputesNothing()
{
    const WindowDriver driver;
    const Form_Velmora& window = driver.window;
    const velmora::FlowState& s = window.flowState();
    QCOMPARE(s.gama, 1.4);
    QCOMPARE(s.gp1, 2.4);
    QCOMPARE(s.expP0, 3.0000000000000004);
    QCOMPARE(s.TTstar, 0.0);
    QCOMPARE(s.PPstar, 0.0);
    QCOMPARE(s.RoRostar, 0.0);
    QCOMPARE(s.PoPostar, 0.0);
}

void FormVelmoraLayoutTest::boxesLieAboveLabels_data()
{
    QTest::addColumn<int>("mode"); // 0: none chosen, 1: M, 2: 4fL*/D
    QTest::newRow("as it opens") << 0;
    QTest::newRow("M mode") << 1;
    QTest::newRow("4fL*/D mode") << 2;
}

// Every pixel of every visible box, option and button takes the clicks on it (or, where
// the layout lets two boxes overlap by a pixel, the other box does), and every label's
// caption stays whole beside the boxes that overlap the label.
void FormVelmoraLayoutTest::boxesLieAboveLabels()
{
    QFETCH(int, mode);
    WindowDriver w;
    if (mode == 1)
        w.chooseMach();
    if (mode == 2)
        w.calculateFriction(QStringLiteral("0.5")); // shows both Mach boxes
    QWidget& window = w.window;

    QList<const QWidget*> takers;
    for (QWidget* control : window.findChildren<QWidget*>())
        if (control->isVisible() &&
            (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control)))
            takers << control;
    QVERIFY(takers.size() >= 5);
    for (const QWidget* control : takers)
        for (int y = 0; y < control->height(); ++y)
            for (int x = 0; x < control->width(); ++x) {
                const QWidget* hit = window.childAt(control->mapTo(&window, QPoint(x, y)));
                if (hit != control && !control->isAncestorOf(hit) && !takers.contains(hit))
                    QFAIL(qPrintable(QStringLiteral("%1 (%2, %3) is under %4")
                                         .arg(control->objectName())
                                         .arg(x)
                                         .arg(y)
                                         .arg(hit ? hit->objectName() : QStringLiteral("nothing"))));
            }

    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        int uncovered = label->width();
        for (const QWidget* box : takers)
            if (box->parentWidget() == label->parentWidget() && box->geometry().intersects(label->geometry()))
                uncovered = std::min(uncovered, box->x() - label->x());
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= uncovered, qPrintable(QStringLiteral("%1 needs %2 px of %3 (%4)")
                                                     .arg(label->objectName())
                                                     .arg(needed)
                                                     .arg(uncovered)
                                                     .arg(QFontInfo(label->font()).family())));
    }
}

// The γ box's left edge lies under its label's box: a real click there must still put
// what is typed next into the γ box, not into the box that had the focus.
void FormVelmoraLayoutTest::clickAtTheGammaBoxLeftEdgeTypesIntoIt()
{
    WindowDriver w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.chooseMach();
    WindowDriver::type(w.c.Text_Msub, QStringLiteral("2"));

    QWindow* screenWindow = w.window.windowHandle();
    const QPoint leftEdge = w.c.Text_gama->mapTo(&w.window, QPoint(1, w.c.Text_gama->height() / 2));
    QTest::mouseClick(screenWindow, Qt::LeftButton, {}, leftEdge);
    QTest::keyClick(screenWindow, Qt::Key_A, Qt::ControlModifier);
    for (const char key : {'1', '.', '3'})
        QTest::keyClick(screenWindow, key);
    QCOMPARE(w.c.Text_gama->text(), QStringLiteral("1.3"));
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("2"));

    w.calculate();
    QCOMPARE(w.c.Text_TTstar->text(), QStringLiteral("0.7187")); // γ = 1.3, M = 2
}

// The outside checks click where velmora-layout-table says a control is: each of its rows
// must name a control of the window at its place in the client area.
void FormVelmoraLayoutTest::printedTableFindsEveryControlWhereTheWindowHasIt()
{
#ifndef VELMORA_LAYOUT_TABLE_TOOL
    QSKIP("velmora-layout-table is a tool of the Linux build");
#else
    QProcess printer;
    printer.start(QStringLiteral(VELMORA_LAYOUT_TABLE_TOOL), {});
    QVERIFY(printer.waitForFinished(30000));
    QCOMPARE(printer.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(printer.readAllStandardOutput()).split(u'\n');

    WindowDriver driver;
    const QWidget* client = driver.window.centralWidget();
    qsizetype rows = 0;
    for (const QString& line : lines) {
        const QStringList f = line.split(u' ');
        if (f.size() != 13 || f[0] != u"control" || f[1] != u"Form_Velmora")
            continue;
        ++rows;
        const auto* w = driver.window.findChild<QWidget*>(f[2]);
        QVERIFY2(w, qPrintable(f[2]));
        const QPoint corner = w->mapTo(client, QPoint(0, 0));
        QCOMPARE(QRect(f[9].toInt(), f[10].toInt(), f[11].toInt(), f[12].toInt()), QRect(corner, w->size()));
    }
    QCOMPARE(rows, qsizetype(std::size(expectedControls)));
#endif
}

QTEST_MAIN(FormVelmoraLayoutTest)
#include "formvelmora_layout_test.moc"

// The two option buttons and what each does to the results frame.

#include "tests/support/windowdriver.h"

#include <QLabel>

using velmora::testing::WindowDriver;

namespace {

const QColor white(255, 255, 255);
const QColor grey(200, 200, 200);

QColor background(const QWidget* box) { return box->palette().color(QPalette::Base); }

struct Expected {
    const char* control;
    bool visible;
};

// Visibility after each option, for every label and box of the results frame.
const Expected afterMach[] = {
    {"Label_M", true},         {"Label_FLD4", false},     {"Label_PPstar", false}, {"Label_TTstar", false},
    {"Label_RoRoStar", false}, {"Label_PoPoStar", false}, {"Text_Msub", true},     {"Text_Msup", false},
    {"Text_FLD4", false},      {"Text_PPstar", false},    {"Text_TTstar", false},  {"Text_RoRostar", false},
    {"Text_PoPostar", false},
};
const Expected afterFriction[] = {
    {"Label_M", false},        {"Label_FLD4", true},      {"Label_PPstar", false}, {"Label_TTstar", false},
    {"Label_RoRoStar", false}, {"Label_PoPoStar", false}, {"Text_Msub", false},    {"Text_Msup", false},
    {"Text_FLD4", true},       {"Text_PPstar", false},    {"Text_TTstar", false},  {"Text_RoRostar", false},
    {"Text_PoPostar", false},
};

} // namespace

class InputModesTest : public QObject {
    Q_OBJECT

private slots:
    void machModeShowsOnlyTheBlankWhiteMachBox();
    void frictionModeShowsOnlyTheBlankWhiteFrictionBox();
    void machModeLeavesTheSupersonicBoxColourAlone();
    void switchingModesLosesTheTypedValue();
    void hiddenBoxesKeepTheirTexts();
    void keyboardSelectionRunsTheHandler();
};

void InputModesTest::machModeShowsOnlyTheBlankWhiteMachBox()
{
    WindowDriver w;
    w.chooseMach();
    QVERIFY(w.c.Option_M->isChecked());
    for (const Expected& e : afterMach)
        QVERIFY2(w.window.findChild<QWidget*>(QLatin1String(e.control))->isVisible() == e.visible, e.control);
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral(" "));
    QCOMPARE(background(w.c.Text_Msub), white);
    for (const QLineEdit* box :
         {w.c.Text_FLD4, w.c.Text_PPstar, w.c.Text_TTstar, w.c.Text_RoRostar, w.c.Text_PoPostar})
        QCOMPARE(background(box), grey);
    QCOMPARE(w.c.Command1->text(), QStringLiteral("Input value then CLICK"));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("1"));
    QVERIFY(w.messages.messages.empty());
}

void InputModesTest::frictionModeShowsOnlyTheBlankWhiteFrictionBox()
{
    WindowDriver w;
    w.chooseFriction();
    QVERIFY(w.c.Option_FLD4->isChecked());
    for (const Expected& e : afterFriction)
        QVERIFY2(w.window.findChild<QWidget*>(QLatin1String(e.control))->isVisible() == e.visible, e.control);
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral(" "));
    QCOMPARE(background(w.c.Text_FLD4), white);
    for (const QLineEdit* box : {w.c.Text_Msub, w.c.Text_Msup, w.c.Text_PPstar, w.c.Text_TTstar,
                                 w.c.Text_RoRostar, w.c.Text_PoPostar})
        QCOMPARE(background(box), grey);
    QCOMPARE(w.c.Command1->text(), QStringLiteral("Input value then CLICK"));
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("1.153"));
}

void InputModesTest::machModeLeavesTheSupersonicBoxColourAlone()
{
    WindowDriver w;
    const QColor initial = background(w.c.Text_Msup);
    w.chooseMach();
    QCOMPARE(background(w.c.Text_Msup), initial);
    w.chooseFriction();
    w.chooseMach();
    QCOMPARE(background(w.c.Text_Msup), grey); // as the 4fL*/D mode left it
}

void InputModesTest::switchingModesLosesTheTypedValue()
{
    WindowDriver w;
    w.chooseMach();
    WindowDriver::type(w.c.Text_Msub, QStringLiteral("2"));
    w.chooseFriction();
    WindowDriver::type(w.c.Text_FLD4, QStringLiteral("0.5"));
    w.chooseMach();
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral(" "));
    w.chooseFriction();
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral(" "));
}

void InputModesTest::hiddenBoxesKeepTheirTexts()
{
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    w.chooseFriction();
    QVERIFY(!w.c.Text_TTstar->isVisible());
    QCOMPARE(w.c.Text_TTstar->text(), QStringLiteral("0.6667"));
    WindowDriver::type(w.c.Text_FLD4, QStringLiteral("0.305"));
    w.calculate();
    QVERIFY(w.c.Text_TTstar->isVisible());
    QCOMPARE(w.c.Text_TTstar->text(), QStringLiteral("0.6667"));
}

void InputModesTest::keyboardSelectionRunsTheHandler()
{
    WindowDriver w;
    w.chooseMach();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.c.Option_M->setFocus();
    QTest::keyClick(w.c.Option_M, Qt::Key_Down);
    QVERIFY(w.c.Option_FLD4->isChecked());
    QVERIFY(w.c.Text_FLD4->isVisible());
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral(" "));
    QTest::keyClick(w.c.Option_FLD4, Qt::Key_Up);
    QVERIFY(w.c.Option_M->isChecked());
    QVERIFY(w.c.Text_Msub->isVisible());
}

QTEST_MAIN(InputModesTest)
#include "inputmodes_test.moc"

// Whole calculations from the keyboard alone, with the keys any desktop program has.

#include "tests/support/windowdriver.h"

using velmora::testing::WindowDriver;

namespace {

// Each key goes where a real key press goes: to the widget with the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void typeText(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

QString focused() { return QApplication::focusWidget()->objectName(); }

void tabTo(const QString& name)
{
    for (int i = 0; i < 20 && focused() != name; ++i)
        press(Qt::Key_Tab);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void machCalculationByKeyboard();
    void frictionCalculationByKeyboard();
    void shiftTabGoesBackOverVisibleControls();
    void enterInATextBoxDoesNotCalculate();

private:
    std::unique_ptr<WindowDriver> w;
};

void KeyboardTest::init()
{
    w = std::make_unique<WindowDriver>();
    QVERIFY(QTest::qWaitForWindowActive(&w->window));
    QCOMPARE(focused(), QStringLiteral("Text_TTstar"));
}

void KeyboardTest::machCalculationByKeyboard()
{
    tabTo(QStringLiteral("Option_M"));
    QCOMPARE(focused(), QStringLiteral("Option_M"));
    press(Qt::Key_Space);
    QVERIFY(w->c.Option_M->isChecked());
    QCOMPARE(w->c.Text_Msub->text(), QStringLiteral(" ")); // the mode's handler ran

    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), QStringLiteral("Text_Msub"));
    press(Qt::Key_End);
    typeText(QStringLiteral("2"));
    tabTo(QStringLiteral("Command1"));
    press(Qt::Key_Space);

    QCOMPARE(w->c.Text_FLD4->text(), QStringLiteral("0.305"));
    QCOMPARE(w->c.Text_TTstar->text(), QStringLiteral("0.6667"));
    QCOMPARE(w->c.Text_PoPostar->text(), QStringLiteral("1.6875"));
    QVERIFY(w->messages.messages.empty());
}

void KeyboardTest::frictionCalculationByKeyboard()
{
    // With no option selected an arrow only moves within the group; Space selects.
    tabTo(QStringLiteral("Option_M"));
    press(Qt::Key_Down);
    QCOMPARE(focused(), QStringLiteral("Option_FLD4"));
    QVERIFY(!w->c.Option_FLD4->isChecked());
    press(Qt::Key_Space);
    QVERIFY(w->c.Option_FLD4->isChecked());
    QCOMPARE(w->c.Text_FLD4->text(), QStringLiteral(" "));

    // Once one is selected, an arrow moves the selection and runs the other's handler.
    press(Qt::Key_Up);
    QVERIFY(w->c.Option_M->isChecked());
    QVERIFY(w->c.Text_Msub->isVisible());
    press(Qt::Key_Down);
    QVERIFY(w->c.Option_FLD4->isChecked());
    QVERIFY(!w->c.Text_Msub->isVisible());

    press(Qt::Key_Tab, Qt::ShiftModifier); // over the hidden Mach boxes
    QCOMPARE(focused(), QStringLiteral("Text_FLD4"));
    press(Qt::Key_End);
    typeText(QStringLiteral("0.5"));
    tabTo(QStringLiteral("Command1"));
    press(Qt::Key_Space);

    QCOMPARE(w->c.Text_Msub->text(), QStringLiteral("0.5977"));
    QCOMPARE(w->c.Text_Msup->text(), QStringLiteral("2.8604"));
}

void KeyboardTest::shiftTabGoesBackOverVisibleControls()
{
    // The option group is one stop; backwards it is entered at its last option.
    const QStringList expected{"Text_TTstar",   "Command1",    "Option_FLD4", "Text_Msub",
                               "Text_FLD4",     "Text_gama",   "Picture1",    "Text_PoPostar",
                               "Text_RoRostar", "Text_PPstar", "Text_TTstar"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        seen << focused();
        press(Qt::Key_Tab, Qt::ShiftModifier);
    }
    QCOMPARE(seen, expected);
}

void KeyboardTest::enterInATextBoxDoesNotCalculate()
{
    w->chooseMach();
    w->c.Text_Msub->setFocus();
    typeText(QStringLiteral("2"));
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    QCOMPARE(w->c.Text_FLD4->text(), QStringLiteral("1"));
    QVERIFY(w->messages.messages.empty());
    QVERIFY(velmora::testing::markersAt(w->chart(), {}));
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

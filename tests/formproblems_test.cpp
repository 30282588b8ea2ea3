// What the desktop binding of the Fanno problems window adds: its widgets' names and
// kinds, the menu entry that opens one window and brings it back, a solve through the
// real widgets, the tab order and captions that fit. The rules themselves are tested on
// the recording window (problemswindow_test.cpp).

#include "qt/formproblems.h"

#include "tests/support/chartimage.h"
#include "tests/support/windowdriver.h"
#include "ui/placement.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

using velmora::Form_Problems;
using velmora::ProblemsWindowReference;
using velmora::testing::MessageRecorder;

namespace {

QList<Form_Problems*> openProblemsWindows()
{
    QList<Form_Problems*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* problems = qobject_cast<Form_Problems*>(w); problems && problems->isVisible())
            found << problems;
    return found;
}

template <class Widget> Widget* named(const QWidget& window, const QString& name)
{
    for (Widget* w : window.findChildren<Widget*>())
        if (w->accessibleName() == name)
            return w;
    return nullptr;
}

QLineEdit* box(const QWidget& window, const char* name)
{
    return named<QLineEdit>(window, QString::fromUtf8(name));
}

void type(QLineEdit* box, const char* text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
}

void click(const QWidget& window, const char* button)
{
    QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

void clickMenuEntry(velmora::Form_Velmora& window, const char* name)
{
    QMenuBar* bar = window.menuBar();
    for (QAction* entry : bar->actions())
        if (entry->objectName() == QLatin1String(name))
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
}

} // namespace

class FormProblemsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (Form_Problems* problems : openProblemsWindows())
            problems->close();
    }
    void controlIsNamedForScreenReaders_data();
    void controlIsNamedForScreenReaders();
    void choiceListsTheKnownQuantities();
    void buttonsAreNamedByTheirCaptions();
    void menuEntryOpensOneModelessWindowAndBringsItBack();
    void solvesThroughTheWidgets();
    void tabOrderRunsDownEachSection();
    void everyCaptionFits();
};

void FormProblemsTest::controlIsNamedForScreenReaders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("input");
    for (const char* input :
         {"Known value", "Inlet Mach number M1", "Duct 4fL/D", "Ratio of specific heats γ"})
        QTest::newRow(input) << QString::fromUtf8(input) << true;
    for (const char* result :
         {"M", "4fL*/D", "T/T*", "p/p*", "ρ/ρ*", "V/V*", "p0/p0*", "(s*-s)/R", "M2", "p2/p1", "T2/T1",
          "ρ2/ρ1", "V2/V1", "p02/p01", "(s2-s1)/R", "Longest duct 4fL*/D"})
        QTest::newRow(result) << QString::fromUtf8(result) << false;
}

// Each box by its own name, once; results read-only but reachable.
void FormProblemsTest::controlIsNamedForScreenReaders()
{
    QFETCH(QString, name);
    QFETCH(bool, input);
    MessageRecorder messages;
    const Form_Problems window(messages);
    QLineEdit* found = named<QLineEdit>(window, name);
    QVERIFY(found);
    QCOMPARE(found->isReadOnly(), !input);
    QVERIFY(found->focusPolicy() & Qt::TabFocus);
    int same = 0;
    for (const QWidget* w : window.findChildren<QWidget*>())
        same += w->accessibleName() == name;
    QCOMPARE(same, 1);
}

void FormProblemsTest::choiceListsTheKnownQuantities()
{
    MessageRecorder messages;
    const Form_Problems window(messages);
    auto* choice = named<QComboBox>(window, QStringLiteral("Known quantity"));
    QVERIFY(choice);
    const auto entries = velmora::knownQuantityEntries();
    QCOMPARE(choice->count(), qsizetype(entries.size()));
    for (int i = 0; i < choice->count(); ++i)
        QCOMPARE(choice->itemText(i), QString::fromUtf8(entries[i].text.data(), entries[i].text.size()));
    QCOMPARE(choice->currentIndex(), 0);
    QVERIFY(!choice->isEditable());
}

// As a screen reader finds them: the buttons by their captions.
void FormProblemsTest::buttonsAreNamedByTheirCaptions()
{
    MessageRecorder messages;
    Form_Problems window(messages);
    window.show();
    QStringList names;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("Solve"), QStringLiteral("Solve duct")}));
}

void FormProblemsTest::menuEntryOpensOneModelessWindowAndBringsItBack()
{
    velmora::AboutWindowReference about;
    ProblemsWindowReference reference;
    MessageRecorder messages;
    velmora::Form_Velmora window(messages, about, reference);
    window.show();
    const auto actions = window.menuBar()->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[1]->objectName(), QStringLiteral("Mn_Problems"));
    QCOMPARE(actions[1]->text(), QStringLiteral("Problems"));
    QVERIFY(!velmora::problemsWindowOf(reference));

    clickMenuEntry(window, "Mn_Problems");
    Form_Problems* first = velmora::problemsWindowOf(reference);
    QVERIFY(first);
    QCOMPARE(openProblemsWindows(), QList<Form_Problems*>{first});
    QCOMPARE(first->windowTitle(), QStringLiteral("Fanno problems"));
    QVERIFY(!first->isModal());
    QVERIFY(!first->parentWidget());
    QVERIFY(!QApplication::activeModalWidget());

    clickMenuEntry(window, "Mn_Problems");
    QCOMPARE(openProblemsWindows(), QList<Form_Problems*>{first});
    box(*first, "Known value")->setText(QStringLiteral("2"));
    first->close();
    QVERIFY(openProblemsWindows().isEmpty());
    clickMenuEntry(window, "Mn_Problems");
    QCOMPARE(openProblemsWindows(), QList<Form_Problems*>{first});
    QCOMPARE(box(*first, "Known value")->text(), QStringLiteral("2")); // as it was closed
    QVERIFY(messages.messages.empty());
}

void FormProblemsTest::solvesThroughTheWidgets()
{
    MessageRecorder messages;
    Form_Problems window(messages);
    window.show();
    named<QComboBox>(window, QStringLiteral("Known quantity"))->setCurrentIndex(1); // 4fL*/D, subsonic
    type(box(window, "Known value"), "1.2");
    click(window, "Command_Solve");
    QCOMPARE(box(window, "M")->text(), QStringLiteral("0.4849"));
    QCOMPARE(box(window, "p/p*")->text(), QStringLiteral("2.208"));

    type(box(window, "Inlet Mach number M1"), "0.3");
    type(box(window, "Duct 4fL/D"), "4");
    click(window, "Command_SolveDuct");
    QCOMPARE(box(window, "M2")->text(), QStringLiteral("0.4744"));
    QCOMPARE(box(window, "Longest duct 4fL*/D")->text(), QStringLiteral("5.2993"));
    QVERIFY(messages.messages.empty());

    auto* chart = window.findChild<velmora::PictureBox*>(QStringLiteral("Picture1"));
    QVERIFY(velmora::testing::markersAt(velmora::testing::chartArea(*chart),
                                        {{0.3, 5.2993}, {0.4744, 1.2993}}, 7));
    QVERIFY(chart->accessibleDescription().contains(QStringLiteral("M = 0.4744")));
}

void FormProblemsTest::tabOrderRunsDownEachSection()
{
    MessageRecorder messages;
    Form_Problems window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList expected;
    for (const velmora::ControlSpec* row : velmora::tabOrder(velmora::problemsWindowControls()))
        expected << QString::fromLatin1(row->name.data(), row->name.size());
    expected << expected.first(); // and round again
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(seen, expected);
}

void FormProblemsTest::everyCaptionFits()
{
    MessageRecorder messages;
    Form_Problems window(messages);
    window.show();
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(), qPrintable(QStringLiteral("%1 needs %2 px of %3")
                                                                         .arg(label->objectName())
                                                                         .arg(needed)
                                                                         .arg(label->width())));
        QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->objectName()));
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>())
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width());
    for (const QPushButton* button : window.findChildren<QPushButton*>())
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8,
                 qPrintable(button->objectName()));
    // Every entry of the choice, shown in its closed field beside the arrow.
    auto* choice = named<QComboBox>(window, QStringLiteral("Known quantity"));
    QStyleOptionComboBox style;
    style.initFrom(choice);
    const QRect field =
        choice->style()->subControlRect(QStyle::CC_ComboBox, &style, QStyle::SC_ComboBoxEditField, choice);
    for (int i = 0; i < choice->count(); ++i)
        QVERIFY2(choice->fontMetrics().horizontalAdvance(choice->itemText(i)) <= field.width(),
                 qPrintable(choice->itemText(i)));
}

QTEST_MAIN(FormProblemsTest)
#include "formproblems_test.moc"

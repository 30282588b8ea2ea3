// What the desktop's widgets add to the main window's behaviour: clicks, typing and the
// keyboard reach the handlers, the results reach the boxes with the locale's decimal
// separator, the chart is painted where the behaviour draws it, and a message is a real
// modal box.

#include "tests/support/messageboxwindow.h"
#include "tests/support/windowdriver.h"

#include <QLocale>

using velmora::testing::chartPoint;
using velmora::testing::isRed;
using velmora::testing::markersAt;
using velmora::testing::MessageBoxWindow;
using velmora::testing::near;
using velmora::testing::WindowDriver;
using Messages = std::vector<std::string>;

namespace {

QImage blankChart(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 192));
    return image;
}

} // namespace

class FormVelmoraTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void clicksAndTypingReachTheHandlers();
    void chartIsPaintedWhereTheBehaviourDrawsIt();
    void markersOffTheChartAreClipped();
    void keyboardSelectionRunsTheHandler();
    void decimalSeparatorIsTheLocales();
    void realMessageBoxIsModalWithOneOkAndNoIcon();
};

void FormVelmoraTest::clicksAndTypingReachTheHandlers()
{
    WindowDriver w;
    QCOMPARE(w.chart(), blankChart(w.chart().size()).convertToFormat(w.chart().format()));
    w.calculate();
    QCOMPARE(w.messages.messages, Messages{"choose an input parameter"});
    w.chooseMach();
    QVERIFY(w.c.Option_M->isChecked());
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral(" "));
    QCOMPARE(w.c.Text_Msub->palette().color(QPalette::Base), QColor(255, 255, 255));
    QCOMPARE(w.c.Text_FLD4->palette().color(QPalette::Base), QColor(200, 200, 200));
    QVERIFY(!w.c.Label_FLD4->isVisible());
    QCOMPARE(w.c.Command1->text(), QStringLiteral("Input value then CLICK"));
    WindowDriver::type(w.c.Text_Msub, QStringLiteral("2"));
    w.calculate();
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0.305"));
    QCOMPARE(w.c.Text_TTstar->text(), QStringLiteral("0.6667"));
    QVERIFY(w.c.Label_FLD4->isVisible());
    QCOMPARE(w.c.Picture1->accessibleDescription(), QStringLiteral("γ = 1.4; marked: M = 2, 4fL*/D = 0.305"));
}

void FormVelmoraTest::chartIsPaintedWhereTheBehaviourDrawsIt()
{
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    QVERIFY(markersAt(w.chart(), {{2.0, 0.3049965}}));
    QVERIFY(near(w.chart(), chartPoint(3.0, 0.5222), isRed));
    w.calculateFriction(QStringLiteral("0.5"));
    QVERIFY(markersAt(w.chart(), {{0.59771728515625, 0.5}, {2.8603515625, 0.5}}));
    w.clickChart();
    QVERIFY(markersAt(w.chart(), {{1.0, 0.0}}));
    QVERIFY(near(w.chart(), chartPoint(2.0, 0.3049965), isRed));
}

// M = 6 lies right of the chart; 4fL*/D = 8.48 above its top edge.
void FormVelmoraTest::markersOffTheChartAreClipped()
{
    WindowDriver w;
    w.calculateFriction(QStringLiteral("0.7299"));
    QVERIFY(markersAt(w.chart(), {{0.5496826171875, 0.7299}}));
    w.calculateFriction(QStringLiteral("8.48"));
    QVERIFY(markersAt(w.chart(), {}));
}

void FormVelmoraTest::keyboardSelectionRunsTheHandler()
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

void FormVelmoraTest::decimalSeparatorIsTheLocales()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0,305"));
    QCOMPARE(w.c.Text_PoPostar->text(), QStringLiteral("1,6875"));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    WindowDriver us;
    us.calculateMach(QStringLiteral("2"));
    QCOMPARE(us.c.Text_FLD4->text(), QStringLiteral("0.305"));
}

void FormVelmoraTest::realMessageBoxIsModalWithOneOkAndNoIcon()
{
    MessageBoxWindow w;
    QString title, text;
    int buttonCount = -1;
    bool okOnly = false, noIcon = false, modal = false;
    MessageBoxWindow::clickAndAnswer(w.c.Command1, [&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        buttonCount = int(box.buttons().size());
        okOnly = box.standardButtons() == QMessageBox::Ok;
        noIcon = box.icon() == QMessageBox::NoIcon;
        modal = box.isModal();
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(title, QStringLiteral("Velmora"));
    QCOMPARE(text, QStringLiteral("choose an input parameter"));
    QCOMPARE(buttonCount, 1);
    QVERIFY(okOnly);
    QVERIFY(noIcon);
    QVERIFY(modal);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(FormVelmoraTest)
#include "formvelmora_test.moc"

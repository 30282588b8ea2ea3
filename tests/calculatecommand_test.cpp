// Calculations as a user goes through them on the real window: choose a mode, type,
// click the button, read the boxes and the marked chart.

#include "tests/support/messageboxwindow.h"
#include "tests/support/windowdriver.h"

#include <QLabel>
#include <QLocale>

using velmora::testing::chartPoint;
using velmora::testing::isRed;
using velmora::testing::markersAt;
using velmora::testing::MessageBoxWindow;
using velmora::testing::near;
using velmora::testing::WindowDriver;
using Messages = std::vector<std::string>;

namespace {

const QImage blankChart(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 192));
    return image;
}

QStringList texts(const WindowDriver& w)
{
    QStringList result;
    for (const QLineEdit* box : {w.c.Text_gama, w.c.Text_Msub, w.c.Text_Msup, w.c.Text_FLD4, w.c.Text_TTstar,
                                 w.c.Text_PPstar, w.c.Text_RoRostar, w.c.Text_PoPostar})
        result << box->text();
    return result;
}

QStringList ratioTexts(const WindowDriver& w)
{
    return {w.c.Text_TTstar->text(), w.c.Text_PPstar->text(), w.c.Text_RoRostar->text(),
            w.c.Text_PoPostar->text()};
}

bool sameRatios(const velmora::FlowState& a, const velmora::FlowState& b)
{
    return a.TTstar == b.TTstar && a.PPstar == b.PPstar && a.RoRostar == b.RoRostar &&
           a.PoPostar == b.PoPostar;
}

} // namespace

class CalculateCommandTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void withoutModeAsksForOneButTakesGamma();
    void emptyMachAsksForInputAndShowsTheOldTexts();
    void typicalMachRequest();
    void textAfterTheMachNumberIsIgnored();
    void newGammaCountsInTheSameClick();
    void blankFrictionFindsTheSonicPointTwice();
    void frictionGivesBothMachNumbersAndKeepsTheRatios();
    void secondCalculationReplacesTheMarkers();
    void chartClickUsesTheGammaLastCalculated();
    void decimalCommaInResultsPointInInput();
    void realMessageBoxIsModalWithOneOkAndNoIcon();

    void negativeMachIsRefused_data();
    void negativeMachIsRefused();
    void gammaNotAboveOneIsRefused_data();
    void gammaNotAboveOneIsRefused();
    void nonFiniteResultsWriteNothing_data();
    void nonFiniteResultsWriteNothing();
    void searchWithoutSolutionShowsStars_data();
    void searchWithoutSolutionShowsStars();
};

void CalculateCommandTest::withoutModeAsksForOneButTakesGamma()
{
    WindowDriver w;
    WindowDriver::type(w.c.Text_gama, QStringLiteral("1.3"));
    w.calculate();
    QCOMPARE(w.messages.messages, Messages{"choose an input parameter"});
    QCOMPARE(w.flow().gama, 1.3);
    QVERIFY(!w.c.Text_Msup->isVisible());
    QCOMPARE(w.chart(), blankChart(w.chart().size()).convertToFormat(w.chart().format()));
}

void CalculateCommandTest::emptyMachAsksForInputAndShowsTheOldTexts()
{
    WindowDriver w;
    w.chooseMach();
    w.calculate();
    QCOMPARE(w.messages.messages, Messages{"Input value then CLICK"});
    for (const char* name : {"Label_FLD4", "Label_TTstar", "Text_FLD4", "Text_TTstar", "Text_PoPostar"})
        QVERIFY2(w.window.findChild<QWidget*>(QLatin1String(name))->isVisible(), name);
    QVERIFY(!w.c.Text_Msup->isVisible());
    QCOMPARE(ratioTexts(w), (QStringList{"1", "1", "1", "1"}));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("1"));
    QCOMPARE(w.flow().TTstar, 0.0);
    QCOMPARE(w.chart(), blankChart(w.chart().size()).convertToFormat(w.chart().format()));
}

void CalculateCommandTest::typicalMachRequest()
{
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    QVERIFY(w.messages.messages.empty());
    QCOMPARE(ratioTexts(w), (QStringList{"0.6667", "0.4082", "0.6124", "1.6875"}));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0.305"));
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("2"));
    QVERIFY(!w.c.Text_Msup->isVisible());
    QVERIFY(markersAt(w.chart(), {{2.0, 0.3049965}}));
    QVERIFY(near(w.chart(), chartPoint(3.0, 0.5222), isRed));
    QCOMPARE(w.c.Command1->text(), QStringLiteral("Input value then CLICK"));
}

void CalculateCommandTest::textAfterTheMachNumberIsIgnored()
{
    WindowDriver w;
    w.calculateMach(QStringLiteral("2abc"));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0.305"));
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("2abc"));
}

void CalculateCommandTest::newGammaCountsInTheSameClick()
{
    WindowDriver w;
    WindowDriver::type(w.c.Text_gama, QStringLiteral("1.3"));
    w.calculateMach(QStringLiteral("2"));
    QCOMPARE(ratioTexts(w), (QStringList{"0.7187", "0.4239", "0.5898", "1.7732"}));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0.3573"));
}

void CalculateCommandTest::blankFrictionFindsTheSonicPointTwice()
{
    WindowDriver w;
    w.calculateFriction(QString());
    QVERIFY(w.messages.messages.empty());
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("1"));
    QCOMPARE(w.c.Text_Msup->text(), QStringLiteral("1"));
    QVERIFY(w.c.Text_Msup->isVisible());
    QVERIFY(markersAt(w.chart(), {{1.0, 0.0}}));

    WindowDriver spaceOnly; // the box as the option left it, a single space
    spaceOnly.chooseFriction();
    spaceOnly.calculate();
    QCOMPARE(spaceOnly.c.Text_Msub->text(), QStringLiteral("1"));
    QCOMPARE(spaceOnly.c.Text_Msup->text(), QStringLiteral("1"));
}

void CalculateCommandTest::frictionGivesBothMachNumbersAndKeepsTheRatios()
{
    WindowDriver fresh;
    fresh.calculateFriction(QStringLiteral("0.305"));
    QCOMPARE(fresh.c.Text_Msub->text(), QStringLiteral("0.6572"));
    QCOMPARE(fresh.c.Text_Msup->text(), QStringLiteral("2"));
    QCOMPARE(ratioTexts(fresh), (QStringList{"1", "1", "1", "1"}));
    QCOMPARE(fresh.c.Text_FLD4->text(), QStringLiteral("0.305"));
    QVERIFY(fresh.c.Text_TTstar->isVisible());
    QVERIFY(markersAt(fresh.chart(), {{0.6572265625, 0.305}, {2.0, 0.305}}));

    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    const velmora::FlowState afterMach = w.flow();
    w.calculateFriction(QStringLiteral("0.5"));
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("0.5977"));
    QCOMPARE(w.c.Text_Msup->text(), QStringLiteral("2.8604"));
    QCOMPARE(ratioTexts(w), (QStringList{"0.6667", "0.4082", "0.6124", "1.6875"}));
    QVERIFY(sameRatios(w.flow(), afterMach));
}

void CalculateCommandTest::secondCalculationReplacesTheMarkers()
{
    WindowDriver w;
    w.calculateFriction(QStringLiteral("0.5"));
    QVERIFY(markersAt(w.chart(), {{0.59771728515625, 0.5}, {2.8603515625, 0.5}}));
    w.calculateMach(QStringLiteral("3"));
    QVERIFY(markersAt(w.chart(), {{3.0, 0.5222}}));

    // A click that ends at a message leaves the chart as it was, markers included.
    const QImage before = w.chart();
    w.chooseMach();
    w.calculate();
    QCOMPARE(w.chart(), before);
}

void CalculateCommandTest::chartClickUsesTheGammaLastCalculated()
{
    WindowDriver w;
    w.clickChart();
    QVERIFY(markersAt(w.chart(), {{1.0, 0.0}}));
    QVERIFY(near(w.chart(), chartPoint(2.0, 0.3049965), isRed));

    WindowDriver::type(w.c.Text_gama, QStringLiteral("1.3"));
    w.clickChart(); // the edited box is not read
    QCOMPARE(w.flow().gama, 1.4);
    w.calculateMach(QStringLiteral("2"));
    w.clickChart();
    QVERIFY(markersAt(w.chart(), {{1.0, 0.0}}));
    // At M = 5 the two curves lie three pixels apart.
    velmora::FlowState g13, g14;
    g13.set_gama(1.3);
    g14.set_gama(1.4);
    QVERIFY(near(w.chart(), chartPoint(4.98, g13.FLD4_for_M(4.98)), isRed));
    QVERIFY(!near(w.chart(), chartPoint(4.98, g14.FLD4_for_M(4.98)), isRed, 0));
}

void CalculateCommandTest::decimalCommaInResultsPointInInput()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    QCOMPARE(ratioTexts(w), (QStringList{"0,6667", "0,4082", "0,6124", "1,6875"}));
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0,305"));

    // Typing a result back with its comma gives only its whole part: 0 here, so both
    // searches aim at 4fL*/D = 0.
    w.calculateFriction(QStringLiteral("0,305"));
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("1"));
    QCOMPARE(w.c.Text_Msup->text(), QStringLiteral("1"));
    w.calculateFriction(QStringLiteral("0.305"));
    QCOMPARE(w.c.Text_Msub->text(), QStringLiteral("0,6572"));

    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    WindowDriver us;
    us.calculateMach(QStringLiteral("2"));
    QCOMPARE(us.c.Text_FLD4->text(), QStringLiteral("0.305"));
}

void CalculateCommandTest::realMessageBoxIsModalWithOneOkAndNoIcon()
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

// The ratio boxes would otherwise keep another Mach number's ratios beside this one's
// 4fL*/D. A Mach number that reads as 0, sign or not, keeps its own message.
void CalculateCommandTest::negativeMachIsRefused_data()
{
    QTest::addColumn<QString>("mach");
    QTest::addColumn<QString>("message");
    for (const char* m : {"-2", "-0.0001", "- 1e-300", "-1e400", "-3abc"})
        QTest::newRow(m) << QString::fromLatin1(m) << QStringLiteral("M must be greater than 0");
    QTest::newRow("-0") << QStringLiteral("-0") << QStringLiteral("Input value then CLICK");
}

void CalculateCommandTest::negativeMachIsRefused()
{
    QFETCH(QString, mach);
    QFETCH(QString, message);
    WindowDriver w;
    w.calculateFriction(QStringLiteral("0.5")); // the supersonic box is shown
    w.chooseMach();
    WindowDriver::type(w.c.Text_Msub, mach);
    WindowDriver::type(w.c.Text_gama, QStringLiteral("1.3"));
    const QStringList before = texts(w);
    const QImage chartBefore = w.chart();
    const velmora::FlowState flowBefore = w.flow();
    w.messages.messages.clear();

    w.calculate();
    QCOMPARE(w.messages.messages, Messages{message.toStdString()});
    QCOMPARE(w.flow().gama, 1.3);
    QVERIFY(sameRatios(w.flow(), flowBefore));
    QCOMPARE(texts(w), before);
    QCOMPARE(w.chart(), chartBefore);
    QVERIFY(w.c.Text_TTstar->isVisible());
    QVERIFY(!w.c.Text_Msup->isVisible()); // hidden by the option, not shown again
}

void CalculateCommandTest::gammaNotAboveOneIsRefused_data()
{
    QTest::addColumn<QString>("gamma");
    for (const char* g : {"0", "1", "0.95", "-1.4", "abc", "1e400", "-1e400", "&H1"})
        QTest::newRow(g) << QString::fromLatin1(g);
}

void CalculateCommandTest::gammaNotAboveOneIsRefused()
{
    QFETCH(QString, gamma);
    WindowDriver w;
    WindowDriver::type(w.c.Text_gama, QStringLiteral("1.3"));
    w.calculateMach(QStringLiteral("2"));
    const QStringList before = texts(w);
    const QImage chartBefore = w.chart();
    const velmora::FlowState flowBefore = w.flow();

    WindowDriver::type(w.c.Text_gama, gamma);
    w.calculate();
    QCOMPARE(w.messages.messages, Messages{"γ must be greater than 1"});
    QCOMPARE(w.flow().gama, 1.3);
    QCOMPARE(w.flow().expP0, flowBefore.expP0);
    QVERIFY(sameRatios(w.flow(), flowBefore));
    QStringList after = texts(w);
    after[0] = before[0]; // the γ box holds what was typed
    QCOMPARE(after, before);
    QCOMPARE(w.chart(), chartBefore);

    // The chart still draws a real curve, for the last valid γ.
    w.clickChart();
    QVERIFY(near(w.chart(), chartPoint(2.0, 0.35728), isRed));
}

void CalculateCommandTest::nonFiniteResultsWriteNothing_data()
{
    QTest::addColumn<QString>("gamma");
    QTest::addColumn<bool>("machMode");
    QTest::addColumn<QString>("input");
    QTest::newRow("M beyond double range") << "1.4" << true << "1e400";
    QTest::newRow("M squared overflows") << "1.4" << true << "1e200";
    QTest::newRow("M squared underflows") << "1.4" << true << "1e-320";
    QTest::newRow("gamma overflows the relations") << "1e308" << true << "2";
    QTest::newRow("gamma so close to 1 that p0/p0* overflows") << "1.000000000000001" << true << "100";
    QTest::newRow("4fL*/D beyond double range") << "1.4" << false << "1e400";
    QTest::newRow("negative 4fL*/D beyond range") << "1.4" << false << "-1e999";
    QTest::newRow("a search meets a non-finite 4fL*/D") << "1e308" << false << "0";
    QTest::newRow("the same at gamma 1e307") << "1e307" << false << "0.5";
}

void CalculateCommandTest::nonFiniteResultsWriteNothing()
{
    QFETCH(QString, gamma);
    QFETCH(bool, machMode);
    QFETCH(QString, input);
    WindowDriver w;
    w.calculateMach(QStringLiteral("0.5"));
    machMode ? w.chooseMach() : w.chooseFriction();
    WindowDriver::type(machMode ? w.c.Text_Msub : w.c.Text_FLD4, input);
    WindowDriver::type(w.c.Text_gama, gamma);
    const QStringList before = texts(w);
    const QImage chartBefore = w.chart();
    const velmora::FlowState flowBefore = w.flow();
    w.messages.messages.clear();

    w.calculate();
    QCOMPARE(w.messages.messages, Messages{"No finite result for these inputs"});
    QCOMPARE(texts(w), before);
    QCOMPARE(w.chart(), chartBefore);
    QVERIFY(sameRatios(w.flow(), flowBefore));
    for (const QLineEdit* box : w.window.findChildren<QLineEdit*>()) {
        QVERIFY(!box->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        QVERIFY(!box->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }
}

void CalculateCommandTest::searchWithoutSolutionShowsStars_data()
{
    QTest::addColumn<QString>("friction");
    QTest::addColumn<QString>("subsonic");
    QTest::addColumn<QString>("supersonic");
    QTest::addColumn<int>("messageCount");
    QTest::addColumn<QList<QPointF>>("markers");
    QTest::newRow("1.0: no supersonic solution") << "1.0"
                                                 << "0.5087"
                                                 << "****" << 1 << QList<QPointF>{{0.50872802734375, 1.0}};
    QTest::newRow("0.7: past M = 5") << "0.7"
                                     << "0.5551"
                                     << "****" << 1 << QList<QPointF>{{0.5550537109375, 0.7}};
    QTest::newRow("0.7299: met at M = 6")
        << "0.7299"
        << "0.5497"
        << "6" << 0 << QList<QPointF>{{0.5496826171875, 0.7299}}; // M = 6 lies off the chart
    QTest::newRow("8.4836: above the chart's largest") << "8.4836"
                                                       << "****"
                                                       << "****" << 1 << QList<QPointF>{};
    // Its subsonic marker at F = 8.48 lies above the chart's top edge, F = 8.
    QTest::newRow("8.48: just inside") << "8.48"
                                       << "0.25"
                                       << "****" << 1 << QList<QPointF>{};
    QTest::newRow("-0.5: negative") << "-0.5"
                                    << "****"
                                    << "****" << 1 << QList<QPointF>{};
    QTest::newRow("1e300: huge") << "1e300"
                                 << "****"
                                 << "****" << 1 << QList<QPointF>{};
}

void CalculateCommandTest::searchWithoutSolutionShowsStars()
{
    QFETCH(QString, friction);
    QFETCH(QString, subsonic);
    QFETCH(QString, supersonic);
    QFETCH(int, messageCount);
    QFETCH(QList<QPointF>, markers);
    WindowDriver w;
    w.calculateFriction(friction);
    QCOMPARE(w.c.Text_Msub->text(), subsonic);
    QCOMPARE(w.c.Text_Msup->text(), supersonic);
    QCOMPARE(int(w.messages.messages.size()), messageCount);
    for (const std::string& m : w.messages.messages)
        QCOMPARE(QString::fromStdString(m), QStringLiteral("bu 4L*f/D için süpersonik çözüm yok"));
    QVERIFY(markersAt(w.chart(), std::vector<QPointF>(markers.begin(), markers.end())));
}

QTEST_MAIN(CalculateCommandTest)
#include "calculatecommand_test.moc"

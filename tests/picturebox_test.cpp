// The chart on the real picture box of the main window, read back from its pixels.

#include "chart/frictionchart.h"
#include "qt/formabout.h"
#include "qt/formvelmora.h"
#include "qt/picturebox.h"

#include "tests/support/chartimage.h"
#include "tests/support/messagerecorder.h"

#include <QLabel>
#include <QTest>

#include <cmath>
#include <optional>

using velmora::Form_Velmora;
using velmora::PictureBox;

namespace {

using namespace velmora::testing;

const QColor lightYellow(255, 255, 192);

struct Chart {
    MessageRecorder messages;
    velmora::AboutWindowReference about;
    Form_Velmora window{messages, about};
    PictureBox* picture = nullptr;
    QLabel* caption = nullptr;

    Chart()
    {
        window.show();
        picture = window.findChild<PictureBox*>(QStringLiteral("Picture1"));
        caption = window.findChild<QLabel*>(QStringLiteral("Label8"));
    }

    [[nodiscard]] QImage area() const { return chartArea(*picture); }
    void clickChart() const { QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(200, 120)); }
};

QPointF at(double mach, double friction) { return chartPoint(mach, friction); }

} // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyLightYellowWithoutCaption();
    void chartClickDrawsCurveGridAxesAndSonicMarker();
    void clickOnTheCaptionRunsNothing();
    void secondDrawingLeavesNoMarkerOfTheFirst();
    void markersOutsideTheAreaAreClipped();
    void pictureStaysWhenTheWindowIsHiddenAndShown();
};

void PictureBoxTest::startsEmptyLightYellowWithoutCaption()
{
    Chart chart;
    QVERIFY(!chart.caption->isVisible());
    const QImage area = chart.area();
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            QCOMPARE(area.pixelColor(x, y), lightYellow);
}

void PictureBoxTest::chartClickDrawsCurveGridAxesAndSonicMarker()
{
    Chart chart;
    chart.clickChart();
    QVERIFY(chart.caption->isVisible());
    QCOMPARE(chart.caption->text(), QStringLiteral("4 f L*/D"));
    const QImage area = chart.area();

    const auto marker = centreOf(area, isBlue);
    QVERIFY(marker);
    QVERIFY2(std::abs(marker->x() - 0.273) < 0.006, qPrintable(QString::number(marker->x())));
    QVERIFY2(std::abs(marker->y() - 0.889) < 0.008, qPrintable(QString::number(marker->y())));

    // The vertical axis: dark from the M axis up to F = 7.2, 8.9 % from the top, where
    // the caption covers its top end.
    chart.caption->hide();
    const QImage underCaption = chart.area();
    chart.caption->show();
    const int axisX = int(0.5 / 5.5 * area.width());
    int top = area.height();
    for (int y = area.height() - 1; y >= 0; --y)
        for (int x = axisX - 1; x <= axisX + 1; ++x)
            if (isDark(underCaption.pixelColor(x, y)))
                top = std::min(top, y);
    QVERIFY2(std::abs(double(top) / area.height() - 0.089) < 0.008, qPrintable(QString::number(top)));

    QVERIFY(near(area, at(2.0, 0.3049965), isRed));
    QVERIFY(near(area, at(3.0, 0.5222), isRed));
    QVERIFY(near(area, at(0.5, 1.0691), isRed));
    QVERIFY(near(area, at(4.99, 0.6938), isRed));
    QVERIFY(!near(area, at(3.0, 3.0), isRed));

    QVERIFY(near(area, at(3.0, 4.0), isGrey));  // a vertical grid line
    QVERIFY(near(area, at(4.5, 5.0), isGrey));  // a horizontal one
    QVERIFY(near(area, at(2.5, 0.0), isDark));  // the M axis
    QVERIFY(!near(area, at(2.5, 7.6), isGrey)); // nothing above F = 7.2
}

void PictureBoxTest::clickOnTheCaptionRunsNothing()
{
    Chart chart;
    chart.clickChart();
    velmora::Mark_Point(*chart.picture, 3.0, 0.5); // a marker that a redraw would remove
    const QImage before = chart.area();
    QTest::mouseClick(chart.caption, Qt::LeftButton, {}, chart.caption->rect().center());
    QCOMPARE(chart.area(), before);
}

void PictureBoxTest::secondDrawingLeavesNoMarkerOfTheFirst()
{
    Chart chart;
    chart.clickChart();
    velmora::Mark_Point(*chart.picture, 3.0, 0.5);
    QVERIFY(near(chart.area(), at(3.05, 0.5), isBlue));
    chart.clickChart();
    const QImage area = chart.area();
    QVERIFY(!near(area, at(3.05, 0.5), isBlue));
    QVERIFY(near(area, at(1.05, 0.0), isBlue));
}

void PictureBoxTest::markersOutsideTheAreaAreClipped()
{
    Chart chart;
    chart.clickChart();
    const QImage before = chart.area();
    velmora::Mark_Point(*chart.picture, 0.2, 14.5333); // far above the top edge
    velmora::Mark_Point(*chart.picture, 6.0, 0.7299);  // wholly right of the right edge
    velmora::Mark_Point(*chart.picture, -1e30, 1e30);
    QCOMPARE(chart.area(), before);

    // A line between far-away ends that crosses the area is cut to the part inside.
    chart.picture->line(2.0f, -1e30f, 2.0f, 1e30f, velmora::Rgb{0, 0, 255});
    const QImage after = chart.area();
    QVERIFY(near(after, at(2.0, 4.0), isBlue));
    QVERIFY(near(after, at(2.0, 7.9), isBlue));
    QVERIFY(near(after, at(3.0, 0.5222), isRed));
}

void PictureBoxTest::pictureStaysWhenTheWindowIsHiddenAndShown()
{
    Chart chart;
    chart.clickChart();
    const QImage drawn = chart.area();
    chart.window.hide();
    chart.window.show();
    QCOMPARE(chart.area(), drawn);
}

QTEST_MAIN(PictureBoxTest)
#include "picturebox_test.moc"

// The window under a scale factor (QT_SCALE_FACTOR, set by the test's registration): the
// same proportions, the chart drawn at the device pixel ratio, lines one logical pixel.

#include "tests/support/windowdriver.h"

#include <QMenuBar>
#include <QWindow>

using namespace velmora::testing;

namespace {

double scaleFactor() { return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(); }

// The chart in device pixels, as the screen gets it.
QImage devicePixels(velmora::PictureBox& picture) { return picture.grab(picture.contentsRect()).toImage(); }

// Widths of the runs of pixels that pass the test along one row.
QList<int> runsAlongRow(const QImage& image, int y, bool (*test)(QColor))
{
    QList<int> runs;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (test(image.pixelColor(x, y))) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    if (run > 0)
        runs << run;
    return runs;
}

bool isGridOrDarker(QColor c) { return c.red() < 215 && c.red() == c.green() && c.green() == c.blue(); }

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void windowKeepsItsLogicalSize();
    void chartIsDrawnAtTheDevicePixelRatio();
    void linesStayOneLogicalPixelWide();
    void sonicMarkerStaysInPlace();
};

void HighDpiTest::windowKeepsItsLogicalSize()
{
    WindowDriver w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QCOMPARE(w.window.windowHandle()->devicePixelRatio(), scaleFactor());
    QCOMPARE(w.window.centralWidget()->size(), QSize(269, 399));
    QCOMPARE(w.c.Picture1->geometry(), QRect(8, 208, 249, 177));
    QCOMPARE(w.c.Command1->geometry(), QRect(8, 152, 89, 41));
}

void HighDpiTest::chartIsDrawnAtTheDevicePixelRatio()
{
    WindowDriver w;
    w.clickChart();
    const QImage image = devicePixels(*w.c.Picture1);
    QCOMPARE(image.devicePixelRatio(), scaleFactor());
    const QSize expected = w.c.Picture1->contentsRect().size() * scaleFactor();
    QVERIFY(std::abs(image.width() - expected.width()) <= 1);
    QVERIFY(std::abs(image.height() - expected.height()) <= 1);
}

void HighDpiTest::linesStayOneLogicalPixelWide()
{
    WindowDriver w;
    w.clickChart();
    const QImage image = devicePixels(*w.c.Picture1);
    // Halfway up, between F = 4 and 5: five vertical grid lines and the axis.
    const int row = int(chartPoint(0, 4.5).y() * image.height());
    const QList<int> runs = runsAlongRow(image, row, isGridOrDarker);
    QCOMPARE(runs.size(), 6);
    for (const int width : runs)
        QVERIFY2(width >= std::floor(scaleFactor()) && width <= std::ceil(scaleFactor()) + 1,
                 qPrintable(QString::number(width)));
}

void HighDpiTest::sonicMarkerStaysInPlace()
{
    WindowDriver w;
    w.clickChart();
    const auto marker = centreOf(devicePixels(*w.c.Picture1), isBlue);
    QVERIFY(marker);
    QVERIFY2(std::abs(marker->x() - 1.5 / 5.5) < 0.006, qPrintable(QString::number(marker->x())));
    QVERIFY2(std::abs(marker->y() - 8.0 / 9.0) < 0.008, qPrintable(QString::number(marker->y())));
}

QTEST_MAIN(HighDpiTest)
#include "highdpi_test.moc"

// One whole calculate click in each mode on the real window, painting included.

#include "tests/support/windowdriver.h"

using velmora::testing::WindowDriver;

class CalculateBench : public QObject {
    Q_OBJECT

private slots:
    void machClick();
    void frictionClick();
};

void CalculateBench::machClick()
{
    WindowDriver w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.calculateMach(QStringLiteral("2"));
    QBENCHMARK
    {
        w.calculate();
        w.window.repaint();
    }
    QCOMPARE(w.c.Text_FLD4->text(), QStringLiteral("0.305"));
}

void CalculateBench::frictionClick()
{
    WindowDriver w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.calculateFriction(QStringLiteral("0.5"));
    QBENCHMARK
    {
        w.calculate();
        w.window.repaint();
    }
    QCOMPARE(w.c.Text_Msup->text(), QStringLiteral("2.8604"));
}

QTEST_MAIN(CalculateBench)
#include "calculate_bench.moc"

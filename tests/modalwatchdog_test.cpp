// The widget tests' watchdog: a modal box that nobody answers fails the test within
// seconds, and the test program goes on to its end instead of waiting for CTest.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

class ModalWatchdogTest : public QObject {
    Q_OBJECT
private slots:
    void unansweredBoxFailsTheTestWithinSeconds();
    void strayBox();
};

void ModalWatchdogTest::unansweredBoxFailsTheTestWithinSeconds()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELMORA_STRAY_BOX"), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("strayBox")});
    QVERIFY(child.waitForFinished(30000));
    QVERIFY(clock.elapsed() < 10000);
    const QString output = QString::fromUtf8(child.readAll());
    QCOMPARE(child.exitCode(), 1); // Qt Test's count of failed tests
    QVERIFY2(output.contains(QStringLiteral("a modal box waited unanswered: \"stray\"")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("Totals: 2 passed, 1 failed")), qPrintable(output));
}

// A box that nobody answers; run only in the child process above.
void ModalWatchdogTest::strayBox()
{
    if (!qEnvironmentVariableIsSet("VELMORA_STRAY_BOX"))
        QSKIP("run in a child process by unansweredBoxFailsTheTestWithinSeconds");
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Velmora"), QStringLiteral("stray"), QMessageBox::Ok);
    box.exec();
}

QTEST_MAIN(ModalWatchdogTest)
#include "modalwatchdog_test.moc"

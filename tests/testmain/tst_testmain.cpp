// The test main: a row that throws fails with the error's text, and every
// row and function after it still runs.
#include "testmain.h"

#include <QProcess>

class TestTestMain : public QObject {
    Q_OBJECT
private slots:
    void throwingRowFailsAlone()
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral(THROWING_ROWS), QStringList());
        QVERIFY(process.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(process.readAll());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == 2, qPrintable(output)); // two failed rows
        const QStringList expected{
            "PASS   : ThrowingRows::rows(first)",
            "FAIL!  : ThrowingRows::rows(throws) Threw an exception: File not found: picture.jpg",
            "FAIL!  : ThrowingRows::rows(throws something else) Threw something that is not a std::exception",
            "PASS   : ThrowingRows::rows(after)",
            "PASS   : ThrowingRows::nextFunction()",
            "Totals: 5 passed, 2 failed",
        };
        qsizetype from = 0;
        for (const QString &line : expected) {
            const qsizetype at = output.indexOf(line, from);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("missing in order: ") + line + QStringLiteral("\n") + output));
            from = at + line.size();
        }
        QVERIFY2(!output.contains(QLatin1String("Caught unhandled exception")), qPrintable(output));
    }
};

PELK_TEST_MAIN(TestTestMain)
#include "tst_testmain.moc"

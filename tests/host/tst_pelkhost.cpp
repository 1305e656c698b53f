// The programs as users start them: pelktulvane registers the add-in, then
// pelkhost loads it at start-up and opens each tool from its menu.
#include "host/addinlist.h"
#include "testmain.h"

#include <QImage>
#include <QProcess>

namespace {

QString binDir()
{
    return qEnvironmentVariable("PELK_BIN_DIR");
}

QByteArray readAll(const QString &path)
{
    return pelk::host::readFileBytes(path);
}

} // namespace

class TestPelkHost : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    // Runs a program offscreen with a per-user folder of its own (by default
    // the test's); returns its exit code.
    int run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr,
            const QString &userFolder = QString())
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PELKTULVANE_HOME"), userFolder.isEmpty() ? home.path() : userFolder);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(binDir() + QLatin1Char('/') + program, arguments);
        if (!process.waitForFinished(120000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        if (output)
            *output = process.readAll();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    }

private slots:
    void screenshotsOfEveryTool()
    {
        QVERIFY(home.isValid());
        {
            QFile list(home.path() + QStringLiteral("/vbaddin.ini"));
            QVERIFY(list.open(QIODevice::WriteOnly));
            list.write("[Add-Ins32]\r\nOther.Connect=0\r\nPelkTulvane.Connect=1\r\n");
        }
        QCOMPARE(run(QStringLiteral("pelktulvane"), {}), 0);

        const QString shots = home.path() + QStringLiteral("/shots");
        QByteArray output;
        const int code = run(QStringLiteral("pelkhost"),
                             {"--load-at-startup", "PelkTulvane.Connect", "--screenshot-dir", shots}, &output);
        QVERIFY2(code == 0, output.constData());

        const QStringList expected{"0-Pelk Host.png",
                                   "0-Add-Ins menu.png",
                                   "1-Pelk MsgBox Wizard.png",
                                   "2-Pelk Input Box Wizard.png",
                                   "3-Pelk Color Finder.png",
                                   "4-Pelk Picture Viwer.png"};
        for (const QString &name : expected) {
            const QImage picture(shots + QLatin1Char('/') + name);
            QVERIFY2(!picture.isNull() && picture.width() > 50 && picture.height() > 50, qPrintable(name));
        }
        QCOMPARE(QDir(shots).entryList(QDir::Files).size(), expected.size());

        // A start made by the host reset the entry to "0" and kept the other one.
        const auto section = pelk::host::iniSection(readAll(home.path() + QStringLiteral("/vbaddin.ini")),
                                                    QStringLiteral("Add-Ins32"));
        QCOMPARE(section, (QList<QPair<QString, QString>>{{"Other.Connect", "0"}, {"PelkTulvane.Connect", "0"}}));

        // The tools were left open, so the next start opens the message box wizard at once:
        // its entry then brings back the window that is already there.
        QVERIFY(readAll(home.path() + QStringLiteral("/settings/Pelk Tulvane.ini")).contains("DisplayOnConnect=1"));
        QDir(shots).removeRecursively();
        QCOMPARE(run(QStringLiteral("pelkhost"), {"--screenshot-dir", shots}), 0);
        QVERIFY(!QImage(shots + QStringLiteral("/1-Pelk MsgBox Wizard.png")).isNull());
    }

    void withoutTheAddInLoaded()
    {
        const QString shots = home.path() + QStringLiteral("/empty");
        QTemporaryDir otherHome;
        // Nothing registered, nothing to click: the run says so in its exit code.
        QCOMPARE(run(QStringLiteral("pelkhost"), {"--screenshot-dir", shots}, nullptr, otherHome.path()), 2);
        QVERIFY(QFile::exists(shots + QStringLiteral("/0-Pelk Host.png")));
    }
};

PELK_TEST_MAIN(TestPelkHost)
#include "tst_pelkhost.moc"

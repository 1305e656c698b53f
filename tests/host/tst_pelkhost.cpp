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
    // the test's); returns its exit code. A program without a folder is one
    // of the build's.
    int run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr,
            const QString &userFolder = QString())
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PELKTULVANE_HOME"), userFolder.isEmpty() ? home.path() : userFolder);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program.contains(QLatin1Char('/')) ? program : binDir() + QLatin1Char('/') + program, arguments);
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
        // A host without the add-in's program beside it has nothing to
        // register: nothing to click, and the run says so in its exit code.
        QTemporaryDir alone;
        const QString host = alone.filePath(QStringLiteral("pelkhost"));
        QVERIFY(QFile::copy(binDir() + QStringLiteral("/pelkhost"), host));
        QCOMPARE(run(host, {"--screenshot-dir", shots}, nullptr, otherHome.path()), 2);
        QVERIFY(QFile::exists(shots + QStringLiteral("/0-Pelk Host.png")));
    }

    // A user who never registered anything just starts the host: it runs the
    // add-in's program beside it once and loads the add-in it entered.
    void firstStartRegistersTheBundledAddIn()
    {
        QTemporaryDir user;
        const QString shots = user.filePath(QStringLiteral("shots"));
        QByteArray output;
        QCOMPARE(run(QStringLiteral("pelkhost"), {"--screenshot-dir", shots}, &output, user.path()), 0);
        QCOMPARE(QDir(shots).entryList(QDir::Files).size(), 6);
        QCOMPARE(pelk::host::addInProgIds(readAll(user.filePath(QStringLiteral("vbaddin.ini")))),
                 QStringList{"PelkTulvane.Connect"});
        const QByteArray hostSettings = readAll(user.filePath(QStringLiteral("settings/Pelk Host.ini")));
        QVERIFY2(hostSettings.contains("[Load on Startup]\nPelkTulvane.Connect=1"), hostSettings.constData());

        // Registered once: with the add-in's files gone, a later start does
        // not register again, so it has no entry to click.
        QVERIFY(QFile::remove(user.filePath(QStringLiteral("vbaddin.ini"))));
        QVERIFY(QFile::remove(user.filePath(QStringLiteral("classes.ini"))));
        QDir(shots).removeRecursively();
        QCOMPARE(run(QStringLiteral("pelkhost"), {"--screenshot-dir", shots}, &output, user.path()), 2);
        QVERIFY(!QFile::exists(user.filePath(QStringLiteral("vbaddin.ini"))));
    }

    // Help, the version and a wrong command line need no display, and the
    // registration program registers nothing for them.
    void commandLines_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutStart");
        QTest::addColumn<QString>("stderrText");
        const QString hostUsage = QStringLiteral("Usage: pelkhost [options]\n");
        const QString addInUsage = QStringLiteral("Usage: pelktulvane [options]\n");
        QTest::newRow("host help") << "pelkhost" << QStringList{"--help"} << 0 << hostUsage << "";
        QTest::newRow("host help, short") << "pelkhost" << QStringList{"-h"} << 0 << hostUsage << "";
        QTest::newRow("host help with Qt's options") << "pelkhost" << QStringList{"--help-all"} << 0 << hostUsage
                                                     << "";
        QTest::newRow("host help after a Qt option")
            << "pelkhost" << QStringList{"-platform", "xcb", "--help"} << 0 << hostUsage << "";
        QTest::newRow("host version") << "pelkhost" << QStringList{"--version"} << 0 << "pelkhost 1.0.0\n" << "";
        QTest::newRow("host version, short") << "pelkhost" << QStringList{"-v"} << 0 << "pelkhost 1.0.0\n" << "";
        QTest::newRow("host unknown option")
            << "pelkhost" << QStringList{"--bogus"} << 2 << ""
            << "pelkhost: Unknown option 'bogus'.\n" + hostUsage + "Try 'pelkhost --help' for more information.\n";
        QTest::newRow("host missing value") << "pelkhost" << QStringList{"--screenshot-dir"} << 2 << ""
                                            << "pelkhost: Missing value after '--screenshot-dir'.\n" + hostUsage
                                                   + "Try 'pelkhost --help' for more information.\n";
        QTest::newRow("add-in help") << "pelktulvane" << QStringList{"--help"} << 0 << addInUsage << "";
        QTest::newRow("add-in version") << "pelktulvane" << QStringList{"--version"} << 0 << "pelktulvane 1.0.0\n"
                                        << "";
        QTest::newRow("add-in unknown option")
            << "pelktulvane" << QStringList{"--bogus"} << 2 << ""
            << "pelktulvane: Unknown option 'bogus'.\n" + addInUsage
                   + "Try 'pelktulvane --help' for more information.\n";
        QTest::newRow("add-in stray argument")
            << "pelktulvane" << QStringList{"vbaddin.ini"} << 2 << ""
            << "pelktulvane: Unexpected argument 'vbaddin.ini'.\n" + addInUsage
                   + "Try 'pelktulvane --help' for more information.\n";
    }
    void commandLines()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutStart);
        QFETCH(QString, stderrText);
        QTemporaryDir user;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(display));
        env.insert(QStringLiteral("PELKTULVANE_HOME"), user.path());
        process.setProcessEnvironment(env);
        process.start(binDir() + QLatin1Char('/') + program, arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        QVERIFY2(stdoutStart.isEmpty() ? out.isEmpty() : out.startsWith(stdoutStart), qPrintable(out));
        QCOMPARE(QString::fromLocal8Bit(process.readAllStandardError()), stderrText);
        QCOMPARE(QDir(user.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
};

PELK_TEST_MAIN(TestPelkHost)
#include "tst_pelkhost.moc"

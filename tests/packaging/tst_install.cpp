// The installation: `cmake --install` of this build into a temporary prefix
// puts every file where a Debian desktop application has it, with no path of
// the build tree inside, and the installed programs find each other there.
#include "host/addinlist.h"
#include "testmain.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray output;
};

Run run(const QString &program, const QStringList &arguments, const QString &home = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("PELK_BIN_DIR"));
    if (!home.isEmpty())
        env.insert(QStringLiteral("PELKTULVANE_HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished();
        result.output = "did not finish";
        return result;
    }
    result.output = process.readAll();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    return result;
}

} // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir prefix;
    QString bin, lib, data;

private slots:
    void initTestCase()
    {
        QVERIFY(prefix.isValid());
        const Run install = run(QStringLiteral(PELK_CMAKE),
                                {"--install", PELK_BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY2(install.exitCode == 0, install.output.constData());
        bin = prefix.filePath(QStringLiteral(PELK_INSTALL_BINDIR));
        lib = prefix.filePath(QStringLiteral(PELK_INSTALL_PRIVATE_LIBDIR));
        data = prefix.filePath(QStringLiteral(PELK_INSTALL_DATADIR));
    }

    void filesInPlace_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::newRow("host") << PELK_INSTALL_BINDIR "/pelkhost" << true;
        QTest::newRow("registration program") << PELK_INSTALL_BINDIR "/pelktulvane" << true;
        QTest::newRow("add-in module") << PELK_INSTALL_PRIVATE_LIBDIR "/libpelktulvane.so" << false;
        QTest::newRow("metafile helper") << PELK_INSTALL_PRIVATE_LIBDIR "/pelk-metafile-helper" << true;
        QTest::newRow("help file") << PELK_INSTALL_DATADIR "/PelkTulvane.hlp" << false;
        QTest::newRow("desktop entry") << "share/applications/org.example.vaskela.pelktulvane.desktop" << false;
        QTest::newRow("metainfo") << "share/metainfo/org.example.vaskela.pelktulvane.metainfo.xml" << false;
        QTest::newRow("icon 16") << "share/icons/hicolor/16x16/apps/pelktulvane.png" << false;
        QTest::newRow("icon 32") << "share/icons/hicolor/32x32/apps/pelktulvane.png" << false;
        QTest::newRow("icon 64") << "share/icons/hicolor/64x64/apps/pelktulvane.png" << false;
        QTest::newRow("icon 128") << "share/icons/hicolor/128x128/apps/pelktulvane.png" << false;
        QTest::newRow("host man page") << PELK_INSTALL_MANDIR "/man1/pelkhost.1.gz" << false;
        QTest::newRow("registration man page") << PELK_INSTALL_MANDIR "/man1/pelktulvane.1.gz" << false;
        QTest::newRow("licence") << "share/doc/pelktulvane/copyright" << false;
    }
    void filesInPlace()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo file(prefix.filePath(path));
        QVERIFY2(file.isFile(), qPrintable(file.filePath()));
        QCOMPARE(file.isExecutable(), executable);
        if (path.endsWith(QLatin1String(".png"))) {
            const QImage icon(file.filePath());
            const int size = path.section(QLatin1Char('/'), 3, 3).section(QLatin1Char('x'), 0, 0).toInt();
            QCOMPARE(icon.size(), QSize(size, size));
        }
    }

    // Nothing installed may lean on the build tree, which is gone once the
    // package is built.
    void noBuildTreePathInside()
    {
        const QByteArrayList trees{QByteArray(PELK_BUILD_DIR), QByteArray(PELK_SOURCE_DIR)};
        QDirIterator it(prefix.path(), QDir::Files, QDirIterator::Subdirectories);
        int files = 0;
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            for (const QByteArray &tree : trees)
                QVERIFY2(!bytes.contains(tree), qPrintable(file.fileName() + QStringLiteral(" holds ") + tree));
            ++files;
        }
        QVERIFY(files >= 14);
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry")
            << "desktop-file-validate" << QStringList{"share/applications/org.example.vaskela.pelktulvane.desktop"};
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{"validate", "--no-net", "--pedantic",
                                                 "share/metainfo/org.example.vaskela.pelktulvane.metainfo.xml"};
    }
    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        const QString found = QStandardPaths::findExecutable(program);
        QVERIFY2(!found.isEmpty(), qPrintable(program + QStringLiteral(" is not installed")));
        arguments.last() = prefix.filePath(arguments.last());
        const Run check = run(found, arguments);
        QVERIFY2(check.exitCode == 0, check.output.constData());
    }

    // A user who installed the package just starts the host: its first start
    // registers the add-in, whose module it then finds in the private folder.
    void installedHostOpensEveryTool()
    {
        QTemporaryDir home;
        const QString shots = home.filePath(QStringLiteral("shots"));
        const Run host = run(bin + QStringLiteral("/pelkhost"), {"--screenshot-dir", shots}, home.path());
        QVERIFY2(host.exitCode == 0, host.output.constData());
        QCOMPARE(QDir(shots).entryList(QDir::Files).size(), 6);

        const auto record = pelk::host::findClass(pelk::host::readFileBytes(home.filePath(QStringLiteral("classes.ini"))),
                                                  QStringLiteral("PelkTulvane.Connect"));
        QVERIFY(record);
        QCOMPARE(QFileInfo(record->modulePath).canonicalFilePath(),
                 QFileInfo(lib + QStringLiteral("/libpelktulvane.so")).canonicalFilePath());
    }
};

PELK_TEST_MAIN(TestInstall)
#include "tst_install.moc"

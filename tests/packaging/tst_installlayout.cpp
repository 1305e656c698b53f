// How the programs find their companions: beside themselves in the build
// tree, at the installed places in an installation.
#include "help/helpsystem.h"
#include "storage/paths.h"
#include "testmain.h"

using namespace pelk;

class TestInstallLayout : public QObject {
    Q_OBJECT

    QTemporaryDir root;

    QString make(const QString &relative)
    {
        const QString path = root.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        return QFileInfo(path).absoluteFilePath();
    }

private slots:
    // Each row lays out the files it names and asks for one from a folder.
    void companions_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");
        const QString bin = QStringLiteral("usr/" PELK_INSTALL_BINDIR);
        const QString lib = QStringLiteral("usr/" PELK_INSTALL_PRIVATE_LIBDIR);
        const QString data = QStringLiteral("usr/" PELK_INSTALL_DATADIR);
        QTest::newRow("installed module, seen from the programs")
            << QStringList{lib + "/libpelktulvane.so"} << "lib" << bin << "libpelktulvane.so"
            << lib + "/libpelktulvane.so";
        QTest::newRow("installed helper, seen from the module's folder")
            << QStringList{lib + "/pelk-metafile-helper"} << "lib" << lib << "pelk-metafile-helper"
            << lib + "/pelk-metafile-helper";
        QTest::newRow("installed help file, seen from the module's folder")
            << QStringList{data + "/PelkTulvane.hlp"} << "data" << lib << "PelkTulvane.hlp"
            << data + "/PelkTulvane.hlp";
        QTest::newRow("build tree: module beside the programs")
            << QStringList{"build/bin/libpelktulvane.so", lib + "/libpelktulvane.so"} << "lib" << "build/bin"
            << "libpelktulvane.so" << "build/bin/libpelktulvane.so";
        QTest::newRow("build tree: help file beside the module")
            << QStringList{"build/bin/PelkTulvane.hlp"} << "data" << "build/bin" << "PelkTulvane.hlp"
            << "build/bin/PelkTulvane.hlp";
    }
    void companions()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, kind);
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, found);
        QVERIFY(root.isValid());
        for (const QString &file : files)
            QVERIFY(!make(file).isEmpty());
        const QString from = root.filePath(folder);
        const QString path = kind == QLatin1String("lib") ? paths::privateLibraryFile(from, name)
                                                          : paths::dataFile(from, name);
        QCOMPARE(QFileInfo(path).canonicalFilePath(), QFileInfo(root.filePath(found)).canonicalFilePath());
    }

    // The tools open Path + "\" + HelpFile with Path the module's folder; an
    // installation keeps the help file elsewhere.
    void helpFileOfAnInstallation()
    {
        QVERIFY(root.isValid());
        const QString lib = root.filePath(QStringLiteral("usr/" PELK_INSTALL_PRIVATE_LIBDIR));
        QDir().mkpath(lib);
        const QString help = make(QStringLiteral("usr/" PELK_INSTALL_DATADIR "/PelkTulvane.hlp"));
        QCOMPARE(QFileInfo(help::resolveHelpFile(lib + QStringLiteral("\\PelkTulvane.hlp"), QStringLiteral("/"))).canonicalFilePath(),
                 QFileInfo(help).canonicalFilePath());
        // A help file found nowhere keeps the name the caller gave, for the viewer's report.
        QCOMPARE(help::resolveHelpFile(lib + QStringLiteral("\\Missing.hlp"), QStringLiteral("/")),
                 lib + QStringLiteral("/Missing.hlp"));
    }

    // A test program is an executable, not the module.
    void codeFolderOfAnExecutable() { QCOMPARE(paths::codeFolder(), QCoreApplication::applicationDirPath()); }
};

PELK_TEST_MAIN(TestInstallLayout)
#include "tst_installlayout.moc"

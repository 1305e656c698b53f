// The program's start: the add-in list entry, the class registration, and
// the module's version facts.
#include "host/addinlist.h"
#include "hostsdk/hostsdk.h"
#include "platform/fakeservices.h"
#include "storage/paths.h"
#include "desktop/desktopservices.h"
#include "shell/addin.h"
#include "shell/registration.h"
#include "testmain.h"

#include <QPluginLoader>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

using namespace pelk;

namespace {

QString binDir()
{
    return qEnvironmentVariable("PELK_BIN_DIR");
}

QByteArray readAll(const QString &path)
{
    return host::readFileBytes(path);
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString addInList()
{
    return paths::resolveProfileFile(QStringLiteral("vbaddin.ini"));
}

// How often the add-in's key stands in the section, in any case.
int keyCount(const QByteArray &ini)
{
    int count = 0;
    bool inSection = false;
    for (const QByteArray &raw : ini.split('\n')) {
        const QByteArray line = raw.trimmed().toLower();
        if (line.startsWith('['))
            inSection = line == "[add-ins32]";
        else if (inSection && line.startsWith("pelktulvane.connect"))
            ++count;
    }
    return count;
}

} // namespace

class TestRegistration : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QDir(paths::userFolder()).removeRecursively();
        QVERIFY(QDir().mkpath(paths::userFolder()));
    }

    void mainWritesTheAddInListKey()
    {
        FakeServices platform;
        // A failed write is handed back to the caller; Main shows nothing.
        platform.profileWriteError = Error(errPermissionDenied);
        QCOMPARE(AddIn::Main(platform).error().number(), int(errPermissionDenied));
        QCOMPARE(platform.profileWrites.size(), 1);
        const FakeIniWriter::ProfileWrite &write = platform.profileWrites[0];
        QCOMPARE(write.section, QByteArray("Add-Ins32"));
        QCOMPARE(write.key, QByteArray("PelkTulvane.Connect"));
        QCOMPARE(write.value, QByteArray("0"));
        QCOMPARE(write.fileName, QByteArray("vbaddin.ini"));
        QVERIFY(platform.msgBoxes.isEmpty());
    }

    void addInListAfterStarts_data()
    {
        QTest::addColumn<QByteArray>("before"); // a null array: no file
        QTest::addColumn<QStringList>("otherKeys");
        QTest::newRow("no file") << QByteArray() << QStringList();
        QTest::newRow("no section") << QByteArray("[Other]\nA=1\n") << QStringList();
        QTest::newRow("set to load at start-up") << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=1\n") << QStringList();
        QTest::newRow("other add-ins kept")
            << QByteArray("[Add-Ins32]\nFirst.Connect=1\nPelkTulvane.Connect=1\nLast.Connect=0\n")
            << QStringList{"First.Connect", "Last.Connect"};
    }
    void addInListAfterStarts()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, otherKeys);
        if (!before.isNull())
            writeAll(addInList(), before);
        DesktopServices platform(binDir());
        QVERIFY(AddIn::Main(platform).ok());
        QVERIFY(AddIn::Main(platform).ok()); // a second start
        const QByteArray after = readAll(addInList());
        QCOMPARE(keyCount(after), 1);
        const auto section = host::iniSection(after, QStringLiteral("Add-Ins32"));
        QStringList keys;
        for (const auto &[key, value] : section) {
            keys << key;
            if (key == QLatin1String("PelkTulvane.Connect"))
                QCOMPARE(value, QStringLiteral("0"));
        }
        QVERIFY(keys.contains(QStringLiteral("PelkTulvane.Connect")));
        keys.removeAll(QStringLiteral("PelkTulvane.Connect"));
        QCOMPARE(keys, otherKeys);
        if (before.contains("[Other]"))
            QCOMPARE(host::iniSection(after, QStringLiteral("Other")).value(0).second, QStringLiteral("1"));
    }

    void classRegistrationIsFoundByTheHost()
    {
        DesktopServices platform(binDir());
        const QString module = QStringLiteral("/opt/pelk tulvane/libpelktulvane.so");
        QVERIFY(registration::RegisterServer(platform, module));
        QVERIFY(registration::RegisterServer(platform, module)); // repeated registration
        const QByteArray registry = readAll(paths::classRegistryFile());
        const std::optional<host::ClassRecord> record =
            host::findClass(registry, QStringLiteral("pelktulvane.connect"));
        QVERIFY(record);
        QCOMPARE(record->description, QStringLiteral("Pelk Tulvane"));
        QCOMPARE(record->modulePath, module);
        const auto section = host::iniSection(registry, QStringLiteral("PelkTulvane.Connect"));
        QCOMPARE(section.size(), registration::classEntries(module).size());
    }

    void classRegistrationWritesOneSection()
    {
        FakeServices platform;
        QVERIFY(registration::RegisterServer(platform, QStringLiteral("/m/libpelktulvane.so")));
        QVERIFY(!platform.profileWrites.isEmpty());
        QStringList keys;
        for (const FakeIniWriter::ProfileWrite &write : std::as_const(platform.profileWrites)) {
            QCOMPARE(write.section, QByteArray("PelkTulvane.Connect"));
            QCOMPARE(QFile::decodeName(write.fileName), paths::classRegistryFile());
            keys << QString::fromLatin1(write.key);
        }
        for (const char *key : {"CLSID", "Description", "Interface", "TypeLib", "TypeLibName", "TypeLibVersion",
                                "TypeLibLocale", "TypeLibHelpFile", "Module"})
            QVERIFY2(keys.contains(QLatin1String(key)), key);
        platform.profileWriteError = Error(errPermissionDenied);
        QVERIFY(!registration::RegisterServer(platform, QStringLiteral("/m/libpelktulvane.so")));
    }

    // Started by hand, a write that fails is said, with the file and why,
    // and the exit status shows it; the files stay as they were.
    void startedByHandReportsAFailedWrite_data()
    {
        QTest::addColumn<QString>("file");  // vbaddin.ini or classes.ini
        QTest::addColumn<QString>("fault"); // what stands in its place
        for (const char *file : {"vbaddin.ini", "classes.ini"}) {
            QTest::addRow("%s a pipe", file) << file << "pipe";
            QTest::addRow("%s a link loop", file) << file << "loop";
            QTest::addRow("%s a folder", file) << file << "folder";
        }
    }
    void startedByHandReportsAFailedWrite()
    {
        QFETCH(QString, file);
        QFETCH(QString, fault);
        const QString path = paths::userFolder() + QLatin1Char('/') + file;
        const QByteArray name = QFile::encodeName(path);
        if (fault == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (fault == QLatin1String("loop"))
            QCOMPARE(::symlink(name.constData(), name.constData()), 0);
        else
            QVERIFY(QDir().mkpath(path));
        const QString other = paths::userFolder()
            + (file == QLatin1String("vbaddin.ini") ? QStringLiteral("/classes.ini") : QStringLiteral("/vbaddin.ini"));

        QProcess program;
        program.start(binDir() + QStringLiteral("/pelktulvane"), {});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(said.startsWith(QStringLiteral("pelktulvane: ")) && said.contains(path), qPrintable(said));
        QCOMPARE(said.count(QLatin1Char('\n')), 1);
        // The file in the way is as it was; the other one was written.
        struct stat info {};
        QCOMPARE(::lstat(name.constData(), &info), 0);
        QVERIFY(fault == QLatin1String("pipe") ? S_ISFIFO(info.st_mode)
                : fault == QLatin1String("loop") ? S_ISLNK(info.st_mode)
                                                 : S_ISDIR(info.st_mode));
        QVERIFY(QFileInfo(other).isFile());
    }

    void startedByHand()
    {
        writeAll(addInList(), "[Add-Ins32]\r\nOther.Connect=1\r\nPelkTulvane.Connect=1\r\n");
        for (int start = 0; start < 2; ++start) {
            QProcess program;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
            program.setProcessEnvironment(env);
            program.start(binDir() + QStringLiteral("/pelktulvane"), {});
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
        }
        const QByteArray list = readAll(addInList());
        QCOMPARE(keyCount(list), 1);
        QCOMPARE(host::iniSection(list, QStringLiteral("Add-Ins32")),
                 (QList<QPair<QString, QString>>{{"Other.Connect", "1"}, {"PelkTulvane.Connect", "0"}}));
        const auto record = host::findClass(readAll(paths::classRegistryFile()), QStringLiteral("PelkTulvane.Connect"));
        QVERIFY(record);
        QCOMPARE(QFileInfo(record->modulePath).canonicalFilePath(),
                 QFileInfo(binDir() + QStringLiteral("/libpelktulvane.so")).canonicalFilePath());
    }

    void moduleCarriesTheVersionFacts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("ProductName") << "ProductName" << QVariant("PelkTulvane");
        QTest::newRow("FileVersion") << "FileVersion" << QVariant("1.00");
        QTest::newRow("ProductVersion") << "ProductVersion" << QVariant("1.00");
        QTest::newRow("numeric") << "FileVersionNumeric" << QVariant(QVariantList{1, 0, 0, 0});
        QTest::newRow("InternalName") << "InternalName" << QVariant("Pelk Tulvane");
        QTest::newRow("OriginalFilename") << "OriginalFilename" << QVariant("Pelk Tulvane.exe");
        QTest::newRow("translation") << "Translation" << QVariant(QVariantList{"0x0409", "0x04B0"});
        QTest::newRow("self-registering") << "OLESelfRegister" << QVariant("");
    }
    void moduleCarriesTheVersionFacts()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QPluginLoader loader(binDir() + QStringLiteral("/libpelktulvane.so"));
        const QJsonObject meta = loader.metaData();
        QCOMPARE(meta.value(QStringLiteral("IID")).toString(), QString::fromLatin1(HostSdk_AddInModule_iid));
        const QJsonObject facts = meta.value(QStringLiteral("MetaData")).toObject();
        QVERIFY2(facts.contains(key), qPrintable(key));
        QCOMPARE(facts.value(key).toVariant(), value);
    }
};

PELK_TEST_MAIN(TestRegistration)
#include "tst_registration.moc"

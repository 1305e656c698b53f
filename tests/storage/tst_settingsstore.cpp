// The settings store: values come back letter for letter, a missing key gives
// the default, hand-edited nonsense never crashes, and a saved value is on
// disk when SaveSetting returns.
#include "storage/paths.h"
#include "desktop/desktopservices.h"
#include "storage/settingsstore.h"
#include "errornumber.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "testmain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>

#include <cerrno>

#include <sys/stat.h>

using namespace pelk;

namespace {

const QString app = QStringLiteral("Pelk Tulvane");

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init();

    void valuesComeBackAsSaved_data();
    void valuesComeBackAsSaved();
    void namesKeepTheirValuesApart_data();
    void namesKeepTheirValuesApart();
    void missingKeyGivesTheDefault_data();
    void missingKeyGivesTheDefault();
    void namesIgnoreCase();
    void unchangedValueIsNotRewritten_data();
    void unchangedValueIsNotRewritten();
    void oneFilePerApplication();
    void handEditedFile_data();
    void handEditedFile();
    void savingOverNonsenseKeepsGoodKeys();
    void savedValueSurvivesAKill();
    void processesSavingAtOnceLoseNothing();
    void fullDiskLeavesTheFile();
    void unwritableStoreIsReportedNotCrashed();
    void unreadableStoreIsNotOverwritten_data();
    void unreadableStoreIsNotOverwritten();
    void linkedStoreStaysALink();
    void killedSaveLeavesNothing();

private:
    QString m_file;
};

void SettingsStoreTest::init()
{
    m_file = paths::settingsFile(app);
    QFile::remove(m_file);
}

void SettingsStoreTest::valuesComeBackAsSaved_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("plain number") << "192";
    QTest::newRow("empty") << "";
    QTest::newRow("comma") << "a,b";
    QTest::newRow("commas and blanks") << "1, 2, 3";
    QTest::newRow("quotes round it") << "\"quoted\"";
    QTest::newRow("quote inside") << "say \"hi\"";
    QTest::newRow("single quote at the start") << "\"";
    QTest::newRow("leading and trailing blanks") << "  x  ";
    QTest::newRow("only blanks") << "   ";
    QTest::newRow("tabs at the ends") << "\tx\t";
    QTest::newRow("equals") << "a=b=";
    QTest::newRow("semicolon") << "; not a comment";
    QTest::newRow("hash") << "# not a comment";
    QTest::newRow("section-like") << "[Color]";
    QTest::newRow("unicode") << "Grüße 你好 🎨";
    QTest::newRow("serialized-object prefix") << "@Variant(\\0\\0\\0\\x7f)";
    QTest::newRow("at signs") << "@@";
    QTest::newRow("rect-like") << "@Rect(1 2 3 4)";
    QTest::newRow("backslashes") << "C:\\path\\to\\";
    QTest::newRow("escape-like text") << "\\n\\x41\\\"";
    QTest::newRow("line breaks") << "a\r\nb\rc\nd";
    QTest::newRow("control characters") << QString("a") + QChar(0) + QChar(1) + QChar(0x1b) + QChar(0x7f) + "b";
    QTest::newRow("percent") << "%20%2F%";
    QTest::newRow("word true") << "true";
    QTest::newRow("long") << QString("0123456789").repeated(20000);
    QTest::newRow("only U+FEFF") << QString(QChar(0xFEFF));
    QTest::newRow("starts with U+FEFF") << QString(QChar(0xFEFF)) + "x";
}

void SettingsStoreTest::valuesComeBackAsSaved()
{
    QFETCH(QString, value);

    DesktopServices writer(QStringLiteral("/opt/pelk"));
    QVERIFY(writer.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), value).ok());
    QVERIFY(writer.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Green"), QStringLiteral("after")).ok());

    DesktopServices reader(QStringLiteral("/opt/pelk"));
    QCOMPARE(reader.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("default")), value);
    QCOMPARE(reader.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Green"), QString()),
             QStringLiteral("after"));
    // What is on disk reads back the same, not only what a cache holds.
    const settings::Entries onDisk = settings::parseSettings(readBytes(m_file));
    QCOMPARE(onDisk.value(QStringLiteral("Color/Red"), QStringLiteral("<missing>")), value);
    QCOMPARE(onDisk.value(QStringLiteral("Color/Green")), QStringLiteral("after"));
}

void SettingsStoreTest::namesKeepTheirValuesApart_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("slash in the section") << "A/B" << "K";
    QTest::newRow("slash in the key") << "A" << "B/K";
    QTest::newRow("backslash") << "A\\B" << "K\\";
    QTest::newRow("percent") << "100%" << "%2F";
    QTest::newRow("brackets and equals") << "[S]" << "k=v";
    QTest::newRow("blanks at the ends") << " S " << " K ";
    QTest::newRow("comment characters") << ";S" << "#K";
    QTest::newRow("key read as a comment if bare") << "S" << ";K";
    QTest::newRow("section starting with U+FEFF") << QString(QChar(0xFEFF)) + "S" << "K";
    QTest::newRow("key starting with U+FEFF") << "S" << QString(QChar(0xFEFF)) + "K";
    QTest::newRow("General") << "General" << "Key";
    QTest::newRow("unicode") << "Farbe" << "Grün";
}

void SettingsStoreTest::namesKeepTheirValuesApart()
{
    QFETCH(QString, section);
    QFETCH(QString, key);

    DesktopServices platform(QStringLiteral("/opt/pelk"));
    const QString value = section + QLatin1Char('|') + key;
    QVERIFY(platform.SaveSetting(app, section, key, value).ok());
    QVERIFY(platform.SaveSetting(app, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("plain")).ok());

    DesktopServices reader(QStringLiteral("/opt/pelk"));
    QCOMPARE(reader.GetSetting(app, section, key, QString()), value);
    QCOMPARE(reader.GetSetting(app, QStringLiteral("A"), QStringLiteral("B"), QString()), QStringLiteral("plain"));
    // The neighbouring names hold nothing of it.
    QCOMPARE(reader.GetSetting(app, section, key + QLatin1Char('x'), QStringLiteral("none")), QStringLiteral("none"));
    QCOMPARE(reader.GetSetting(app, section + QLatin1Char('x'), key, QStringLiteral("none")), QStringLiteral("none"));
}

void SettingsStoreTest::missingKeyGivesTheDefault_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");

    QTest::newRow("missing key, default 0") << "Settings" << "DisplayOnConnect" << "0";
    QTest::newRow("missing key, default A") << "Settings" << "Format" << "A";
    QTest::newRow("missing section, default 192") << "Color" << "Red" << "192";
    QTest::newRow("empty default") << "Color" << "Blue" << "";
    QTest::newRow("empty key") << "Color" << "" << "1";
    QTest::newRow("empty section") << "" << "Red" << "1";
}

void SettingsStoreTest::missingKeyGivesTheDefault()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);

    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Settings"), QStringLiteral("Other"), QStringLiteral("x")).ok());
    QCOMPARE(platform.GetSetting(app, section, key, defaultValue), defaultValue);
}

void SettingsStoreTest::namesIgnoreCase()
{
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("10")).ok());
    QVERIFY(platform.SaveSetting(app, QStringLiteral("COLOR"), QStringLiteral("red"), QStringLiteral("20")).ok());
    QCOMPARE(platform.GetSetting(app, QStringLiteral("color"), QStringLiteral("RED"), QString()), QStringLiteral("20"));
    QCOMPARE(readBytes(m_file).count("ed="), 1);
}

void SettingsStoreTest::unchangedValueIsNotRewritten_data()
{
    QTest::addColumn<QString>("key"); // saved second, after "Red" = "10"
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("rewritten");

    QTest::newRow("same value") << "Red" << "10" << false;
    QTest::newRow("same value, name in other case") << "RED" << "10" << false;
    QTest::newRow("value with a blank more") << "Red" << "10 " << true;
    QTest::newRow("empty value") << "Red" << "" << true;
    QTest::newRow("another key") << "Green" << "10" << true;
}

void SettingsStoreTest::unchangedValueIsNotRewritten()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, rewritten);

    QVERIFY(settings::setValue(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("10")).ok());
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(m_file).constData(), &before), 0);
    QVERIFY(settings::setValue(app, QStringLiteral("Color"), key, value).ok());
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(m_file).constData(), &after), 0);
    // A write replaces the file, so it has a new inode.
    QCOMPARE(after.st_ino != before.st_ino, rewritten);
    QCOMPARE(settings::value(app, QStringLiteral("Color"), key, QStringLiteral("none")), value);
}

void SettingsStoreTest::oneFilePerApplication()
{
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Settings"), QStringLiteral("Format"), QStringLiteral("B")).ok());
    QVERIFY(platform.SaveSetting(QStringLiteral("Other App"), QStringLiteral("Settings"), QStringLiteral("Format"),
                         QStringLiteral("C")).ok());
    QCOMPARE(platform.GetSetting(app, QStringLiteral("Settings"), QStringLiteral("Format"), QString()),
             QStringLiteral("B"));
    QCOMPARE(readBytes(m_file), QByteArray("[Settings]\nFormat=B\n"));
    QCOMPARE(readBytes(paths::settingsFile(QStringLiteral("Other App"))), QByteArray("[Settings]\nFormat=C\n"));
    // Nothing but the two files is left behind.
    QCOMPARE(QDir(QFileInfo(m_file).absolutePath()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"Other App.ini", "Pelk Tulvane.ini"}));
}

void SettingsStoreTest::handEditedFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("red"); // "Color"/"Red" read with the default "192"

    QTest::newRow("plain") << QByteArray("[Color]\nRed=10\n") << "10";
    QTest::newRow("blanks round names and value") << QByteArray("  [ Color ]  \n  Red  =  10  \n") << "10";
    QTest::newRow("CR LF endings") << QByteArray("[Color]\r\nRed=10\r\n") << "10";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Color]\nRed=10\n") << "10";
    QTest::newRow("names in other case") << QByteArray("[COLOR]\nred=10\n") << "10";
    QTest::newRow("comma list stays text") << QByteArray("[Color]\nRed=1,2\n") << "1,2";
    QTest::newRow("serialized list stays text")
        << QByteArray("[Color]\nRed=@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)\n") << "@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)";
    QTest::newRow("unterminated quote stays text") << QByteArray("[Color]\nRed=\"10\n") << "\"10";
    QTest::newRow("unknown escapes kept") << QByteArray("[Color]\nRed=\"\\q\\x\\xZZ\\\"\n") << "\\q\\x\\xZZ\\";
    QTest::newRow("first of duplicate keys") << QByteArray("[Color]\nRed=1\nRed=2\n[color]\nRED=3\n") << "1";
    QTest::newRow("key before any section") << QByteArray("Red=10\n[Color]\n") << "192";
    QTest::newRow("unclosed section header") << QByteArray("[Color\nRed=10\n") << "192";
    QTest::newRow("empty file") << QByteArray() << "192";
    QTest::newRow("binary junk") << bytesOf("\x00\xff\xfe\x01[\x00]=\n\x80\x81=\x82\n==\n[]\n=x\n") << "192";
    QTest::newRow("junk around a good key")
        << bytesOf("\x00\x01garbage\n[Color]\nnonsense line\n\xff\xfe\nRed=77\n=\n[") << "77";
    QTest::newRow("invalid UTF-8 in the value") << QByteArray("[Color]\nRed=\xff\xfe\n") << "\uFFFD\uFFFD";
    QTest::newRow("huge line") << QByteArray("[Color]\nJunk=" + QByteArray(4 * 1024 * 1024, 'j') + "\nRed=5\n") << "5";
    QTest::newRow("only line breaks") << QByteArray(100000, '\n') << "192";
}

void SettingsStoreTest::handEditedFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, red);

    QVERIFY(writeBytes(m_file, file));
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QCOMPARE(platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("192")), red);
    QCOMPARE(platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Missing"), QStringLiteral("d")),
             QStringLiteral("d"));
}

void SettingsStoreTest::savingOverNonsenseKeepsGoodKeys()
{
    QVERIFY(writeBytes(m_file, bytesOf("\x00junk\n[Color]\nRed=1\nnonsense\n[Settings]\nFormat=C\n")));
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Green"), QStringLiteral("2")).ok());

    DesktopServices reader(QStringLiteral("/opt/pelk"));
    QCOMPARE(reader.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QString()), QStringLiteral("1"));
    QCOMPARE(reader.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Green"), QString()), QStringLiteral("2"));
    QCOMPARE(reader.GetSetting(app, QStringLiteral("Settings"), QStringLiteral("Format"), QString()),
             QStringLiteral("C"));
}

void SettingsStoreTest::savedValueSurvivesAKill()
{
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Blue"), QStringLiteral("3")).ok());

    for (const QString &value : {QStringLiteral("1"), QStringLiteral(" a, \"b\" ")}) {
        QProcess writer;
        writer.setProgram(QStringLiteral(SETTINGS_WRITER));
        writer.setArguments({QStringLiteral("Settings"), QStringLiteral("DisplayOnConnect"), value});
        writer.start();
        QVERIFY(writer.waitForFinished(30000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit); // killed, as it meant to be

        DesktopServices reader(QStringLiteral("/opt/pelk"));
        QCOMPARE(reader.GetSetting(app, QStringLiteral("Settings"), QStringLiteral("DisplayOnConnect"), QStringLiteral("0")),
                 value);
        QCOMPARE(reader.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Blue"), QString()), QStringLiteral("3"));
    }
}

void SettingsStoreTest::processesSavingAtOnceLoseNothing()
{
    const int count = 12;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < count; ++i) {
        auto writer = std::make_unique<QProcess>();
        writer->start(QStringLiteral(SETTINGS_WRITER),
                      {QStringLiteral("Race"), QStringLiteral("Key%1").arg(i), QString::number(i)});
        writers.push_back(std::move(writer));
    }
    for (auto &writer : writers)
        QVERIFY(writer->waitForFinished(30000));

    DesktopServices reader(QStringLiteral("/opt/pelk"));
    for (int i = 0; i < count; ++i)
        QCOMPARE(reader.GetSetting(app, QStringLiteral("Race"), QStringLiteral("Key%1").arg(i), QStringLiteral("lost")),
                 QString::number(i));
}

void SettingsStoreTest::fullDiskLeavesTheFile()
{
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("10")).ok());
    const QByteArray before = readBytes(m_file);
    {
        const FileSizeLimit limit(before.size() + 100);
        QCOMPARE(errorNumberOf([&] {
                     return platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Junk"),
                                          QString(5000, QLatin1Char('j')));
                 }),
                 int(errDiskFull));
    }
    QCOMPARE(readBytes(m_file), before);
    DesktopServices reader(QStringLiteral("/opt/pelk"));
    QCOMPARE(reader.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QString()), QStringLiteral("10"));
    QCOMPARE(reader.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Junk"), QStringLiteral("none")),
             QStringLiteral("none"));

    // The failed value is not written by the next save either.
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("11")).ok());
    QCOMPARE(readBytes(m_file), QByteArray("[Color]\nRed=11\n"));
}

void SettingsStoreTest::unwritableStoreIsReportedNotCrashed()
{
    // A folder where the settings file should be.
    QVERIFY(QDir().mkpath(m_file));
    QCOMPARE(errorNumberOf([] { return settings::setValue(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("1")); }),
             int(errPathFileAccess));
    QCOMPARE(settings::value(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("192")),
             QStringLiteral("192"));
    QVERIFY(QDir(m_file).removeRecursively());
}

void SettingsStoreTest::unreadableStoreIsNotOverwritten_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("systemError");
    QTest::addColumn<int>("error");

    QTest::newRow("read error") << int(files::ReadResult::Failed) << EIO << int(errPathFileAccess);
    QTest::newRow("no access") << int(files::ReadResult::Failed) << EACCES << int(errPermissionDenied);
    QTest::newRow("no plain file") << int(files::ReadResult::NotAFile) << 0 << int(errPathFileAccess);
    QTest::newRow("too large") << int(files::ReadResult::TooLarge) << 0 << int(errPathFileAccess);
}

void SettingsStoreTest::unreadableStoreIsNotOverwritten()
{
    QFETCH(int, status);
    QFETCH(int, systemError);
    QFETCH(int, error);

    const QByteArray before = "[Color]\nRed=10\nGreen=20\n[Settings]\nFormat=C\n";
    QVERIFY(writeBytes(m_file, before));
    settings::setFileReader([&](const QString &, qint64) {
        files::ReadResult failed;
        failed.status = files::ReadResult::Status(status);
        failed.systemError = systemError;
        return failed;
    });
    const auto restore = qScopeGuard([] { settings::setFileReader({}); });

    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QCOMPARE(errorNumberOf([&] {
                 return platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Blue"), QStringLiteral("30"));
             }),
             error);
    QCOMPARE(readBytes(m_file), before);
    QCOMPARE(platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("192")),
             QStringLiteral("192"));

    settings::setFileReader({});
    QCOMPARE(platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Green"), QString()),
             QStringLiteral("20"));
}

void SettingsStoreTest::linkedStoreStaysALink()
{
    // Dotfiles kept elsewhere: the store is a link to the real file.
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("real.ini"));
    QVERIFY(writeBytes(target, "[Color]\nRed=10\n"));
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    QVERIFY(QFile::link(target, m_file));

    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Green"), QStringLiteral("20")).ok());
    QVERIFY(QFileInfo(m_file).isSymLink());
    QCOMPARE(readBytes(target), QByteArray("[Color]\nGreen=20\nRed=10\n"));
    QCOMPARE(platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QString()), QStringLiteral("10"));
    QFile::remove(m_file);
}

// A save killed midway leaves no file behind that outlives the next save:
// its file has no name while it is written, and a named one nobody holds
// any more (a save killed between naming and renaming) goes with the next
// save. A file a running writer holds, one made a moment ago and the user's
// own files stay.
void SettingsStoreTest::killedSaveLeavesNothing()
{
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("1")).ok());
    const QString folder = QFileInfo(paths::settingsFile(app)).absolutePath();
    const auto make = [&](const QString &name, qint64 secondsAgo) {
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("half written"), 12);
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
    };
    make(QStringLiteral("Pelk Tulvane.ini.pelk-tmp.abandoned"), 60);
    make(QStringLiteral("Pelk Tulvane.ini.pelk-tmp.held"), 60);
    make(QStringLiteral("Pelk Tulvane.ini.pelk-tmp.justmade"), 0);
    make(QStringLiteral("Pelk Tulvane.ini.bak"), 60);

    QProcess holder;
    holder.start(QStringLiteral(SETTINGS_WRITER),
                 {QStringLiteral("--hold"), folder + QStringLiteral("/Pelk Tulvane.ini.pelk-tmp.held")});
    QVERIFY(holder.waitForReadyRead(30000));
    QCOMPARE(holder.readAllStandardOutput(), QByteArray("held\n"));
    const auto stopHolder = qScopeGuard([&] {
        holder.kill();
        holder.waitForFinished();
    });

    QProcess writer;
    writer.start(QStringLiteral(SETTINGS_WRITER), {QStringLiteral("--forever"), QString::number(32 * 1024 * 1024)});
    QVERIFY(writer.waitForStarted());
    QTest::qWait(1500); // well into its writes
    writer.kill();
    QVERIFY(writer.waitForFinished());

    QVERIFY(platform.SaveSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QStringLiteral("2")).ok());
    QCOMPARE(platform.GetSetting(app, QStringLiteral("Color"), QStringLiteral("Red"), QString()), QStringLiteral("2"));
    const QStringList left =
        QDir(folder).entryList({QStringLiteral("Pelk Tulvane.ini*")}, QDir::Files | QDir::Hidden, QDir::Name);
    QVERIFY2(left == (QStringList{"Pelk Tulvane.ini", "Pelk Tulvane.ini.bak", "Pelk Tulvane.ini.pelk-tmp.held",
                                  "Pelk Tulvane.ini.pelk-tmp.justmade"}),
             qPrintable(left.join(QStringLiteral(", "))));
}

PELK_TEST_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"

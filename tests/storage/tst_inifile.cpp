// The INI writer: one key set, every other byte kept, and a file that cannot
// be written left exactly as it was.
#include "storage/atomicfile.h"
#include "storage/inifile.h"
#include "desktop/desktopservices.h"
#include "errornumber.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace pelk;

namespace {

// Makes a folder unwritable even for a user whom permission bits do not stop.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(path)
    {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner);
        if (access(qPrintable(m_path), W_OK) != 0)
            return;
        m_immutable = setImmutable(true);
    }
    ~ReadOnlyFolder()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool holds() const { return m_immutable || access(qPrintable(m_path), W_OK) != 0; }

private:
    bool setImmutable(bool on)
    {
        const int fd = open(qPrintable(m_path), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return ok;
    }

    QString m_path;
    bool m_immutable = false;
};

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void setsOneKey_data();
    void setsOneKey();
    void refusesWhatIsNotOneLine_data();
    void refusesWhatIsNotOneLine();
    void repeatedWritesLeaveOneKey();
    void tenMegabyteFile();
    void parsesLines_data();
    void parsesLines();

    void writesTheFile_data();
    void writesTheFile();
    void failedWriteLeavesTheFile_data();
    void failedWriteLeavesTheFile();
    void keepsPermissions();
    void replacesTheFileWhole_data();
    void replacesTheFileWhole();
    void bareNameMeansTheSystemFolder();
    void linkedFileStaysALink();
};

void IniFileTest::setsOneKey_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray s = "Add-Ins32", k = "PelkTulvane.Connect", v = "0";
    QTest::newRow("missing file") << QByteArray() << s << k << v
                                  << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("missing section, LF endings")
        << QByteArray("[Other]\nA=1\n") << s << k << v
        << QByteArray("[Other]\nA=1\n[Add-Ins32]\nPelkTulvane.Connect=0\n");
    QTest::newRow("missing key is added after the section's last key")
        << QByteArray("[Add-Ins32]\r\nOther.Connect=1\r\n\r\n[Z]\r\nz=1\r\n") << s << k << v
        << QByteArray("[Add-Ins32]\r\nOther.Connect=1\r\nPelkTulvane.Connect=0\r\n\r\n[Z]\r\nz=1\r\n");
    QTest::newRow("key present with another value")
        << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=1\r\nX=2\r\n") << s << k << v
        << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\nX=2\r\n");
    QTest::newRow("key in other case, blanks round it")
        << QByteArray("[Add-Ins32]\r\n  pelktulvane.CONNECT = 1\r\nX=2\r\n") << s << k << v
        << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\nX=2\r\n");
    QTest::newRow("section in other case")
        << QByteArray("[add-INS32]\r\nA=1\r\n") << s << k << v
        << QByteArray("[add-INS32]\r\nA=1\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("section header with blanks")
        << QByteArray("[ Add-Ins32 ]\r\nA=1\r\n") << s << k << v
        << QByteArray("[ Add-Ins32 ]\r\nA=1\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("duplicate keys: exactly one left")
        << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=1\r\nA=1\r\nPELKTULVANE.CONNECT=2\r\nB=2\r\n") << s << k << v
        << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\nA=1\r\nB=2\r\n");
    QTest::newRow("duplicated sections: key in the second")
        << QByteArray("[Add-Ins32]\r\nA=1\r\n[B]\r\nb=2\r\n[ADD-INS32]\r\nPelkTulvane.Connect=1\r\nC=3\r\n") << s << k << v
        << QByteArray("[Add-Ins32]\r\nA=1\r\n[B]\r\nb=2\r\n[ADD-INS32]\r\nPelkTulvane.Connect=0\r\nC=3\r\n");
    QTest::newRow("duplicated sections: key in both")
        << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=1\nA=1\n[Add-Ins32]\nPelkTulvane.Connect=2\nC=3\n") << s << k << v
        << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=0\nA=1\n[Add-Ins32]\nC=3\n");
    QTest::newRow("duplicated sections: key in neither goes to the first")
        << QByteArray("[Add-Ins32]\nA=1\n[Add-Ins32]\nC=3\n") << s << k << v
        << QByteArray("[Add-Ins32]\nA=1\nPelkTulvane.Connect=0\n[Add-Ins32]\nC=3\n");
    QTest::newRow("comments and blank lines kept")
        << QByteArray("; top\r\n\r\n[Add-Ins32]\r\n; note\r\nA=1\r\n\r\n\r\n[Z]\r\n; z\r\nz=1\r\n") << s << k << v
        << QByteArray("; top\r\n\r\n[Add-Ins32]\r\n; note\r\nA=1\r\nPelkTulvane.Connect=0\r\n\r\n\r\n[Z]\r\n; z\r\nz=1\r\n");
    QTest::newRow("a commented-out key is not the key")
        << QByteArray("[Add-Ins32]\n;PelkTulvane.Connect=1\n") << s << k << v
        << QByteArray("[Add-Ins32]\n;PelkTulvane.Connect=1\nPelkTulvane.Connect=0\n");
    QTest::newRow("the key in another section is not touched")
        << QByteArray("[Other]\r\nPelkTulvane.Connect=1\r\n") << s << k << v
        << QByteArray("[Other]\r\nPelkTulvane.Connect=1\r\n[Add-Ins32]\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("empty section before another")
        << QByteArray("[Add-Ins32]\r\n[Next]\r\nn=1\r\n") << s << k << v
        << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\n[Next]\r\nn=1\r\n");
    QTest::newRow("mixed line endings each kept")
        << QByteArray("[A]\r\na=1\n[Add-Ins32]\nB=2\r\n") << s << k << v
        << QByteArray("[A]\r\na=1\n[Add-Ins32]\nB=2\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("no final newline: key added at the end")
        << QByteArray("[Add-Ins32]\r\nA=1") << s << k << v
        << QByteArray("[Add-Ins32]\r\nA=1\r\nPelkTulvane.Connect=0");
    QTest::newRow("no final newline: section added")
        << QByteArray("[X]\nA=1") << s << k << v << QByteArray("[X]\nA=1\n[Add-Ins32]\nPelkTulvane.Connect=0");
    QTest::newRow("no final newline: last key replaced")
        << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=1") << s << k << v
        << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=0");
    QTest::newRow("no final newline: last duplicate removed")
        << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=1\nA=2\nPelkTulvane.Connect=3") << s << k << v
        << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=0\nA=2");
    QTest::newRow("no final newline: the empty line before the last duplicate stays")
        << QByteArray("[X]\nA=\n\nA=z") << QByteArray("X") << QByteArray("A") << QByteArray("v")
        << QByteArray("[X]\nA=v\n\n");
    QTest::newRow("new section takes the ending of the last line")
        << QByteArray("[S]\nA=1\n[T]\r\nB=2\r\n") << s << k << v
        << QByteArray("[S]\nA=1\n[T]\r\nB=2\r\n[Add-Ins32]\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("key after an unterminated last line takes the ending of the line before")
        << QByteArray("[S]\nA=1\n[Add-Ins32]\r\nB=2") << s << k << v
        << QByteArray("[S]\nA=1\n[Add-Ins32]\r\nB=2\r\nPelkTulvane.Connect=0");
    QTest::newRow("last line ending in a lone CR keeps it")
        << QByteArray("[X]\nA=1\r") << s << k << v << QByteArray("[X]\nA=1\r\r\n[Add-Ins32]\nPelkTulvane.Connect=0");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[Add-Ins32]\r\nA=1\r\n") << s << k << v
        << QByteArray("\xEF\xBB\xBF[Add-Ins32]\r\nA=1\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("binary bytes kept")
        << bytesOf("\x00\xff\xfe junk\n[Add-Ins32]\nA=\x01\x02\x00\n\xff=\xfe\n[\x80]\n\x00") << s << k << v
        << bytesOf("\x00\xff\xfe junk\n[Add-Ins32]\nA=\x01\x02\x00\n\xff=\xfe\nPelkTulvane.Connect=0\n[\x80]\n\x00");
    QTest::newRow("a header without its bracket is no section")
        << QByteArray("[Add-Ins32\nA=1\n") << s << k << v
        << QByteArray("[Add-Ins32\nA=1\n[Add-Ins32]\nPelkTulvane.Connect=0\n");
    const QByteArray longLine = "Long=" + QByteArray(2 * 1024 * 1024, 'x') + "\r\n";
    QTest::newRow("very long lines kept")
        << QByteArray("[Other]\r\n" + longLine + "[Add-Ins32]\r\n" + longLine) << s << k << v
        << QByteArray("[Other]\r\n" + longLine + "[Add-Ins32]\r\n" + longLine + "PelkTulvane.Connect=0\r\n");
    QTest::newRow("value with '=' and blanks written as given")
        << QByteArray("[S]\nK=1\n") << QByteArray("S") << QByteArray("K") << QByteArray(" a=b ")
        << QByteArray("[S]\nK= a=b \n");
    QTest::newRow("empty value") << QByteArray("[S]\nK=1\n") << QByteArray("S") << QByteArray("K") << QByteArray()
                                 << QByteArray("[S]\nK=\n");
}

void IniFileTest::setsOneKey()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);

    const std::optional<QByteArray> written = ini::setProfileString(before, section, key, value);
    QVERIFY(written);
    QCOMPARE(*written, after);
    // Writing the same again changes nothing more.
    QCOMPARE(ini::setProfileString(*written, section, key, value), written);
}

void IniFileTest::refusesWhatIsNotOneLine_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("line break in the value") << QByteArray("S") << QByteArray("K") << QByteArray("0\r\n[Evil]");
    QTest::newRow("CR in the value") << QByteArray("S") << QByteArray("K") << QByteArray("0\r1");
    QTest::newRow("line break in the key") << QByteArray("S") << QByteArray("K\nX") << QByteArray("0");
    QTest::newRow("line break in the section") << QByteArray("S\nX") << QByteArray("K") << QByteArray("0");
    QTest::newRow("NUL in the value") << QByteArray("S") << QByteArray("K") << bytesOf("a\0b");
    QTest::newRow("'=' in the key") << QByteArray("S") << QByteArray("K=1") << QByteArray("0");
    QTest::newRow("']' in the section") << QByteArray("S]") << QByteArray("K") << QByteArray("0");
    QTest::newRow("empty key") << QByteArray("S") << QByteArray("  ") << QByteArray("0");
    QTest::newRow("empty section") << QByteArray() << QByteArray("K") << QByteArray("0");
    QTest::newRow("key that reads as a comment") << QByteArray("S") << QByteArray(";K") << QByteArray("0");
    QTest::newRow("key that starts with a byte order mark")
        << QByteArray("S") << QByteArray("\xEF\xBB\xBFK") << QByteArray("0");
}

void IniFileTest::refusesWhatIsNotOneLine()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QCOMPARE(ini::setProfileString("[S]\nK=1\n", section, key, value), std::nullopt);
}

void IniFileTest::repeatedWritesLeaveOneKey()
{
    QByteArray file = "[Add-Ins32]\r\nA=1\r\n";
    for (int i = 0; i < 5; ++i)
        file = *ini::setProfileString(file, "Add-Ins32", "PelkTulvane.Connect", "0");
    QCOMPARE(file.count("PelkTulvane.Connect"), 1);
    QCOMPARE(file, QByteArray("[Add-Ins32]\r\nA=1\r\nPelkTulvane.Connect=0\r\n"));
}

void IniFileTest::tenMegabyteFile()
{
    QByteArray head, tail;
    for (int i = 0; head.size() < 5 * 1024 * 1024; ++i)
        head += "[Section" + QByteArray::number(i) + "]\r\nKey=" + QByteArray(200, char('a' + i % 26)) + "\r\n";
    for (int i = 0; tail.size() < 5 * 1024 * 1024; ++i)
        tail += "Key" + QByteArray::number(i) + "=" + QByteArray(100, 'z') + "\r\n";
    const QByteArray before = head + "[Add-Ins32]\r\n" + tail;
    QVERIFY(before.size() > 10 * 1024 * 1024);

    const std::optional<QByteArray> after = ini::setProfileString(before, "Add-Ins32", "PelkTulvane.Connect", "0");
    QVERIFY(after);
    QCOMPARE(*after, before + "PelkTulvane.Connect=0\r\n");
}

void IniFileTest::parsesLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("section") << QByteArray("[Add-Ins32]") << int(ini::Line::Section) << QByteArray("Add-Ins32")
                             << QByteArray();
    QTest::newRow("section, blanks and a trailing note") << QByteArray("  [ Color ] ; note") << int(ini::Line::Section)
                                                         << QByteArray("Color") << QByteArray();
    QTest::newRow("entry") << QByteArray("Red=192") << int(ini::Line::Entry) << QByteArray("Red") << QByteArray("192");
    QTest::newRow("entry, blanks trimmed") << QByteArray(" Red = 1 2 \t") << int(ini::Line::Entry)
                                           << QByteArray("Red") << QByteArray("1 2");
    QTest::newRow("value holding '='") << QByteArray("a=b=c") << int(ini::Line::Entry) << QByteArray("a")
                                       << QByteArray("b=c");
    QTest::newRow("comment") << QByteArray("; a=b") << int(ini::Line::Other) << QByteArray() << QByteArray();
    QTest::newRow("blank") << QByteArray("   ") << int(ini::Line::Other) << QByteArray() << QByteArray();
    QTest::newRow("text without '='") << QByteArray("nonsense") << int(ini::Line::Other) << QByteArray()
                                      << QByteArray();
    QTest::newRow("unclosed bracket") << QByteArray("[Color") << int(ini::Line::Other) << QByteArray()
                                      << QByteArray();
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Color]") << int(ini::Line::Section)
                                     << QByteArray("Color") << QByteArray();
    QTest::newRow("byte order mark in front of a key is part of its name")
        << QByteArray("\xEF\xBB\xBFRed=1") << int(ini::Line::Entry) << QByteArray("\xEF\xBB\xBFRed")
        << QByteArray("1");
}

void IniFileTest::parsesLines()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, value);
    const ini::Line parsed = ini::parseLine(line);
    QCOMPARE(int(parsed.kind), kind);
    QCOMPARE(parsed.name, name);
    QCOMPARE(parsed.value, value);
}

void IniFileTest::writesTheFile_data()
{
    QTest::addColumn<QByteArray>("before"); // "<none>": no file
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("creates a missing file") << QByteArray("<none>")
                                            << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\n");
    QTest::newRow("sets the key in place") << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=1\nB=2\n")
                                           << QByteArray("[Add-Ins32]\nPelkTulvane.Connect=0\nB=2\n");
}

void IniFileTest::writesTheFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    const QString path = dir.filePath("vbaddin.ini");
    if (before != "<none>")
        QVERIFY(writeBytes(path, before));
    QVERIFY(ini::writeProfileString(path, "Add-Ins32", "PelkTulvane.Connect", "0").ok());
    QCOMPARE(readBytes(path), after);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vbaddin.ini"});
}

void IniFileTest::failedWriteLeavesTheFile_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<int>("error");

    QTest::newRow("read-only folder") << "read-only folder" << int(errPermissionDenied);
    QTest::newRow("disk full") << "disk full" << int(errDiskFull);
    QTest::newRow("unrepresentable value") << "unrepresentable value" << int(errInvalidProcedureCall);
}

void IniFileTest::failedWriteLeavesTheFile()
{
    QFETCH(QString, cause);
    QFETCH(int, error);

    QTemporaryDir dir;
    const QString path = dir.filePath("vbaddin.ini");
    QByteArray before = "; kept as it is\r\n[Add-Ins32]\r\nOther.Connect=0\r\nPelkTulvane.Connect=1\r\n";
    before += "[Padding]\r\n" + QByteArray(8000, 'p') + "=1\r\n";
    QVERIFY(writeBytes(path, before));

    int thrown = 0;
    if (cause == "read-only folder") {
        const ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.holds())
            QSKIP("no way to make a folder read-only for this user");
        thrown = errorNumberOf([&] { return ini::writeProfileString(path, "Add-Ins32", "PelkTulvane.Connect", "0"); });
    } else if (cause == "disk full") {
        const FileSizeLimit limit(4096);
        thrown = errorNumberOf([&] { return ini::writeProfileString(path, "Add-Ins32", "PelkTulvane.Connect", "0"); });
    } else {
        thrown = errorNumberOf(
            [&] { return ini::writeProfileString(path, "Add-Ins32", "PelkTulvane.Connect", "0\r\n[Evil]"); });
    }
    QCOMPARE(thrown, error);
    QCOMPARE(readBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vbaddin.ini"});
}

void IniFileTest::keepsPermissions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("private.ini");
    QVERIFY(writeBytes(path, "[S]\nK=1\n"));
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    QVERIFY(QFile::setPermissions(path, ownerOnly));
    QVERIFY(ini::writeProfileString(path, "S", "K", "2").ok());
    QCOMPARE(readBytes(path), QByteArray("[S]\nK=2\n"));
    QCOMPARE(QFile::permissions(path) & 0x7777, ownerOnly | QFile::ReadUser | QFile::WriteUser);
}

void IniFileTest::replacesTheFileWhole_data()
{
    QTest::addColumn<files::Durability>("durability");
    QTest::addColumn<QString>("cause"); // empty: the write succeeds

    for (const auto &[name, durability] : {std::pair{"synced", files::Durability::Synced},
                                          std::pair{"renamed", files::Durability::Renamed}}) {
        QTest::addRow("%s, written", name) << durability << QString();
        QTest::addRow("%s, disk full", name) << durability << "disk full";
        QTest::addRow("%s, read-only folder", name) << durability << "read-only folder";
        QTest::addRow("%s, a folder in the way", name) << durability << "a folder in the way";
    }
}

void IniFileTest::replacesTheFileWhole()
{
    QFETCH(files::Durability, durability);
    QFETCH(QString, cause);

    QTemporaryDir dir;
    const QString path = dir.filePath("store.ini");
    const QByteArray before = "[S]\nK=1\n";
    const QByteArray after = "[S]\nK=" + QByteArray(20000, '2') + "\n";
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    if (cause == "a folder in the way") {
        QVERIFY(QDir().mkpath(path));
    } else {
        QVERIFY(writeBytes(path, before));
        QVERIFY(QFile::setPermissions(path, ownerOnly));
    }

    int thrown = 0;
    if (cause == "disk full") {
        const FileSizeLimit limit(4096);
        thrown = errorNumberOf([&] { return files::writeFileAtomically(path, after, durability); });
    } else if (cause == "read-only folder") {
        const ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.holds())
            QSKIP("no way to make a folder read-only for this user");
        thrown = errorNumberOf([&] { return files::writeFileAtomically(path, after, durability); });
    } else {
        thrown = errorNumberOf([&] { return files::writeFileAtomically(path, after, durability); });
    }

    const int expected = cause == "disk full"             ? errDiskFull
                         : cause == "read-only folder"    ? errPermissionDenied
                         : cause == "a folder in the way" ? errPathFileAccess
                                                          : 0;
    QCOMPARE(thrown, expected);
    if (cause == "a folder in the way")
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(readBytes(path), cause.isEmpty() ? after : before);
    if (cause.isEmpty())
        QCOMPARE(QFile::permissions(path) & 0x7777, ownerOnly);
    // No temporary file is left behind, whatever happened.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             cause == "a folder in the way" ? QStringList() : QStringList{"store.ini"});
}

void IniFileTest::bareNameMeansTheSystemFolder()
{
    // The per-user folder does not exist yet on a first run.
    const QString folder = qEnvironmentVariable("PELKTULVANE_HOME") + "/first-run";
    qputenv("PELKTULVANE_HOME", folder.toUtf8());
    DesktopServices platform(QStringLiteral("/opt/pelk"));
    for (int run = 0; run < 3; ++run)
        QVERIFY(platform.writeKey("Add-Ins32", "PelkTulvane.Connect", "0", "vbaddin.ini").ok());
    QCOMPARE(readBytes(folder + "/vbaddin.ini"), QByteArray("[Add-Ins32]\r\nPelkTulvane.Connect=0\r\n"));

    // A path names its own folder, which is not created.
    QCOMPARE(errorNumberOf([&] {
                 return platform.writeKey("S", "K", "1", (folder + "/missing/x.ini").toLocal8Bit());
             }),
             int(errPathNotFound));
    QVERIFY(!QFileInfo::exists(folder + "/missing"));
    // A folder in place of the file is not a file to write.
    QVERIFY(QDir().mkpath(folder + "/dir.ini"));
    QCOMPARE(errorNumberOf([&] { return platform.writeKey("S", "K", "1", "dir.ini"); }),
             int(errPathFileAccess));
    QVERIFY(QFileInfo(folder + "/dir.ini").isDir());
}

void IniFileTest::linkedFileStaysALink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("real.ini");
    const QString link = dir.filePath("vbaddin.ini");
    QVERIFY(writeBytes(target, "[Add-Ins32]\r\nOther.Connect=0\r\n"));
    QVERIFY(QFile::link("real.ini", link)); // relative, as dotfile managers make them
    QVERIFY(ini::writeProfileString(link, "Add-Ins32", "PelkTulvane.Connect", "0").ok());
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(target), QByteArray("[Add-Ins32]\r\nOther.Connect=0\r\nPelkTulvane.Connect=0\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), (QStringList{"real.ini", "vbaddin.ini"}));
}

PELK_TEST_MAIN(IniFileTest)
#include "tst_inifile.moc"

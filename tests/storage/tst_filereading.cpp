// Reading a per-user or chosen file: what is read, what is refused and what
// is reported missing, at the size limit and around the ways a file can
// change or fail between looking at it and reading it.
#include "storage/filereading.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pelk;
using files::ReadResult;

namespace {

constexpr qint64 kLimit = 4096;

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

Q_DECLARE_METATYPE(ReadResult::Status)

class FileReadingTest : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data()
    {
        QTest::addColumn<QString>("setUp");   // what stands at the path
        QTest::addColumn<ReadResult::Status>("status");
        QTest::addColumn<qint64>("bytes");    // read, when Read
        QTest::addColumn<bool>("folderMissing");
        QTest::newRow("exactly the limit is read") << "limit" << ReadResult::Read << kLimit << false;
        QTest::newRow("one byte more is refused") << "limit+1" << ReadResult::TooLarge << qint64(0) << false;
        QTest::newRow("missing file") << "none" << ReadResult::Missing << qint64(0) << false;
        QTest::newRow("missing folder") << "no folder" << ReadResult::Missing << qint64(0) << true;
        // The path's folder is really a file: nothing can be there.
        QTest::newRow("folder that is a file") << "file as folder" << ReadResult::Missing << qint64(0) << false;
        QTest::newRow("a folder") << "folder" << ReadResult::NotAFile << qint64(0) << false;
    }
    void outcomes()
    {
        QFETCH(QString, setUp);
        QFETCH(ReadResult::Status, status);
        QFETCH(qint64, bytes);
        QFETCH(bool, folderMissing);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("file.ini"));
        if (setUp == QLatin1String("limit"))
            write(path, QByteArray(kLimit, 'a'));
        else if (setUp == QLatin1String("limit+1"))
            write(path, QByteArray(kLimit + 1, 'a'));
        else if (setUp == QLatin1String("no folder"))
            path = dir.filePath(QStringLiteral("gone/file.ini"));
        else if (setUp == QLatin1String("file as folder")) {
            write(path, "x");
            path += QStringLiteral("/inner.ini");
        } else if (setUp == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));

        const ReadResult read = files::readRegularFile(path, kLimit);
        QCOMPARE(read.status, status);
        QCOMPARE(read.bytes.size(), bytes);
        QCOMPARE(read.folderMissing, folderMissing);
    }

    // A file whose size grows past what its status said while it is read
    // (as /proc files do: they say 0 bytes) is read whole up to the limit,
    // and refused beyond it, never cut off.
    void fileGrowingWhileRead()
    {
        const QString status = QStringLiteral("/proc/self/status");
        struct stat info {};
        if (::stat(status.toLocal8Bit().constData(), &info) != 0 || info.st_size != 0)
            QSKIP("no /proc file that says it is empty here");
        const ReadResult whole = files::readRegularFile(status, kLimit);
        QCOMPARE(whole.status, ReadResult::Read);
        QVERIFY(whole.bytes.endsWith('\n'));
        QVERIFY(whole.bytes.contains("Name:"));
        const ReadResult over = files::readRegularFile(status, 16);
        QCOMPARE(over.status, ReadResult::TooLarge);
        QVERIFY(over.bytes.isEmpty());
    }

    // A file that can be looked at but not opened: the failure comes back
    // with the system's error. Root opens everything, so as root a child
    // process that has given up its rights does the reading.
    void openFailsAfterLooking()
    {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadOther | QFile::ExeOther));
        const QString path = dir.filePath(QStringLiteral("secret.ini"));
        write(path, "[S]\nK=1\n");
        QVERIFY(QFile::setPermissions(path, QFile::Permissions()));
        int answer[2];
        QCOMPARE(::pipe(answer), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                _exit(2);
            const ReadResult read = files::readRegularFile(path, kLimit);
            const int reply[2] = {int(read.status), read.systemError};
            _exit(::write(answer[1], reply, sizeof reply) == sizeof reply ? 0 : 3);
        }
        int code = 0;
        QCOMPARE(::waitpid(child, &code, 0), child);
        QVERIFY(WIFEXITED(code));
        QCOMPARE(WEXITSTATUS(code), 0);
        int reply[2] = {};
        QCOMPARE(::read(answer[0], reply, sizeof reply), ssize_t(sizeof reply));
        ::close(answer[0]);
        ::close(answer[1]);
        QCOMPARE(ReadResult::Status(reply[0]), ReadResult::Failed);
        QCOMPARE(reply[1], EACCES);
    }
};

PELK_TEST_MAIN(FileReadingTest)
#include "tst_filereading.moc"

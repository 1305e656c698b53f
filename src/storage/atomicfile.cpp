#include "atomicfile.h"

#include "platform/error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <ctime>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelk::files {

namespace {

// The file a write to `path` lands in: a link is followed to its target, so
// the link stays and its target is what changes.
QString writeTarget(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 40 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

// What marks a temporary file of ours beside its target: the target's name,
// then this, then a random part.
constexpr char kTemporaryMark[] = ".pelk-tmp.";
// A temporary file nobody holds is left alone this long after it last
// changed: a writer takes its hold the moment after it makes the file.
constexpr time_t kAbandonedAfterSeconds = 10;

QByteArray randomName(const QByteArray &target)
{
    return target + kTemporaryMark + QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

// Removes the temporary files of earlier writes to `target` that no running
// writer holds: a writer killed midway leaves its file behind, and nothing
// else would ever take it away.
void removeAbandoned(const QByteArray &target)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? target.left(slash) : slash == 0 ? QByteArray("/") : QByteArray(".");
    const QByteArray prefix = target.mid(slash + 1) + kTemporaryMark;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const time_t now = ::time(nullptr);
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        const QByteArray path = folder + '/' + name;
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode)
            || now - info.st_mtime < kAbandonedAfterSeconds)
            continue;
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // A running writer holds its file; the hold of a killed one is gone.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(dir);
}

// The file the new contents are written to, beside the target. It is held
// (flock) from before it has a name until it is gone, and it gets its name
// only when it is complete, right before the rename: a writer killed while
// writing leaves nothing behind. Where the file system cannot make a file
// without a name, it is named from the start. A file that was not renamed
// into place is removed.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray &target) : m_target(target)
    {
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray folder = slash > 0 ? target.left(slash) : slash == 0 ? QByteArray("/") : QByteArray(".");
        // Mode 0666 less the umask, as any new file gets.
        m_fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (m_fd >= 0) {
            ::flock(m_fd, LOCK_EX);
            return;
        }
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_name = randomName(target);
            m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_EX);
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_renamed && !m_name.isEmpty())
            ::unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int fd() const { return m_fd; }
    // Gives a file made without a name its name beside the target.
    bool name()
    {
        if (!m_name.isEmpty())
            return true;
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = randomName(m_target);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
                m_name = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }
    bool close()
    {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0;
    }
    bool renameTo(const QByteArray &target)
    {
        m_renamed = ::rename(m_name.constData(), target.constData()) == 0;
        return m_renamed;
    }

private:
    QByteArray m_target;
    QByteArray m_name; // empty while the file has no name
    int m_fd = -1;
    bool m_renamed = false;
};

bool writeAll(int fd, const QByteArray &contents)
{
    qsizetype written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.constData() + written, size_t(contents.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        written += n;
    }
    return true;
}

} // namespace

Status writeFileAtomically(const QString &path, const QByteArray &contents, Durability durability)
{
    const QString target = writeTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    const auto failed = [&](int systemError) {
        // No folder to create the file in.
        if (systemError == ENOENT)
            return Error(errPathNotFound, Error::standardDescription(errPathNotFound) + QLatin1String(": ") + target);
        return fileError(systemError, target);
    };

    struct stat existing {};
    const bool exists = ::stat(targetName.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fileError(EISDIR, target);

    // A temporary file beside the target, renamed over it: the old contents
    // stay whole until the new ones are complete.
    removeAbandoned(targetName);
    TemporaryFile file(targetName);
    if (file.fd() < 0)
        return failed(errno);
    if (exists && ::fchmod(file.fd(), existing.st_mode & 07777) != 0)
        return failed(errno);
    // A short write (a full disk) shows in write()'s count or its error.
    if (!writeAll(file.fd(), contents))
        return failed(errno);
    if (durability == Durability::Synced && ::fsync(file.fd()) != 0)
        return failed(errno);
    if (!file.name())
        return failed(errno);
    if (!file.close())
        return failed(errno);
    if (!file.renameTo(targetName))
        return failed(errno);
    if (durability == Durability::Synced) {
        // The rename itself reaches the disk with the folder's entry.
        const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
    return {};
}

} // namespace pelk::files

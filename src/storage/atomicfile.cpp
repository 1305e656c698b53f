#include "atomicfile.h"

#include "platform/error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <utility>

#include <fcntl.h>
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

// Closes a descriptor and removes the temporary file it belongs to unless
// the file was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray &target) : m_name(target)
    {
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
            // Mode 0666 less the umask, as any new file gets.
            m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
    }
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_renamed)
            ::unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    int fd() const { return m_fd; }
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
    QByteArray m_name;
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

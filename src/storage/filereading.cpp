#include "filereading.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelk::files {

namespace {

ReadResult failure(int systemError, const QByteArray &name)
{
    ReadResult result;
    result.status = systemError == ENOENT || systemError == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    result.systemError = systemError;
    if (systemError == ENOENT) {
        // Which of the two is missing, the file or its folder, as the user
        // needs to know; asked at the time of the failure.
        struct stat folder {};
        const qsizetype slash = name.lastIndexOf('/');
        const QByteArray parent = slash > 0 ? name.left(slash) : slash == 0 ? QByteArray("/") : QByteArray(".");
        result.folderMissing = ::stat(parent.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode);
    }
    return result;
}

ReadResult refusal(ReadResult::Status status)
{
    ReadResult result;
    result.status = status;
    return result;
}

} // namespace

ReadResult readRegularFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return failure(errno, name);
    if (!S_ISREG(info.st_mode))
        return refusal(ReadResult::NotAFile);
    if (info.st_size > maxBytes)
        return refusal(ReadResult::TooLarge);

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(errno, name);
    ReadResult result;
    if (::fstat(fd, &info) != 0) {
        result = failure(errno, name);
    } else if (!S_ISREG(info.st_mode)) {
        result = refusal(ReadResult::NotAFile);
    } else {
        // One byte past the cap tells a file that grew since from one that
        // did not.
        QByteArray bytes(qMin<qint64>(info.st_size, maxBytes) + 1, Qt::Uninitialized);
        qint64 filled = 0;
        result.status = ReadResult::Read;
        for (;;) {
            if (filled == bytes.size()) {
                if (filled > maxBytes) {
                    result = refusal(ReadResult::TooLarge);
                    break;
                }
                bytes.resize(qMin<qint64>(filled * 2, maxBytes + 1));
            }
            const ssize_t n = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result = failure(errno, name);
                break;
            }
            if (n == 0)
                break;
            filled += n;
        }
        if (result.status == ReadResult::Read) {
            bytes.truncate(filled);
            result.bytes = std::move(bytes);
        }
    }
    ::close(fd);
    return result;
}

Error readError(const ReadResult &result, const QString &path)
{
    switch (result.status) {
    case ReadResult::NotAFile:
        return Error(errPathFileAccess,
                     Error::standardDescription(errPathFileAccess) + QLatin1String(": ") + path
                         + QLatin1String(" is not a plain file"));
    case ReadResult::TooLarge:
        return Error(errPathFileAccess,
                     Error::standardDescription(errPathFileAccess) + QLatin1String(": ") + path
                         + QLatin1String(" is too large"));
    default:
        if (result.folderMissing)
            return Error(errPathNotFound, Error::standardDescription(errPathNotFound) + QLatin1String(": ") + path);
        return fileError(result.systemError, path);
    }
}

} // namespace pelk::files

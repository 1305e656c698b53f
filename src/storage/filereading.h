// Reading a per-user or user-chosen file without being held up by it: only a
// regular file is read (a link is followed to one), never a pipe, a device or
// a folder, which could block, never end or mean nothing; and never more
// than a cap.
#pragma once

#include "platform/error.h"

#include <QByteArray>
#include <QString>

namespace pelk::files {

// The largest settings or INI file read: far beyond any real one, and a cap on what a
// file grown without bound can cost.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

struct ReadResult {
    enum Status { Read, Missing, NotAFile, TooLarge, Failed };
    Status status = Failed;
    QByteArray bytes;    // what the file holds, when Read
    int systemError = 0; // errno, when Missing or Failed
    bool folderMissing = false; // Missing: the folder it would be in is not there either
};

// Reads the whole file at `path` when it is a regular file of at most
// `maxBytes`. Looks at what the path is before opening it, and opens it so
// that a pipe put in its place meanwhile cannot block the caller.
ReadResult readRegularFile(const QString &path, qint64 maxBytes);

// What was not read as the one error type: the system's error for Missing
// (path not found when its folder is missing too) and Failed, a path/file
// access error for a file that is no plain file or too large.
Error readError(const ReadResult &result, const QString &path);

} // namespace pelk::files

// What the drive, folder and file lists show, computed without a window.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace pelk::forms {

// The names in one folder, in the order the folder gives them (sortNames
// puts them in a user's order). Hidden names (starting with a dot) are left out, and so are names that are
// not valid UTF-8, entries that vanish while the folder is read and links
// that lead nowhere or round in a loop. An unreadable folder reads as empty
// with `readable` false.
struct FolderEntries {
    QStringList files;
    QStringList folders;
    bool readable = true;
};
enum FolderKinds { ListFiles = 1, ListFolders = 2 };
FolderEntries readFolder(const QString &path, int kinds);

// A file list pattern: wildcard patterns ("*" any run, "?" one character)
// separated by semicolons, matched against whole names without regard to
// case. An empty pattern matches every name.
class FilePattern {
public:
    explicit FilePattern(const QString &pattern = QString());
    bool matches(QStringView name) const;
    const QString &text() const { return m_text; }

private:
    QString m_text;
    QStringList m_parts;
    QSet<QString> m_extensions; // "*.ext" parts, the common case, as "ext" in lower case
    QStringList m_suffixes;     // other "*..." parts without wildcards after the star
};
QStringList filterNames(const QStringList &names, const FilePattern &pattern);

// Sorts names as a user expects: without regard to case, and runs of digits
// by their number, so "Photo 2" comes before "photo 10".
void sortNames(QStringList &names);
// The key that orders one name that way (compared bytewise).
QByteArray nameSortKey(QStringView name);

// Whether a mounted file system is one a user picks as a drive: the root,
// and volumes on a device or a network share, but not pseudo, temporary or
// system file systems.
bool isUserVolume(const QString &rootPath, const QByteArray &device, const QByteArray &fileSystemType);

// The drive (one of `drives`, mount points) that holds `path`: the longest
// one that is `path` itself or one of its ancestors. Empty when none is.
QString driveOfPath(const QString &path, const QStringList &drives);

// The folder and its ancestors, from the root down: "/a/b" gives "/", "/a",
// "/a/b".
QStringList folderChain(const QString &path);

} // namespace pelk::forms

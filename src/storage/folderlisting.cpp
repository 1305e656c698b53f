#include "folderlisting.h"

#include "text/utf8text.h"

#include <QDir>

#include <algorithm>
#include <numeric>

#include <dirent.h>
#include <sys/stat.h>

namespace pelk::forms {

FolderEntries readFolder(const QString &path, int kinds)
{
    FolderEntries entries;
    const QByteArray folder = QFile::encodeName(path);
    DIR *dir = opendir(folder.constData());
    if (!dir) {
        entries.readable = false;
        return entries;
    }
    const int fd = dirfd(dir);
    while (const dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.')
            continue;
        bool isFile = entry->d_type == DT_REG;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            // Follow links; a dangling link or a loop fails and is skipped.
            struct stat target;
            if (fstatat(fd, name, &target, 0) != 0)
                continue;
            isFile = S_ISREG(target.st_mode);
            isFolder = S_ISDIR(target.st_mode);
        }
        QStringList *list = isFile && (kinds & ListFiles) ? &entries.files
                            : isFolder && (kinds & ListFolders) ? &entries.folders
                                                                : nullptr;
        if (!list)
            continue;
        std::optional<QString> decoded = validUtf8Text(QByteArrayView(name));
        if (!decoded)
            continue; // no path built from it could name the file again
        list->append(std::move(*decoded));
    }
    closedir(dir);
    return entries;
}

// ---------------------------------------------------------------------------

FilePattern::FilePattern(const QString &pattern) : m_text(pattern)
{
    for (const QString &part : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (trimmed.isEmpty())
            continue;
        const QStringView rest = QStringView(trimmed).mid(1);
        const bool plainSuffix = trimmed.startsWith(QLatin1Char('*')) && !rest.contains(QLatin1Char('*'))
                                 && !rest.contains(QLatin1Char('?'));
        if (plainSuffix && rest.startsWith(QLatin1Char('.')) && rest.count(QLatin1Char('.')) == 1)
            m_extensions.insert(rest.mid(1).toString().toCaseFolded());
        else if (plainSuffix)
            m_suffixes.append(rest.toString());
        else
            m_parts.append(trimmed);
    }
}

namespace {
bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

// Wildcard match of a whole name: '*' any run, '?' one character.
bool wildcardMatch(QStringView pattern, QStringView name)
{
    qsizetype p = 0, n = 0, star = -1, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || sameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}
} // namespace

bool FilePattern::matches(QStringView name) const
{
    if (m_parts.isEmpty() && m_suffixes.isEmpty() && m_extensions.isEmpty())
        return true;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && !m_extensions.isEmpty() && m_extensions.contains(name.mid(dot + 1).toString().toCaseFolded()))
        return true;
    for (const QString &suffix : m_suffixes)
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    for (const QString &part : m_parts)
        if (wildcardMatch(part, name))
            return true;
    return false;
}

QStringList filterNames(const QStringList &names, const FilePattern &pattern)
{
    QStringList kept;
    kept.reserve(names.size());
    for (const QString &name : names)
        if (pattern.matches(name))
            kept.append(name);
    return kept;
}

// ---------------------------------------------------------------------------

QByteArray nameSortKey(QStringView name)
{
    // Letters folded to one case, in UTF-8; a run of digits as a marker,
    // the count of its significant digits, then those digits, so that a
    // shorter number sorts first and equal lengths compare digit by digit.
    QByteArray key;
    key.reserve(name.size() + 8);
    qsizetype k = 0;
    while (k < name.size()) {
        const QChar c = name[k];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            qsizetype end = k;
            while (end < name.size() && name[end].unicode() >= '0' && name[end].unicode() <= '9')
                ++end;
            qsizetype first = k;
            while (first < end - 1 && name[first] == QLatin1Char('0'))
                ++first;
            key.append('0');
            key.append(char(qMin<qsizetype>(end - first, 255)));
            for (qsizetype d = first; d < end; ++d)
                key.append(char(name[d].unicode()));
            k = end;
        } else if (c.unicode() < 0x80) {
            key.append(char(c.unicode() >= 'A' && c.unicode() <= 'Z' ? c.unicode() + 32 : c.unicode()));
            ++k;
        } else {
            const qsizetype length = c.isHighSurrogate() && k + 1 < name.size() ? 2 : 1;
            key.append(name.mid(k, length).toString().toCaseFolded().toUtf8());
            k += length;
        }
    }
    return key;
}

void sortNames(QStringList &names)
{
    std::vector<QByteArray> keys;
    keys.reserve(names.size());
    for (const QString &name : names)
        keys.push_back(nameSortKey(name));
    std::vector<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int byKey = keys[a].compare(keys[b]);
        if (byKey != 0)
            return byKey < 0;
        return names[a] < names[b]; // "a1" and "a01", "A" and "a": a fixed order
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (qsizetype index : order)
        sorted.append(std::move(names[index]));
    names = std::move(sorted);
}

// ---------------------------------------------------------------------------

bool isUserVolume(const QString &rootPath, const QByteArray &device, const QByteArray &fileSystemType)
{
    if (rootPath == QLatin1String("/"))
        return true;
    static const QStringList systemFolders = {QStringLiteral("/boot"), QStringLiteral("/dev"), QStringLiteral("/proc"),
                                              QStringLiteral("/sys"),  QStringLiteral("/snap"), QStringLiteral("/var"),
                                              QStringLiteral("/run"),  QStringLiteral("/efi"),  QStringLiteral("/tmp")};
    const bool removableFolder = rootPath.startsWith(QLatin1String("/run/media/"));
    for (const QString &folder : systemFolders)
        if (!removableFolder && (rootPath == folder || rootPath.startsWith(folder + QLatin1Char('/'))))
            return false;
    static const QList<QByteArray> pseudo = {"tmpfs", "squashfs", "overlay", "ramfs", "devtmpfs", "proc", "sysfs",
                                             "cgroup", "cgroup2", "autofs", "fuse.portal", "fusectl", "tracefs"};
    if (pseudo.contains(fileSystemType))
        return false;
    static const QList<QByteArray> network = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p", "fuse.rclone"};
    return device.startsWith("/dev/") || network.contains(fileSystemType);
}

QString driveOfPath(const QString &path, const QStringList &drives)
{
    QString best;
    for (const QString &drive : drives) {
        const bool holds = path == drive || drive == QLatin1String("/")
                           || path.startsWith(drive.endsWith(QLatin1Char('/')) ? drive : drive + QLatin1Char('/'));
        if (holds && drive.size() > best.size())
            best = drive;
    }
    return best;
}

QStringList folderChain(const QString &path)
{
    QStringList chain;
    QString current = QDir::cleanPath(path);
    if (!current.startsWith(QLatin1Char('/')))
        return chain;
    chain.prepend(current);
    while (current != QLatin1String("/")) {
        const qsizetype slash = current.lastIndexOf(QLatin1Char('/'));
        current = slash <= 0 ? QStringLiteral("/") : current.left(slash);
        chain.prepend(current);
    }
    return chain;
}

} // namespace pelk::forms

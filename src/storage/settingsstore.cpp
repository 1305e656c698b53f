#include "settingsstore.h"

#include "atomicfile.h"
#include "inifile.h"
#include "paths.h"
#include "text/utf8text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pelk::settings {

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

void appendHex(QString &out, char16_t code)
{
    out += QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

QString unescapedName(const QString &name)
{
    return utf8Text(QByteArray::fromPercentEncoding(name.toUtf8()));
}

// Values that would not survive as the bare text after '=' (blanks at either
// end, a leading quote, control characters) are written quoted, with
// backslash escapes.
QString encodeValue(const QString &value)
{
    const bool quoted = !value.isEmpty()
                        && (isBlank(value.front()) || isBlank(value.back()) || value.front() == QLatin1Char('"')
                            || std::any_of(value.begin(), value.end(), isControl));
    if (!quoted)
        return value;
    QString out = QStringLiteral("\"");
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (isControl(c)) {
                out += QLatin1String("\\x");
                appendHex(out, c.unicode());
            } else {
                out += c;
            }
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString decodeValue(const QString &text)
{
    if (text.size() < 2 || text.front() != QLatin1Char('"') || text.back() != QLatin1Char('"'))
        return text;
    const QStringView inner = QStringView(text).sliced(1, text.size() - 2);
    QString out;
    out.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c != QLatin1Char('\\') || i + 1 == inner.size()) {
            out += c;
            continue;
        }
        const QChar next = inner[++i];
        switch (next.unicode()) {
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        case '\\':
        case '"': out += next; break;
        case 'x': {
            bool ok = false;
            const int code = i + 2 < inner.size() ? inner.sliced(i + 1, 2).toInt(&ok, 16) : 0;
            if (ok) {
                out += QChar(code);
                i += 2;
            } else {
                out += c;
                out += next;
            }
            break;
        }
        default:
            out += c;
            out += next;
        }
    }
    return out;
}

// An exclusive lock on the settings folder for as long as it lives. It
// leaves no file behind, goes with the process, and costs no write to
// disk, as a lock file would.
class FolderLock {
public:
    explicit FolderLock(const QString &folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            m_error = errno;
            ::close(m_fd);
            m_fd = -1;
        } else if (m_fd < 0) {
            m_error = errno;
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    bool held() const { return m_fd >= 0; }
    int error() const { return m_error; }

private:
    int m_fd;
    int m_error = 0;
};

FileReader &fileReader()
{
    static FileReader reader;
    return reader;
}

files::ReadResult readFile(const QString &path)
{
    const FileReader &reader = fileReader();
    return reader ? reader(path, files::kMaxFileBytes) : files::readRegularFile(path, files::kMaxFileBytes);
}

} // namespace

void setFileReader(FileReader reader)
{
    fileReader() = std::move(reader);
}

QString entryPath(const Entries &entries, const QString &section, const QString &key)
{
    const QString wanted = escapedName(section) + QLatin1Char('/') + escapedName(key);
    for (auto it = entries.begin(); it != entries.end(); ++it)
        if (it.key().compare(wanted, Qt::CaseInsensitive) == 0)
            return it.key();
    return wanted;
}

QString escapedName(const QString &name)
{
    static const QString special = QStringLiteral("%/\\=[];#\"");
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const bool atEnd = i == 0 || i == name.size() - 1;
        if (special.contains(c) || isControl(c) || (atEnd && isBlank(c))) {
            out += QLatin1Char('%');
            appendHex(out, c.unicode());
        } else {
            out += c;
        }
    }
    return out;
}

Entries parseSettings(const QByteArray &file)
{
    Entries entries;
    QSet<QString> seen; // the first of several same keys counts
    QString section;
    qsizetype start = 0;
    while (start < file.size()) {
        qsizetype end = file.indexOf('\n', start);
        if (end < 0)
            end = file.size();
        const ini::Line line = ini::parseLine(QByteArrayView(file).sliced(start, end - start));
        start = end + 1;
        if (line.kind == ini::Line::Section) {
            section = escapedName(unescapedName(utf8Text(line.name)));
            continue;
        }
        if (line.kind != ini::Line::Entry || section.isEmpty())
            continue;
        const QString key = escapedName(unescapedName(utf8Text(line.name)));
        if (key.isEmpty())
            continue;
        const QString path = section + QLatin1Char('/') + key;
        if (seen.contains(path.toLower()))
            continue;
        seen.insert(path.toLower());
        entries.insert(path, decodeValue(utf8Text(line.value)));
    }
    return entries;
}

QByteArray formatSettings(const Entries &entries)
{
    // Sections in the order of their first key, keys in map order.
    QStringList sections;
    QMap<QString, QStringList> lines;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash <= 0)
            continue;
        const QString section = it.key().left(slash);
        if (!lines.contains(section))
            sections.append(section);
        lines[section].append(it.key().mid(slash + 1) + QLatin1Char('=') + encodeValue(it.value()));
    }
    QString text;
    for (const QString &section : sections) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + section + QLatin1String("]\n");
        for (const QString &line : lines[section])
            text += line + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QString value(const QString &appName, const QString &section, const QString &key, const QString &defaultValue)
{
    if (section.isEmpty() || key.isEmpty())
        return defaultValue;
    const files::ReadResult read = readFile(paths::settingsFile(appName));
    if (read.status != files::ReadResult::Read)
        return defaultValue;
    const Entries entries = parseSettings(read.bytes);
    return entries.value(entryPath(entries, section, key), defaultValue);
}

Status setValue(const QString &appName, const QString &section, const QString &key, const QString &value)
{
    if (section.isEmpty() || key.isEmpty())
        return Error(errInvalidProcedureCall);
    const QString path = paths::settingsFile(appName);
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder))
        return fileError(errno ? errno : EACCES, folder);
    // Another process saving at the same time would otherwise lose one of
    // the two values.
    const FolderLock lock(folder);
    if (!lock.held())
        return fileError(lock.error(), folder);
    const files::ReadResult read = readFile(path);
    // A file that is there but cannot be read is not an empty store:
    // writing it would lose every value it holds.
    if (read.status != files::ReadResult::Read && read.status != files::ReadResult::Missing)
        return files::readError(read, path);
    Entries entries = parseSettings(read.bytes);
    const QString stored = entryPath(entries, section, key);
    // Already in the file as it is: nothing to write. Windows save every
    // value on each change, most of them unchanged.
    const auto existing = entries.constFind(stored);
    if (existing != entries.cend() && *existing == value)
        return {};
    entries.insert(stored, value);
    // Renamed into place before it returns, so a kill right after keeps it.
    return files::writeFileAtomically(path, formatSettings(entries), files::Durability::Renamed);
}

} // namespace pelk::settings

#include "inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

namespace pelk::ini {

namespace {

struct RawLine {
    qsizetype start;   // offset of the line's text
    qsizetype textEnd; // end of the text, before its line ending
    qsizetype end;     // end of the line ending
};

QList<RawLine> splitLines(const QByteArray &file)
{
    QList<RawLine> lines;
    qsizetype start = 0;
    const qsizetype size = file.size();
    while (start < size) {
        const qsizetype newline = file.indexOf('\n', start);
        if (newline < 0) {
            lines.append({start, size, size});
            break;
        }
        const qsizetype textEnd = newline > start && file[newline - 1] == '\r' ? newline - 1 : newline;
        lines.append({start, textEnd, newline + 1});
        start = newline + 1;
    }
    return lines;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isOneLine(QByteArrayView text)
{
    return !text.contains('\n') && !text.contains('\r') && !text.contains('\0');
}

} // namespace

Line parseLine(QByteArrayView line)
{
    // A byte order mark in front of the first line is not part of it.
    if (line.startsWith("\xEF\xBB\xBF"))
        line = line.sliced(3);
    const QByteArrayView text = line.trimmed();
    Line parsed;
    if (text.startsWith('[')) {
        const qsizetype close = text.indexOf(']');
        if (close > 0) {
            parsed.kind = Line::Section;
            parsed.name = text.sliced(1, close - 1).trimmed().toByteArray();
        }
        return parsed;
    }
    if (text.startsWith(';'))
        return parsed;
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return parsed;
    parsed.kind = Line::Entry;
    parsed.name = text.first(equals).trimmed().toByteArray();
    parsed.value = text.sliced(equals + 1).trimmed().toByteArray();
    return parsed;
}

std::optional<QByteArray> setProfileString(const QByteArray &file, const QByteArray &sectionName,
                                           const QByteArray &keyName, const QByteArray &value)
{
    const QByteArray section = sectionName.trimmed();
    const QByteArray key = keyName.trimmed();
    if (section.isEmpty() || key.isEmpty() || !isOneLine(section) || !isOneLine(key) || !isOneLine(value)
        || section.contains(']') || key.contains('=') || key.startsWith(';') || key.startsWith('['))
        return std::nullopt;

    const QList<RawLine> lines = splitLines(file);
    const QByteArrayView bytes(file);
    const auto text = [&](const RawLine &line) { return bytes.sliced(line.start, line.textEnd - line.start); };
    const auto ending = [&](const RawLine &line) { return bytes.sliced(line.textEnd, line.end - line.textEnd); };

    enum { Outside, FirstSection, LaterSection } where = Outside;
    qsizetype keyLine = -1;     // the occurrence that is rewritten
    QList<qsizetype> surplus;   // further occurrences, removed
    qsizetype insertAfter = -1; // last non-blank line of the first matching section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = parseLine(text(lines[i]));
        if (line.kind == Line::Section) {
            if (!sameName(line.name, section)) {
                where = Outside;
            } else if (insertAfter < 0) {
                where = FirstSection;
                insertAfter = i;
            } else {
                where = LaterSection;
            }
            continue;
        }
        if (where == Outside)
            continue;
        if (line.kind == Line::Entry && sameName(line.name, key)) {
            if (keyLine < 0)
                keyLine = i;
            else
                surplus.append(i);
        }
        if (where == FirstSection && !text(lines[i]).trimmed().isEmpty())
            insertAfter = i;
    }

    const QByteArray entry = key + '=' + value;
    const qsizetype firstNewline = file.indexOf('\n');
    const QByteArray fileEnding = firstNewline < 0 ? QByteArray("\r\n")
                                  : firstNewline > 0 && file[firstNewline - 1] == '\r' ? QByteArray("\r\n")
                                                                                     : QByteArray("\n");
    QByteArray out;
    out.reserve(file.size() + section.size() + entry.size() + 8);

    if (keyLine >= 0) {
        qsizetype next = 0; // into surplus, which is in file order
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const RawLine &line = lines[i];
            if (i == keyLine) {
                if (i == 0 && text(line).startsWith("\xEF\xBB\xBF"))
                    out += "\xEF\xBB\xBF";
                out += entry;
                out += ending(line);
            } else if (next < surplus.size() && surplus[next] == i) {
                ++next;
                // Removing the unterminated last line leaves the line before
                // it last, unterminated as the file was.
                if (ending(line).isEmpty()) {
                    if (out.endsWith("\r\n"))
                        out.chop(2);
                    else if (out.endsWith('\n'))
                        out.chop(1);
                }
            } else {
                out += bytes.sliced(line.start, line.end - line.start);
            }
        }
        return out;
    }

    if (insertAfter >= 0) {
        const RawLine &after = lines[insertAfter];
        out += bytes.first(after.end);
        if (ending(after).isEmpty()) {
            out += fileEnding;
            out += entry;
        } else {
            out += entry;
            out += ending(after);
        }
        out += bytes.sliced(after.end);
        return out;
    }

    out += file;
    const bool terminated = file.isEmpty() || file.endsWith('\n');
    if (!terminated)
        out += fileEnding;
    out += '[' + section + ']' + fileEnding + entry;
    if (terminated)
        out += fileEnding;
    return out;
}

namespace {

// A temporary file beside the target renamed over it: without the fsync a
// save file does, so a save costs microseconds, not milliseconds.
bool writeAndRename(const QString &path, const QByteArray &contents)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return false;
    const QFileInfo target(path);
    if (target.exists())
        file.setPermissions(target.permissions());
    // A short write (a full disk) shows in the count or in the flush.
    if (file.write(contents) != contents.size() || !file.flush())
        return false;
    file.close();
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &contents, Durability durability)
{
    if (durability == Durability::Renamed)
        return writeAndRename(path, contents);
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count: a failing flush inside commit() goes unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value)
{
    QByteArray before;
    const QFileInfo info(path);
    if (info.exists()) {
        if (!info.isFile())
            return false;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        before = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return false;
    }
    const std::optional<QByteArray> after = setProfileString(before, section, key, value);
    if (!after)
        return false;
    return writeFileAtomically(path, *after);
}

} // namespace pelk::ini

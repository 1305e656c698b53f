#include "inifile.h"

#include "atomicfile.h"
#include "filereading.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cerrno>
#include <utility>


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

Line parseLine(QByteArrayView line, OrderMark mark)
{
    // Unless read as text, a byte order mark in front of a section header
    // (the first line of a file saved with one) is not part of the line; in
    // front of a key it is part of the key's name.
    if (mark == OrderMark::DroppedBeforeSection && line.startsWith("\xEF\xBB\xBF")
        && line.sliced(3).trimmed().startsWith('['))
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

namespace {

// Where a key stands in a file: the occurrence to rewrite, the later ones to
// drop, and the line a missing key goes after.
struct KeyPlaces {
    qsizetype keyLine = -1;     // the occurrence that is rewritten
    QList<qsizetype> surplus;   // further occurrences, in file order
    qsizetype insertAfter = -1; // last non-blank line of the first matching section
};

// The file split into its lines, with their texts and endings as views.
class LinesOf {
public:
    explicit LinesOf(const QByteArray &file) : m_bytes(file), m_lines(splitLines(file)) {}
    qsizetype size() const { return m_lines.size(); }
    const RawLine &operator[](qsizetype i) const { return m_lines[i]; }
    QByteArrayView text(const RawLine &line) const { return m_bytes.sliced(line.start, line.textEnd - line.start); }
    QByteArrayView ending(const RawLine &line) const { return m_bytes.sliced(line.textEnd, line.end - line.textEnd); }
    QByteArrayView whole(const RawLine &line) const { return m_bytes.sliced(line.start, line.end - line.start); }
    QByteArrayView bytes() const { return m_bytes; }

private:
    QByteArrayView m_bytes;
    QList<RawLine> m_lines;
};

// The line ending a line added after line `at` takes: that of the nearest
// terminated line at or before it, else the file's first, else CR LF.
QByteArrayView endingNear(const LinesOf &lines, qsizetype at)
{
    for (qsizetype i = at; i >= 0; --i)
        if (!lines.ending(lines[i]).isEmpty())
            return lines.ending(lines[i]);
    for (qsizetype i = at + 1; i < lines.size(); ++i)
        if (!lines.ending(lines[i]).isEmpty())
            return lines.ending(lines[i]);
    return "\r\n";
}

// The ending that terminates an unterminated last line: a lone LF after a
// CR the line ends with would make the two one line ending, taking the CR
// from the line's text.
QByteArrayView endingAfter(QByteArrayView text, QByteArrayView ending)
{
    return text.endsWith('\r') ? QByteArrayView("\r\n") : ending;
}

KeyPlaces findKey(const LinesOf &lines, const QByteArray &section, const QByteArray &key)
{
    enum { Outside, FirstSection, LaterSection } where = Outside;
    KeyPlaces places;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = parseLine(lines.text(lines[i]));
        if (line.kind == Line::Section) {
            if (!sameName(line.name, section)) {
                where = Outside;
            } else if (places.insertAfter < 0) {
                where = FirstSection;
                places.insertAfter = i;
            } else {
                where = LaterSection;
            }
            continue;
        }
        if (where == Outside)
            continue;
        if (line.kind == Line::Entry && sameName(line.name, key)) {
            if (places.keyLine < 0)
                places.keyLine = i;
            else
                places.surplus.append(i);
        }
        if (where == FirstSection && !lines.text(lines[i]).trimmed().isEmpty())
            places.insertAfter = i;
    }
    return places;
}

// The file with the key's line replaced by `entry` and its later copies
// removed.
QByteArray rewriteKey(const LinesOf &lines, const KeyPlaces &places, const QByteArray &entry)
{
    QByteArray out;
    out.reserve(lines.bytes().size() + entry.size());
    qsizetype next = 0;          // into surplus, which is in file order
    bool lastKeptIsEmpty = false; // the line written last has no text
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const RawLine &line = lines[i];
        if (i == places.keyLine) {
            out += entry;
            out += lines.ending(line);
            lastKeptIsEmpty = false;
        } else if (next < places.surplus.size() && places.surplus[next] == i) {
            ++next;
            // Removing the unterminated last line leaves the line before
            // it last, unterminated as the file was; an empty line keeps its
            // ending, which is all it is.
            if (lines.ending(line).isEmpty() && !lastKeptIsEmpty) {
                if (out.endsWith("\r\n"))
                    out.chop(2);
                else if (out.endsWith('\n'))
                    out.chop(1);
            }
        } else {
            out += lines.whole(line);
            lastKeptIsEmpty = line.textEnd == line.start;
        }
    }
    return out;
}

// The file with `entry` added after the first matching section's last
// line, or with the section and the entry added at its end.
QByteArray insertKey(const LinesOf &lines, const KeyPlaces &places, const QByteArray &section,
                     const QByteArray &entry)
{
    const QByteArrayView bytes = lines.bytes();
    QByteArray out;
    out.reserve(bytes.size() + section.size() + entry.size() + 8);

    if (places.insertAfter >= 0) {
        const RawLine &after = lines[places.insertAfter];
        const QByteArray ending = endingNear(lines, places.insertAfter).toByteArray();
        out += bytes.first(after.end);
        if (lines.ending(after).isEmpty()) {
            out += endingAfter(lines.text(after), ending);
            out += entry;
        } else {
            out += entry;
            out += ending;
        }
        out += bytes.sliced(after.end);
        return out;
    }

    const QByteArray ending = endingNear(lines, lines.size() - 1).toByteArray();
    out += bytes;
    const bool terminated = bytes.isEmpty() || bytes.endsWith('\n');
    if (!terminated)
        out += endingAfter(lines.text(lines[lines.size() - 1]), ending);
    out += '[' + section + ']' + ending + entry;
    if (terminated)
        out += ending;
    return out;
}

} // namespace

std::optional<QByteArray> setProfileString(const QByteArray &file, const QByteArray &sectionName,
                                           const QByteArray &keyName, const QByteArray &value)
{
    const QByteArray section = sectionName.trimmed();
    const QByteArray key = keyName.trimmed();
    if (section.isEmpty() || key.isEmpty() || !isOneLine(section) || !isOneLine(key) || !isOneLine(value)
        || section.contains(']') || key.contains('=') || key.startsWith(';') || key.startsWith('[')
        || key.startsWith("\xEF\xBB\xBF"))
        return std::nullopt;

    const LinesOf lines(file);
    const KeyPlaces places = findKey(lines, section, key);
    const QByteArray entry = key + '=' + value;
    if (places.keyLine >= 0)
        return rewriteKey(lines, places, entry);
    return insertKey(lines, places, section, entry);
}

Status writeProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                          const QByteArray &value)
{
    const files::ReadResult read = files::readRegularFile(path, files::kMaxFileBytes);
    if (read.status != files::ReadResult::Read && read.status != files::ReadResult::Missing)
        return files::readError(read, path);
    const std::optional<QByteArray> after = setProfileString(read.bytes, section, key, value);
    if (!after)
        return Error(errInvalidProcedureCall);
    return files::writeFileAtomically(path, *after);
}

} // namespace pelk::ini

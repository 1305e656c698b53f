// The INI writer against a small reader of its own: after setting a key the
// file holds exactly one matching key with the value, and every other line
// is there with its bytes; or the write is refused, exactly for the names
// and values the writer documents as unwritable.
// Input: section, key, value and the file, separated by 0x1F.
#include "fuzzing.h"
#include "storage/inifile.h"

#include <QList>

#include <optional>

using namespace pelk;

namespace {

struct RefLine {
    QByteArray text, ending;
};

QList<RefLine> linesOf(const QByteArray &file)
{
    QList<RefLine> lines;
    for (qsizetype from = 0; from < file.size();) {
        qsizetype end = file.indexOf('\n', from);
        RefLine line;
        if (end < 0) {
            line.text = file.mid(from);
            from = file.size();
        } else {
            line.text = file.mid(from, end - from);
            line.ending = "\n";
            if (line.text.endsWith('\r')) {
                line.text.chop(1);
                line.ending = "\r\n";
            }
            from = end + 1;
        }
        lines << line;
    }
    return lines;
}

bool same(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A line without its blanks; a byte order mark in front of a header is not
// part of it.
QByteArray body(const QByteArray &text)
{
    if (text.startsWith("\xEF\xBB\xBF") && text.mid(3).trimmed().startsWith('['))
        return text.mid(3).trimmed();
    return text.trimmed();
}

// The section a header line opens, if it is one: "[name]".
std::optional<QByteArray> headerName(const QByteArray &text)
{
    const QByteArray line = body(text);
    const qsizetype close = line.indexOf(']');
    if (!line.startsWith('[') || close <= 0)
        return std::nullopt;
    return line.mid(1, close - 1).trimmed();
}

// The key of an entry line: no '[' line, no ';' comment, and it holds '='.
std::optional<QByteArray> entryName(const QByteArray &text)
{
    const QByteArray line = body(text);
    if (line.startsWith('[') || line.startsWith(';') || !line.contains('='))
        return std::nullopt;
    return line.left(line.indexOf('=')).trimmed();
}

// Indexes of the lines holding `key` in sections named `section`.
QList<qsizetype> keyLines(const QList<RefLine> &lines, const QByteArray &section, const QByteArray &key)
{
    QList<qsizetype> found;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = headerName(lines[i].text)) {
            inSection = same(*name, section);
            continue;
        }
        const auto name = entryName(lines[i].text);
        if (inSection && name && same(*name, key))
            found << i;
    }
    return found;
}

bool sectionExists(const QList<RefLine> &lines, const QByteArray &section)
{
    for (const RefLine &line : lines)
        if (const auto name = headerName(line.text); name && same(*name, section))
            return true;
    return false;
}

bool unwritable(const QByteArray &sectionName, const QByteArray &keyName, const QByteArray &value)
{
    const QByteArray section = sectionName.trimmed(), key = keyName.trimmed();
    const auto multiLine = [](const QByteArray &s) { return s.contains('\n') || s.contains('\r') || s.contains('\0'); };
    return section.isEmpty() || key.isEmpty() || multiLine(section) || multiLine(key) || multiLine(value)
           || section.contains(']') || key.contains('=') || key.startsWith(';') || key.startsWith('[')
           || key.startsWith("\xEF\xBB\xBF");
}

QString show(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toPercentEncoding(" []=;"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList in = fuzz::fields(data, size, 4);
    const QByteArray &section = in[0], &key = in[1], &value = in[2], &file = in[3];
    const std::optional<QByteArray> written = ini::setProfileString(file, section, key, value);
    FUZZ_CHECK(written.has_value() == !unwritable(section, key, value), show(section) + " " + show(key));
    if (!written)
        return 0;

    const QByteArray wantedSection = section.trimmed(), wantedKey = key.trimmed();
    const QList<RefLine> before = linesOf(file), after = linesOf(*written);
    const QList<qsizetype> oldKeys = keyLines(before, wantedSection, wantedKey);
    const QList<qsizetype> newKeys = keyLines(after, wantedSection, wantedKey);
    const QString detail = show(file) + "\n->\n" + show(*written);

    // Exactly one key, holding the value.
    FUZZ_CHECK(newKeys.size() == 1, detail);
    FUZZ_CHECK(after[newKeys[0]].text == wantedKey + '=' + value, detail);

    // Every other line, in order, with its text; a section header more when
    // the section was missing.
    QList<RefLine> others = before, rest = after;
    for (qsizetype k = oldKeys.size() - 1; k >= 0; --k)
        others.removeAt(oldKeys[k]);
    rest.removeAt(newKeys[0]);
    const bool sectionAdded = !sectionExists(before, wantedSection);
    FUZZ_CHECK(rest.size() == others.size() + (sectionAdded ? 1 : 0), detail);
    if (sectionAdded) {
        FUZZ_CHECK(rest.last().text == '[' + wantedSection + ']', detail);
        FUZZ_CHECK(newKeys[0] == after.size() - 1, detail);
        rest.removeLast();
    }
    for (qsizetype i = 0; i < others.size(); ++i) {
        FUZZ_CHECK(rest[i].text == others[i].text, detail);
        // Line endings stay, but for the line that now ends the file or
        // stands before the new line, whose ending may move.
        const bool lastOrBeforeNew = i == others.size() - 1 || i == newKeys[0] - 1;
        FUZZ_CHECK(rest[i].ending == others[i].ending || lastOrBeforeNew, detail);
    }
    // A new line ends as lines of the file do (CR LF in a file without one).
    const auto endsAsTheFile = [&](const QByteArray &ending) {
        bool any = false;
        for (const RefLine &line : before) {
            if (line.ending == ending)
                return true;
            any = any || !line.ending.isEmpty();
        }
        return !any && ending == "\r\n";
    };
    const QByteArray newEnding = after[newKeys[0]].ending;
    if (oldKeys.isEmpty() && !newEnding.isEmpty())
        FUZZ_CHECK(endsAsTheFile(newEnding), detail);
    if (sectionAdded)
        FUZZ_CHECK(endsAsTheFile(after[newKeys[0] - 1].ending), detail);

    // Writing the same again changes nothing.
    FUZZ_CHECK(ini::setProfileString(*written, section, key, value) == written, detail);
    return 0;
}

// INI files as bytes: reading one line, and setting one key while every
// other byte of the file stays as it was.
#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace pelk::ini {

struct Line {
    enum Kind { Other, Section, Entry };
    Kind kind = Other;
    QByteArray name;  // section or key name, blanks trimmed
    QByteArray value; // an entry's value, blanks trimmed
};

// What a byte order mark at the start of a line is: dropped in front of a
// section header (the first line of a file saved with one), or text, for a
// reader that drops the file's own mark and takes any later one as text.
enum class OrderMark { DroppedBeforeSection, Text };

// One line without its line ending. "[name]" is a section header; a line
// with '=' that is not a ';' comment is an entry; anything else is other.
Line parseLine(QByteArrayView line, OrderMark mark = OrderMark::DroppedBeforeSection);

// The file with `key` in `section` set to `value`. Section and key names
// match without regard to case; the first occurrence of the key is rewritten
// in place and any further one removed; a missing key is added at the end of
// the first matching section, a missing section at the end of the file. New
// lines take the ending of the lines around them (CR LF for a new file).
// nullopt when a name or the value cannot be written as one line (a line
// break or NUL, an empty name, '=' in a key, ']' in a section) or a key
// could not be found again (one that reads as a comment, a section header
// or a byte order mark).
std::optional<QByteArray> setProfileString(const QByteArray &file, const QByteArray &section, const QByteArray &key,
                                           const QByteArray &value);

// Reads the file at `path` (none yet: empty), sets the key and writes it
// back atomically. The error, with the file untouched, when it cannot: a
// file that is no plain file or larger than files::kMaxFileBytes, one that
// cannot be read or written, or a name or value that cannot be written as
// one line (errInvalidProcedureCall).
Status writeProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                          const QByteArray &value);

} // namespace pelk::ini

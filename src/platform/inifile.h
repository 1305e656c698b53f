// INI files as bytes: reading one line, and setting one key while every
// other byte of the file stays as it was.
#pragma once

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

// One line without its line ending. "[name]" is a section header; a line
// with '=' that is not a ';' comment is an entry; anything else is other.
Line parseLine(QByteArrayView line);

// The file with `key` in `section` set to `value`. Section and key names
// match without regard to case; the first occurrence of the key is rewritten
// in place and any further one removed; a missing key is added at the end of
// the first matching section, a missing section at the end of the file. New
// lines use the file's line ending (CR LF for a new file). nullopt when a
// name or the value cannot be written as one line (a line break or NUL, an
// empty name, '=' in a key, ']' in a section).
std::optional<QByteArray> setProfileString(const QByteArray &file, const QByteArray &section, const QByteArray &key,
                                           const QByteArray &value);

// How far a write must have gone when it returns: flushed to the disk, or
// only renamed into place, which survives the process but not a power cut.
enum class Durability { Synced, Renamed };

// Replaces the file's contents in one step: the old contents stay whole
// until the new ones are complete. False, with the old file kept, when it
// cannot write.
bool writeFileAtomically(const QString &path, const QByteArray &contents,
                         Durability durability = Durability::Synced);

// Reads the file at `path` (none yet: empty), sets the key and writes it
// back atomically. False, with the file untouched, when it cannot.
bool writeProfileString(const QString &path, const QByteArray &section, const QByteArray &key,
                        const QByteArray &value);

} // namespace pelk::ini

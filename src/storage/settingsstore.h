// The settings store: one INI file per application name (paths::settingsFile),
// a section per group, string values. Values come back letter for letter;
// a missing key, or a file edited into nonsense, yields the default.
#pragma once

#include "filereading.h"

#include "platform/result.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>

namespace pelk::settings {

// The stored value, or the default when there is none or the file cannot be
// read.
QString value(const QString &appName, const QString &section, const QString &key, const QString &defaultValue);
// Written to disk, atomically, before it returns. The error, with the file
// as it was, when it cannot be: a file that cannot be read (it would be
// rewritten without the values it holds), is no plain file, or cannot be
// written; errInvalidProcedureCall for an empty section or key.
Status setValue(const QString &appName, const QString &section, const QString &key, const QString &value);

// How the store reads its file. Tests put in one that fails as a broken
// disk does, which no file mode makes happen for root; an empty one puts
// back files::readRegularFile.
using FileReader = std::function<files::ReadResult(const QString &path, qint64 maxBytes)>;
void setFileReader(FileReader reader);

// The file format, exposed for tests: "section/key" (names percent-encoded)
// to value.
using Entries = QMap<QString, QString>;
Entries parseSettings(const QByteArray &file);
QByteArray formatSettings(const Entries &entries);
// A section or key name as it stands in the file and in an entry's path.
QString escapedName(const QString &name);
// The path of the entry for (section, key): names match without regard to
// case and keep the spelling they were first saved with.
QString entryPath(const Entries &entries, const QString &section, const QString &key);

} // namespace pelk::settings

// The settings store: one INI file per application name (paths::settingsFile),
// a section per group, string values. Values come back letter for letter;
// a missing key, or a file edited into nonsense, yields the default.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace pelk::settings {

QString value(const QString &appName, const QString &section, const QString &key, const QString &defaultValue);
// Written to disk, atomically, before it returns. False when it could not be.
bool setValue(const QString &appName, const QString &section, const QString &key, const QString &value);

// The file format, exposed for tests: "section/key" (names percent-encoded)
// to value.
using Entries = QMap<QString, QString>;
Entries parseSettings(const QByteArray &file);
QByteArray formatSettings(const Entries &entries);
// A section or key name as it stands in the file and in an entry's path.
QString encodeName(const QString &name);

} // namespace pelk::settings

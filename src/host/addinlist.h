// What the host reads: its add-in list ("vbaddin.ini", section "Add-Ins32")
// and the class registry (one section per ProgID). Both are INI files that
// other programs write; reading never fails, odd lines are passed over.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

namespace pelk::host {

// The keys and values of every section named `section` (any case), in file
// order. Blanks around names and values are dropped, and one pair of double
// quotes around a value; lines starting with ';' are comments. A key met
// twice keeps its first value.
QList<QPair<QString, QString>> iniSection(const QByteArray &ini, const QString &section);

// The ProgIDs listed in the add-in list, in file order.
QStringList addInProgIds(const QByteArray &addInList);

// A class as the registry describes it.
struct ClassRecord {
    QString progId;
    QString description;
    QString modulePath;
};

// The registry's record of `progId`, or nullopt when it has none or names no module.
std::optional<ClassRecord> findClass(const QByteArray &registry, const QString &progId);

// A file's bytes, or empty when it cannot be read, is no plain file (a pipe
// or a device would block or never end) or is larger than any INI file.
QByteArray readFileBytes(const QString &path);

} // namespace pelk::host

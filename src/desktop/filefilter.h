// The file dialog's filter and proposed name, turned into what Qt's file
// dialog takes.
#pragma once

#include <QString>
#include <QStringList>

namespace pelk {

// "description|pattern|description|pattern" to Qt name filters
// ("description (pattern pattern)"). Patterns separated by ';' match
// letters in either case, and "*.*" matches every file, as desktop file
// dialogs do. A description without a pattern is dropped.
QStringList qtNameFilters(const QString &filter);

// A proposed file name split into its folder and its name; '/' and '\' both
// separate folders. The folder is empty when the proposal has none.
struct ProposedFile {
    QString folder;
    QString name;
    bool operator==(const ProposedFile &) const = default;
};
ProposedFile splitProposedFile(const QString &fileName);

} // namespace pelk

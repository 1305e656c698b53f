// Wizard text files: a wizard's message kept in a plain text file, its title
// travelling as the file's name. Shared by both wizards.
#pragma once

#include "forms/commondialog.h"
#include "forms/controls.h"
#include "platform/services.h"

#include <functional>
#include <optional>

namespace pelk::wizard_files {

// What a file holds: the message, then one CR LF. Written as UTF-8.
QByteArray fileContent(const QString &message);

// The message a file's bytes hold: UTF-8 (a leading U+FEFF is part of the
// text), or Windows-1252 when the bytes are not valid UTF-8; the one line
// break that saving adds at the end (CR LF, or a lone LF) is removed. An
// error that says why for a file that is too large (over 1 MiB) or holds
// NUL bytes.
Result<QString> messageFromFile(const QByteArray &bytes);

// The title a chosen file stands for: its name less the last four
// characters; "Untitled" stands for an empty title. errInvalidProcedureCall
// for a name shorter than four characters.
Result<QString> titleFromFileTitle(const QString &fileTitle);

// The name Save proposes: the title or "Untitled", in the program's folder
// when the user can write there, else in the user's documents folder.
QString proposedFileName(const AppInfo &app, const QString &title, bool programFolderWritable = true);

// The name Save writes: the chosen one, with ".txt" added when it has no
// extension, so that Open can take the title back from it.
QString savedFileName(const QString &chosen);

// The fields a wizard keeps in its files.
struct Fields {
    forms::TextBox *title;
    forms::MultiLineTextBox *message;
};

// The services the file commands use.
struct Services {
    const AppInfo &app;
    Boxes &boxes;
    Dialogs &dialogs;
    Services(const AppInfo &app, Boxes &boxes, Dialogs &dialogs) : app(app), boxes(boxes), dialogs(dialogs) {}
    Services(const pelk::Services &all) : Services(all.app, all.boxes, all.dialogs) {}
};

// File, Open: asks for a file with `filter`, loads its message and title.
void Open(const Services &services, CommonDialog &dialog, const Fields &fields, const QString &filter);

// File, Save: asks for a name with `filter`, asks before replacing an
// existing file (the answer goes to `overwriteAnswer` when given) and writes
// the message atomically.
void Save(const Services &services, CommonDialog &dialog, const Fields &fields, const QString &filter,
          const std::function<void(int)> &overwriteAnswer = {});

} // namespace pelk::wizard_files

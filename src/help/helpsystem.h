// The help viewer behind WinHelpA.
#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace pelk::help {

// Opens the help file in the viewer: at a context number, the contents, the
// index searched by a partial key, or help on help (see help:: commands in
// platform/helpsystem.h); HELP_QUIT closes the viewer. Returns 1 when the request was
// shown, 0 when the help file is missing or unreadable (the viewer window
// says so itself) or the command is not one the viewer knows.
int winHelp(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data);

// The file a caller names: a bare name or a relative path lies in
// `programFolder`, an absolute path stands as it is. A backslash counts as a
// folder separator, as callers join folder and name with one.
QString resolveHelpFile(const QString &helpFile, const QString &programFolder);

} // namespace pelk::help

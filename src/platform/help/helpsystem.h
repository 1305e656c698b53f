// The help viewer behind WinHelpA.
#pragma once

#include <QString>
#include <QVariant>

class QWidget;

namespace pelk::help {

// Opens the help file in the viewer: at a context number, the contents, the
// index searched by a partial key, or help on help (see help:: commands in
// platform.h). A missing or unreadable help file is reported by the viewer.
int winHelp(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data);

} // namespace pelk::help

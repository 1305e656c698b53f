#include "helpsystem.h"

#include "helpviewer.h"
#include "storage/paths.h"
#include "platform/helpsystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace pelk::help {

namespace {
bool isViewerCommand(unsigned command)
{
    switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTEXTPOPUP:
    case HELP_CONTENTS:
    case HELP_FINDER:
    case HELP_TAB:
    case HELP_HELPONHELP:
    case HELP_KEY:
    case HELP_PARTIALKEY:
        return true;
    default:
        return false;
    }
}
} // namespace

QString resolveHelpFile(const QString &helpFile, const QString &programFolder)
{
    if (helpFile.isEmpty())
        return QString();
    QString name = helpFile;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo file(QDir::cleanPath(QDir(programFolder).filePath(name)));
    if (file.exists())
        return file.filePath();
    // An installation keeps the help file in its data folder, not beside the
    // add-in; a file found nowhere is reported by the viewer under the name
    // the caller gave.
    const QString installed = paths::dataFile(file.path(), file.fileName());
    return QFileInfo::exists(installed) ? installed : file.filePath();
}

int winHelp(QWidget *owner, const QString &helpFile, unsigned command, const QVariant &data)
{
    if (command == HELP_QUIT) {
        HelpViewer::closeInstance();
        return 1;
    }
    if (!isViewerCommand(command))
        return 0;

    HelpViewer *viewer = HelpViewer::ensureInstance();
    const bool ready = viewer->openFile(resolveHelpFile(helpFile, QCoreApplication::applicationDirPath()));
    if (ready) {
        switch (command) {
        case HELP_CONTEXT:
        case HELP_CONTEXTPOPUP:
            viewer->showContext(data.toInt());
            break;
        case HELP_HELPONHELP:
            viewer->showHelpOnHelp();
            break;
        case HELP_KEY:
            viewer->showKeyword(data.toString());
            break;
        case HELP_PARTIALKEY:
            viewer->showIndex(data.toString());
            break;
        default: // HELP_CONTENTS, HELP_FINDER, HELP_TAB
            viewer->showContents();
            break;
        }
    }
    viewer->present(owner);
    return ready ? 1 : 0;
}

} // namespace pelk::help

// pelktulvane started by hand: enters the add-in in the host's add-in list,
// registers its class, opens no window and ends; exit status 1, with what
// could not be written and why on standard error, when either write failed.
// --help and --version only print; they register nothing.
#include "desktop/desktopservices.h"
#include "platform/commandline.h"
#include "storage/paths.h"
#include "shell/addin.h"
#include "shell/registration.h"

#include <QCoreApplication>

#include <utility>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Enters the PelkTulvane add-in in the host's add-in list (vbaddin.ini) and registers its class,\n"
        "then ends. The host runs it by itself the first time it starts."));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const std::optional<int> exitCode = pelk::commandline::answerStandardOptions(
            parser, QCoreApplication::arguments(), QStringLiteral("pelktulvane"), out, err))
        return *exitCode;

    const QString folder = QCoreApplication::applicationDirPath();
    pelk::DesktopServices services(folder);
    // Started as a program, the two writes are all it does: a failure is
    // said and shows in the exit status. (The host loading the add-in does
    // not look, so the add-in loads all the same.)
    const pelk::Status listed = pelk::AddIn::Main(services);
    const pelk::Status registered = pelk::registration::RegisterServer(
        services, pelk::paths::privateLibraryFile(folder, QLatin1String(pelk::registration::kModuleFileName)));
    const std::pair<const char *, const pelk::Status *> writes[] = {{"the add-in list", &listed},
                                                                    {"the class registration", &registered}};
    int exitCode = 0;
    for (const auto &[what, written] : writes) {
        if (*written)
            continue;
        err << "pelktulvane: " << what << " could not be written: " << written->error().description() << Qt::endl;
        exitCode = 1;
    }
    return exitCode;
}

// pelktulvane started by hand: enters the add-in in the host's add-in list,
// registers its class, opens no window and ends. --help and --version only
// print; they register nothing.
#include "desktop/desktopservices.h"
#include "platform/commandline.h"
#include "storage/paths.h"
#include "shell/addin.h"
#include "shell/registration.h"

#include <QCoreApplication>


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
    // Neither write is looked at: the program ends as it always has.
    (void)pelk::AddIn::Main(services);
    (void)pelk::registration::RegisterServer(
        services, pelk::paths::privateLibraryFile(folder, QLatin1String(pelk::registration::kModuleFileName)));
    return 0;
}

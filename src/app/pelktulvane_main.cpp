// pelktulvane started by hand: enters the add-in in the host's add-in list,
// registers its class, opens no window and ends.
#include "platform/qtplatform.h"
#include "shell/addin.h"
#include "shell/registration.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    pelk::QtPlatform platform(folder);
    pelk::AddIn::Main(platform);
    pelk::registration::RegisterServer(platform,
                                       folder + QLatin1Char('/') + QLatin1String(pelk::registration::kModuleFileName));
    return 0;
}

// Saves one setting and is killed the moment SaveSetting returns:
// settings_writer <section> <key> <value>
#include "desktop/desktopservices.h"

#include <QCoreApplication>

#include <csignal>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    pelk::DesktopServices platform(QCoreApplication::applicationDirPath());
    platform.SaveSetting(platform.app().Title, QString::fromUtf8(argv[1]), QString::fromUtf8(argv[2]),
                         QString::fromUtf8(argv[3]));
    std::raise(SIGKILL);
    return 1;
}

// A process that writes the settings store, for the tests that kill one:
//   settings_writer <section> <key> <value>   saves one setting and is
//       killed the moment SaveSetting returns;
//   settings_writer --forever <bytes>          saves a value of that many
//       bytes again and again, until it is killed;
//   settings_writer --hold <file>              holds the file as a running
//       writer holds its temporary file, says "held", and waits.
#include "desktop/desktopservices.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    pelk::DesktopServices platform(QCoreApplication::applicationDirPath());
    const QString title = platform.app().Title;
    if (argc == 3 && qstrcmp(argv[1], "--forever") == 0) {
        for (char fill = 'a';; fill = fill == 'z' ? 'a' : char(fill + 1))
            (void)platform.SaveSetting(title, QStringLiteral("Large"), QStringLiteral("Value"),
                                       QString(QByteArray(argv[2]).toInt(), QLatin1Char(fill)));
    }
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0) {
        const int fd = ::open(argv[2], O_RDWR | O_CLOEXEC);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0)
            return 3;
        std::puts("held");
        std::fflush(stdout);
        ::pause();
        return 0;
    }
    if (argc != 4)
        return 2;
    (void)platform.SaveSetting(title, QString::fromUtf8(argv[1]), QString::fromUtf8(argv[2]),
                               QString::fromUtf8(argv[3]));
    std::raise(SIGKILL);
    return 1;
}

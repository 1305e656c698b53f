// Times the INI writer setting one key of a 10 MB file (the edit alone, and
// with the atomic write to disk), and one SaveSetting and one GetSetting of
// the settings store. Prints medians, the slowest run and the peak memory.
//
//   bench_storage [runs]   (default 20 for the INI writer, 50 times that for settings)
#include "storage/inifile.h"
#include "timing.h"
#include "desktop/desktopservices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

using namespace pelk;
using namespace pelk::bench;

namespace {

void report(const char *what, const std::vector<double> &ms)
{
    std::printf("%-40s median %9.3f ms   slowest %9.3f ms   (%zu runs)\n", what, percentile(ms, 0.5),
                percentile(ms, 1.0),
                ms.size());
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    QTemporaryDir home;
    qputenv("PELKTULVANE_HOME", home.path().toUtf8());

    QByteArray file;
    for (int i = 0; file.size() < 10 * 1024 * 1024; ++i)
        file += "[Section" + QByteArray::number(i) + "]\r\nKey=" + QByteArray(200, 'v') + "\r\n";
    file += "[Add-Ins32]\r\nOther.Connect=0\r\n";
    std::printf("INI file: %.1f MB\n", double(file.size()) / (1024 * 1024));
    const long before = peakKilobytes();

    report("set one key (bytes in, bytes out)", timeEach(runs, [&](int i) {
               const auto after = ini::setProfileString(file, "Add-Ins32", "PelkTulvane.Connect",
                                                        QByteArray::number(i % 2));
               if (!after || after->size() < file.size())
                   std::abort();
           }));

    const QString path = home.filePath("vbaddin.ini");
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return 1;
    out.close();
    // A failed write ends the run.
    report("set one key of the file on disk", timeEach(runs, [&](int i) {
               if (!ini::writeProfileString(path, "Add-Ins32", "PelkTulvane.Connect", QByteArray::number(i % 2)))
                   std::abort();
           }));
    std::printf("peak memory: %ld kB before the INI runs, %ld kB after\n", before, peakKilobytes());

    DesktopServices platform(QCoreApplication::applicationDirPath());
    const QString title = platform.app().Title;
    report("SaveSetting", timeEach(runs * 50, [&](int i) {
               if (!platform.SaveSetting(title, QStringLiteral("Color"), QStringLiteral("Red"), QString::number(i % 256)))
                   std::abort();
           }));
    report("GetSetting", timeEach(runs * 50, [&](int) {
               if (platform.GetSetting(title, QStringLiteral("Color"), QStringLiteral("Red"), QString()).isEmpty())
                   std::abort();
           }));
    return 0;
}

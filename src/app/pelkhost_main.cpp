// pelkhost: the stand-in host IDE.
#include "host/firstpaint.h"
#include "host/hostoptions.h"
#include "host/hostruns.h"
#include "host/hostwindow.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

using namespace pelk::host;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pelkhost"));
    // No application display name: on X11 Qt would append it to the title of
    // every window, the add-in's tools and boxes included.

    QString error;
    const std::optional<HostOptions> options = parseHostOptions(QApplication::arguments(), &error);
    if (!options) {
        std::fprintf(stderr, "pelkhost: %s\n\n%s", qPrintable(error), qPrintable(hostOptionsHelp()));
        return 1;
    }
    if (options->help) {
        std::fputs(qPrintable(hostOptionsHelp()), stdout);
        return 0;
    }

    pelk::QtPlatform platform(QApplication::applicationDirPath());
    for (const QString &progId : options->loadAtStartup)
        markForStartup(platform, progId, true);

    // Tool windows are top-level windows of their own; the host's window
    // alone decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    HostWindow host(platform, *options);
    QObject::connect(&host, &HostWindow::closed, &app, [] { QApplication::exit(0); }, Qt::QueuedConnection);
    // However the program ends, its add-ins are disconnected first.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &host, &HostWindow::shutDown);

    FirstPaintWatcher hostPaint(&host);
    host.connectStartupAddIns();
    host.show();
    host.startupComplete();

    QTextStream out(stdout);
    if (!options->screenshotDir.isEmpty() || options->bench) {
        QTimer::singleShot(0, &host, [&] {
            int code = RunOk;
            if (options->bench) {
                code = hostPaint.wait(10000) ? printBenchFigures(host, hostPaint.paintedAtNs(), out) : RunNoWindow;
            } else {
                hostPaint.wait(10000);
                code = saveScreenshots(host, options->screenshotDir, out);
            }
            host.shutDown();
            QApplication::exit(code);
        });
    }
    return QApplication::exec();
}

// pelkhost: the stand-in host IDE.
#include "host/firstpaint.h"
#include "host/firststart.h"
#include "host/hostoptions.h"
#include "host/hostruns.h"
#include "host/hostwindow.h"
#include "platform/commandline.h"
#include "desktop/desktopservices.h"

#include <QApplication>
#include <QTimer>

#include <variant>

using namespace pelk::host;

int main(int argc, char **argv)
{
    // Help, the version and a wrong command line are answered before the
    // window system is reached, so they work without a display.
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::variant<HostOptions, int> read =
        readHostCommandLine(pelk::commandline::argumentsOf(argc, argv), out, err);
    if (const int *exitCode = std::get_if<int>(&read))
        return *exitCode;
    HostOptions options = std::get<HostOptions>(read);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pelkhost"));
    // No application display name: on X11 Qt would append it to the title of
    // every window, the add-in's tools and boxes included.

    pelk::DesktopServices services(QApplication::applicationDirPath());
    // The add-ins shipped beside the host that a first start registers load
    // at start-up, as if the command line named them.
    options.loadAtStartup += registerBundledAddIns(services, QApplication::applicationDirPath());

    // Tool windows are top-level windows of their own; the host's window
    // alone decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    HostWindow host(services, services, options);
    QObject::connect(&host, &HostWindow::closed, &app, [] { QApplication::exit(0); }, Qt::QueuedConnection);
    // However the program ends, its add-ins are disconnected first.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &host, &HostWindow::shutDown);

    FirstPaintWatcher hostPaint(&host);
    host.connectStartupAddIns();
    host.show();
    host.startupComplete();

    if (!options.screenshotDir.isEmpty() || options.bench) {
        QTimer::singleShot(0, &host, [&] {
            int code = RunOk;
            if (options.bench) {
                code = hostPaint.wait(10000) ? printBenchFigures(host, hostPaint.paintedAtNs(), out) : RunNoWindow;
            } else {
                hostPaint.wait(10000);
                code = saveScreenshots(host, options.screenshotDir, out);
            }
            host.shutDown();
            QApplication::exit(code);
        });
    }
    return QApplication::exec();
}

// The yardstick: a minimal Qt main window with a menu bar. Prints the
// steady-clock time of its first paint and quits.
#include "host/firstpaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.resize(800, 560);
    pelk::host::FirstPaintWatcher painted(&window);
    QObject::connect(&painted, &pelk::host::FirstPaintWatcher::painted, &app, [&] {
        std::printf("first-paint %lld\n", static_cast<long long>(painted.paintedAtNs()));
        std::fflush(stdout);
        QApplication::quit();
    });
    window.show();
    return QApplication::exec();
}

// Times one arrow press on the red channel stepper of the color finder: the
// change reaction, the repaint of the window and the save of all six values
// to the real settings store. Prints the median and the spread, once with the
// store in a temporary folder on disk and once on tmpfs (/dev/shm), where a
// flush to disk costs nothing, so the two figures tell the store's flushes
// apart from the rest of the work.
//
//   bench_color [presses]   (default 1000; offscreen unless QT_QPA_PLATFORM is set)
#include "timing.h"
#include "color_finder/colorfinderwindow.h"
#include "desktop/desktopservices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pelk;
using namespace pelk::bench;

namespace {

// Counts the paint events of one widget, to show the repaints really ran.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void report(const QString &what, const std::vector<double> &ms)
{
    std::printf("%-52s median %8.3f ms   p90 %8.3f ms   min %7.3f ms   max %8.3f ms   (n=%zu)\n", qPrintable(what),
                percentile(ms, 0.5), percentile(ms, 0.9), percentile(ms, 0.0), percentile(ms, 1.0), ms.size());
}

// Presses alternate up and down so that every press really changes the
// channel; each is followed by a forced repaint of the whole window.
bool measure(DesktopServices &platform, const QString &where, int presses)
{
    ColorFinderWindow form(platform.services());
    form.Show();
    if (!QTest::qWaitForWindowExposed(form.window()))
        std::fprintf(stderr, "warning: the window was not exposed; repaints may be skipped\n");
    forms::UpDown *arrows = form.ui().UpDown1;
    const QPoint upArrow(arrows->width() / 2, 2);
    const QPoint downArrow(arrows->width() / 2, arrows->height() - 3);
    int changes = 0;
    QObject::connect(arrows, &forms::UpDown::Change, [&changes] { ++changes; });
    PaintCounter previewPaints;
    form.window()->clientArea()->installEventFilter(&previewPaints);

    const std::vector<double> press = timeEach(presses, [&](int i) {
        QTest::mouseClick(arrows, Qt::LeftButton, {}, i % 2 ? downArrow : upArrow);
        form.window()->repaint();
    });
    const int pressPaints = previewPaints.paints;
    const std::vector<double> save = timeEach(presses, [&](int) { form.SaveAll(); });
    const std::vector<double> paint = timeEach(presses, [&](int) { form.window()->repaint(); });
    form.window()->clientArea()->removeEventFilter(&previewPaints);
    form.Unload();

    std::printf("settings store on %s\n", qPrintable(where));
    report(QStringLiteral("  arrow press + repaint + save of six values"), press);
    report(QStringLiteral("  save of six values alone"), save);
    report(QStringLiteral("  repaint alone"), paint);
    std::printf("  preview painted %d times in %d presses\n", pressPaints, presses);
    if (changes != presses)
        std::printf("  only %d of %d presses changed the channel\n", changes, presses);
    return changes == presses;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000;
    DesktopServices platform(QCoreApplication::applicationDirPath());

    bool ok = true;
    QTemporaryDir disk;
    qputenv("PELKTULVANE_HOME", disk.path().toUtf8());
    ok = measure(platform, disk.path() + QStringLiteral(" (disk)"), presses) && ok;

    if (QDir(QStringLiteral("/dev/shm")).exists()) {
        QTemporaryDir memory(QStringLiteral("/dev/shm/pelk-bench-XXXXXX"));
        if (memory.isValid()) {
            qputenv("PELKTULVANE_HOME", memory.path().toUtf8());
            ok = measure(platform, memory.path() + QStringLiteral(" (tmpfs)"), presses) && ok;
        }
    }
    return ok ? 0 : 1;
}

// Benchmark: the picture viewer on large photos and a large folder. Prints
//  1. the time to show a 6000 x 4000 baseline JPEG in the normal box and in
//     Super Size, beside `djpeg -scale 1/8` and `vipsthumbnail` on the same
//     file, with the ratios;
//  2. a scan at speed 1 through twenty 24-megapixel JPEGs: ticks later than
//     110 ms and the longest stall of the event loop;
//  3. the peak resident memory during that scan;
//  4. the time to open a folder of 100,000 files until the file list shows
//     them, in picture mode and in path finder mode.
// The files are generated in a temporary folder and removed afterwards.
#include "picture_viewer/pictureviewerwindow.h"
#include "desktop/desktopservices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace pelk;

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

// A photo-like 6000 x 4000 picture: soft shapes under fine noise, so the
// JPEG is as large as a camera's.
void writePhoto(const QString &path, quint32 seed, int quality)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    image.fill(QColor::fromHsv(int(random.bounded(360)), 80, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 120; ++k) {
        painter.setBrush(QColor::fromHsv(int(random.bounded(360)), int(random.bounded(256)), int(random.bounded(256))));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(random.bounded(6000), random.bounded(4000)), random.bounded(900.0),
                            random.bounded(900.0));
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.generate() & 31) - 16;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + n, 255), qBound(0, qGreen(p) + n, 255), qBound(0, qBlue(p) + n, 255));
        }
    }
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(false);
    writer.write(image);
}

// Wall time of a command, in milliseconds; -1 when it cannot run.
double commandMs(const QString &program, const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(60000) || process.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

qint64 peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

void resetPeakResident()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    const QString photos = work.filePath(QStringLiteral("photos"));
    QDir().mkpath(photos);

    std::printf("Generating twenty 6000 x 4000 baseline JPEGs...\n");
    std::fflush(stdout);
    // Five different photos, each four times under its own name: every file
    // is decoded on its own (the cache knows files by path).
    for (int k = 0; k < 5; ++k)
        writePhoto(QStringLiteral("%1/photo%2.jpg").arg(photos).arg(k, 2, 10, QLatin1Char('0')), quint32(k + 1), 90);
    for (int k = 5; k < 20; ++k)
        QFile::copy(QStringLiteral("%1/photo%2.jpg").arg(photos).arg(k % 5, 2, 10, QLatin1Char('0')),
                    QStringLiteral("%1/photo%2.jpg").arg(photos).arg(k, 2, 10, QLatin1Char('0')));
    const QString first = photos + QStringLiteral("/photo00.jpg");
    qint64 largest = 0;
    for (const QFileInfo &info : QDir(photos).entryInfoList(QDir::Files))
        largest = qMax(largest, info.size());
    std::printf("  largest file %.1f MB\n\n", double(largest) / 1e6);

    DesktopServices platform(QCoreApplication::applicationDirPath());
    PictureViewerWindow form(platform.services());
    form.Show();
    auto &ui = form.ui();
    settle(200);

    // 1. One picture shown, cold: each measured file was never decoded
    // before and is not among the ones decoded ahead.
    QList<double> normal, super;
    (void)ui.Dir1->setPath(photos);
    settle(1500);
    auto showMs = [&](int index) {
        QElapsedTimer clock;
        clock.start();
        (void)ui.File1->setListIndex(index);
        ui.Image1->repaint();
        return double(clock.nsecsElapsed()) / 1e6;
    };
    for (int index : {4, 8, 12, 16, 19}) {
        normal.append(showMs(index));
        settle(1500); // let the decoding ahead finish before the next measure
    }
    ui.cmdSuper->click();
    settle(1500);
    auto superMs = [&](int index) {
        // In Super Size a picture arrives through the scan's tick.
        form.i = index;
        QElapsedTimer clock;
        clock.start();
        emit ui.Timer1->Timer_();
        ui.Image1->repaint();
        return double(clock.nsecsElapsed()) / 1e6;
    };
    for (int index : {2, 6, 10, 14, 18}) {
        super.append(superMs(index));
        settle(1500);
    }
    ui.cmdRestore->click();
    QList<double> djpeg, vips;
    for (int k = 0; k < 5; ++k) {
        djpeg.append(commandMs(QStringLiteral("djpeg"), {"-scale", "1/8", "-outfile", "/dev/null", first}));
        vips.append(commandMs(QStringLiteral("vipsthumbnail"),
                              {first, "--size", "145x145", "-o", work.filePath(QStringLiteral("thumb.ppm"))}));
    }
    const double floor = median(djpeg);
    std::printf("1. Showing one 6000 x 4000 baseline JPEG (median of 5)\n");
    std::printf("   normal box (145 x 145 px)      %7.1f ms   %.2f x floor\n", median(normal),
                median(normal) / floor);
    std::printf("   Super Size (413 x 413 px)      %7.1f ms   %.2f x floor\n", median(super), median(super) / floor);
    std::printf("   djpeg -scale 1/8 (the floor)   %7.1f ms\n", floor);
    std::printf("   vipsthumbnail -s 145x145       %7.1f ms   %.2f x floor\n\n", median(vips), median(vips) / floor);

    // 2 and 3. A scan at speed 1 through the twenty photos, twice round.
    (void)ui.Dir1->setPath(work.path());
    (void)ui.Dir1->setPath(photos);
    form.i = 0; // as the user's click on the folder rewinds the scan
    settle(1500);
    resetPeakResident();
    QElapsedTimer clock;
    clock.start();
    QList<qint64> tickTimes;
    // A tick whose picture was still being decoded ahead shows it when it
    // lands: count those, how late they landed, and any never shown.
    qint64 arrivingSince = -1, latestLanding = 0;
    int arrivingAtTick = 0, neverShown = 0;
    QObject::connect(ui.Timer1, &forms::Timer::Timer_, [&] {
        tickTimes.append(clock.nsecsElapsed());
        if (arrivingSince >= 0)
            ++neverShown;
        arrivingSince = -1;
        if (ui.Image1->isArriving()) {
            ++arrivingAtTick;
            arrivingSince = tickTimes.last();
        }
    });
    QObject::connect(ui.Image1, &forms::ImageBox::arrived, [&] {
        if (arrivingSince >= 0)
            latestLanding = qMax(latestLanding, clock.nsecsElapsed() - arrivingSince);
        arrivingSince = -1;
    });
    qint64 lastBeat = clock.nsecsElapsed(), longestStall = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestStall = qMax(longestStall, now - lastBeat);
        lastBeat = now;
    });
    heartbeat.start(1);
    ui.UpDown1->setValue(1);
    const qint64 started = clock.nsecsElapsed();
    ui.cmdScan->click();
    while (tickTimes.size() < 40)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ui.cmdScan->click();
    heartbeat.stop();
    const qint64 peak = peakResidentKiB();
    int late = 0;
    double worstGap = 0;
    QStringList lateTicks;
    for (int k = 0; k < tickTimes.size(); ++k) {
        const double gap = double(tickTimes[k] - (k == 0 ? started : tickTimes[k - 1])) / 1e6;
        worstGap = qMax(worstGap, gap);
        if (gap > 110) {
            ++late;
            lateTicks << QStringLiteral("#%1 %2 ms").arg(k + 1).arg(gap, 0, 'f', 0);
        }
    }
    std::printf("2. Scan at speed 1 (100 ms) through 20 photos, 40 ticks\n");
    std::printf("   ticks later than 110 ms        %4d   (longest gap between ticks %.1f ms)\n", late, worstGap);
    if (!lateTicks.isEmpty())
        std::printf("   late: %s\n", qPrintable(lateTicks.join(QStringLiteral(", "))));
    std::printf("   longest event-loop stall       %7.1f ms\n", double(longestStall) / 1e6);
    std::printf("   pictures still decoding at their tick %d (latest landed %.1f ms after its tick), "
                "never shown %d\n",
                arrivingAtTick, double(latestLanding) / 1e6, neverShown);
    std::printf("3. Peak resident memory in the scan %6.1f MB\n\n", double(peak) / 1024);

    // 4. A folder of 100,000 files, half of them pictures.
    const QString many = work.filePath(QStringLiteral("many"));
    QDir().mkpath(many);
    for (int k = 0; k < 100000; ++k) {
        QFile file(QStringLiteral("%1/file%2.%3").arg(many).arg(k).arg(k % 2 ? "txt" : "jpg"));
        file.open(QIODevice::WriteOnly);
    }
    const QString empty = work.filePath(QStringLiteral("empty"));
    QDir().mkpath(empty);
    auto openMs = [&] {
        (void)ui.Dir1->setPath(empty);
        settle(100);
        QElapsedTimer open;
        open.start();
        (void)ui.Dir1->setPath(many);
        ui.File1->repaint();
        return double(open.nsecsElapsed()) / 1e6;
    };
    QList<double> pictureMode, pathMode, plain;
    for (int k = 0; k < 5; ++k)
        pictureMode.append(openMs());
    ui.mnuPathFinder->trigger();
    for (int k = 0; k < 5; ++k)
        pathMode.append(openMs());
    for (int k = 0; k < 5; ++k) {
        QElapsedTimer read;
        read.start();
        const QStringList names = QDir(many).entryList(QDir::Files, QDir::Name);
        plain.append(double(read.nsecsElapsed()) / 1e6);
    }
    std::printf("4. Opening a folder of 100,000 files until the list shows them (median of 5)\n");
    std::printf("   picture mode (%d pictures)    %7.1f ms\n", int(ui.File1->ListCount() / 2), median(pictureMode));
    std::printf("   path finder mode (%d files)  %7.1f ms\n", ui.File1->ListCount(), median(pathMode));
    std::printf("   plain directory read and sort  %7.1f ms (QDir::entryList, for comparison)\n", median(plain));
    form.Unload();
    return 0;
}

// Start-up benchmark. Starts, several times each and in turn, pelkhost with
// the add-in loaded at start-up and a minimal Qt main window with a menu
// bar, and prints the medians: start to first paint for both, with their
// ratio, and for each add-in entry the time from a first and from a second
// click (after the window was hidden) to the first paint of its window.
//
// Usage: pelk-bench-startup [runs]   (default 9; uses the display or
// QT_QPA_PLATFORM of its environment)
#include "host/firstpaint.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QString g_binDir;
QProcessEnvironment g_env;

struct Run {
    bool ok = false;
    QByteArray output;
};

// Starts a program and returns its output; `startedAt` is when it was started.
Run runProgram(const QString &program, const QStringList &arguments, qint64 *startedAt = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(g_env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 start = pelk::host::steadyNowNs();
    process.start(g_binDir + QLatin1Char('/') + program, arguments);
    if (startedAt)
        *startedAt = start;
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.output = process.readAllStandardOutput();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return run;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

// The number after `key` on the line that starts with it, or -1.
qint64 valueAfter(const QByteArray &output, const QByteArray &key)
{
    for (const QByteArray &line : output.split('\n')) {
        if (line.startsWith(key + ' '))
            return line.mid(key.size() + 1).split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, argc > 1 ? QByteArray(argv[1]).toInt() : 9);
    g_binDir = QCoreApplication::applicationDirPath();

    QTemporaryDir home;
    g_env = QProcessEnvironment::systemEnvironment();
    g_env.insert(QStringLiteral("PELKTULVANE_HOME"), home.path());
    const QString settings = home.path() + QStringLiteral("/settings/Pelk Tulvane.ini");

    // Register, mark for start-up, and warm the caches once, unmeasured.
    if (!runProgram(QStringLiteral("pelktulvane"), {}).ok ||
        !runProgram(QStringLiteral("pelkhost"), {"--load-at-startup", "PelkTulvane.Connect", "--bench"}).ok ||
        !runProgram(QStringLiteral("pelk-bench-minimal"), {}).ok) {
        std::fprintf(stderr, "pelk-bench-startup: a program failed to run\n");
        return 1;
    }

    QList<double> hostTimes, minimalTimes;
    QStringList entries;
    QMap<QString, QList<double>> firstClicks, secondClicks;
    for (int i = 0; i < runs; ++i) {
        // A fresh add-in settings file: no tool opens by itself at start-up.
        QFile::remove(settings);
        qint64 startedAt = 0;
        const Run host = runProgram(QStringLiteral("pelkhost"), {"--bench"}, &startedAt);
        const qint64 painted = valueAfter(host.output, "host-first-paint");
        if (!host.ok || painted < 0 || valueAfter(host.output, "host-first-paint") <= 0) {
            std::fprintf(stderr, "pelk-bench-startup: pelkhost failed:\n%s\n", host.output.constData());
            return 1;
        }
        hostTimes << ms(painted - startedAt);
        for (const QByteArray &line : host.output.split('\n')) {
            if (!line.startsWith("click "))
                continue;
            const QList<QByteArray> parts = line.split(' ');
            const QString caption = QString::fromUtf8(parts.mid(4).join(' '));
            if (!entries.contains(caption))
                entries << caption;
            firstClicks[caption] << ms(parts.value(2).toLongLong());
            secondClicks[caption] << ms(parts.value(3).toLongLong());
        }

        const Run minimal = runProgram(QStringLiteral("pelk-bench-minimal"), {}, &startedAt);
        const qint64 minimalPainted = valueAfter(minimal.output, "first-paint");
        if (!minimal.ok || minimalPainted < 0) {
            std::fprintf(stderr, "pelk-bench-startup: the minimal window failed\n");
            return 1;
        }
        minimalTimes << ms(minimalPainted - startedAt);
    }

    QString platform = g_env.value(QStringLiteral("QT_QPA_PLATFORM"));
    if (platform.isEmpty())
        platform = g_env.contains(QStringLiteral("DISPLAY")) ? QStringLiteral("xcb, DISPLAY=") + g_env.value("DISPLAY")
                                                              : QStringLiteral("default");
    const double host = median(hostTimes);
    const double minimal = median(minimalTimes);
    std::printf("Start-up benchmark, platform %s, %d runs each, medians\n", qPrintable(platform), runs);
    std::printf("  minimal main window with a menu bar, start to first paint: %8.1f ms\n", minimal);
    std::printf("  pelkhost with the add-in and its %lld entries, start to first paint: %8.1f ms\n",
                static_cast<long long>(entries.size()), host);
    std::printf("  ratio host / minimal window: %.2f (target at most 1.50)\n", minimal > 0 ? host / minimal : 0.0);
    std::printf("  click to first paint of the tool window (target at most 50 ms):\n");
    for (const QString &caption : std::as_const(entries))
        std::printf("    %-24s first click %7.1f ms   second click %7.1f ms\n", qPrintable(caption),
                    median(firstClicks.value(caption)), median(secondClicks.value(caption)));
    return 0;
}

// The host's unattended runs: pictures of the host and of every tool window
// its add-ins' entries open, and the start-up and click-to-paint times.
#pragma once

#include <QString>
#include <QTextStream>

class QAction;

namespace pelk::host {

class HostWindow;

enum HostRunResult { RunOk = 0, RunNoEntries = 2, RunNoWindow = 3, RunCannotSave = 4 };

// The entries the connected add-ins added, in menu order.
QList<QAction *> addInEntries(HostWindow &host);

// The file name of picture `number` of a window with `caption`:
// "<number>-<caption>.png", with any '/' of the caption made '_'.
QString screenshotFileName(int number, const QString &caption);

// Saves the host window, its "Add-Ins" menu, then clicks each add-in entry
// and saves the window it opens once painted; closes nothing. Reports each
// file on `log`.
HostRunResult saveScreenshots(HostWindow &host, const QString &folder, QTextStream &log);

// Prints the host's first paint time (steady-clock ns) and, for each add-in
// entry, the time from a first click, and from a second one after the window
// was hidden, to the window's first paint.
HostRunResult printBenchFigures(HostWindow &host, qint64 hostPaintedAtNs, QTextStream &out);

} // namespace pelk::host

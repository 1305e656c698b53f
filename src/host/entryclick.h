// Clicks a menu entry as a user would (the action's real trigger) and finds
// the window it shows.
#pragma once

#include <QPointer>
#include <QWidget>

class QAction;

namespace pelk::host {

struct EntryClick {
    QPointer<QWidget> window; // the window the click showed or brought forward; null if none
    bool newlyShown = false;  // it was hidden before the click
    bool painted = false;     // a newly shown window has been painted
    qint64 clickToPaintNs = -1;
};

// Triggers `entry` and, when it shows a window other than `host`, waits up
// to `timeoutMs` for that window's first paint.
EntryClick clickEntry(QAction *entry, const QWidget *host, int timeoutMs = 5000);

} // namespace pelk::host

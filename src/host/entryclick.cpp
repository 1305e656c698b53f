#include "entryclick.h"

#include "firstpaint.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace pelk::host {

namespace {

// Notes the top-level windows that are shown or raised while it lives.
class ShownWindows : public QObject {
public:
    explicit ShownWindows(const QWidget *host) : m_host(host) { qApp->installEventFilter(this); }
    ~ShownWindows() override { qApp->removeEventFilter(this); }

    QList<QPointer<QWidget>> shown;
    QList<QPointer<QWidget>> raised;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::ZOrderChange)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || !widget->isWindow() || widget == m_host || qobject_cast<QMenu *>(widget))
            return false;
        (event->type() == QEvent::Show ? shown : raised).append(widget);
        return false;
    }

private:
    const QWidget *m_host;
};

} // namespace

EntryClick clickEntry(QAction *entry, const QWidget *host, int timeoutMs)
{
    EntryClick result;
    if (!entry)
        return result;
    QWidget *target = nullptr;
    std::unique_ptr<FirstPaintWatcher> watcher;
    qint64 clickedAt = 0;
    {
        ShownWindows windows(host);
        clickedAt = steadyNowNs();
        entry->trigger();
        for (const QPointer<QWidget> &w : std::as_const(windows.shown)) {
            if (w && w->isVisible()) {
                target = w;
                result.newlyShown = true;
                break;
            }
        }
        if (!target) {
            for (auto it = windows.raised.crbegin(); it != windows.raised.crend() && !target; ++it) {
                if (*it && (*it)->isVisible())
                    target = *it;
            }
        }
        // Watching starts before the event loop runs again, so the paint cannot be missed.
        if (target && result.newlyShown)
            watcher = std::make_unique<FirstPaintWatcher>(target);
    }
    result.window = target;
    if (watcher && watcher->wait(timeoutMs)) {
        result.painted = true;
        result.clickToPaintNs = watcher->paintedAtNs() - clickedAt;
    }
    return result;
}

} // namespace pelk::host

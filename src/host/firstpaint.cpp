#include "firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <chrono>

namespace pelk::host {

qint64 steadyNowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

FirstPaintWatcher::FirstPaintWatcher(QWidget *window, QObject *parent) : QObject(parent), m_window(window)
{
    qApp->installEventFilter(this);
}

FirstPaintWatcher::~FirstPaintWatcher()
{
    qApp->removeEventFilter(this);
}

bool FirstPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || m_paintSeen || !m_window)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    m_paintSeen = true;
    // A window is painted in one pass, children included, then flushed; the
    // zero timer fires once that pass is over.
    QTimer::singleShot(0, this, [this] {
        m_paintedAt = steadyNowNs();
        qApp->removeEventFilter(this);
        emit painted();
    });
    return false;
}

bool FirstPaintWatcher::wait(int timeoutMs)
{
    if (isPainted())
        return true;
    QEventLoop loop;
    connect(this, &FirstPaintWatcher::painted, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return isPainted();
}

} // namespace pelk::host

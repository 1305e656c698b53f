// Tells when a window has been painted for the first time: the whole window
// painted and handed to the screen, not just the paint event sent. Times are
// steady-clock nanoseconds, comparable across processes on one machine.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <QtGlobal>

namespace pelk::host {

// Now, in steady-clock nanoseconds.
qint64 steadyNowNs();

class FirstPaintWatcher : public QObject {
    Q_OBJECT
public:
    explicit FirstPaintWatcher(QWidget *window, QObject *parent = nullptr);
    ~FirstPaintWatcher() override;

    bool isPainted() const { return m_paintedAt >= 0; }
    // When the first paint was done, or -1.
    qint64 paintedAtNs() const { return m_paintedAt; }
    // Runs the event loop until the window is painted; false on timeout.
    bool wait(int timeoutMs);

signals:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    bool m_paintSeen = false;
    qint64 m_paintedAt = -1;
};

} // namespace pelk::host

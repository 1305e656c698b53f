#include "windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace pelk {

namespace {

// The frame a window manager will draw around a window it has not framed
// yet: the one it drew around another window of the program (they share one
// look), else none.
QMargins expectedFrame(const QWindow *self)
{
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (window == self || !window->isVisible() || window->type() == Qt::Popup || window->type() == Qt::ToolTip)
            continue;
        const QMargins frame = window->frameMargins();
        if (!frame.isNull())
            return frame;
    }
    return {};
}

// The placement a window waits for. Qt moves a window that is not shown yet
// by its client area; once shown, the window system places it by its frame
// (QWindow::setFramePosition), and the window manager draws the frame there.
class FramePlacement : public QObject {
public:
    static FramePlacement *of(QWidget *window)
    {
        for (QObject *child : window->children()) {
            if (auto *placement = dynamic_cast<FramePlacement *>(child))
                return placement;
        }
        return new FramePlacement(window);
    }

    // nullopt: centred on the screen.
    void request(std::optional<QPoint> topLeft)
    {
        m_topLeft = topLeft;
        // Fixed-size windows get their size from their layout.
        m_window->ensurePolished();
        if (QLayout *layout = m_window->layout())
            layout->activate();
        if (m_window->isVisible() && m_window->windowHandle()) {
            place(m_window->windowHandle()->frameMargins());
            return;
        }
        m_pending = true;
        // Meanwhile the client area goes inside the frame expected, so the
        // window shows where it belongs at once.
        const QMargins frame = expectedFrame(m_window->windowHandle());
        m_window->setGeometry(QRect(target(frame) + QPoint(frame.left(), frame.top()), m_window->size()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::ShowToParent && m_pending) {
            m_pending = false;
            QWindow *handle = m_window->windowHandle();
            if (!handle)
                return false;
            QMargins frame = handle->frameMargins();
            if (frame.isNull())
                frame = expectedFrame(handle);
            place(frame);
            // A centred frame depends on its size, known for sure once the
            // window manager has framed the window and it is exposed.
            m_checkWhenExposed = !m_topLeft;
            if (m_watched != handle) {
                m_watched = handle;
                handle->installEventFilter(this);
            }
        } else if (watched == m_watched && event->type() == QEvent::Expose && m_checkWhenExposed
                   && m_watched->isExposed()) {
            m_checkWhenExposed = false;
            const QMargins frame = m_watched->frameMargins();
            if (frame != m_used)
                place(frame);
        }
        return false;
    }

private:
    explicit FramePlacement(QWidget *window) : QObject(window), m_window(window) { window->installEventFilter(this); }

    QPoint target(const QMargins &frame) const
    {
        if (m_topLeft)
            return *m_topLeft;
        const QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return {};
        const QRect area = screen->availableGeometry();
        const QSize size = m_window->size().grownBy(frame);
        return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
    }

    void place(const QMargins &frame)
    {
        m_used = frame;
        m_window->windowHandle()->setFramePosition(target(frame));
    }

    QWidget *m_window;
    std::optional<QPoint> m_topLeft;
    bool m_pending = false;
    bool m_checkWhenExposed = false;
    QMargins m_used;
    QPointer<QWindow> m_watched;
};

} // namespace

void placeFrame(QWidget *window, const QPoint &topLeft)
{
    FramePlacement::of(window)->request(topLeft);
}

void centerFrame(QWidget *window)
{
    FramePlacement::of(window)->request(std::nullopt);
}

} // namespace pelk

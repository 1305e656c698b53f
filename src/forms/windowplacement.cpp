#include "windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include <xcb/xcb.h>

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

// Qt maps a window with the _NET_WM_STATE it finds on it, merged with its
// own. A window manager that has not yet withdrawn a window just hidden may
// still have its maximised or full-screen state there, and the window would
// come back so although it was asked to be normal: those states go before
// the window is mapped again.
void dropStatesNotAsked(QWindow *window, Qt::WindowStates asked)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window
        || (asked & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto atom = [connection](const char *name) {
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return value;
    };
    const xcb_atom_t netWmState = atom("_NET_WM_STATE");
    const xcb_atom_t dropped[] = {atom("_NET_WM_STATE_MAXIMIZED_HORZ"), atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                                  atom("_NET_WM_STATE_FULLSCREEN")};
    const auto id = xcb_window_t(window->winId());
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, netWmState, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (!reply)
        return;
    QList<xcb_atom_t> kept;
    bool changed = false;
    if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) {
            if (std::find(std::begin(dropped), std::end(dropped), atoms[i]) != std::end(dropped))
                changed = true;
            else
                kept.append(atoms[i]);
        }
    }
    free(reply);
    if (!changed)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmState, XCB_ATOM_ATOM, 32, uint32_t(kept.size()),
                        kept.constData());
    xcb_flush(connection);
}

// What a window waits for until it is shown and exposed, when the window
// manager has framed it and knows it as mapped.
//
// A window is moved by its client area, inside the frame the window manager
// draws around it; the frame's size is known for sure only once the window
// is exposed, so then the window moves once more if the frame turned out
// other than expected. (Placing by the frame through the window manager's
// gravity instead races with the window manager's first placement.)
//
// A maximised or minimised state asked for while the window is hidden is set
// once it is exposed: set while the window is being withdrawn or mapped, it
// can be lost on the way to the window manager.
class Placement : public QObject {
public:
    static Placement *of(QWidget *window)
    {
        for (QObject *child : window->children()) {
            if (auto *placement = dynamic_cast<Placement *>(child))
                return placement;
        }
        return new Placement(window);
    }

    // nullopt: centred on the screen.
    void placeFrame(std::optional<QPoint> topLeft)
    {
        m_topLeft = topLeft;
        // Fixed-size windows get their size from their layout.
        m_window->ensurePolished();
        if (QLayout *layout = m_window->layout())
            layout->activate();
        QWindow *handle = m_window->windowHandle();
        const bool shown = handle && m_window->isVisible();
        QMargins frame = shown ? handle->frameMargins() : QMargins();
        if (frame.isNull())
            frame = expectedFrame(handle);
        m_frameUsed = frame;
        m_checkFrame = !shown || !handle->isExposed();
        watch(handle);
        if (shown)
            handle->setPosition(clientPosition(frame));
        else
            m_window->setGeometry(QRect(clientPosition(frame), m_window->size()));
    }

    void setState(Qt::WindowStates state)
    {
        // The normal state is what a window is mapped in anyway.
        const bool plain = !(state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
        if (plain || m_window->isVisible()) {
            m_state.reset();
            m_window->setWindowState(state);
            return;
        }
        m_state = state;
        watch(m_window->windowHandle());
    }

    std::optional<Qt::WindowStates> pendingState() const { return m_state; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            // Sent before the window is mapped.
            dropStatesNotAsked(m_window->windowHandle(), m_state.value_or(m_window->windowState()));
        } else if (watched == m_window && event->type() == QEvent::ShowToParent) {
            watch(m_window->windowHandle());
        } else if (watched == m_watched && event->type() == QEvent::Expose && m_watched->isExposed()) {
            if (m_checkFrame) {
                m_checkFrame = false;
                const QMargins frame = m_watched->frameMargins();
                if (frame != m_frameUsed) {
                    m_frameUsed = frame;
                    m_watched->setPosition(clientPosition(frame));
                }
            }
            if (m_state) {
                const Qt::WindowStates state = *m_state;
                m_state.reset();
                m_window->setWindowState(state);
            }
        }
        return false;
    }

private:
    explicit Placement(QWidget *window) : QObject(window), m_window(window) { window->installEventFilter(this); }

    void watch(QWindow *handle)
    {
        if (handle && m_watched != handle) {
            m_watched = handle;
            handle->installEventFilter(this);
        }
    }

    // Where the client area goes when the frame around it is `frame`.
    QPoint clientPosition(const QMargins &frame) const
    {
        QPoint frameAt;
        if (m_topLeft) {
            frameAt = *m_topLeft;
        } else if (const QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const QSize size = m_window->size().grownBy(frame);
            frameAt = {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2};
        }
        return frameAt + QPoint(frame.left(), frame.top());
    }

    QWidget *m_window;
    std::optional<QPoint> m_topLeft;
    bool m_checkFrame = false;
    QMargins m_frameUsed;
    std::optional<Qt::WindowStates> m_state;
    QPointer<QWindow> m_watched;
};

} // namespace

void placeFrame(QWidget *window, const QPoint &topLeft)
{
    Placement::of(window)->placeFrame(topLeft);
}

void centerFrame(QWidget *window)
{
    Placement::of(window)->placeFrame(std::nullopt);
}

void setWindowStateWhenShown(QWidget *window, Qt::WindowStates state)
{
    Placement::of(window)->setState(state);
}

Qt::WindowStates windowStateAsked(const QWidget *window)
{
    for (QObject *child : window->children()) {
        if (const auto *placement = dynamic_cast<const Placement *>(child); placement && placement->pendingState())
            return *placement->pendingState();
    }
    return window->windowState();
}

} // namespace pelk

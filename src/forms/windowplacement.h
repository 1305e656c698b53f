// Placing a top-level window by its frame: the window as the user sees it,
// title bar and borders included, where a window manager draws them (and the
// window alone where none does). Qt moves a window that is not shown yet by
// its client area, which would put a title bar above the screen.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace pelk {

// The frame's top left corner goes to `topLeft`, in screen coordinates: at
// once when the window is shown, else when it is next shown.
void placeFrame(QWidget *window, const QPoint &topLeft);

// The frame goes to the middle of the available area of the window's screen:
// at once when the window is shown, else when it is next shown.
void centerFrame(QWidget *window);

// Sets a window's state so that the window manager hears of it: a hidden
// window is maximised or minimised once it is shown again.
void setWindowStateWhenShown(QWidget *window, Qt::WindowStates state);
// The state last asked for, also while it waits for the window to show.
Qt::WindowStates windowStateAsked(const QWidget *window);

} // namespace pelk

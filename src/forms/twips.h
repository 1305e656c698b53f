// Layout measures: the tools give positions and sizes in twips (1440 to the
// inch); Qt works in logical pixels (96 to the inch, scaled by Qt on high-DPI
// screens), so 15 twips make one pixel.
#pragma once

#include <QRect>

#include <cmath>

class QWidget;

namespace pelk::forms {

constexpr int kTwipsPerPixel = 15;

constexpr int twips(double value)
{
    return int(value >= 0 ? value / kTwipsPerPixel + 0.5 : value / kTwipsPerPixel - 0.5);
}

constexpr double toTwips(int pixels)
{
    return double(pixels) * kTwipsPerPixel;
}

inline QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Places a control at left, top, width, height given in twips, relative to
// its parent (the window's client area or its containing frame).
void place(QWidget *widget, double left, double top, double width, double height);

} // namespace pelk::forms

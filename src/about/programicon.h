// The program's common 32x32 icon: the window icon of the tool windows and
// about boxes, and the picture in the about boxes. Resource
// ":/pelk/icons/pelktulvane.xpm".
#pragma once

#include <QIcon>
#include <QPixmap>

namespace pelk {

QPixmap programPixmap();
QIcon programIcon();

} // namespace pelk

#include "programicon.h"

// The resource lives in a static library; make sure it is registered.
static void initIconResource()
{
    Q_INIT_RESOURCE(pelk_about_icons);
}

namespace pelk {

QPixmap programPixmap()
{
    initIconResource();
    return QPixmap(QStringLiteral(":/pelk/icons/pelktulvane.xpm"));
}

QIcon programIcon()
{
    return QIcon(programPixmap());
}

} // namespace pelk

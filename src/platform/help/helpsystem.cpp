#include "helpsystem.h"

namespace pelk::help {

int winHelp(QWidget *, const QString &, unsigned, const QVariant &)
{
    return 0;
}

} // namespace pelk::help

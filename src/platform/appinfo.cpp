#include "platform.h"

namespace pelk {

QString AppInfo::helpFilePath() const
{
    return Path + QLatin1Char('/') + HelpFile;
}

} // namespace pelk

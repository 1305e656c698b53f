#include "fullpath.h"

#include <QDir>

namespace pelk {

QString fullPath(const QString &folder, const QString &fileName)
{
    const QChar separator = QDir::separator();
    if (folder.endsWith(separator))
        return folder + fileName;
    return folder + separator + fileName;
}

} // namespace pelk

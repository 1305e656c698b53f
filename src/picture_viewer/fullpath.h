// The full path of a file in a folder, as the picture viewer shows and
// copies it.
#pragma once

#include <QString>

namespace pelk {

// The folder, then the platform's separator unless the folder is a root
// (which already ends with one), then the file's name. With no file name
// it is the folder followed by a separator, or just the root.
QString fullPath(const QString &folder, const QString &fileName);

} // namespace pelk

#include "pictureloader.h"

#include <QFileInfo>

namespace pelk::pictures {

Picture load(const QString &path, const QSize &)
{
    if (!QFileInfo::exists(path))
        throw Error(errFileNotFound);
    Picture picture;
    picture.path = path;
    if (!picture.image.load(path))
        throw Error(errInvalidPicture);
    picture.fullSize = picture.image.size();
    return picture;
}

void loadAhead(const QStringList &, const QSize &) {}

} // namespace pelk::pictures

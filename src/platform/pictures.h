// Pictures read from files, decoded no larger than they are shown.
#pragma once

#include "result.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

template <typename T>
class QFuture;

namespace pelk {

// A decoded picture. `image` is decoded no larger than it was asked for;
// `fullSize` is the picture's own size, so a larger view can ask again.
struct Picture {
    QString path;
    QImage image;
    QSize fullSize;
    // Set instead of `image` while the picture is still being decoded ahead
    // on a worker thread: it delivers the picture, or a null one when the
    // file proves unreadable. An image box shows it when it lands.
    std::shared_ptr<const QFuture<Picture>> arriving;
    bool isNull() const { return image.isNull(); }
};

class Pictures {
public:
    virtual ~Pictures() = default;
    // Reads the picture at `path`, decoded no larger than needed to fill
    // `shownSize` (an empty size means full size). The error when the file
    // is missing or is not a readable picture; never crashes or hangs.
    // A picture already being decoded ahead is returned at once as
    // arriving, so the caller never waits for a worker.
    virtual Result<Picture> LoadPicture(const QString &path, const QSize &shownSize = QSize()) = 0;
    // A hint that these pictures are likely to be asked for next, at this size.
    virtual void LoadPictureAhead(const QStringList &paths, const QSize &shownSize) = 0;
};

} // namespace pelk

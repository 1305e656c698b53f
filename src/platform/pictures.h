// Pictures read from files, decoded no larger than they are shown.
#pragma once

#include "result.h"

#include <QFutureWatcher>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

namespace pelk {

// A decoded picture. `image` is decoded no larger than it was asked for;
// `fullSize` is the picture's own size, so a larger view can ask again.
struct Picture {
    QString path;
    QImage image;
    QSize fullSize;
    bool isNull() const { return image.isNull(); }
};

// A picture being read. One read at once is Loaded, or Failed with the
// error that stopped it, from the start; one still being decoded ahead on a
// worker is Loading, and says finished() once, on the thread it lives in,
// when it has landed or proved unreadable.
class PictureLoad : public QObject {
    Q_OBJECT
public:
    enum class State { Loading, Loaded, Failed };

    explicit PictureLoad(Result<Picture> done);
    // Lands when `arriving` finishes; no result, or a null picture, means
    // the file proved unreadable.
    PictureLoad(const QString &path, const QFuture<Picture> &arriving);

    // Loading until it has landed: one whose decode has finished is taken
    // as landed at once, before its finished() comes round.
    State state() const;
    const QString &path() const { return m_picture.path; }
    // Loaded: the picture. Failed: the error.
    const Picture &picture() const { return m_picture; }
    const Error &error() const { return m_error; }

signals:
    void finished();

private:
    void land();
    void settle() const;

    mutable State m_state = State::Loading;
    mutable Picture m_picture;
    Error m_error{errInvalidPicture};
    bool m_finishedSaid = false;
    QFutureWatcher<Picture> m_watcher;
};

using PictureLoading = std::shared_ptr<PictureLoad>;

class Pictures {
public:
    virtual ~Pictures() = default;
    // Reads the picture at `path`, decoded no larger than needed to fill
    // `shownSize` (an empty size means full size). Failed when the file is
    // missing or is not a readable picture; never crashes or hangs. A
    // picture already being decoded ahead comes back Loading at once, so
    // the caller never waits for a worker.
    virtual PictureLoading LoadPicture(const QString &path, const QSize &shownSize = QSize()) = 0;
    // A hint that these pictures are likely to be asked for next, at this size.
    virtual void LoadPictureAhead(const QStringList &paths, const QSize &shownSize) = 0;
};

} // namespace pelk

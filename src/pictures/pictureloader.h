// Picture loading behind LoadPicture: the eight formats of the picture
// pattern (bmp, dib, ico, cur, jpg, gif through Qt's image plugins; wmf and
// emf through the metafile helper process), decoded no larger than shown.
#pragma once

#include "decodelimits.h"

#include "platform/pictures.h"
#include "platform/result.h"

#include <QStringList>

namespace pelk::pictures {

// The size to decode a picture of `fullSize` at for a box of `shownSize`
// pixels: the box's size, but never larger than the picture itself (the box
// stretches a smaller picture). An empty shownSize means full size.
QSize decodeSize(const QSize &fullSize, const QSize &shownSize);

// Decodes the picture at `path` no larger than needed to fill `shownSize`
// (empty: full size). The error: errFileNotFound for a missing file,
// errPermissionDenied for an unreadable one, errInvalidPicture for anything
// that is not a readable picture of the eight formats. Pictures decoded
// ahead are taken from a small cache; a file changed since is decoded anew.
// One still being decoded ahead is returned at once, Loading: the caller
// never waits for a worker.
PictureLoading load(const QString &path, const QSize &shownSize);

// Starts decoding these pictures on a worker thread, for a later load() at
// the same size. Replaces the previous wish list: work not yet started for
// pictures no longer listed is dropped, unless a load() awaits it.
void loadAhead(const QStringList &paths, const QSize &shownSize);

// Decodes without the cache or the worker.
Result<Picture> decode(const QString &path, const QSize &shownSize,
                       const DecodeLimits &limits = DecodeLimits());

} // namespace pelk::pictures

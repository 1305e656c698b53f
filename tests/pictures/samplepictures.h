// Sample pictures of every format the viewer reads, written by the tests
// themselves: bitmaps, icons and JPEGs through Qt's writers, cursors from an
// icon, GIF, Windows metafiles and enhanced metafiles by small writers that
// follow the published file layouts. Each sample shows a red field with a
// blue square in its middle (the metafiles: a red rectangle and a blue
// ellipse in its middle), so a test can look at the decoded pixels.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace pelk::samples {

QImage redWithBlueSquare(const QSize &size);

QByteArray bmp(const QSize &size);
QByteArray packedDib(const QSize &size); // a bitmap without its file header
QByteArray ico(const QSize &size);
QByteArray cur(const QSize &size);
QByteArray jpeg(const QSize &size, int quality = 90);
QByteArray gif(const QSize &size);
QByteArray wmf(const QSize &size);
QByteArray emf(const QSize &size);

// A file of `format` ("bmp", "dib", "ico", "cur", "jpg", "gif", "wmf",
// "emf") showing the sample at `size`.
QByteArray ofFormat(const QString &format, const QSize &size);

// Writes `data` to `path`; false when it could not.
bool write(const QString &path, const QByteArray &data);

} // namespace pelk::samples

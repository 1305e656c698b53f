// The image the metafile helper writes on its standard output: a magic
// line, four 32-bit little-endian numbers (width, height, and the
// metafile's own width and height at 96 dots per inch), then width x height
// premultiplied ARGB pixels, row after row.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

namespace pelk::pictures {

constexpr char kMetafileWireMagic[8] = {'P', 'E', 'L', 'K', 'I', 'M', 'G', '1'};
constexpr qsizetype kMetafileWireHeader = 8 + 4 * 4;

struct MetafileImage {
    QImage image;
    QSize fullSize;
};

QByteArray encodeMetafileImage(const QImage &image, const QSize &fullSize);

// Reads back what encodeMetafileImage wrote. Anything else, a size larger
// than `maxSize`, or a length that does not match gives nullopt.
std::optional<MetafileImage> decodeMetafileImage(const QByteArray &data, const QSize &maxSize);

// The size to render a metafile of `fullSize` at when it is shown at
// `shownSize` (empty: full size), within `maxSize`.
QSize metafileRenderSize(const QSize &fullSize, const QSize &shownSize, const QSize &maxSize);

} // namespace pelk::pictures

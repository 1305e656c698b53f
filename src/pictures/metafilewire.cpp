#include "metafilewire.h"

#include <QtEndian>

#include <cstring>

namespace pelk::pictures {

QByteArray encodeMetafileImage(const QImage &image, const QSize &fullSize)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qsizetype rowBytes = qsizetype(pixels.width()) * 4;
    QByteArray out;
    out.reserve(kMetafileWireHeader + rowBytes * pixels.height());
    out.append(kMetafileWireMagic, sizeof kMetafileWireMagic);
    for (int value : {pixels.width(), pixels.height(), fullSize.width(), fullSize.height()}) {
        char word[4];
        qToLittleEndian<qint32>(value, word);
        out.append(word, 4);
    }
    for (int y = 0; y < pixels.height(); ++y)
        out.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes);
    return out;
}

std::optional<MetafileImage> decodeMetafileImage(const QByteArray &data, const QSize &maxSize)
{
    if (data.size() < kMetafileWireHeader || std::memcmp(data.constData(), kMetafileWireMagic, 8) != 0)
        return std::nullopt;
    qint32 numbers[4];
    for (int k = 0; k < 4; ++k)
        numbers[k] = qFromLittleEndian<qint32>(data.constData() + 8 + 4 * k);
    const int width = numbers[0], height = numbers[1];
    if (width <= 0 || height <= 0 || width > maxSize.width() || height > maxSize.height())
        return std::nullopt;
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    const qsizetype rowBytes = qsizetype(width) * 4;
    if (data.size() != kMetafileWireHeader + rowBytes * height)
        return std::nullopt;
    MetafileImage result;
    result.image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
    if (result.image.isNull())
        return std::nullopt;
    const char *pixels = data.constData() + kMetafileWireHeader;
    for (int y = 0; y < height; ++y)
        std::memcpy(result.image.scanLine(y), pixels + rowBytes * y, rowBytes);
    result.fullSize = QSize(numbers[2], numbers[3]);
    return result;
}

QSize metafileRenderSize(const QSize &fullSize, const QSize &shownSize, const QSize &maxSize)
{
    QSize size = shownSize.isEmpty() ? fullSize : shownSize;
    size = size.boundedTo(maxSize);
    return size.expandedTo(QSize(1, 1));
}

} // namespace pelk::pictures

#include "pictureformat.h"

#include <QtEndian>
#include <QtNumeric>

namespace pelk::pictures {

namespace {
quint16 le16(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.data() + at);
}
quint32 le32(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.data() + at);
}
} // namespace

PictureFormat sniffPictureFormat(QByteArrayView head)
{
    const qsizetype n = head.size();
    if (n >= 3 && quint8(head[0]) == 0xFF && quint8(head[1]) == 0xD8 && quint8(head[2]) == 0xFF)
        return PictureFormat::Jpeg;
    if (n >= 6 && (head.first(6) == QByteArrayView("GIF87a") || head.first(6) == QByteArrayView("GIF89a")))
        return PictureFormat::Gif;
    if (n >= 14 && head.first(2) == QByteArrayView("BM"))
        return PictureFormat::Bmp;
    // Placeable metafile key, or a plain metafile header (memory or disk
    // type, header of 9 words).
    if (n >= 4 && le32(head, 0) == 0x9AC6CDD7u)
        return PictureFormat::Wmf;
    if (n >= 18 && (le16(head, 0) == 1 || le16(head, 0) == 2) && le16(head, 2) == 9
        && (le16(head, 4) == 0x0100 || le16(head, 4) == 0x0300))
        return PictureFormat::Wmf;
    // Enhanced metafile: header record (type 1) with the " EMF" signature.
    if (n >= 44 && le32(head, 0) == 1 && le32(head, 40) == 0x464D4520u)
        return PictureFormat::Emf;
    // Icon directory: reserved 0, type 1 (icon) or 2 (cursor), at least one
    // image.
    if (n >= 6 && le16(head, 0) == 0 && le16(head, 4) > 0) {
        if (le16(head, 2) == 1)
            return PictureFormat::Ico;
        if (le16(head, 2) == 2)
            return PictureFormat::Cur;
    }
    // A packed device-independent bitmap: a bitmap header without the file
    // header, one plane.
    if (n >= 16) {
        const quint32 headerSize = le32(head, 0);
        const bool knownHeader = headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64
                                 || headerSize == 108 || headerSize == 124;
        if (knownHeader && le16(head, 12) == 1)
            return PictureFormat::Dib;
        if (headerSize == 12 && n >= 10 && le16(head, 8) == 1)
            return PictureFormat::Dib;
    }
    return PictureFormat::Unknown;
}

namespace {
// Pixel rows of an uncompressed bitmap end at offset + rows x stride.
bool bitmapDataFits(qint64 dataOffset, qint64 width, qint64 height, qint64 bitsPerPixel, quint32 compression,
                    qint64 fileSize)
{
    constexpr quint32 plainRgb = 0, bitFields = 3;
    if (compression != plainRgb && compression != bitFields)
        return true; // run-length data has no fixed length
    if (width <= 0 || bitsPerPixel <= 0)
        return false;
    const qint64 stride = (width * bitsPerPixel + 31) / 32 * 4;
    // Header fields of up to 32 bits each: their product can pass 63 bits.
    qint64 rows = 0, end = 0;
    return !qMulOverflow(stride, qAbs(height), &rows) && !qAddOverflow(dataOffset, rows, &end) && end <= fileSize;
}
// Whether the first image of a GIF has pixels: an image of 0 x 0 decodes as
// its empty screen. Unknown (true) when the head ends before it.
bool firstGifImageHasPixels(QByteArrayView head)
{
    qsizetype at = 13;
    if (head.size() > 10 && (quint8(head[10]) & 0x80))
        at += 3 * (qsizetype(2) << (quint8(head[10]) & 7));
    while (at < head.size()) {
        const char kind = head[at];
        if (kind == ',')
            return at + 9 > head.size() || (le16(head, at + 5) != 0 && le16(head, at + 7) != 0);
        if (kind != '!' || at + 2 > head.size())
            return true; // the trailer or damage: the decoder judges it
        // An extension: its label, then data blocks up to an empty one.
        at += 2;
        while (at < head.size() && head[at] != 0)
            at += 1 + quint8(head[at]);
        ++at;
    }
    return true;
}
} // namespace

bool looksComplete(PictureFormat format, QByteArrayView head, QByteArrayView tail, qint64 fileSize)
{
    const qsizetype n = head.size();
    switch (format) {
    case PictureFormat::Bmp:
        if (n < 54)
            return false;
        return bitmapDataFits(le32(head, 10), qint32(le32(head, 18)), qint32(le32(head, 22)), le16(head, 28),
                              le32(head, 30), fileSize);
    case PictureFormat::Dib: {
        const quint32 headerSize = le32(head, 0);
        if (headerSize == 12)
            return n >= 12 && bitmapDataFits(12 + (le16(head, 10) <= 8 ? 3 << le16(head, 10) : 0), le16(head, 4),
                                             qint16(le16(head, 6)), le16(head, 10), 0, fileSize);
        if (n < 40)
            return false;
        const quint16 bits = le16(head, 14);
        const quint32 compression = le32(head, 16);
        const qint64 colours = le32(head, 32) ? qint64(le32(head, 32)) : bits <= 8 ? qint64(1) << bits : 0;
        const qint64 masks = compression == 3 && headerSize == 40 ? 12 : 0;
        return bitmapDataFits(headerSize + colours * 4 + masks, qint32(le32(head, 4)), qint32(le32(head, 8)), bits,
                              compression, fileSize);
    }
    case PictureFormat::Ico:
    case PictureFormat::Cur: {
        const int count = le16(head, 4);
        for (int k = 0; k < count && 6 + 16 * k + 16 <= n; ++k) {
            const qint64 size = le32(head, 6 + 16 * k + 8);
            const qint64 offset = le32(head, 6 + 16 * k + 12);
            if (offset + size > fileSize)
                return false;
        }
        return 6 + 16 * qint64(count) <= fileSize;
    }
    case PictureFormat::Gif: {
        // The trailer byte ends a whole file; some writers pad after it.
        qsizetype last = tail.size() - 1;
        while (last >= 0 && tail[last] == '\0')
            --last;
        return last >= 0 && tail[last] == ';' && firstGifImageHasPixels(head);
    }
    default: return true;
    }
}

bool isMetafile(PictureFormat format)
{
    return format == PictureFormat::Wmf || format == PictureFormat::Emf;
}

const char *qtFormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Bmp: return "bmp";
    case PictureFormat::Dib: return "dib";
    case PictureFormat::Ico: return "ico";
    case PictureFormat::Cur: return "cur";
    case PictureFormat::Jpeg: return "jpeg";
    case PictureFormat::Gif: return "gif";
    default: return "";
    }
}

} // namespace pelk::pictures

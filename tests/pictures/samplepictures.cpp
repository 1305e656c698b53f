#include "samplepictures.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QtEndian>

namespace pelk::samples {

namespace {
void put16(QByteArray &out, int value)
{
    char bytes[2];
    qToLittleEndian<quint16>(quint16(value), bytes);
    out.append(bytes, 2);
}
void put32(QByteArray &out, qint64 value)
{
    char bytes[4];
    qToLittleEndian<quint32>(quint32(value), bytes);
    out.append(bytes, 4);
}
QByteArray saved(const QImage &image, const char *format, int quality = -1)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return data;
}
} // namespace

QImage redWithBlueSquare(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.fillRect(QRect(size.width() / 4, size.height() / 4, size.width() / 2, size.height() / 2), Qt::blue);
    return image;
}

QByteArray bmp(const QSize &size)
{
    return saved(redWithBlueSquare(size), "BMP");
}

QByteArray packedDib(const QSize &size)
{
    return bmp(size).mid(14);
}

QByteArray ico(const QSize &size)
{
    return saved(redWithBlueSquare(size).convertToFormat(QImage::Format_ARGB32), "ICO");
}

QByteArray cur(const QSize &size)
{
    // A cursor file is an icon file of type 2 whose entries hold a hot spot
    // where an icon's hold planes and bit count.
    QByteArray data = ico(size);
    qToLittleEndian<quint16>(2, data.data() + 2);
    const int count = qFromLittleEndian<quint16>(data.constData() + 4);
    for (int k = 0; k < count; ++k) {
        qToLittleEndian<quint16>(quint16(size.width() / 2), data.data() + 6 + 16 * k + 4);
        qToLittleEndian<quint16>(quint16(size.height() / 2), data.data() + 6 + 16 * k + 6);
    }
    return data;
}

QByteArray jpeg(const QSize &size, int quality)
{
    return saved(redWithBlueSquare(size), "JPEG", quality);
}

QByteArray gif(const QSize &size)
{
    // 256-entry palette: 0 red, 1 blue. The image data uses 9-bit codes
    // and a clear code often enough that the code table never grows, which
    // is a valid, if uncompressed, LZW stream.
    const QImage image = redWithBlueSquare(size);
    QByteArray out("GIF89a");
    put16(out, size.width());
    put16(out, size.height());
    out.append(char(0xF7)); // global table of 256 colours
    out.append(char(0));
    out.append(char(0));
    for (int k = 0; k < 256; ++k) {
        const QColor colour = k == 1 ? QColor(Qt::blue) : QColor(Qt::red);
        out.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
    }
    out.append(',');
    put16(out, 0);
    put16(out, 0);
    put16(out, size.width());
    put16(out, size.height());
    out.append(char(0));
    out.append(char(8)); // minimum code size

    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    auto putCode = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            codes.append(char(bits & 0xFF));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    int sinceClear = 0;
    putCode(256);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (sinceClear == 250) {
                putCode(256);
                sinceClear = 0;
            }
            putCode(image.pixelColor(x, y) == QColor(Qt::blue) ? 1 : 0);
            ++sinceClear;
        }
    }
    putCode(257);
    if (bitCount > 0)
        codes.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(';');
    return out;
}

QByteArray wmf(const QSize &size)
{
    // A placeable metafile in units of 1/1440 inch: 15 units to a pixel at
    // 96 dots per inch.
    const int w = size.width() * 15, h = size.height() * 15;
    QByteArray records;
    auto record = [&](int function, std::initializer_list<int> words) {
        put32(records, 3 + qint64(words.size()));
        put16(records, function);
        for (int word : words)
            put16(records, word);
    };
    record(0x020B, {0, 0});                      // SetWindowOrg
    record(0x020C, {h, w});                      // SetWindowExt
    record(0x02FC, {0, 0x00FF, 0x0000, 0});      // CreateBrushIndirect: solid red
    record(0x02FC, {0, 0x0000, 0x00FF, 0});      // CreateBrushIndirect: solid blue
    record(0x02FA, {5, 0, 0, 0, 0});             // CreatePenIndirect: no pen
    record(0x012D, {2});                         // SelectObject pen
    record(0x012D, {0});                         // SelectObject red brush
    record(0x041B, {h, w, 0, 0});                // Rectangle: bottom, right, top, left
    record(0x012D, {1});                         // SelectObject blue brush
    record(0x0418, {h * 3 / 4, w * 3 / 4, h / 4, w / 4}); // Ellipse
    record(0x0000, {});                          // EOF

    QByteArray header;
    put32(header, 0x9AC6CDD7);
    put16(header, 0);
    put16(header, 0);
    put16(header, 0);
    put16(header, w);
    put16(header, h);
    put16(header, 1440);
    put32(header, 0);
    quint16 checksum = 0;
    for (int k = 0; k < 10; ++k)
        checksum ^= qFromLittleEndian<quint16>(header.constData() + 2 * k);
    put16(header, checksum);

    QByteArray meta;
    put16(meta, 1);      // in memory
    put16(meta, 9);      // header words
    put16(meta, 0x0300); // version
    put32(meta, (18 + records.size()) / 2);
    put16(meta, 3);      // objects
    put32(meta, 8);      // largest record, words
    put16(meta, 0);
    return header + meta + records;
}

QByteArray emf(const QSize &size)
{
    const int w = size.width(), h = size.height();
    QByteArray records;
    int count = 1;
    auto record = [&](int type, std::initializer_list<qint64> values) {
        put32(records, type);
        put32(records, 8 + 4 * qint64(values.size()));
        for (qint64 value : values)
            put32(records, value);
        ++count;
    };
    record(39, {1, 0, 0x0000FF, 0});              // CreateBrushIndirect 1: solid red
    record(39, {2, 0, 0xFF0000, 0});              // CreateBrushIndirect 2: solid blue
    record(37, {0x80000008});                     // SelectObject: stock null pen
    record(37, {1});                              // SelectObject red brush
    record(43, {0, 0, w, h});                     // Rectangle
    record(37, {2});
    record(42, {w / 4, h / 4, w * 3 / 4, h * 3 / 4}); // Ellipse
    record(14, {0, 16, 20});                      // EOF

    const int headerSize = 108;
    QByteArray header;
    put32(header, 1);
    put32(header, headerSize);
    for (qint64 v : {0, 0, w - 1, h - 1})        // bounds, device units
        put32(header, v);
    for (qint64 v : {qint64(0), qint64(0), qint64(w) * 2540 / 96, qint64(h) * 2540 / 96}) // frame, 0.01 mm
        put32(header, v);
    put32(header, 0x464D4520);                    // " EMF"
    put32(header, 0x10000);
    put32(header, headerSize + records.size());
    put32(header, count);
    put16(header, 3);                             // handles
    put16(header, 0);
    put32(header, 0);                             // description
    put32(header, 0);
    put32(header, 0);                             // palette entries
    put32(header, 1024);                          // device, pixels
    put32(header, 768);
    put32(header, 271);                           // device, millimetres (96 dpi)
    put32(header, 203);
    put32(header, 0);                             // pixel format
    put32(header, 0);
    put32(header, 0);                             // OpenGL
    put32(header, 271000);                        // device, micrometres
    put32(header, 203200);
    return header + records;
}

QByteArray ofFormat(const QString &format, const QSize &size)
{
    if (format == QLatin1String("bmp") || format == QLatin1String("dib"))
        return bmp(size);
    if (format == QLatin1String("ico"))
        return ico(size);
    if (format == QLatin1String("cur"))
        return cur(size);
    if (format == QLatin1String("jpg"))
        return jpeg(size);
    if (format == QLatin1String("gif"))
        return gif(size);
    if (format == QLatin1String("wmf"))
        return wmf(size);
    if (format == QLatin1String("emf"))
        return emf(size);
    return QByteArray();
}

bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

} // namespace pelk::samples

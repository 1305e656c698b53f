// pelk-metafile-helper WIDTH HEIGHT
//
// Reads a Windows metafile or an enhanced metafile from standard input and
// writes it, drawn at WIDTH x HEIGHT pixels (0 0: its own size), on standard
// output in the form metafilewire.h describes. The viewer runs it as a
// separate process under a time and memory limit, because the metafile
// libraries are not trusted with hostile files. Exit status 0 on success,
// 1 when the input is not a metafile it can draw.
#include "metafilewire.h"
#include "pictureformat.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

namespace {

using namespace pelk::pictures;

constexpr qsizetype kMaxInput = 64 * 1024 * 1024;
const QSize kMaxRender(8192, 8192);

QByteArray readAll(FILE *in)
{
    QByteArray data;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        if (data.size() + qsizetype(got) > kMaxInput)
            return QByteArray();
        data.append(buffer, qsizetype(got));
    }
    return data;
}

std::optional<MetafileImage> drawSvg(const QByteArray &svg, const QSize &fullSize, const QSize &size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return std::nullopt;
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return std::nullopt;
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return MetafileImage{image, fullSize};
}

// A Windows metafile, played by libwmf into SVG.
std::optional<MetafileImage> drawWmf(QByteArray &data, const QSize &shownSize)
{
    wmfAPI *api = nullptr;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return std::nullopt;
    }
    QByteArray svg;
    QSize fullSize;
    wmfD_Rect bbox;
    unsigned int width = 0, height = 0;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char *>(data.data()), long(data.size())) == wmf_E_None
        && wmf_scan(api, 0, &bbox) == wmf_E_None && wmf_display_size(api, &width, &height, 96, 96) == wmf_E_None
        && width > 0 && height > 0) {
        fullSize = QSize(int(qMin(width, 1u << 20)), int(qMin(height, 1u << 20)));
        wmf_svg_t *device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->bbox = bbox;
        device->width = unsigned(fullSize.width());
        device->height = unsigned(fullSize.height());
        device->flags |= WMF_SVG_INLINE_IMAGES;
        device->Description = const_cast<char *>("");
        const bool played = device->out && wmf_play(api, 0, &bbox) == wmf_E_None;
        char *text = nullptr;
        unsigned long length = 0;
        if (device->out)
            wmf_stream_destroy(api, device->out, &text, &length);
        if (played && text)
            svg = QByteArray(text, qsizetype(length));
        wmf_mem_close(api);
    }
    wmf_api_destroy(api); // frees what the library allocated, the text included
    if (svg.isEmpty())
        return std::nullopt;
    return drawSvg(svg, fullSize, metafileRenderSize(fullSize, shownSize, kMaxRender));
}

// The enhanced metafile's own size at 96 dots per inch, from the frame of
// its header (hundredths of a millimetre), or its bounds in device units.
QSize emfFullSize(const QByteArray &data)
{
    if (data.size() < 40)
        return QSize();
    auto at = [&](int offset) { return qint64(qFromLittleEndian<qint32>(data.constData() + offset)); };
    const qint64 frameWidth = at(32) - at(24), frameHeight = at(36) - at(28);
    if (frameWidth > 0 && frameHeight > 0)
        return QSize(int(qMin<qint64>(frameWidth * 96 / 2540 + 1, 1 << 20)),
                     int(qMin<qint64>(frameHeight * 96 / 2540 + 1, 1 << 20)));
    const qint64 boundsWidth = at(16) - at(8) + 1, boundsHeight = at(20) - at(12) + 1;
    if (boundsWidth > 0 && boundsHeight > 0)
        return QSize(int(qMin<qint64>(boundsWidth, 1 << 20)), int(qMin<qint64>(boundsHeight, 1 << 20)));
    return QSize();
}

std::optional<MetafileImage> drawEmf(QByteArray &data, const QSize &shownSize)
{
    const QSize fullSize = emfFullSize(data);
    if (fullSize.isEmpty())
        return std::nullopt;
    const QSize size = metafileRenderSize(fullSize, shownSize, kMaxRender);
    generatorOptions options;
    std::memset(&options, 0, sizeof options);
    options.nameSpace = const_cast<char *>("svg");
    options.svgDelimiter = true;
    options.emfplus = true;
    options.imgWidth = size.width();
    options.imgHeight = size.height();
    char *svg = nullptr;
    size_t svgLength = 0;
    const int converted = emf2svg(data.data(), size_t(data.size()), &svg, &svgLength, &options);
    if (!converted || !svg) {
        std::free(svg);
        return std::nullopt;
    }
    const QByteArray text(svg, qsizetype(svgLength));
    std::free(svg);
    return drawSvg(text, fullSize, size);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const QSize shownSize(std::atoi(argv[1]), std::atoi(argv[2]));
    // Fonts for the text of a drawing need an application object; nothing
    // is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QByteArray data = readAll(stdin);
    std::optional<MetafileImage> drawn;
    switch (sniffPictureFormat(data)) {
    case PictureFormat::Wmf: drawn = drawWmf(data, shownSize); break;
    case PictureFormat::Emf: drawn = drawEmf(data, shownSize); break;
    default: break;
    }
    if (!drawn || drawn->image.isNull())
        return 1;
    const QByteArray out = encodeMetafileImage(drawn->image, drawn->fullSize);
    return std::fwrite(out.constData(), 1, size_t(out.size()), stdout) == size_t(out.size()) ? 0 : 1;
}

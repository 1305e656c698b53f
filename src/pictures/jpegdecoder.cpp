#include "jpegdecoder.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace pelk::pictures {

int jpegScaleNumerator(const QSize &fullSize, const QSize &target)
{
    if (target.isEmpty() || fullSize.isEmpty())
        return 8;
    for (int numerator = 1; numerator < 8; ++numerator) {
        const qint64 width = (qint64(fullSize.width()) * numerator + 7) / 8;
        const qint64 height = (qint64(fullSize.height()) * numerator + 7) / 8;
        if (width >= target.width() && height >= target.height())
            return numerator;
    }
    return 8;
}

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool dataMissing = false;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace messages
    // Warnings that mean the picture's data is cut short or corrupt; others
    // (stray bytes between markers, odd headers) leave a whole picture.
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
        reinterpret_cast<ErrorManager *>(cinfo->err)->dataMissing = true;
        break;
    default: break;
    }
}

void outputMessage(j_common_ptr) {}

// The libjpeg part, in a function of its own that holds no C++ objects
// with destructors, so the error path's longjmp skips nothing.
bool runDecoder(std::FILE *file, const QSize &target, const DecodeLimits &limits, QImage *image, QSize *fullSize,
                bool *unsupported)
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = errorExit;
    errors.base.emit_message = emitMessage;
    errors.base.output_message = outputMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = limits.maxJpegDecoderMemory;
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    *fullSize = QSize(int(cinfo.image_width), int(cinfo.image_height));
    if (fullSize->isEmpty() || int(cinfo.image_width) > limits.maxDimension
        || int(cinfo.image_height) > limits.maxDimension
        || qint64(cinfo.image_width) * cinfo.image_height > limits.maxDeclaredPixels) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (cinfo.jpeg_color_space != JCS_YCbCr && cinfo.jpeg_color_space != JCS_GRAYSCALE
        && cinfo.jpeg_color_space != JCS_RGB) {
        *unsupported = true;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_EXT_BGRA; // QImage's RGB32 byte order, alpha 0xFF
    cinfo.scale_num = unsigned(jpegScaleNumerator(*fullSize, target));
    cinfo.scale_denom = 8;
    cinfo.dct_method = JDCT_ISLOW;
    jpeg_calc_output_dimensions(&cinfo);
    if (qint64(cinfo.output_width) * cinfo.output_height * 4 > qint64(limits.allocationLimitMB) << 20) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    *image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (image->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height && !errors.dataMissing) {
        JSAMPROW row = image->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    if (!errors.dataMissing)
        jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return !errors.dataMissing;
}

} // namespace

std::optional<JpegResult> decodeJpeg(const QString &path, const QSize &target, const DecodeLimits &limits,
                                     bool *unsupported)
{
    bool otherColours = false;
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return std::nullopt;
    JpegResult result;
    const bool ok = runDecoder(file, target, limits, &result.image, &result.fullSize, &otherColours);
    std::fclose(file);
    if (unsupported)
        *unsupported = otherColours;
    if (!ok)
        return std::nullopt;
    return result;
}

} // namespace pelk::pictures

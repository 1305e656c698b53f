// JPEG decoding through libjpeg, shrunk in the decoder itself (DCT scaling)
// so a large photo shown small costs a fraction of a full decode.
#pragma once

#include "decodelimits.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace pelk::pictures {

struct JpegResult {
    QImage image;     // at least `target` where the picture allows, RGB32
    QSize fullSize;
};

// The largest libjpeg scale (numerator over 8, 1 to 8) that still gives at
// least `target` pixels from `fullSize`; 8 when target is empty.
int jpegScaleNumerator(const QSize &fullSize, const QSize &target);

// Decodes the JPEG file at `path` at the scale that best fits `target`
// (empty: full size). nullopt when the file is not a JPEG libjpeg can read
// in colour or grey, when its data ends early or is corrupt, or when it is
// larger than the limits allow. `unsupported` is set when the file is a
// well-formed JPEG in a colour space this decoder leaves to others.
std::optional<JpegResult> decodeJpeg(const QString &path, const QSize &target, const DecodeLimits &limits,
                                     bool *unsupported = nullptr);

} // namespace pelk::pictures

// Refusals that keep a hostile picture file from costing the machine its
// memory, for every decoder.
#pragma once

#include <QtGlobal>

namespace pelk::pictures {

struct DecodeLimits {
    qint64 maxDeclaredPixels = 100'000'000; // width x height the file declares
    int maxDimension = 65535;
    int allocationLimitMB = 128;            // one decoded image
    qint64 maxMetafileBytes = 64 * 1024 * 1024;
    long maxJpegDecoderMemory = 256L << 20; // coefficient buffers of progressive files
};

} // namespace pelk::pictures

// Drawing metafiles through the helper process, which runs with a time and
// memory limit so that a hostile file costs at most that process.
#pragma once

#include "metafilewire.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

namespace pelk::pictures {

struct MetafileLimits {
    int timeoutMs = 5000;
    qint64 addressSpaceBytes = qint64(1) << 30;
};

// The helper executable: in $PELK_BIN_DIR when that is set, otherwise beside
// the binary running this code (the add-in module, or a program of the build
// tree), or in the installed private library folder.
QString metafileHelperPath();

// Draws the metafile `contents` at `shownSize` (empty: its own size).
// nullopt when the helper is missing, fails, runs out of time or memory, or
// answers with anything but a well-formed image.
std::optional<MetafileImage> drawMetafile(const QByteArray &contents, const QSize &shownSize,
                                          const MetafileLimits &limits = MetafileLimits());

} // namespace pelk::pictures

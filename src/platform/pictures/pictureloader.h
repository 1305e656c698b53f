// Picture loading behind LoadPicture.
#pragma once

#include "../platform.h"

namespace pelk::pictures {

// Decodes the picture at `path` no larger than needed to fill `shownSize`
// (empty: full size). Throws Error for a missing or unreadable file.
Picture load(const QString &path, const QSize &shownSize);
// Decodes these pictures ahead, for a later load() at the same size.
void loadAhead(const QStringList &paths, const QSize &shownSize);

} // namespace pelk::pictures

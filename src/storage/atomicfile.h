// Writing a whole file in one step, so no failure leaves it half written.
#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QString>

namespace pelk::files {

// How far a write must have gone when it returns: flushed to the disk, or
// only renamed into place, which survives the process but not a power cut.
enum class Durability { Synced, Renamed };

// Replaces the file's contents in one step: the old contents stay whole
// until the new ones are complete. A link is followed, so it stays a link
// and its target changes. The error (fileError), with the old file kept,
// when it cannot write.
Status writeFileAtomically(const QString &path, const QByteArray &contents,
                         Durability durability = Durability::Synced);

} // namespace pelk::files

// UTF-8 to text letter for letter. QString::fromUtf8 and a default decoder
// drop a leading U+FEFF as a byte order mark; text that a user typed or a
// file held keeps it.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace pelk {

// The text the bytes spell; an invalid sequence reads as U+FFFD.
QString utf8Text(QByteArrayView bytes);
// The text the bytes spell, or nullopt when they are not valid UTF-8.
std::optional<QString> validUtf8Text(QByteArrayView bytes);

} // namespace pelk

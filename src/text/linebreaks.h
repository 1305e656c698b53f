// Line breaks as typed or stored (CR LF, a lone CR, a lone LF) and as Qt's
// text widgets show them (LF).
#pragma once

#include <QString>

namespace pelk {

// The text with each CR LF, CR and LF as one LF.
QString lfLineBreaks(const QString &text);

} // namespace pelk

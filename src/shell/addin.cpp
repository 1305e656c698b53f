#include "addin.h"

#include "platform/error.h"
#include "platform/iniwriter.h"

namespace pelk::AddIn {

Status Main(IniWriter &ini)
{
    // The host's list is an 8-bit file: the strings go over as ANSI text.
    const QByteArray section = QStringLiteral("Add-Ins32").toLatin1();
    const QByteArray key = QStringLiteral("PelkTulvane.Connect").toLatin1();
    const QByteArray value = QStringLiteral("0").toLatin1();
    const QByteArray fileName = QStringLiteral("vbaddin.ini").toLatin1();
    return ini.writeKey(section, key, value, fileName);
}

} // namespace pelk::AddIn

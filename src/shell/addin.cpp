#include "addin.h"

#include "platform/platform.h"

namespace pelk::AddIn {

void Main(Platform &platform)
{
    // The host's list is an 8-bit file: the strings go over as ANSI text.
    const QByteArray section = QStringLiteral("Add-Ins32").toLatin1();
    const QByteArray key = QStringLiteral("PelkTulvane.Connect").toLatin1();
    const QByteArray value = QStringLiteral("0").toLatin1();
    const QByteArray fileName = QStringLiteral("vbaddin.ini").toLatin1();
    try {
        platform.WritePrivateProfileStringA(section, key, value, fileName);
    } catch (const Error &) {
        // Not looked at: without the entry the host does not list the add-in.
    }
}

} // namespace pelk::AddIn

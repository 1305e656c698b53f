#include "registration.h"

#include "platform/error.h"
#include "platform/iniwriter.h"
#include "storage/paths.h"

#include <QFile>

namespace pelk::registration {

Entries classEntries(const QString &modulePath)
{
    return {
        {"CLSID", kClassId},
        {"Description", kClassDescription},
        {"Interface", kInterfaceId},
        {"InterfaceName", "_Connect"},
        {"TypeLib", kTypeLibId},
        {"TypeLibName", "PelkTulvane"},
        {"TypeLibVersion", "1.0"},
        {"TypeLibLocale", "0x409"},
        {"TypeLibHelpFile", "PelkTulvane.hlp"},
        {"TypeLibDescription", "PelkTulvane: message box, input box, color and picture tools for the host IDE"},
        {"Module", QFile::encodeName(modulePath)},
    };
}

Status RegisterServer(IniWriter &ini, const QString &modulePath)
{
    const QByteArray file = QFile::encodeName(paths::classRegistryFile());
    Status first;
    for (const auto &[key, value] : classEntries(modulePath)) {
        // A key that fails does not stop the others.
        if (const Status written = ini.writeKey(kProgId, key, value, file); !written && first)
            first = written;
    }
    return first;
}

} // namespace pelk::registration

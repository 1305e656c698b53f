// Class registration: the facts by which the host finds and creates the
// connection class. They live in the per-user class registry, one section
// per ProgID, written through the INI writer service.
#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace pelk {
class IniWriter;
}

namespace pelk::registration {

inline constexpr char kProgId[] = "PelkTulvane.Connect";
inline constexpr char kClassDescription[] = "Pelk Tulvane";
inline constexpr char kClassId[] = "{E40203AE-2DB7-4407-8F7F-6F3DFC711C4B}";
inline constexpr char kInterfaceId[] = "{DF2D3E27-7674-499C-99BA-A1B6C599DFC7}"; // _Connect
inline constexpr char kTypeLibId[] = "{0397909E-5D1F-41D1-A2A8-2050DABE7F61}";
// The module file that serves the class, beside the program.
inline constexpr char kModuleFileName[] = "libpelktulvane.so";

using Entries = QList<QPair<QByteArray, QByteArray>>;

// The keys and values of the class's section, in the order they are written.
// `modulePath` is the full path of the module that serves the class.
Entries classEntries(const QString &modulePath);

// Writes the class's section of the class registry: every key, the ones
// after a failed key included; the first key's error when any failed.
Status RegisterServer(IniWriter &ini, const QString &modulePath);

} // namespace pelk::registration

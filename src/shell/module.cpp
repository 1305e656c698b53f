#include "module.h"

#include "addin.h"
#include "connect.h"
#include "registration.h"

#include "desktop/desktopservices.h"
#include "storage/paths.h"

namespace pelk {

PelkTulvaneModule::PelkTulvaneModule() = default;
PelkTulvaneModule::~PelkTulvaneModule() = default;

std::unique_ptr<hostsdk::IDTExtensibility> PelkTulvaneModule::CreateObject(const QString &progId)
{
    if (progId.compare(QLatin1String(registration::kProgId), Qt::CaseInsensitive) != 0)
        return nullptr;
    if (!m_services) {
        // One set of services per process; the program starts (Main) before the
        // host gets its first Connect.
        m_services = std::make_unique<DesktopServices>(paths::codeFolder());
        // A start by the host does not look at the write: the add-in loads
        // all the same.
        (void)AddIn::Main(*m_services);
    }
    return std::make_unique<Connect>(m_services->services());
}

} // namespace pelk

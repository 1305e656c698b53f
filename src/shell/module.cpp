#include "module.h"

#include "addin.h"
#include "connect.h"
#include "registration.h"

#include "storage/paths.h"
#include "desktop/qtplatform.h"

namespace pelk {

PelkTulvaneModule::PelkTulvaneModule() = default;
PelkTulvaneModule::~PelkTulvaneModule() = default;

std::unique_ptr<hostsdk::IDTExtensibility> PelkTulvaneModule::CreateObject(const QString &progId)
{
    if (progId.compare(QLatin1String(registration::kProgId), Qt::CaseInsensitive) != 0)
        return nullptr;
    if (!m_platform) {
        // One platform per process; the program starts (Main) before the
        // host gets its first Connect.
        m_platform = std::make_unique<QtPlatform>(paths::codeFolder());
        AddIn::Main(*m_platform);
    }
    return std::make_unique<Connect>(*m_platform);
}

} // namespace pelk

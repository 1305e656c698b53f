#include "module.h"

#include "addin.h"
#include "connect.h"
#include "registration.h"

#include "platform/qtplatform.h"

#include <QFileInfo>

#include <dlfcn.h>

namespace pelk {

PelkTulvaneModule::PelkTulvaneModule() = default;
PelkTulvaneModule::~PelkTulvaneModule() = default;

QString PelkTulvaneModule::moduleFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&PelkTulvaneModule::moduleFolder), &info) && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QString();
}

std::unique_ptr<hostsdk::IDTExtensibility> PelkTulvaneModule::CreateObject(const QString &progId)
{
    if (progId.compare(QLatin1String(registration::kProgId), Qt::CaseInsensitive) != 0)
        return nullptr;
    if (!m_platform) {
        // One platform per process; the program starts (Main) before the
        // host gets its first Connect.
        m_platform = std::make_unique<QtPlatform>(moduleFolder());
        AddIn::Main(*m_platform);
    }
    return std::make_unique<Connect>(*m_platform);
}

} // namespace pelk

// The add-in module the host loads: it serves the class "PelkTulvane.Connect".
// The first object it creates runs the program's start-up procedure, once per
// process, as a fresh start of the program would.
#pragma once

#include "hostsdk/hostsdk.h"

#include <QObject>

#include <memory>

namespace pelk {

class DesktopServices;

class PelkTulvaneModule : public QObject, public hostsdk::AddInModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HostSdk_AddInModule_iid FILE "pelktulvane.json")
    Q_INTERFACES(hostsdk::AddInModule)
public:
    PelkTulvaneModule();
    ~PelkTulvaneModule() override;

    std::unique_ptr<hostsdk::IDTExtensibility> CreateObject(const QString &progId) override;

private:
    std::unique_ptr<DesktopServices> m_services;
};

} // namespace pelk

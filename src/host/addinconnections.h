// The host's side of its add-ins: finds a ProgID's module through the class
// registry, loads it, creates and connects the add-in's object, and
// disconnects it again. Every failure of an add-in, from a missing module to
// an exception thrown by the add-in, is reported in a message box; the host
// goes on.
#pragma once

#include "commandbars.h"

#include "hostsdk/hostsdk.h"

#include <QPointer>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class QAction;
class QPluginLoader;

namespace pelk {
class Boxes;
}

namespace pelk::host {

inline constexpr char kHostTitle[] = "Pelk Host";

// Shows a host message about an add-in: exclamation icon, OK, the host's title.
void reportAddInFailure(Boxes &boxes, const QString &message);

class AddInConnections {
public:
    AddInConnections(Boxes &boxes, std::shared_ptr<HostIde> ide);
    ~AddInConnections();

    // Connects the add-in of `progId` in `mode`; false (after a message) when
    // it could not be loaded or failed while connecting. A connected add-in
    // is not connected a second time.
    bool connectAddIn(const QString &progId, hostsdk::ext_ConnectMode mode);
    void disconnectAddIn(const QString &progId, hostsdk::ext_DisconnectMode mode);
    // Disconnects every add-in, the latest first.
    void disconnectAll(hostsdk::ext_DisconnectMode mode);
    // Tells every add-in connected in start-up mode that the host has started.
    void startupComplete();

    bool isConnected(const QString &progId) const;
    QStringList connectedProgIds() const;
    // The menu entries the add-in added while it connected and still has.
    QList<QAction *> entriesOf(const QString &progId) const;

private:
    struct Connection {
        QString progId;
        hostsdk::ext_ConnectMode mode;
        std::unique_ptr<hostsdk::AddIn> record;
        std::unique_ptr<hostsdk::IDTExtensibility> object;
        QList<QPointer<QAction>> added; // entries and separators added while connecting
    };

    hostsdk::AddInModule *loadModule(const QString &progId);
    std::vector<Connection>::iterator find(const QString &progId);
    void report(const QString &message);

    Boxes &m_boxes;
    std::shared_ptr<HostIde> m_ide;
    std::map<QString, std::unique_ptr<QPluginLoader>> m_loaders; // modules stay loaded
    std::vector<Connection> m_connections;
};

} // namespace pelk::host

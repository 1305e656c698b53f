#include "addinconnections.h"

#include "addinlist.h"

#include "storage/paths.h"
#include "platform/boxes.h"

#include <QAction>
#include <QFileInfo>
#include <QPluginLoader>

namespace pelk::host {

namespace {

// The host's record of one add-in, handed to OnConnection.
class HostAddInRecord final : public hostsdk::AddIn {
public:
    explicit HostAddInRecord(const QString &progId) : m_progId(progId) {}
    QString ProgId() const override { return m_progId; }

private:
    QString m_progId;
};


QString quoted(const QString &progId)
{
    return QLatin1Char('"') + progId + QLatin1Char('"');
}

} // namespace

void reportAddInFailure(Boxes &boxes, const QString &message)
{
    boxes.MsgBox(message, mb::vbExclamation, QString::fromLatin1(kHostTitle));
}

AddInConnections::AddInConnections(Boxes &boxes, std::shared_ptr<HostIde> ide)
    : m_boxes(boxes), m_ide(std::move(ide))
{
}

AddInConnections::~AddInConnections()
{
    // Objects go before their modules' loaders (which never unload anyway).
    m_connections.clear();
}

void AddInConnections::report(const QString &message)
{
    reportAddInFailure(m_boxes, message);
}

std::vector<AddInConnections::Connection>::iterator AddInConnections::find(const QString &progId)
{
    return std::find_if(m_connections.begin(), m_connections.end(), [&](const Connection &c) {
        return c.progId.compare(progId, Qt::CaseInsensitive) == 0;
    });
}

bool AddInConnections::isConnected(const QString &progId) const
{
    return const_cast<AddInConnections *>(this)->find(progId) != m_connections.end();
}

QStringList AddInConnections::connectedProgIds() const
{
    QStringList ids;
    for (const Connection &c : m_connections)
        ids.append(c.progId);
    return ids;
}

QList<QAction *> AddInConnections::entriesOf(const QString &progId) const
{
    QList<QAction *> entries;
    const auto it = const_cast<AddInConnections *>(this)->find(progId);
    if (it == m_connections.end())
        return entries;
    for (const QPointer<QAction> &action : it->added) {
        if (action && !action->isSeparator())
            entries.append(action);
    }
    return entries;
}

hostsdk::AddInModule *AddInConnections::loadModule(const QString &progId)
{
    const std::optional<ClassRecord> record =
        findClass(readFileBytes(paths::classRegistryFile()), progId);
    if (!record) {
        report(QStringLiteral("The add-in %1 could not be loaded: its class is not registered.").arg(quoted(progId)));
        return nullptr;
    }
    const QString path = QFileInfo(record->modulePath).absoluteFilePath();
    std::unique_ptr<QPluginLoader> &loader = m_loaders[path];
    if (!loader)
        loader = std::make_unique<QPluginLoader>(path);
    QObject *root = loader->instance();
    if (!root) {
        report(QStringLiteral("The add-in %1 could not be loaded from \"%2\":\n%3")
                   .arg(quoted(progId), path, loader->errorString()));
        return nullptr;
    }
    auto *module = qobject_cast<hostsdk::AddInModule *>(root);
    if (!module)
        report(QStringLiteral("The add-in %1 could not be loaded: \"%2\" is not an add-in module.")
                   .arg(quoted(progId), path));
    return module;
}

bool AddInConnections::connectAddIn(const QString &progId, hostsdk::ext_ConnectMode mode)
{
    if (isConnected(progId))
        return true;
    hostsdk::AddInModule *module = loadModule(progId);
    if (!module)
        return false;

    Connection connection;
    connection.progId = progId;
    connection.mode = mode;
    connection.record = std::make_unique<HostAddInRecord>(progId);
    const QList<QAction *> before = m_ide->commandBarActions();
    try {
        connection.object = module->CreateObject(progId);
        if (!connection.object) {
            report(QStringLiteral("The add-in %1 could not be loaded: its module does not serve this class.")
                       .arg(quoted(progId)));
            return false;
        }
        QVariantList custom;
        connection.object->OnConnection(m_ide, mode, connection.record.get(), custom);
    } catch (...) {
        report(QStringLiteral("The add-in %1 failed while connecting:\n%2").arg(quoted(progId), currentFailure()));
        connection.object.reset();
        // Whatever it put into the menus before it failed goes with it.
        for (QAction *action : m_ide->commandBarActions()) {
            if (!before.contains(action))
                delete action;
        }
        return false;
    }
    for (QAction *action : m_ide->commandBarActions()) {
        if (!before.contains(action))
            connection.added.append(action);
    }
    m_connections.push_back(std::move(connection));
    return true;
}

void AddInConnections::disconnectAddIn(const QString &progId, hostsdk::ext_DisconnectMode mode)
{
    auto it = find(progId);
    if (it == m_connections.end())
        return;
    // Taken out of the list first: a message box below runs an event loop.
    Connection connection = std::move(*it);
    m_connections.erase(it);
    try {
        QVariantList custom;
        connection.object->OnDisconnection(mode, custom);
    } catch (...) {
        report(QStringLiteral("The add-in %1 failed while disconnecting:\n%2").arg(quoted(progId), currentFailure()));
    }
    connection.object.reset();
    // Entries the add-in left behind would no longer answer a click.
    for (const QPointer<QAction> &action : connection.added)
        delete action.data();
}

void AddInConnections::disconnectAll(hostsdk::ext_DisconnectMode mode)
{
    while (!m_connections.empty())
        disconnectAddIn(m_connections.back().progId, mode);
}

void AddInConnections::startupComplete()
{
    for (const QString &progId : connectedProgIds()) {
        auto it = find(progId);
        if (it == m_connections.end() || it->mode != hostsdk::ext_cm_Startup)
            continue;
        try {
            QVariantList custom;
            it->object->OnStartupComplete(custom);
        } catch (...) {
            report(QStringLiteral("The add-in %1 failed at the end of start-up:\n%2").arg(quoted(progId), currentFailure()));
        }
    }
}

} // namespace pelk::host

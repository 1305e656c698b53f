// A test add-in module that records what the host asks of it. It serves:
// "Recording.Connect" (adds the entry "Recording Entry", records clicks),
// "Recording.ThrowsOnConnect", "Recording.ThrowsOnClick",
// "Recording.ThrowsOnDisconnect" and "Recording.ThrowsOddly" (throws an int). Its log is read through the module's
// invokable calls().
#include "hostsdk/hostsdk.h"

#include <QObject>
#include <QStringList>

#include <stdexcept>

namespace {

QStringList g_calls;

class RecordingAddIn final : public hostsdk::IDTExtensibility, public hostsdk::CommandBarEventsSink {
public:
    explicit RecordingAddIn(const QString &progId) : m_progId(progId) {}
    ~RecordingAddIn() override
    {
        if (m_source)
            m_source->Unadvise(this);
    }

    void OnConnection(const std::shared_ptr<hostsdk::VBE> &vbInst, hostsdk::ext_ConnectMode mode,
                      hostsdk::AddIn *record, QVariantList &) override
    {
        g_calls << QStringLiteral("connect %1 %2 %3").arg(m_progId).arg(int(mode)).arg(record ? record->ProgId() : "-");
        if (hostsdk::CommandBarPtr bar = vbInst->CommandBars().Item(QStringLiteral("Add-Ins"))) {
            m_entry = bar->Controls().Add(1);
            m_entry->setCaption(m_progId == QLatin1String("Recording.Connect") ? QStringLiteral("Recording Entry")
                                                                                : m_progId);
            m_entry->setBeginGroup(true);
            m_source = vbInst->Events().CommandBarEvents(m_entry);
            m_source->Advise(this);
        } else {
            g_calls << QStringLiteral("no bar %1").arg(m_progId);
        }
        if (m_progId == QLatin1String("Recording.ThrowsOnConnect"))
            throw std::runtime_error("connection refused");
        if (m_progId == QLatin1String("Recording.ThrowsOddly"))
            throw 42;
    }
    void OnDisconnection(hostsdk::ext_DisconnectMode mode, QVariantList &) override
    {
        g_calls << QStringLiteral("disconnect %1 %2").arg(m_progId).arg(int(mode));
        if (m_progId == QLatin1String("Recording.ThrowsOnDisconnect"))
            throw std::runtime_error("disconnection refused");
        if (m_entry)
            m_entry->Delete();
    }
    void OnStartupComplete(QVariantList &) override { g_calls << QStringLiteral("startup %1").arg(m_progId); }
    void OnAddInsUpdate(QVariantList &) override {}

    void Click(const hostsdk::CommandBarControlPtr &control, bool &, bool &) override
    {
        g_calls << QStringLiteral("click %1 %2").arg(m_progId, control->Caption());
        if (m_progId == QLatin1String("Recording.ThrowsOnClick"))
            throw std::runtime_error("click failed");
    }

private:
    QString m_progId;
    hostsdk::CommandBarControlPtr m_entry;
    hostsdk::CommandBarEventsPtr m_source;
};

} // namespace

class RecordingModule : public QObject, public hostsdk::AddInModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HostSdk_AddInModule_iid)
    Q_INTERFACES(hostsdk::AddInModule)
public:
    std::unique_ptr<hostsdk::IDTExtensibility> CreateObject(const QString &progId) override
    {
        static const QStringList served = {"Recording.Connect", "Recording.ThrowsOnConnect", "Recording.ThrowsOnClick",
                                           "Recording.ThrowsOnDisconnect", "Recording.ThrowsOddly"};
        if (!served.contains(progId))
            return nullptr;
        return std::make_unique<RecordingAddIn>(progId);
    }
    Q_INVOKABLE QStringList calls() const { return g_calls; }
    Q_INVOKABLE void clear() { g_calls.clear(); }
};

#include "recordingaddin.moc"

#include "connect.h"

#include <QLoggingCategory>

namespace pelk {

namespace {

// Steps skipped on failure, for whoever wonders why a step left no trace:
// QT_LOGGING_RULES="pelk.connect.debug=true".
Q_LOGGING_CATEGORY(lcConnect, "pelk.connect", QtInfoMsg)

const QString kSettingsSection = QStringLiteral("Settings");
const QString kDisplayOnConnect = QStringLiteral("DisplayOnConnect");

// Runs one step; a failure of the platform or the host is skipped without a
// message so the next step runs. Anything else (no memory, a broken
// invariant) is no failing step and goes on up.
template <class Step>
void skipOnFailure(const char *what, Step &&step)
{
    try {
        step();
    } catch (const Error &error) {
        qCDebug(lcConnect, "skipped %s: %s", what, qUtf8Printable(error.description()));
    } catch (const hostsdk::HostError &error) {
        qCDebug(lcConnect, "skipped %s: %s", what, qUtf8Printable(error.description()));
    }
}

QString describe(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const Error *>(&error))
        return own->description();
    if (const auto *host = dynamic_cast<const hostsdk::HostError *>(&error))
        return host->description();
    return QString::fromLocal8Bit(error.what());
}

hostsdk::CommandBarControl &require(const hostsdk::CommandBarControlPtr &entry)
{
    if (!entry)
        throw Error(errObjectNotSet);
    return *entry;
}

} // namespace

// Receives the clicks of one entry and passes them to its handler.
class Connect::ClickSink final : public hostsdk::CommandBarEventsSink {
public:
    ClickSink(Connect &connect, const Tool &tool) : m_connect(connect), m_tool(tool) {}
    void Click(const hostsdk::CommandBarControlPtr &control, bool &handled, bool &cancelDefault) override
    {
        (m_connect.*m_tool.click)(control, handled, cancelDefault);
    }

private:
    Connect &m_connect;
    const Tool &m_tool;
};

const std::array<Connect::Tool, 4> Connect::kTools = {{
    {"Pelk MsgBox Wizard", true, &Connect::MenuEntry, &Connect::MenuHandler, &Connect::MenuHandler_Click,
     [](Connect &c) -> ToolWindowSlot & { return c.ToolWindow; },
     [](Connect &c) { c.ToolWindow->VBInstance = c.VBInstance; }},
    {"Pelk Input Box Wizard", false, &Connect::MenuEntry1, &Connect::MenuHandler1, &Connect::MenuHandler1_Click,
     [](Connect &c) -> ToolWindowSlot & { return c.ToolWindow1; }, nullptr},
    {"Pelk Color Finder", true, &Connect::MenuEntry2, &Connect::MenuHandler2, &Connect::MenuHandler2_Click,
     [](Connect &c) -> ToolWindowSlot & { return c.ToolWindow2; },
     [](Connect &c) { c.ToolWindow2->VBInstance2 = c.VBInstance2; }},
    {"Pelk Picture Viewer", false, &Connect::MenuEntry3, &Connect::MenuHandler3, &Connect::MenuHandler3_Click,
     [](Connect &c) -> ToolWindowSlot & { return c.ToolWindow3; },
     [](Connect &c) { c.ToolWindow3->VBInstance3 = c.VBInstance3; }},
}};

Connect::Connect(Platform &platform) : m_platform(platform)
{
    for (std::size_t i = 0; i < kTools.size(); ++i)
        m_sinks[i] = std::make_unique<ClickSink>(*this, kTools[i]);
}

Connect::~Connect()
{
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        if (const hostsdk::CommandBarEventsPtr &source = this->*kTools[i].handler)
            skipOnFailure("unsubscribing", [&] { source->Unadvise(m_sinks[i].get()); });
    }
    // The windows go first: their unload may still call back into Hide.
    for (const Tool &tool : kTools)
        tool.window(*this).release();
}

forms::Form *Connect::toolWindow(int tool)
{
    if (tool < 0 || tool >= int(kTools.size()))
        return nullptr;
    return kTools[tool].window(*this).get();
}

// --- Show and Hide ----------------------------------------------------------

void Connect::showTool(const Tool &tool)
{
    ToolWindowSlot &slot = tool.window(*this);
    skipOnFailure("creating the window", [&] { slot.object(m_platform); });
    if (tool.handHost)
        skipOnFailure("handing the host to the window", [&] { tool.handHost(*this); });
    skipOnFailure("setting the window's Connect", [&] { slot.setConnect(this); });
    FormDisplayed = true;
    skipOnFailure("showing the window", [&] {
        if (!slot.get())
            throw Error(errObjectNotSet);
        slot.get()->Show();
    });
}

void Connect::hideTool(const Tool &tool)
{
    FormDisplayed = false;
    skipOnFailure("hiding the window", [&] { tool.window(*this).object(m_platform).Hide(); });
}

void Connect::Show() { showTool(kTools[0]); }
void Connect::Show1() { showTool(kTools[1]); }
void Connect::Show2() { showTool(kTools[2]); }
void Connect::Show3() { showTool(kTools[3]); }
void Connect::Hide() { hideTool(kTools[0]); }
void Connect::Hide1() { hideTool(kTools[1]); }
void Connect::Hide2() { hideTool(kTools[2]); }
void Connect::Hide3() { hideTool(kTools[3]); }

void Connect::MenuHandler_Click(const hostsdk::CommandBarControlPtr &, bool &, bool &) { Show(); }
void Connect::MenuHandler1_Click(const hostsdk::CommandBarControlPtr &, bool &, bool &) { Show1(); }
void Connect::MenuHandler2_Click(const hostsdk::CommandBarControlPtr &, bool &, bool &) { Show2(); }
void Connect::MenuHandler3_Click(const hostsdk::CommandBarControlPtr &, bool &, bool &) { Show3(); }

// --- The host's menu --------------------------------------------------------

hostsdk::CommandBarControlPtr Connect::AddToAddInCommandBar(const QString &sCaption)
{
    try {
        if (!VBInstance)
            return nullptr;
        hostsdk::CommandBarPtr bar = VBInstance->CommandBars().Item(QStringLiteral("Add-Ins"));
        if (!bar)
            return nullptr;
        hostsdk::CommandBarControlPtr entry = bar->Controls().Add(1);
        if (!entry)
            return nullptr;
        entry->setCaption(sCaption);
        return entry;
    } catch (const Error &) {
        return nullptr;
    } catch (const hostsdk::HostError &) {
        return nullptr;
    }
}

void Connect::subscribe(std::size_t tool, hostsdk::CommandBarEventsPtr source)
{
    ClickSink *sink = m_sinks[tool].get();
    hostsdk::CommandBarEventsPtr &handler = this->*kTools[tool].handler;
    if (handler)
        skipOnFailure("unsubscribing", [&] { handler->Unadvise(sink); });
    handler = std::move(source);
    if (handler)
        handler->Advise(sink);
}

void Connect::showIfDisplayedOnConnect()
{
    const QString value =
        m_platform.GetSetting(m_platform.App().Title, kSettingsSection, kDisplayOnConnect, QStringLiteral("0"));
    if (value == QLatin1String("1"))
        Show();
}

// --- The host's calls -------------------------------------------------------

void Connect::OnConnection(const std::shared_ptr<hostsdk::VBE> &VBInst, hostsdk::ext_ConnectMode ConnectMode,
                           hostsdk::AddIn *, QVariantList &)
{
    try {
        VBInstance = VBInst;
        VBInstance1 = VBInst;
        VBInstance2 = VBInst;
        VBInstance3 = VBInst;

        if (ConnectMode == hostsdk::ext_cm_External) {
            Show();
        } else {
            for (const Tool &tool : kTools) {
                this->*tool.entry = AddToAddInCommandBar(QString::fromLatin1(tool.caption));
                if (tool.beginGroup)
                    require(this->*tool.entry).setBeginGroup(true);
            }
            if (!VBInst)
                throw Error(errObjectNotSet);
            for (std::size_t tool = 0; tool < kTools.size(); ++tool)
                subscribe(tool, VBInst->Events().CommandBarEvents(this->*kTools[tool].entry));
        }

        if (ConnectMode == hostsdk::ext_cm_AfterStartup)
            showIfDisplayedOnConnect();
    } catch (const std::exception &error) {
        m_platform.MsgBox(describe(error), mb::vbOKOnly);
    } catch (...) {
        m_platform.MsgBox(Error::standardDescription(0), mb::vbOKOnly);
    }
}

void Connect::OnDisconnection(hostsdk::ext_DisconnectMode, QVariantList &)
{
    for (const Tool &tool : kTools)
        skipOnFailure("deleting a menu entry", [&] { require(this->*tool.entry).Delete(); });

    skipOnFailure("saving DisplayOnConnect", [&] {
        if (FormDisplayed) {
            m_platform.SaveSetting(m_platform.App().Title, kSettingsSection, kDisplayOnConnect, QStringLiteral("1"));
            FormDisplayed = false;
        } else {
            m_platform.SaveSetting(m_platform.App().Title, kSettingsSection, kDisplayOnConnect, QStringLiteral("0"));
        }
    });

    for (const Tool &tool : kTools) {
        skipOnFailure("unloading a window", [&] {
            if (forms::Form *window = tool.window(*this).get())
                window->Unload();
        });
    }
    for (const Tool &tool : kTools)
        tool.window(*this).release();
}

void Connect::OnStartupComplete(QVariantList &)
{
    showIfDisplayedOnConnect();
}

void Connect::OnAddInsUpdate(QVariantList &) {}

} // namespace pelk

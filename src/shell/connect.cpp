#include "connect.h"

#include "color_finder/colorfinderwindow.h"
#include "inputbox_wizard/inputboxwizardwindow.h"
#include "msgbox_wizard/msgboxwizardwindow.h"
#include "picture_viewer/pictureviewerwindow.h"

#include <QLoggingCategory>

#include <stdexcept>
#include <string>
#include <type_traits>

namespace pelk {

namespace {

// Steps skipped on failure, for whoever wonders why a step left no trace:
// QT_LOGGING_RULES="pelk.connect.debug=true".
Q_LOGGING_CATEGORY(lcConnect, "pelk.connect", QtInfoMsg)

const QString kSettingsSection = QStringLiteral("Settings");
const QString kDisplayOnConnect = QStringLiteral("DisplayOnConnect");

// A call into the host: its failure becomes the add-in's one error type.
template <class Call>
decltype(auto) fromHost(Call &&call)
{
    try {
        return call();
    } catch (const hostsdk::HostError &error) {
        throw Error(error.number(), error.description());
    }
}

void skipped(const char *what, const Error &error)
{
    qCDebug(lcConnect, "skipped %s: %s", what, qUtf8Printable(error.description()));
}

// Runs one step; a failure of a service or the host is skipped without a
// message so the next step runs. Anything else (no memory, a broken
// invariant) is no failing step and goes on up.
template <class Step>
void skipOnFailure(const char *what, Step &&step)
{
    try {
        if constexpr (std::is_same_v<std::invoke_result_t<Step>, Status>) {
            if (const Status done = fromHost(step); !done)
                skipped(what, done.error());
        } else {
            fromHost(step);
        }
    } catch (const Error &error) {
        skipped(what, error);
    }
}

hostsdk::CommandBarControl &require(const hostsdk::CommandBarControlPtr &entry)
{
    if (!entry)
        throw Error(errObjectNotSet);
    return *entry;
}

template <class Window>
std::unique_ptr<forms::Form> create(const Services &services)
{
    return std::make_unique<Window>(services);
}

// One row of the tool table.
struct Tool {
    const char *caption;
    bool beginGroup;
    std::unique_ptr<forms::Form> (*create)(const Services &);
    // Hands the host object to the window; null for a tool that keeps none.
    void (*handHost)(forms::Form &, const std::shared_ptr<hostsdk::VBE> &);
};

const std::array<Tool, Connect::kToolCount> kTools = {{
    {"Pelk MsgBox Wizard", true, create<MsgBoxWizardWindow>,
     [](forms::Form &window, const std::shared_ptr<hostsdk::VBE> &host) {
         static_cast<MsgBoxWizardWindow &>(window).VBInstance = host;
     }},
    {"Pelk Input Box Wizard", false, create<InputBoxWizardWindow>, nullptr},
    {"Pelk Color Finder", true, create<ColorFinderWindow>,
     [](forms::Form &window, const std::shared_ptr<hostsdk::VBE> &host) {
         static_cast<ColorFinderWindow &>(window).VBInstance2 = host;
     }},
    {"Pelk Picture Viewer", false, create<PictureViewerWindow>,
     [](forms::Form &window, const std::shared_ptr<hostsdk::VBE> &host) {
         static_cast<PictureViewerWindow &>(window).VBInstance3 = host;
     }},
}};

} // namespace

// Receives the clicks of one entry and shows its tool.
class Connect::ClickSink final : public hostsdk::CommandBarEventsSink {
public:
    ClickSink(Connect &connect, int tool) : m_connect(connect), m_tool(tool) {}
    void Click(const hostsdk::CommandBarControlPtr &, bool &, bool &) override { m_connect.Show(m_tool); }

private:
    Connect &m_connect;
    int m_tool;
};

Connect::Connect(const Services &services) : m_services(services)
{
    for (int tool = 0; tool < kToolCount; ++tool)
        m_tools[tool].sink = std::make_unique<ClickSink>(*this, tool);
}

Connect::~Connect()
{
    for (ToolState &state : m_tools) {
        if (state.clicks)
            skipOnFailure("unsubscribing", [&] { state.clicks->Unadvise(state.sink.get()); });
    }
    releaseWindows();
}

forms::Form *Connect::toolWindow(int tool) const
{
    if (tool < 0 || tool >= kToolCount)
        return nullptr;
    return m_tools[tool].window.get();
}

// --- Show and Hide ----------------------------------------------------------

void Connect::requireTool(int tool)
{
    if (tool < 0 || tool >= kToolCount)
        throw std::out_of_range("Connect: no tool " + std::to_string(tool));
}

forms::Form &Connect::windowObject(int tool)
{
    std::unique_ptr<forms::Form> &window = m_tools[tool].window;
    if (!window) {
        window = kTools[tool].create(m_services);
        // The window's Exit and unload hide it through the connection.
        QObject::connect(window.get(), &forms::Form::hideRequested, window.get(), [this, tool] { Hide(tool); });
    }
    return *window;
}

void Connect::Show(int tool)
{
    requireTool(tool);
    skipOnFailure("creating the window", [&] { windowObject(tool); });
    if (kTools[tool].handHost) {
        skipOnFailure("handing the host to the window", [&] {
            if (!toolWindow(tool))
                throw Error(errObjectNotSet);
            kTools[tool].handHost(*toolWindow(tool), VBInstance);
        });
    }
    FormDisplayed = true;
    skipOnFailure("showing the window", [&] {
        if (!toolWindow(tool))
            throw Error(errObjectNotSet);
        toolWindow(tool)->Show();
    });
}

void Connect::Hide(int tool)
{
    requireTool(tool);
    FormDisplayed = false;
    skipOnFailure("hiding the window", [&] { windowObject(tool).Hide(); });
}

void Connect::releaseWindows()
{
    // The windows go first: their unload may still call back into Hide.
    for (ToolState &state : m_tools)
        state.window.reset();
}

// --- The host's menu --------------------------------------------------------

hostsdk::CommandBarControlPtr Connect::AddToAddInCommandBar(const QString &sCaption)
{
    try {
        return fromHost([&]() -> hostsdk::CommandBarControlPtr {
            if (!VBInstance)
                return nullptr;
            hostsdk::CommandBarPtr bar = VBInstance->CommandBars().Item(QStringLiteral("Add-Ins"));
            if (!bar)
                return nullptr;
            hostsdk::CommandBarControlPtr entry = bar->Controls().Add(1);
            if (entry)
                entry->setCaption(sCaption);
            return entry;
        });
    } catch (const Error &) {
        return nullptr;
    }
}

void Connect::subscribe(int tool, hostsdk::CommandBarEventsPtr source)
{
    ToolState &state = m_tools[tool];
    if (state.clicks)
        skipOnFailure("unsubscribing", [&] { state.clicks->Unadvise(state.sink.get()); });
    state.clicks = std::move(source);
    if (state.clicks)
        fromHost([&] { state.clicks->Advise(state.sink.get()); });
}

void Connect::showIfDisplayedOnConnect()
{
    const QString value =
        m_services.settings.GetSetting(m_services.app.Title, kSettingsSection, kDisplayOnConnect, QStringLiteral("0"));
    if (value == QLatin1String("1"))
        Show(0);
}

// --- The host's calls -------------------------------------------------------

void Connect::OnConnection(const std::shared_ptr<hostsdk::VBE> &VBInst, hostsdk::ext_ConnectMode ConnectMode,
                           hostsdk::AddIn *, QVariantList &)
{
    try {
        VBInstance = VBInst;
        if (ConnectMode == hostsdk::ext_cm_External) {
            Show(0);
        } else {
            for (int tool = 0; tool < kToolCount; ++tool) {
                m_tools[tool].entry = AddToAddInCommandBar(QString::fromLatin1(kTools[tool].caption));
                if (kTools[tool].beginGroup)
                    fromHost([&] { require(m_tools[tool].entry).setBeginGroup(true); });
            }
            if (!VBInst)
                throw Error(errObjectNotSet);
            for (int tool = 0; tool < kToolCount; ++tool)
                subscribe(tool, fromHost([&] { return VBInst->Events().CommandBarEvents(m_tools[tool].entry); }));
        }

        if (ConnectMode == hostsdk::ext_cm_AfterStartup)
            showIfDisplayedOnConnect();
    } catch (const Error &error) {
        m_services.boxes.MsgBox(error.description(), mb::vbOKOnly);
    }
}

void Connect::OnDisconnection(hostsdk::ext_DisconnectMode, QVariantList &)
{
    for (ToolState &state : m_tools)
        skipOnFailure("deleting a menu entry", [&] { require(state.entry).Delete(); });

    skipOnFailure("saving DisplayOnConnect", [&] {
        const QString displayed = FormDisplayed ? QStringLiteral("1") : QStringLiteral("0");
        const Status saved =
            m_services.settings.SaveSetting(m_services.app.Title, kSettingsSection, kDisplayOnConnect, displayed);
        if (saved)
            FormDisplayed = false;
        return saved;
    });

    for (ToolState &state : m_tools) {
        skipOnFailure("unloading a window", [&] {
            if (state.window)
                state.window->Unload();
        });
    }
    releaseWindows();
}

void Connect::OnStartupComplete(QVariantList &)
{
    showIfDisplayedOnConnect();
}

void Connect::OnAddInsUpdate(QVariantList &) {}

} // namespace pelk

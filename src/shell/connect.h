// The connection class: the one object the host creates and drives. It puts
// the four tool entries into the host's "Add-Ins" menu, shows and hides the
// tool windows, and remembers across connections whether a tool was open.
// The tool table (kTools in connect.cpp) drives every per-tool operation.
#pragma once

#include "color_finder/frmaddin2.h"
#include "hostsdk/hostsdk.h"
#include "inputbox_wizard/frmaddin1.h"
#include "msgbox_wizard/frmaddin.h"
#include "picture_viewer/frmaddin3.h"
#include "platform/forms/connectlink.h"
#include "platform/platform.h"

#include <array>
#include <functional>
#include <memory>

namespace pelk {

class Connect;

// One tool window object of the connection: none until first used, then the
// same object until the connection releases it.
class ToolWindowSlot {
public:
    virtual ~ToolWindowSlot() = default;
    virtual forms::Form *get() const = 0;
    // The object, created when there is none yet.
    virtual forms::Form &object(Platform &platform) = 0;
    // Sets the window's Connect member. Throws Error 91 when there is no object.
    virtual void setConnect(ConnectLink *link) = 0;
    virtual void release() = 0;
};

template <class Window>
class ToolWindowOf final : public ToolWindowSlot {
public:
    forms::Form *get() const override { return m_window.get(); }
    forms::Form &object(Platform &platform) override
    {
        if (!m_window)
            m_window = std::make_unique<Window>(platform);
        return *m_window;
    }
    void setConnect(ConnectLink *link) override { require().Connect = link; }
    void release() override { m_window.reset(); }

    Window *operator->() const { return &require(); }
    explicit operator bool() const { return m_window != nullptr; }

private:
    Window &require() const
    {
        if (!m_window)
            throw Error(errObjectNotSet);
        return *m_window;
    }
    std::unique_ptr<Window> m_window;
};

class Connect final : public hostsdk::IDTExtensibility, public ConnectLink {
public:
    explicit Connect(Platform &platform);
    ~Connect() override;

    // True after any Show, False after any Hide; saved at disconnection.
    bool FormDisplayed = false;
    // Interface members only: nothing reads or writes them.
    bool FormDisplayed1 = false;
    bool FormDisplayed2 = false;
    bool FormDisplayed3 = false;

    std::shared_ptr<hostsdk::VBE> VBInstance;
    std::shared_ptr<hostsdk::VBE> VBInstance1; // never handed on
    std::shared_ptr<hostsdk::VBE> VBInstance2;
    std::shared_ptr<hostsdk::VBE> VBInstance3;

    // The click sources of the four entries; a click runs MenuHandler_Click..
    hostsdk::CommandBarEventsPtr MenuHandler2;
    hostsdk::CommandBarEventsPtr MenuHandler3;
    hostsdk::CommandBarEventsPtr MenuHandler;
    hostsdk::CommandBarEventsPtr MenuHandler1;

    // Called by the tool windows (Exit, unload) through their Connect member.
    void Hide() override;
    void Hide1() override;
    void Hide2() override;
    void Hide3() override;
    void Show();
    void Show1();
    void Show2();
    void Show3();

    // A new plain entry at the end of the host's "Add-Ins" menu, or null when
    // the host has no such menu or anything fails.
    hostsdk::CommandBarControlPtr AddToAddInCommandBar(const QString &sCaption);

    void MenuHandler_Click(const hostsdk::CommandBarControlPtr &CommandBarControl, bool &handled,
                           bool &CancelDefault);
    void MenuHandler1_Click(const hostsdk::CommandBarControlPtr &CommandBarControl, bool &handled,
                            bool &CancelDefault);
    void MenuHandler2_Click(const hostsdk::CommandBarControlPtr &CommandBarControl, bool &handled,
                            bool &CancelDefault);
    void MenuHandler3_Click(const hostsdk::CommandBarControlPtr &CommandBarControl, bool &handled,
                            bool &CancelDefault);

    void OnConnection(const std::shared_ptr<hostsdk::VBE> &VBInst, hostsdk::ext_ConnectMode ConnectMode,
                      hostsdk::AddIn *AddInInst, QVariantList &custom) override;
    void OnDisconnection(hostsdk::ext_DisconnectMode RemoveMode, QVariantList &custom) override;
    void OnStartupComplete(QVariantList &custom) override;
    void OnAddInsUpdate(QVariantList &custom) override;

    // The window object of tool 0..3 in table order, or null before its first use.
    forms::Form *toolWindow(int tool);

    // One row of the tool table.
    struct Tool {
        const char *caption;
        bool beginGroup;
        hostsdk::CommandBarControlPtr Connect::*entry;
        hostsdk::CommandBarEventsPtr Connect::*handler;
        void (Connect::*click)(const hostsdk::CommandBarControlPtr &, bool &, bool &);
        ToolWindowSlot &(*window)(Connect &);
        // Hands the host object to the window; null when the tool gets none.
        void (*handHost)(Connect &);
    };
    static const std::array<Tool, 4> kTools;

private:
    class ClickSink;

    void showTool(const Tool &tool);
    void hideTool(const Tool &tool);
    void subscribe(std::size_t tool, hostsdk::CommandBarEventsPtr source);
    void showIfDisplayedOnConnect();

    Platform &m_platform;

    hostsdk::CommandBarControlPtr MenuEntry;
    hostsdk::CommandBarControlPtr MenuEntry1;
    hostsdk::CommandBarControlPtr MenuEntry2;
    hostsdk::CommandBarControlPtr MenuEntry3;

    ToolWindowOf<frmAddIn> ToolWindow;
    ToolWindowOf<frmAddIn1> ToolWindow1;
    ToolWindowOf<frmAddIn2> ToolWindow2;
    ToolWindowOf<frmAddIn3> ToolWindow3;

    std::array<std::unique_ptr<ClickSink>, 4> m_sinks;
};

} // namespace pelk

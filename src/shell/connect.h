// The connection class: the one object the host creates and drives. It puts
// the four tool entries into the host's "Add-Ins" menu, shows and hides the
// tool windows, and remembers across connections whether a tool was open.
// One table (kTools in connect.cpp) describes the tools; everything per tool
// goes through it by index.
#pragma once

#include "forms/form.h"
#include "hostsdk/hostsdk.h"
#include "platform/services.h"

#include <array>
#include <memory>

namespace pelk {

class Connect final : public hostsdk::IDTExtensibility {
public:
    // The tools in menu order: the message box wizard, the input box wizard,
    // the color finder, the picture viewer.
    static constexpr int kToolCount = 4;

    explicit Connect(const Services &services);
    ~Connect() override;

    // True after any Show, False after any Hide; saved at disconnection.
    bool FormDisplayed = false;
    // The host object, handed to the windows that keep it.
    std::shared_ptr<hostsdk::VBE> VBInstance;

    // Shows a tool's window, creating it on first use; hides it. A step that
    // fails is skipped, so the next one still runs. A tool outside the table
    // throws std::out_of_range.
    void Show(int tool);
    void Hide(int tool);

    // A new plain entry at the end of the host's "Add-Ins" menu, or null when
    // the host has no such menu or anything fails.
    hostsdk::CommandBarControlPtr AddToAddInCommandBar(const QString &sCaption);

    void OnConnection(const std::shared_ptr<hostsdk::VBE> &VBInst, hostsdk::ext_ConnectMode ConnectMode,
                      hostsdk::AddIn *AddInInst, QVariantList &custom) override;
    void OnDisconnection(hostsdk::ext_DisconnectMode RemoveMode, QVariantList &custom) override;
    void OnStartupComplete(QVariantList &custom) override;
    void OnAddInsUpdate(QVariantList &custom) override;

    // The window object of a tool, or null before its first use or for an
    // index that names no tool.
    forms::Form *toolWindow(int tool) const;

private:
    class ClickSink;
    // What the connection holds for one tool: its menu entry, the entry's
    // click source and the sink subscribed to it, and its window object.
    struct ToolState {
        hostsdk::CommandBarControlPtr entry;
        hostsdk::CommandBarEventsPtr clicks;
        std::unique_ptr<ClickSink> sink;
        std::unique_ptr<forms::Form> window;
    };

    static void requireTool(int tool);
    forms::Form &windowObject(int tool);
    void subscribe(int tool, hostsdk::CommandBarEventsPtr source);
    void showIfDisplayedOnConnect();
    void releaseWindows();

    Services m_services;
    std::array<ToolState, kToolCount> m_tools;
};

} // namespace pelk

// The host object library: the narrow facade of the host IDE that an add-in
// sees, and the extensibility interface that the host drives. Both sides build
// against this header only; the host knows nothing else of the add-in, and the
// add-in relies on nothing else of the host.
//
// Host objects are handed out as shared pointers so that an add-in may hold
// them past their removal from the host: an operation on a removed object
// throws hostsdk::HostError instead of touching freed memory.
#pragma once

#include <QString>
#include <QVariantList>
#include <QtPlugin>

#include <memory>
#include <stdexcept>

namespace hostsdk {

// A failing host operation. Carries a number and a description, the way the
// host's automation errors do.
class HostError : public std::runtime_error {
public:
    HostError(int number, const QString &description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// One entry of a command bar (a menu item).
class CommandBarControl {
public:
    virtual ~CommandBarControl() = default;
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual bool BeginGroup() const = 0;
    virtual void setBeginGroup(bool beginGroup) = 0; // draws a separator above the entry
    virtual void Delete() = 0;                       // removes the entry from its bar
};
using CommandBarControlPtr = std::shared_ptr<CommandBarControl>;

// The entries of one command bar.
class CommandBarControls {
public:
    virtual ~CommandBarControls() = default;
    // Appends a new entry at the end of the bar. Type 1 is a plain button.
    virtual CommandBarControlPtr Add(int type) = 0;
    virtual int Count() const = 0;
};

class CommandBar {
public:
    virtual ~CommandBar() = default;
    virtual QString Name() const = 0;
    virtual CommandBarControls &Controls() = 0;
};
using CommandBarPtr = std::shared_ptr<CommandBar>;

class CommandBars {
public:
    virtual ~CommandBars() = default;
    // The bar of that name, or null when the host has none.
    virtual CommandBarPtr Item(const QString &name) = 0;
};

// Receives the clicks of one command bar entry.
class CommandBarEventsSink {
public:
    virtual ~CommandBarEventsSink() = default;
    virtual void Click(const CommandBarControlPtr &control, bool &handled, bool &cancelDefault) = 0;
};

// The click event source of one entry. Clicks reach the sink on the host's
// user-interface thread, one at a time; a sink is advised until unadvised or
// until the source is released.
class CommandBarEvents {
public:
    virtual ~CommandBarEvents() = default;
    virtual void Advise(CommandBarEventsSink *sink) = 0;
    virtual void Unadvise(CommandBarEventsSink *sink) = 0;
};
using CommandBarEventsPtr = std::shared_ptr<CommandBarEvents>;

// The host's events object.
class Events {
public:
    virtual ~Events() = default;
    virtual CommandBarEventsPtr CommandBarEvents(const CommandBarControlPtr &control) = 0;
};

// The host IDE object.
class VBE {
public:
    virtual ~VBE() = default;
    virtual hostsdk::CommandBars &CommandBars() = 0;
    virtual hostsdk::Events &Events() = 0;
};

// The host's record of one add-in (unused by the add-ins of this pack).
class AddIn {
public:
    virtual ~AddIn() = default;
    virtual QString ProgId() const = 0;
};

enum ext_ConnectMode {
    ext_cm_AfterStartup = 0, // connected from the add-in manager
    ext_cm_Startup = 1,      // connected while the host starts
    ext_cm_External = 2,     // started from outside the add-in list
    ext_cm_CommandLine = 3,  // started from the host's command line
};

enum ext_DisconnectMode {
    ext_dm_HostShutdown = 0,
    ext_dm_UserClosed = 1,
};

// What the host calls on a connected add-in.
class IDTExtensibility {
public:
    virtual ~IDTExtensibility() = default;
    virtual void OnConnection(const std::shared_ptr<VBE> &vbInst, ext_ConnectMode connectMode, AddIn *addInInst,
                              QVariantList &custom) = 0;
    virtual void OnDisconnection(ext_DisconnectMode removeMode, QVariantList &custom) = 0;
    virtual void OnStartupComplete(QVariantList &custom) = 0;
    virtual void OnAddInsUpdate(QVariantList &custom) = 0;
};

// The entry point of an add-in module loaded by the host. The module creates
// the connection object of a registered ProgID, or returns null for a ProgID
// that it does not serve.
class AddInModule {
public:
    virtual ~AddInModule() = default;
    virtual std::unique_ptr<IDTExtensibility> CreateObject(const QString &progId) = 0;
};

} // namespace hostsdk

#define HostSdk_AddInModule_iid "org.pelktulvane.hostsdk.AddInModule/1.0"
Q_DECLARE_INTERFACE(hostsdk::AddInModule, HostSdk_AddInModule_iid)

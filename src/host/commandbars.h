// The host IDE object as add-ins see it, carried on Qt menus: a command bar
// is a QMenu, an entry a QAction, a click the action's trigger.
#pragma once

#include "hostsdk/hostsdk.h"

#include <QAction>
#include <QList>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace pelk::host {

class MenuCommandBarControl;

// A command bar over one menu; new entries go to the end of the menu.
class MenuCommandBar final : public hostsdk::CommandBar, public hostsdk::CommandBarControls {
public:
    MenuCommandBar(const QString &name, QMenu *menu);

    QString Name() const override { return m_name; }
    hostsdk::CommandBarControls &Controls() override { return *this; }
    hostsdk::CommandBarControlPtr Add(int type) override;
    int Count() const override;

    QMenu *menu() const { return m_menu; }

private:
    QString m_name;
    QPointer<QMenu> m_menu;
};

// One entry of a menu command bar. Once deleted (or once its menu is gone)
// every operation on it throws hostsdk::HostError.
class MenuCommandBarControl final : public hostsdk::CommandBarControl {
public:
    MenuCommandBarControl(QMenu *menu, QAction *action);
    ~MenuCommandBarControl() override;

    QString Caption() const override;
    void setCaption(const QString &caption) override;
    bool BeginGroup() const override;
    void setBeginGroup(bool beginGroup) override;
    void Delete() override;

    QAction *action() const { return m_action; }

private:
    QAction &require() const;

    QPointer<QMenu> m_menu;
    QPointer<QAction> m_action;
    QPointer<QAction> m_separator; // drawn above the entry when it begins a group
};

// The description of the exception being handled (call it in a catch block).
QString currentFailure();

// Reports an add-in's failure to the user (the host's message box).
using FailureReporter = std::function<void(const QString &what, const QString &reason)>;

// The host's events object: one click source per entry asked for.
class HostEvents final : public hostsdk::Events {
public:
    explicit HostEvents(FailureReporter report) : m_report(std::move(report)) {}
    hostsdk::CommandBarEventsPtr CommandBarEvents(const hostsdk::CommandBarControlPtr &control) override;

private:
    FailureReporter m_report;
};

// The host IDE object: its named command bars and its events object.
class HostIde final : public hostsdk::VBE, public hostsdk::CommandBars {
public:
    explicit HostIde(FailureReporter report);

    // Makes `menu` the command bar `name` (looked up without regard to case).
    void addCommandBar(const QString &name, QMenu *menu);

    hostsdk::CommandBars &CommandBars() override { return *this; }
    hostsdk::Events &Events() override { return m_events; }
    hostsdk::CommandBarPtr Item(const QString &name) override;

    // Every action of every command bar, separators included, in menu order.
    QList<QAction *> commandBarActions() const;

private:
    HostEvents m_events;
    QList<std::shared_ptr<MenuCommandBar>> m_bars;
};

} // namespace pelk::host

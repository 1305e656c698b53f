// The stand-in host IDE's main window: a code window to paste into, File and
// Edit menus, and the "Add-Ins" menu, which is the command bar add-ins add
// their entries to and whose first entry opens the add-in manager.
#pragma once

#include "platform/result.h"

#include "addinconnections.h"
#include "addinmanager.h"
#include "commandbars.h"
#include "hostoptions.h"

#include <QMainWindow>

#include <memory>

class QPlainTextEdit;

namespace pelk {
class Boxes;
class Settings;
}

namespace pelk::host {

// The "load at start-up" marks live in the host's own settings (application
// "Pelk Host", section "Load on Startup", the ProgID as key, "1" or "0").
// markForStartup answers the error when the mark cannot be saved.
bool isMarkedForStartup(Settings &settings, const QString &progId);
Status markForStartup(Settings &settings, const QString &progId, bool startup);

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    HostWindow(Settings &settings, Boxes &boxes, const HostOptions &options, QWidget *parent = nullptr);
    ~HostWindow() override;

    // Marks the add-ins --load-at-startup names, then connects the listed
    // add-ins marked to load at start-up or named so (mode 1): a mark that
    // could not be kept does not keep them from loading at this start. Then
    // those the command line names otherwise (mode 3, then mode 2). Runs
    // before the window is first shown, so their entries are in the menu at
    // first paint.
    void connectStartupAddIns();
    // The host has started: tells the add-ins connected at start-up, then
    // tells the user, once, of marks that could not be kept.
    void startupComplete();

    // The manager's rows: the add-ins of the host's list, in its order.
    QList<ManagedAddIn> managedAddIns() const;
    // Loads (mode 0), unloads (as closed by the user) and marks the add-ins
    // as the manager's rows say.
    void applyAddInChoices(const QList<ManagedAddIn> &choices);
    // Shows the add-in manager and applies what the user chose.
    void openAddInManager();

    // Disconnects every add-in as the host shuts down; closing does it too.
    void shutDown();

    AddInConnections &connections() { return *m_connections; }
    QMenu *addInsMenu() const { return m_addInsMenu; }
    QPlainTextEdit *codeWindow() const { return m_code; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();

    Settings &m_settings;
    Boxes &m_boxes;
    HostOptions m_options;
    QPlainTextEdit *m_code;
    QMenu *m_addInsMenu = nullptr;
    std::shared_ptr<HostIde> m_ide;
    std::unique_ptr<AddInConnections> m_connections;
    bool m_shutDown = false;
    QString m_unkeptMarks; // what the user is told after start-up
};

} // namespace pelk::host

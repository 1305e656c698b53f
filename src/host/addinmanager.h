// The add-in manager: the add-ins of the host's list with their class
// descriptions; the user loads or unloads each and marks those to load at
// start-up. The dialog only edits the choices; the host applies them.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QCheckBox;
class QLabel;
class QTreeWidget;

namespace pelk::host {

struct ManagedAddIn {
    QString progId;
    QString description; // the class description, or empty when the class is not registered
    bool loaded = false;
    bool startup = false;
    bool operator==(const ManagedAddIn &) const = default;
};

// The "Load Behavior" column: "Startup / Loaded", "Loaded", "Startup" or "".
QString loadBehavior(const ManagedAddIn &addIn);

class AddInManagerDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddInManagerDialog(const QList<ManagedAddIn> &addIns, QWidget *parent = nullptr);

    // The add-ins with the user's choices.
    const QList<ManagedAddIn> &addIns() const { return m_addIns; }

    QTreeWidget *list() const { return m_list; }
    QCheckBox *loadedBox() const { return m_loaded; }
    QCheckBox *startupBox() const { return m_startup; }

private:
    void currentChanged();
    void choiceChanged();
    void refreshRow(int row);

    QList<ManagedAddIn> m_addIns;
    QTreeWidget *m_list;
    QLabel *m_description;
    QCheckBox *m_loaded;
    QCheckBox *m_startup;
};

} // namespace pelk::host

// The drive, folder and file lists of the picture viewer, with the
// properties and events its handlers rely on.
#pragma once

#include "platform/result.h"

#include "storage/folderlisting.h"

#include <QComboBox>
#include <QHash>
#include <QListView>
#include <QStringListModel>
#include <QTreeWidget>

namespace pelk::forms {

// The mounted volumes a user picks from, each by its mount point. Change
// fires whenever the current drive changes, by the user or by code.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget *parent);

    // The current drive: its mount point ("/", "/media/stick").
    QString Drive() const;
    // Selects the drive that holds `path`.
    void setDrive(const QString &path);
    // The mount points listed.
    QStringList drives() const;
    // Lists these mount points instead of the mounted volumes (tests).
    void setDrives(const QStringList &mountPoints);

    void showPopup() override;

signals:
    void Change();
    // The mount points listed have changed.
    void drivesChanged();

private:
    void refill(const QStringList &mountPoints, const QString &keep);
    bool m_filling = false;
    bool m_fixedDrives = false;
};

// The open folder with its ancestors above it and its subfolders below, as
// an indented list. A single click or the arrow keys select an entry
// (Click); a double click or Enter opens it (Change).
class DirListBox : public QTreeWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget *parent);

    // The open folder: "/" for the root, any other folder without a
    // trailing separator.
    QString Path() const { return m_path; }
    // Opens `path`. A drive (one of `drives`) opens that drive's current
    // folder: the open folder when it is on that drive, otherwise the folder
    // last opened there, otherwise the drive itself. The error
    // errDeviceUnavailable when a drive cannot be opened, errPathNotFound
    // for a folder that does not exist. Change fires when the path changes.
    Status setPath(const QString &path);
    // The mount points the list treats as drives.
    void setDrives(const QStringList &drives) { m_drives = drives; }

    // The folder of the selected entry (the open one when none is chosen).
    QString selectedPath() const;

signals:
    void Change();
    void Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void open(const QString &path);
    void refill();
    void fitIndentation();

    QTreeWidgetItem *m_currentAtPress = nullptr;
    QString m_path;
    QStringList m_drives;
    QHash<QString, QString> m_lastFolderOfDrive;
    bool m_filling = false;
};

// The files of a folder that match a pattern. Setting Path or Pattern
// refills it with nothing selected; Click fires whenever the selected entry
// changes, by the user or by code.
class FileListBox : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent);

    QString Path() const { return m_path; }
    void setPath(const QString &path);
    QString Pattern() const { return m_pattern.text(); }
    void setPattern(const QString &pattern);

    int ListCount() const { return int(m_names.size()); }
    // The selected entry's 0-based index, -1 when none is selected.
    int ListIndex() const { return m_index; }
    // Selects entry `index` (-1: none); errInvalidProcedureCall outside -1
    // to ListCount - 1.
    Status setListIndex(int index);
    // The selected entry's name without its folder; empty when none is.
    QString FileName() const;
    QString List(int index) const { return m_names.value(index); }

signals:
    void Click();

private:
    void refill();
    void selectionMoved(const QModelIndex &current);

    QString m_path;
    FilePattern m_pattern;
    QStringList m_names;
    QStringListModel *m_model; // a child: it outlives the view's own teardown
    int m_index = -1;
    bool m_filling = false;
};

} // namespace pelk::forms

#include "filelists.h"

#include "platform/error.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStorageInfo>
#include <QStyle>

namespace pelk::forms {

namespace {

// Pixels a folder is indented under its parent, and the least when the path
// is deep.
constexpr int kIndentation = 10;
constexpr int kLeastIndentation = 2;

QStringList mountedUserVolumes()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !QFileInfo(volume.rootPath()).isDir())
            continue;
        if (isUserVolume(volume.rootPath(), volume.device(), volume.fileSystemType())
            && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    if (!roots.contains(QStringLiteral("/")))
        roots.prepend(QStringLiteral("/"));
    std::sort(roots.begin(), roots.end());
    return roots;
}

QString driveCaption(const QString &root)
{
    const QString label = QStorageInfo(root).name();
    return label.isEmpty() ? root : root + QStringLiteral(" [") + label + QLatin1Char(']');
}
} // namespace

// ---------------------------------------------------------------------------

DriveListBox::DriveListBox(QWidget *parent) : QComboBox(parent)
{
    refill(mountedUserVolumes(), QDir::currentPath());
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            emit Change();
    });
}

QString DriveListBox::Drive() const
{
    return currentData().toString();
}

QStringList DriveListBox::drives() const
{
    QStringList roots;
    for (int k = 0; k < count(); ++k)
        roots.append(itemData(k).toString());
    return roots;
}

void DriveListBox::setDrive(const QString &path)
{
    const int index = findData(driveOfPath(QDir::cleanPath(path), drives()));
    if (index >= 0)
        setCurrentIndex(index);
}

void DriveListBox::setDrives(const QStringList &mountPoints)
{
    m_fixedDrives = true;
    refill(mountPoints, Drive());
}

void DriveListBox::showPopup()
{
    // Volumes come and go: list the ones mounted now.
    if (!m_fixedDrives)
        refill(mountedUserVolumes(), Drive());
    QComboBox::showPopup();
}

void DriveListBox::refill(const QStringList &mountPoints, const QString &keep)
{
    m_filling = true;
    const QString before = Drive();
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const QString &root : mountPoints)
        addItem(icon, driveCaption(root), root);
    const int index = findData(driveOfPath(keep, mountPoints));
    setCurrentIndex(index >= 0 ? index : 0);
    m_filling = false;
    emit drivesChanged();
    if (!before.isEmpty() && Drive() != before)
        emit Change();
}

// ---------------------------------------------------------------------------

DirListBox::DirListBox(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(kIndentation);
    // Nothing here folds: an indented list without branch arrows.
    setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }"));
    // Names are never cut short: deep folders indent less (fitIndentation),
    // and a name too long for the list even so scrolls sideways.
    setTextElideMode(Qt::ElideNone);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (!m_filling && current)
            emit Click();
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        // A click on the entry that was already selected selects it again.
        if (item && item == m_currentAtPress)
            emit Click();
    });
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        if (item)
            open(item->data(0, Qt::UserRole).toString());
    });
    open(QDir::currentPath());
}

QString DirListBox::selectedPath() const
{
    const QTreeWidgetItem *item = currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : m_path;
}

Status DirListBox::setPath(const QString &path)
{
    QString target = QDir::cleanPath(QDir(m_path).absoluteFilePath(path));
    if (m_drives.contains(target)) {
        const QString drive = target;
        if (driveOfPath(m_path, m_drives) == drive)
            target = m_path;
        else
            target = m_lastFolderOfDrive.value(drive, drive);
        // A drive that cannot be opened (gone, no medium, no permission).
        if (!QFileInfo(drive).isDir() || !readFolder(drive, 0).readable || !QStorageInfo(drive).isReady())
            return Error(errDeviceUnavailable);
        // The folder remembered there may have gone since.
        if (!QFileInfo(target).isDir())
            target = drive;
    } else if (!QFileInfo(target).isDir()) {
        return Error(errPathNotFound);
    }
    open(target);
    return {};
}

void DirListBox::open(const QString &path)
{
    const QString target = QDir::cleanPath(path);
    if (target == m_path)
        return;
    m_path = target;
    const QString drive = driveOfPath(target, m_drives);
    if (!drive.isEmpty())
        m_lastFolderOfDrive.insert(drive, target);
    refill();
    emit Change();
}

void DirListBox::refill()
{
    m_filling = true;
    m_currentAtPress = nullptr;
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem *parent = nullptr;
    for (const QString &folder : folderChain(m_path)) {
        const QString caption = folder == QLatin1String("/") ? folder : folder.mid(folder.lastIndexOf('/') + 1);
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, caption);
        item->setIcon(0, openIcon);
        item->setData(0, Qt::UserRole, folder);
        parent = item;
    }
    QTreeWidgetItem *openItem = parent;
    const QString prefix = m_path == QLatin1String("/") ? m_path : m_path + QLatin1Char('/');
    QStringList folders = readFolder(m_path, ListFolders).folders;
    sortNames(folders);
    for (const QString &name : folders) {
        auto *item = new QTreeWidgetItem(openItem);
        item->setText(0, name);
        item->setIcon(0, closedIcon);
        item->setData(0, Qt::UserRole, prefix + name);
    }
    expandAll();
    fitIndentation();
    setCurrentItem(openItem);
    scrollToItem(openItem);
    m_filling = false;
}

void DirListBox::fitIndentation()
{
    // The room beside the vertical scroll bar, which a folder list mostly has.
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    int indentation = kIndentation;
    int depth = 0;
    for (QTreeWidgetItem *item = topLevelItem(0); item; item = itemBelow(item)) {
        depth = 0;
        for (const QTreeWidgetItem *up = item->parent(); up; up = up->parent())
            ++depth;
        const int needed = sizeHintForIndex(indexFromItem(item)).width();
        if (depth > 0 && needed + depth * indentation > room)
            indentation = std::max(kLeastIndentation, (room - needed) / depth);
    }
    setIndentation(indentation);
}

void DirListBox::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    fitIndentation();
}

void DirListBox::mousePressEvent(QMouseEvent *event)
{
    m_currentAtPress = currentItem();
    QTreeWidget::mousePressEvent(event);
}

void DirListBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        open(currentItem()->data(0, Qt::UserRole).toString());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// ---------------------------------------------------------------------------

FileListBox::FileListBox(QWidget *parent) : QListView(parent), m_model(new QStringListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { selectionMoved(current); });
    m_path = QDir::currentPath();
    refill();
}

void FileListBox::setPath(const QString &path)
{
    m_path = QDir::cleanPath(QDir(m_path).absoluteFilePath(path));
    refill();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = FilePattern(pattern);
    refill();
}

void FileListBox::refill()
{
    m_filling = true;
    m_names = filterNames(readFolder(m_path, ListFiles).files, m_pattern);
    sortNames(m_names);
    m_model->setStringList(m_names);
    m_index = -1;
    selectionModel()->clear();
    m_filling = false;
}

Status FileListBox::setListIndex(int index)
{
    if (index < -1 || index >= ListCount())
        return Error(errInvalidProcedureCall);
    if (index < 0) {
        selectionModel()->clear();
        selectionMoved(QModelIndex());
        return {};
    }
    const QModelIndex item = m_model->index(index);
    selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
    scrollTo(item);
    return {};
}

QString FileListBox::FileName() const
{
    return m_index >= 0 ? m_names.value(m_index) : QString();
}

void FileListBox::selectionMoved(const QModelIndex &current)
{
    if (m_filling)
        return;
    const int index = current.isValid() ? current.row() : -1;
    if (index == m_index)
        return;
    m_index = index;
    emit Click();
}

} // namespace pelk::forms

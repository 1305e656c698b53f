#include "addinmanager.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pelk::host {

QString loadBehavior(const ManagedAddIn &addIn)
{
    if (addIn.startup && addIn.loaded)
        return QStringLiteral("Startup / Loaded");
    if (addIn.loaded)
        return QStringLiteral("Loaded");
    if (addIn.startup)
        return QStringLiteral("Startup");
    return QString();
}

AddInManagerDialog::AddInManagerDialog(const QList<ManagedAddIn> &addIns, QWidget *parent)
    : QDialog(parent), m_addIns(addIns)
{
    setWindowTitle(QStringLiteral("Add-In Manager"));
    setObjectName(QStringLiteral("addInManager"));

    auto *listLabel = new QLabel(QStringLiteral("&Available Add-Ins:"), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("availableAddIns"));
    m_list->setAccessibleName(QStringLiteral("Available Add-Ins"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Available Add-Ins"), QStringLiteral("Load Behavior")});
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    listLabel->setBuddy(m_list);
    for (int row = 0; row < m_addIns.size(); ++row) {
        new QTreeWidgetItem(m_list);
        refreshRow(row);
    }

    auto *descriptionLabel = new QLabel(QStringLiteral("Description:"), this);
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setAccessibleName(QStringLiteral("Description"));
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_description->setWordWrap(true);
    m_description->setMinimumHeight(fontMetrics().height() * 2);

    auto *behaviour = new QGroupBox(QStringLiteral("Load Behavior"), this);
    m_loaded = new QCheckBox(QStringLiteral("&Loaded/Unloaded"), behaviour);
    m_loaded->setObjectName(QStringLiteral("loaded"));
    m_startup = new QCheckBox(QStringLiteral("Load on &Startup"), behaviour);
    m_startup->setObjectName(QStringLiteral("startup"));
    auto *behaviourLayout = new QVBoxLayout(behaviour);
    behaviourLayout->addWidget(m_loaded);
    behaviourLayout->addWidget(m_startup);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addWidget(descriptionLabel);
    layout->addWidget(m_description);
    layout->addWidget(behaviour);
    layout->addWidget(buttons);
    resize(480, 360);

    connect(m_list, &QTreeWidget::currentItemChanged, this, &AddInManagerDialog::currentChanged);
    connect(m_loaded, &QCheckBox::toggled, this, &AddInManagerDialog::choiceChanged);
    connect(m_startup, &QCheckBox::toggled, this, &AddInManagerDialog::choiceChanged);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    else
        currentChanged();
}

void AddInManagerDialog::refreshRow(int row)
{
    const ManagedAddIn &addIn = m_addIns.at(row);
    QTreeWidgetItem *item = m_list->topLevelItem(row);
    item->setText(0, addIn.description.isEmpty() ? addIn.progId : addIn.description);
    item->setText(1, loadBehavior(addIn));
    item->setToolTip(0, addIn.progId);
}

void AddInManagerDialog::currentChanged()
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    const bool any = row >= 0;
    const QSignalBlocker loadedBlocker(m_loaded);
    const QSignalBlocker startupBlocker(m_startup);
    m_loaded->setEnabled(any);
    m_startup->setEnabled(any);
    m_loaded->setChecked(any && m_addIns.at(row).loaded);
    m_startup->setChecked(any && m_addIns.at(row).startup);
    if (!any) {
        m_description->clear();
        return;
    }
    const ManagedAddIn &addIn = m_addIns.at(row);
    m_description->setText(addIn.description.isEmpty()
                               ? QStringLiteral("%1 (not registered)").arg(addIn.progId)
                               : QStringLiteral("%1 (%2)").arg(addIn.description, addIn.progId));
}

void AddInManagerDialog::choiceChanged()
{
    if (!m_list->currentItem())
        return;
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    m_addIns[row].loaded = m_loaded->isChecked();
    m_addIns[row].startup = m_startup->isChecked();
    refreshRow(row);
}

} // namespace pelk::host

#include "commondialog.h"

#include <QFileInfo>

namespace pelk {

CommonDialog::CommonDialog(Dialogs &dialogs, QWidget *owner) : m_dialogs(dialogs), m_owner(owner) {}

void CommonDialog::ShowOpen()
{
    showFile(FileDialogMode::Open);
}

void CommonDialog::ShowSave()
{
    showFile(FileDialogMode::Save);
}

void CommonDialog::ShowColor()
{
    const std::optional<quint32> chosen = m_dialogs.ColorDialog(Color, Flags, m_owner);
    if (!chosen) {
        cancelled();
        return;
    }
    Color = *chosen;
}

void CommonDialog::showFile(FileDialogMode mode)
{
    const std::optional<QString> chosen = m_dialogs.FileDialog(mode, FileName, Filter, Flags, m_owner);
    if (!chosen) {
        // Without CancelError a cancel returns normally with no file chosen,
        // so a caller that checks FileName never reopens an earlier file.
        FileName.clear();
        FileTitle.clear();
        cancelled();
        return;
    }
    FileName = *chosen;
    FileTitle = QFileInfo(FileName).fileName();
}

void CommonDialog::cancelled()
{
    if (CancelError)
        throw Error(errDialogCancel);
}

} // namespace pelk

#include "commondialog.h"

#include <QFileInfo>

namespace pelk {

CommonDialog::CommonDialog(Dialogs &dialogs, QWidget *owner) : m_dialogs(dialogs), m_owner(owner) {}

Status CommonDialog::ShowOpen()
{
    return showFile(FileDialogMode::Open);
}

Status CommonDialog::ShowSave()
{
    return showFile(FileDialogMode::Save);
}

Status CommonDialog::ShowColor()
{
    const Result<quint32> chosen = m_dialogs.ColorDialog(Color, Flags, m_owner);
    if (!chosen)
        return answered(chosen.error());
    Color = *chosen;
    return {};
}

Status CommonDialog::showFile(FileDialogMode mode)
{
    const Result<QString> chosen = m_dialogs.FileDialog(mode, FileName, Filter, Flags, m_owner);
    if (!chosen) {
        // Without CancelError a cancel returns normally with no file chosen,
        // so a caller that checks FileName never reopens an earlier file.
        FileName.clear();
        FileTitle.clear();
        return answered(chosen.error());
    }
    FileName = *chosen;
    FileTitle = QFileInfo(FileName).fileName();
    return {};
}

Status CommonDialog::answered(const Error &error) const
{
    if (error.number() == errDialogCancel && !CancelError)
        return {};
    return error;
}

} // namespace pelk

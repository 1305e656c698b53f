#include "filedialogs.h"

#include "filefilter.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace pelk {

namespace {

QWidget *ownerOrActive(QWidget *owner)
{
    return owner ? owner : QApplication::activeWindow();
}

// Runs the dialog modally. Its owner may go away meanwhile (a window closed
// by its connection) and take the dialog with it: then there is no dialog
// left to answer, and none to delete twice.
template <class Dialog>
std::unique_ptr<Dialog> execSurvivingOwner(std::unique_ptr<Dialog> made)
{
    const QPointer<Dialog> dialog = made.release();
    dialog->exec();
    return std::unique_ptr<Dialog>(dialog.data());
}

} // namespace

std::unique_ptr<QFileDialog> makeFileDialog(FileDialogMode mode, const QString &fileName, const QString &filter,
                                            int flags, QWidget *owner)
{
    const bool save = mode == FileDialogMode::Save;
    auto dialog = std::make_unique<QFileDialog>(ownerOrActive(owner));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setWindowTitle(save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The callers ask their own question before replacing a file.
    if (save && !(flags & dialogflags::OverwritePrompt))
        dialog->setOption(QFileDialog::DontConfirmOverwrite);

    const QStringList nameFilters = qtNameFilters(filter);
    if (!nameFilters.isEmpty())
        dialog->setNameFilters(nameFilters);

    const ProposedFile proposed = splitProposedFile(fileName);
    if (!proposed.folder.isEmpty() && QDir(proposed.folder).exists())
        dialog->setDirectory(proposed.folder);
    else
        dialog->setDirectory(QDir::currentPath());
    if (!proposed.name.isEmpty())
        dialog->selectFile(proposed.name);
    return dialog;
}

std::optional<QString> showFileDialog(FileDialogMode mode, const QString &fileName, const QString &filter, int flags,
                                      QWidget *owner)
{
    const std::unique_ptr<QFileDialog> dialog = execSurvivingOwner(makeFileDialog(mode, fileName, filter, flags, owner));
    if (!dialog || dialog->result() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    return QDir::cleanPath(chosen.first());
}

std::unique_ptr<QColorDialog> makeColorDialog(quint32 color, int flags, QWidget *owner)
{
    auto dialog = std::make_unique<QColorDialog>(ownerOrActive(owner));
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    dialog->setWindowTitle(QStringLiteral("Color"));
    const QColor initial = (flags & dialogflags::ColorInitial)
                               ? QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF))
                               : QColor(Qt::black);
    dialog->setCurrentColor(initial);
    return dialog;
}

std::optional<quint32> showColorDialog(quint32 color, int flags, QWidget *owner)
{
    const std::unique_ptr<QColorDialog> dialog = execSurvivingOwner(makeColorDialog(color, flags, owner));
    if (!dialog || dialog->result() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog->selectedColor();
    if (!chosen.isValid())
        return std::nullopt;
    return quint32(chosen.red()) | quint32(chosen.green()) << 8 | quint32(chosen.blue()) << 16;
}

} // namespace pelk

// The dialog component of a tool window: properties in and out, and the
// three modal operations. It keeps its properties between calls, as the
// tools rely on (CancelError set by one command holds for the next).
#pragma once

#include "platform/dialogs.h"
#include "platform/result.h"

class QWidget;

namespace pelk {

class CommonDialog {
public:
    explicit CommonDialog(Dialogs &dialogs, QWidget *owner = nullptr);

    QString FileName;      // in and out: full path of the chosen file
    QString FileTitle;     // out: the chosen file's name without its folder
    QString Filter;        // "description|pattern" pairs joined by "|"
    int Flags = 0;
    bool CancelError = false; // Cancel answers errDialogCancel instead of success
    quint32 Color = 0;        // in and out: red + 256 * green + 65536 * blue

    Status ShowOpen();
    Status ShowSave();
    Status ShowColor();

    void setOwner(QWidget *owner) { m_owner = owner; }

private:
    Status showFile(FileDialogMode mode);
    // What a dialog's error answers: a cancel is success unless CancelError.
    Status answered(const Error &error) const;

    Dialogs &m_dialogs;
    QWidget *m_owner;
};

} // namespace pelk

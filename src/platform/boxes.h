// Modal message and input boxes, and the values a message box takes and
// gives.
#pragma once

#include <QString>

namespace pelk {

// Message box `buttons` values: one set, one icon, one default button, one
// modality, and the two flags, added together.
namespace mb {
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
    vbDefaultButton4 = 768,
    vbApplicationModal = 0,
    vbSystemModal = 4096,
    vbMsgBoxHelpButton = 16384,
    vbMsgBoxSetForeground = 65536,
};
// Results.
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
} // namespace mb

class Boxes {
public:
    virtual ~Boxes() = default;
    // An empty title shows the application title. CR LF, CR and LF in a
    // prompt each start a new line. MsgBox returns mb::vbOK..vbNo; InputBox
    // the text typed, or an empty string on Cancel.
    virtual int MsgBox(const QString &prompt, int buttons = 0, const QString &title = QString(),
                       const QString &helpFile = QString(), int context = 0) = 0;
    virtual QString InputBox(const QString &prompt, const QString &title = QString(),
                             const QString &defaultText = QString()) = 0;
};

} // namespace pelk

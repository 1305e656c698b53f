// The modal message box: any `buttons` value shown exactly, answered with
// the number of the button pressed.
#pragma once

#include "platform/msgboxstyle.h"

#include <QDialog>

#include <functional>

class QHBoxLayout;
class QPushButton;

namespace pelk {

class MessageBoxDialog : public QDialog {
    Q_OBJECT
public:
    // `openHelp` runs, with the box as owner, when the Help button is
    // pressed; the box stays open.
    using HelpOpener = std::function<void(QWidget *owner)>;
    MessageBoxDialog(const QString &prompt, int buttons, const QString &title, HelpOpener openHelp,
                     QWidget *parent = nullptr);

    // Shows the box modally and returns the number of the button pressed.
    static int ask(const QString &prompt, int buttons, const QString &title, HelpOpener openHelp,
                   QWidget *parent);

    // The box's buttons in the order shown.
    const QList<QPushButton *> &buttons() const { return m_buttons; }

    // Esc and the close box: Cancel where the set has one, OK for OK alone,
    // otherwise the box stays open.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setUpWindow(const QString &prompt, const QString &title);
    QWidget *createMessagePanel(const QString &prompt);
    QHBoxLayout *createButtons();

    MsgBoxStyle m_style;
    QList<QPushButton *> m_buttons;
    HelpOpener m_openHelp;
};

} // namespace pelk

// The modal input box: a prompt, one text field with a proposed answer, OK
// and Cancel.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pelk {

class InputBoxDialog : public QDialog {
    Q_OBJECT
public:
    InputBoxDialog(const QString &prompt, const QString &title, const QString &defaultText, QWidget *parent = nullptr);

    QLineEdit *answerField() const { return m_answer; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // The text typed when the box was closed with OK, else an empty string.
    QString answer() const;

    // Shows the box modally and returns its answer.
    static QString ask(const QString &prompt, const QString &title, const QString &defaultText, QWidget *parent);

private:
    QLineEdit *m_answer;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace pelk

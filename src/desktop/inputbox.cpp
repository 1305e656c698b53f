#include "inputbox.h"

#include "promptarea.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace pelk {

InputBoxDialog::InputBoxDialog(const QString &prompt, const QString &title, const QString &defaultText,
                               QWidget *parent)
    : QDialog(parent), m_answer(new QLineEdit(defaultText, this)), m_ok(new QPushButton(QStringLiteral("OK"), this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // The prompt beside a column of OK and Cancel, the answer field across
    // the bottom.
    auto *text = new PromptArea(prompt, this);
    const QString name = text->accessibleName();
    m_answer->setAccessibleName(name.isEmpty() ? QStringLiteral("Answer") : name);
    m_answer->selectAll();

    const int buttonWidth = qMax(qMax(m_ok->sizeHint().width(), m_cancel->sizeHint().width()), 88);
    m_ok->setMinimumWidth(buttonWidth);
    m_cancel->setMinimumWidth(buttonWidth);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(text, 1);
    top->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addLayout(top, 1);
    layout->addWidget(m_answer);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_answer->setMinimumWidth(320);

    setTabOrder(m_answer, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, text);
    m_answer->setFocus();
}

QString InputBoxDialog::ask(const QString &prompt, const QString &title, const QString &defaultText, QWidget *parent)
{
    // The owner may go away while the box is open; the box goes with it.
    QPointer<InputBoxDialog> box = new InputBoxDialog(prompt, title, defaultText, parent);
    box->exec();
    const QString text = box ? box->answer() : QString();
    delete box.data();
    return text;
}

QString InputBoxDialog::answer() const
{
    return result() == QDialog::Accepted ? m_answer->text() : QString();
}

} // namespace pelk

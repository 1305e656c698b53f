#include "messagebox.h"

#include "platform/boxes.h"
#include "promptarea.h"
#include "text/linebreaks.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace pelk {

namespace {

QStyle::StandardPixmap iconPixmap(MsgBoxIcon icon)
{
    switch (icon) {
    case MsgBoxIcon::Critical: return QStyle::SP_MessageBoxCritical;
    case MsgBoxIcon::Question: return QStyle::SP_MessageBoxQuestion;
    case MsgBoxIcon::Exclamation: return QStyle::SP_MessageBoxWarning;
    default: return QStyle::SP_MessageBoxInformation;
    }
}

QString iconName(MsgBoxIcon icon)
{
    switch (icon) {
    case MsgBoxIcon::Critical: return QStringLiteral("Critical");
    case MsgBoxIcon::Question: return QStringLiteral("Question");
    case MsgBoxIcon::Exclamation: return QStringLiteral("Exclamation");
    default: return QStringLiteral("Information");
    }
}

// The width at which a title bar shows `title` whole beside the window
// manager's icon and buttons (its font is commonly the bold one), up to
// three fifths of the screen.
int titleRoom(const QString &title, const QScreen *screen)
{
    constexpr int kIconAndButtons = 150;
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int room = QFontMetrics(bold).horizontalAdvance(title) + kIconAndButtons;
    return screen ? qMin(room, screen->availableGeometry().width() * 3 / 5) : room;
}

} // namespace

MessageBoxDialog::MessageBoxDialog(const QString &prompt, int buttons, const QString &title,
                                   HelpOpener openHelp, QWidget *parent)
    : QDialog(parent), m_style(msgBoxStyle(buttons)), m_openHelp(std::move(openHelp))
{
    setUpWindow(prompt, title);
    QWidget *messagePanel = createMessagePanel(prompt);
    QHBoxLayout *buttonLayout = createButtons();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(messagePanel, 1);
    layout->addLayout(buttonLayout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    messagePanel->setMinimumWidth(titleRoom(title, parent ? parent->screen() : QGuiApplication::primaryScreen()));

    // Tab goes round the buttons; the text takes the focus only by a click.
    for (int i = 1; i < m_buttons.size(); ++i)
        setTabOrder(m_buttons[i - 1], m_buttons[i]);

    QPushButton *defaultButton = m_buttons.value(m_style.defaultIndex);
    defaultButton->setDefault(true);
    defaultButton->setFocus();
}

void MessageBoxDialog::setUpWindow(const QString &prompt, const QString &title)
{
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    // A box that Esc cannot answer offers no close box either.
    if (m_style.escapeResult)
        flags |= Qt::WindowCloseButtonHint;
    if (m_style.systemModal)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setAccessibleDescription(lfLineBreaks(prompt));
}

// The message on the base colour, the buttons below it, as desktop message
// boxes are laid out.
QWidget *MessageBoxDialog::createMessagePanel(const QString &prompt)
{
    auto *messagePanel = new QWidget(this);
    messagePanel->setBackgroundRole(QPalette::Base);
    messagePanel->setAutoFillBackground(true);
    auto *messageLayout = new QHBoxLayout(messagePanel);
    messageLayout->setContentsMargins(16, 16, 24, 16);
    messageLayout->setSpacing(12);
    if (m_style.icon != MsgBoxIcon::None) {
        auto *icon = new QLabel(messagePanel);
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(iconPixmap(m_style.icon), nullptr, this).pixmap(size, size));
        icon->setAccessibleName(iconName(m_style.icon));
        icon->setAlignment(Qt::AlignTop);
        messageLayout->addWidget(icon, 0, Qt::AlignTop);
    }
    auto *text = new PromptArea(prompt, messagePanel);
    messageLayout->addWidget(text, 1);
    return messagePanel;
}

QHBoxLayout *MessageBoxDialog::createButtons()
{
    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->setContentsMargins(16, 10, 16, 12);
    buttonLayout->setSpacing(8);
    buttonLayout->addStretch(1);
    for (const MsgBoxButton &button : m_style.buttons) {
        auto *push = new QPushButton(button.caption, this);
        push->setMinimumWidth(qMax(push->sizeHint().width(), 88));
        const int result = button.result;
        if (result == 0)
            connect(push, &QPushButton::clicked, this, [this] {
                if (m_openHelp)
                    m_openHelp(this);
            });
        else
            connect(push, &QPushButton::clicked, this, [this, result] { done(result); });
        buttonLayout->addWidget(push);
        m_buttons.append(push);
    }
    return buttonLayout;
}

int MessageBoxDialog::ask(const QString &prompt, int buttons, const QString &title, HelpOpener openHelp,
                          QWidget *parent)
{
    // The owner may go away while the box is open; the box goes with it.
    QPointer<MessageBoxDialog> box = new MessageBoxDialog(prompt, buttons, title, std::move(openHelp), parent);
    const int answer = box->exec();
    const MsgBoxStyle style = msgBoxStyle(buttons);
    delete box.data();
    if (answer >= mb::vbOK && answer <= mb::vbNo)
        return answer;
    // Closed without an answer (the application quit): as if Esc were
    // pressed, or the first button where Esc does nothing.
    return style.escapeResult.value_or(style.buttons.first().result);
}

void MessageBoxDialog::reject()
{
    if (m_style.escapeResult)
        done(*m_style.escapeResult);
}

void MessageBoxDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_buttons.value(m_style.defaultIndex)->setFocus();
    if (m_style.foreground || m_style.systemModal) {
        raise();
        activateWindow();
    }
}

} // namespace pelk

#include "promptarea.h"

#include "msgboxstyle.h"

#include <QLabel>
#include <QScreen>
#include <QScrollBar>

namespace pelk {

PromptArea::PromptArea(const QString &prompt, QWidget *parent)
    : QScrollArea(parent), m_label(new QLabel(promptDisplayText(prompt)))
{
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setAccessibleName(promptDisplayText(prompt).simplified());
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundRole(QPalette::NoRole);
    viewport()->setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setWidget(m_label);
    m_label->setAutoFillBackground(false);
}

QSize PromptArea::maximumShownSize() const
{
    const QScreen *screen = this->screen();
    const QSize available = screen ? screen->availableSize() : QSize(1024, 768);
    return {available.width() * 3 / 5, available.height() * 3 / 5};
}

QSize PromptArea::sizeHint() const
{
    const QSize limit = maximumShownSize();
    QSize text = m_label->sizeHint();
    if (text.width() > limit.width())
        text = QSize(limit.width(), m_label->heightForWidth(limit.width()));
    if (text.height() <= limit.height())
        return text;
    // Too tall: show what fits and a scroll bar beside the text.
    const int barWidth = verticalScrollBar()->sizeHint().width();
    return {text.width() + barWidth, limit.height()};
}

QSize PromptArea::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace pelk

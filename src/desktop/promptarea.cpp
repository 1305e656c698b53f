#include "promptarea.h"

#include "platform/msgboxstyle.h"
#include "text/linebreaks.h"

#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>

#include <cmath>

namespace pelk {

namespace {

QTextOption wrapAnywhere()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

} // namespace

PromptArea::PromptArea(const QString &prompt, QWidget *parent) : QTextEdit(parent)
{
    const QString text = lfLineBreaks(prompt);
    setReadOnly(true);
    setAcceptRichText(false);
    setPlainText(text);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Tab goes round the box's buttons; a click selects in the text.
    setFocusPolicy(Qt::ClickFocus);
    setTabChangesFocus(true);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    // The text lies on the box's own background, as a label's would.
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    setAccessibleName(text.simplified());
    setAccessibleDescription(text);
}

QSize PromptArea::maximumShownSize() const
{
    const QScreen *screen = this->screen();
    const QSize available = screen ? screen->availableSize() : QSize(1024, 768);
    return {available.width() * 3 / 5, available.height() * 3 / 5};
}

QSize PromptArea::sizeHint() const
{
    return textSize(nullptr);
}

void PromptArea::showEvent(QShowEvent *event)
{
    // A scroll bar only for a text taller than the box may grow. One that
    // came with a passing size would narrow the text, wrap it onto one more
    // line and stay, hiding the last word.
    bool tooTall = false;
    textSize(&tooTall);
    setVerticalScrollBarPolicy(tooTall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QTextEdit::showEvent(event);
}

QSize PromptArea::textSize(bool *tooTall) const
{
    const QSize limit = maximumShownSize();
    QTextDocument probe;
    probe.setDefaultFont(font());
    probe.setDocumentMargin(0);
    probe.setDefaultTextOption(wrapAnywhere());
    probe.setPlainText(toPlainText());
    // One pixel spare keeps the longest line from wrapping on rounding.
    const int width = qMin(int(std::ceil(probe.idealWidth())) + 1, limit.width());
    probe.setTextWidth(width);
    const int height = int(std::ceil(probe.size().height()));
    if (tooTall)
        *tooTall = height > limit.height();
    if (height <= limit.height())
        return {width, height};
    // Too tall: what fits, and a scroll bar beside the text.
    return {width + verticalScrollBar()->sizeHint().width(), limit.height()};
}

QSize PromptArea::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace pelk

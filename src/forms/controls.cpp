#include "controls.h"

#include "twips.h"

#include "text/linebreaks.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocumentFragment>
#include <QValidator>

namespace pelk::forms {

namespace {

QString caption(const QWidget *control)
{
    QString text;
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        text = button->text();
    else if (const auto *label = qobject_cast<const QLabel *>(control))
        text = label->text();
    else if (const auto *frame = qobject_cast<const QGroupBox *>(control))
        text = frame->title();
    return text.remove(QLatin1Char('&'));
}

} // namespace

void name(QWidget *control, const QString &objectName, const QString &accessibleName)
{
    control->setObjectName(objectName);
    // A control named by its caption is left to Qt, which reads the caption
    // as its name, so the name follows when the caption changes.
    if (!accessibleName.isEmpty() && accessibleName != caption(control))
        control->setAccessibleName(accessibleName);
}

// ---------------------------------------------------------------------------

Label::Label(const QString &caption, QWidget *parent, bool autoSize) : QLabel(caption, parent)
{
    setAutoSize(autoSize);
}

void Label::setCaption(const QString &caption)
{
    // Captions use CR as their line break.
    setText(lfLineBreaks(caption));
    if (m_autoSize)
        adjustSize();
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        adjustSize();
}

Frame::Frame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent) {}

CommandButton::CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

CheckBox::CheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::toggled, this, &CheckBox::Click);
}

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit Click();
    });
}

// Keeps typing within a text box's MaxLength. An edit by the user that goes
// past it is cut to fit at the cursor, where the insertion ended, as typing
// at the limit would; a longer text set by code counts as the limit until it
// shrinks.
class TypedLengthLimit : public QValidator {
public:
    explicit TypedLengthLimit(TextBox *box) : QValidator(box), m_box(box) {}

    State validate(QString &input, int &pos) const override
    {
        if (!m_box->m_userEditing || m_box->m_maxLength <= 0)
            return Acceptable;
        const qsizetype allowed = qMax<qsizetype>(m_box->m_maxLength, m_box->m_shownLength);
        const qsizetype excess = input.size() - allowed;
        if (excess <= 0)
            return Acceptable;
        if (pos < excess)
            return Invalid;
        input.remove(pos - excess, excess);
        pos -= int(excess);
        return Acceptable;
    }

private:
    TextBox *m_box;
};

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    QLineEdit::setMaxLength(32767);
    setValidator(new TypedLengthLimit(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) { m_shownLength = text.size(); });
}

bool TextBox::event(QEvent *event)
{
    // The user edits the text only through these: keys (paste and undo
    // included), the input method, a drop, a middle click pasting the
    // selection, and the box's context menu. Any other change is code's.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease:
    case QEvent::ContextMenu: {
        const QScopedValueRollback<bool> editing(m_userEditing, true);
        return QLineEdit::event(event);
    }
    default:
        return QLineEdit::event(event);
    }
}

// ---------------------------------------------------------------------------

MultiLineTextBox::MultiLineTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineTextBox::edited);
}

QString MultiLineTextBox::fromDocument(const QString &plain)
{
    QString text = plain;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString MultiLineTextBox::toDocument(const QString &text)
{
    return lfLineBreaks(text);
}

void MultiLineTextBox::setText(const QString &text)
{
    m_text = text;
    m_settingText = true;
    setPlainText(toDocument(text));
    m_settingText = false;
}

qsizetype MultiLineTextBox::allowedLength() const
{
    return m_maxLength > 0 ? qMax<qsizetype>(m_maxLength, m_text.size()) : -1;
}

void MultiLineTextBox::insertFromMimeData(const QMimeData *source)
{
    const qsizetype allowed = allowedLength();
    if (allowed < 0 || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // The room the limit leaves once the selection is replaced; a line
    // break takes two characters of it, and is not split.
    const qsizetype kept = fromDocument(toPlainText()).size()
        - fromDocument(textCursor().selection().toPlainText()).size();
    qsizetype room = allowed - kept;
    QString fitting;
    for (const QChar c : toDocument(source->text())) {
        const int length = c == QLatin1Char('\n') ? 2 : 1;
        if (length > room)
            break;
        fitting += c;
        room -= length;
    }
    if (!fitting.isEmpty())
        insertPlainText(fitting);
}

void MultiLineTextBox::edited()
{
    if (m_settingText)
        return;
    const QString typed = fromDocument(toPlainText());
    if (m_maxLength > 0 && typed.size() > allowedLength()) {
        // Refuse the edit that went past the limit, keeping the cursor near
        // where the user was typing.
        const int position = textCursor().position();
        setText(m_text);
        QTextCursor cursor = textCursor();
        cursor.setPosition(qMin(position, document()->characterCount() - 1));
        setTextCursor(cursor);
        return;
    }
    m_text = typed;
}

// ---------------------------------------------------------------------------

UpDown::UpDown(QWidget *parent, int min, int max, int increment) : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setRange(min, max);
    setSingleStep(increment);
    setPageStep(increment);
    setValue(min);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::valueChanged, this, &UpDown::Change);
}

void UpDown::up()
{
    triggerAction(SliderSingleStepAdd);
}

void UpDown::down()
{
    triggerAction(SliderSingleStepSub);
}

QSize UpDown::sizeHint() const
{
    return QSize(16, 33);
}

void UpDown::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = event->position().y() < height() / 2.0 ? 1 : -1;
    const SliderAction action = m_pressed > 0 ? SliderSingleStepAdd : SliderSingleStepSub;
    triggerAction(action);
    setRepeatAction(action, 400, 60);
    update();
}

void UpDown::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = 0;
    setRepeatAction(SliderNoAction);
    update();
}

void UpDown::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int half = height() / 2;
    const QRect halves[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int k = 0; k < 2; ++k) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = halves[k];
        const bool down = (k == 0 && m_pressed > 0) || (k == 1 && m_pressed < 0);
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[k].adjusted(2, 1, -2, -1);
        const bool atLimit = k == 0 ? value() >= maximum() : value() <= minimum();
        if (!isEnabled() || atLimit)
            arrow.state &= ~QStyle::State_Enabled;
        style()->drawPrimitive(k == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow,
                               &painter, this);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// ---------------------------------------------------------------------------

Line::Line(QWidget *parent, double x1, double y1, double x2, double y2, const QColor &color, int width)
    : QWidget(parent), m_color(color), m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QPoint a(twips(x1), twips(y1));
    const QPoint b(twips(x2), twips(y2));
    // The widget covers the line's bounding box, widened by the pen.
    const QRect box = QRect(a, b).normalized().adjusted(0, 0, width, width);
    setGeometry(box);
    m_from = a - box.topLeft();
    m_to = b - box.topLeft();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(m_color, m_width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPointF shift(m_width / 2.0, m_width / 2.0); // drawn inside its bounds
    painter.drawLine(QPointF(m_from) + shift, QPointF(m_to) + shift);
}

// ---------------------------------------------------------------------------

MenuItem::MenuItem(const QString &caption, QObject *parent) : QAction(caption, parent)
{
    connect(this, &QAction::triggered, this, [this] {
        // Qt toggles a checkable action before it reports the trigger; the
        // check mark belongs to the handlers, so put it back first. Only a
        // checked item is checkable.
        if (isCheckable())
            QAction::setChecked(true);
        emit Click();
    });
}

void MenuItem::setCheckMark(bool checked)
{
    // Only a checked item shows a mark; an unchecked one looks like a plain
    // command, not like an empty check box.
    setCheckable(checked);
    QAction::setChecked(checked);
}

// ---------------------------------------------------------------------------

Timer::Timer(QObject *parent, int interval) : QObject(parent), m_interval(interval)
{
    connect(&m_timer, &QTimer::timeout, this, &Timer::Timer_);
    update();
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    update();
}

void Timer::setInterval(int interval)
{
    m_interval = interval;
    update();
}

void Timer::update()
{
    // Setting the interval or enabling restarts the count, as the ticks are
    // measured from then.
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

} // namespace pelk::forms

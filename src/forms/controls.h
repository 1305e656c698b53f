// The controls of the tool windows, with the properties and events their
// handlers rely on. Each is a thin Qt widget; names follow the handlers'
// vocabulary (Caption, Text, Value, Click, Change) so handlers need no
// special cases.
#pragma once

#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace pelk::forms {

// Gives a control its object name and the accessible name a screen reader
// reads for it; a name that is the control's caption follows the caption.
void name(QWidget *control, const QString &objectName, const QString &accessibleName = QString());

// A caption, sized to its text when AutoSize is on.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString &caption, QWidget *parent, bool autoSize = false);
    QString Caption() const { return text(); }
    void setCaption(const QString &caption);
    void setAutoSize(bool on);

private:
    bool m_autoSize = false;
};

// A frame around a group of controls; option buttons directly inside it form
// one group.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(const QString &caption, QWidget *parent);
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString &caption, QWidget *parent);
signals:
    void Click();
};

// Value 0 (clear) or 1 (ticked). Click fires on every change of the value,
// by the user or by code.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString &caption, QWidget *parent);
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }
signals:
    void Click();
};

// One of a group (the option buttons of one container). Click fires when it
// becomes selected, by the user or by code. A picture-only option button
// shows an icon and no caption.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString &caption, QWidget *parent);
    bool Value() const { return isChecked(); }
    void setValue(bool value) { setChecked(value); }
signals:
    void Click();
};

// A single-line text box. MaxLength limits what the user types (0 means no
// limit); text set by code, through setText of any pointer to the box, is
// kept whole, however long, and can then be shortened but not lengthened by
// typing. The line edit's own maximum length, which would cut text set by
// code, is not for the box's users.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);
    QString Text() const { return text(); }
    int MaxLength() const { return m_maxLength; }
    void limitLength(int length) { m_maxLength = qMax(length, 0); }

protected:
    bool event(QEvent *event) override;

private:
    using QLineEdit::maxLength;
    using QLineEdit::setMaxLength;

    friend class TypedLengthLimit;
    int m_maxLength = 0;
    qsizetype m_shownLength = 0;
    bool m_userEditing = false; // the box is handling the user's input
};

// A multi-line text box. Text() uses CR LF line breaks for what the user
// typed, and keeps text set by code exactly as it was set until the user
// edits it; MaxLength counts each CR LF as two characters. As in a text box,
// a paste keeps what fits, and a longer text set by code counts as the limit
// until it shrinks.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget *parent);
    QString Text() const { return m_text; }
    void setText(const QString &text);
    int MaxLength() const { return m_maxLength; }
    void limitLength(int length) { m_maxLength = length; }

protected:
    void insertFromMimeData(const QMimeData *source) override;

private:
    qsizetype allowedLength() const;
    void edited();
    static QString fromDocument(const QString &plain);
    static QString toDocument(const QString &text);

    QString m_text;
    int m_maxLength = 0;
    bool m_settingText = false;
};

// An up-down (spin) control without a buddy: two arrows. Value never leaves
// Min..Max and never wraps; an arrow moves it by Increment and repeats while
// held; Change fires only when the value really changes, by an arrow or by
// code. Up and Down keys work as the arrows.
class UpDown : public QAbstractSlider {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent, int min = 0, int max = 10, int increment = 1);
    int Value() const { return value(); }
    void setValue(int v) { QAbstractSlider::setValue(v); }
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    int Increment() const { return singleStep(); }
    void setIncrement(int step) { setSingleStep(step); }
    // Presses an arrow once, as a click does.
    void up();
    void down();
    QSize sizeHint() const override;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_pressed = 0; // +1 up arrow held, -1 down arrow held
};

// A line from (x1, y1) to (x2, y2) in twips of its parent, drawn on top of
// nothing else; it takes no input.
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget *parent, double x1, double y1, double x2, double y2, const QColor &color, int width = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_color;
    int m_width;
};

// A menu command or title. Check marks are set only by code, through
// setCheckMark: a click never toggles them, and the action's own check
// members are not for the item's users. Click fires when the user chooses
// the item.
class MenuItem : public QAction {
    Q_OBJECT
public:
    MenuItem(const QString &caption, QObject *parent);
    bool Checked() const { return isChecked(); }
    void setCheckMark(bool checked);
    int HelpContextID = 0;
signals:
    void Click();

private:
    using QAction::setCheckable;
    using QAction::setChecked;
    using QAction::toggle;
};

// A timer: while Enabled it raises Timer every Interval milliseconds; an
// interval of 0 raises no ticks while it stays enabled.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject *parent, int interval = 0);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void setInterval(int interval);
signals:
    void Timer_();

private:
    void update();
    QTimer m_timer;
    bool m_enabled = true;
    int m_interval;
};

} // namespace pelk::forms

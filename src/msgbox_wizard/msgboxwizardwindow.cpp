#include "msgboxwizardwindow.h"

#include "msgboxcode.h"
#include "wizard_files/wizard_files.h"
#include "about/aboutbox.h"
#include "about/programicon.h"
#include "forms/twips.h"
#include "forms/windowplacement.h"

#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace pelk {

namespace {

using namespace msgbox_code;

const QChar kCR = QLatin1Char('\r');

// Fits a check box or option button caption beside its indicator, as a
// narrow caption wraps: the control may grow to the right up to `right`
// (in its container), the caption breaks at blanks, and only a word still
// too wide makes the font smaller, down to 7 points.
void fitCaption(QAbstractButton *button, bool exclusive, int right)
{
    const QString caption = button->text();
    if (caption.isEmpty())
        return;
    button->setAccessibleName(caption);
    QStyle *style = button->style();
    const int indicator = exclusive ? style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button)
                                          + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button)
                                    : style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button)
                                          + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    const int slack = 2; // glyphs may reach a pixel past their advance
    const QStringList words = caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QFont font = button->font();
    for (;;) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString &word : words)
            widest = std::max(widest, metrics.horizontalAdvance(word));
        const int width = std::clamp(widest + indicator + slack, button->width(),
                                     std::max(button->width(), right - button->x()));
        const int room = width - indicator - slack;
        QStringList lines;
        for (const QString &word : words) {
            if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= room)
                lines.last() += QLatin1Char(' ') + word;
            else
                lines.append(word);
        }
        const bool fits = widest <= room && lines.size() * metrics.lineSpacing() <= button->height();
        if (fits || font.pointSizeF() <= 7) {
            button->resize(width, button->height());
            if (font != button->font())
                button->setFont(font);
            button->setText(lines.join(QLatin1Char('\n')));
            return;
        }
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
}

} // namespace

MsgBoxWizardWindow::MsgBoxWizardWindow(const Services &services, QObject *parent)
    : forms::Form(services.app, services.help, parent), CommonDialog1(services.dialogs), m_services(services) {}

MsgBoxWizardWindow::~MsgBoxWizardWindow() = default;

void MsgBoxWizardWindow::createControls(forms::FormWindow *window)
{
    const forms::Controls c = forms::build(window, formDesign());
    window->setWindowIcon(programIcon());
    CommonDialog1.setOwner(window);
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    u.pick(c);
    u.helpColumn = c.group<forms::OptionButton>(kHelpColumn);

    // Captions beside an indicator wrap, and may widen their control: in the
    // grid up to the next column, elsewhere to the edge of their frame.
    for (const forms::Control &row : formDesign().controls) {
        if ((row.kind != forms::Kind::OptionButton && row.kind != forms::Kind::CheckBox) || !*row.caption)
            continue;
        auto *button = c.get<QAbstractButton>(row.name);
        const int right = qstrcmp(row.in, "Frame2") == 0 ? forms::twips(std::min(row.left + 825, 3480.0))
                                                         : button->parentWidget()->width() - 1;
        fitCaption(button, row.kind == forms::Kind::OptionButton, right);
    }
    // Labels are at least as wide as their caption, and as tall as its lines.
    for (forms::Label *label : {u.Label1, u.Label2})
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    u.Label3->resize(u.Label3->width(), std::max(u.Label3->height(), u.Label3->heightForWidth(u.Label3->width())));

    connectHandlers(u);
}

void MsgBoxWizardWindow::releaseControls()
{
    CommonDialog1.setOwner(nullptr);
    m_ui.reset();
}

void MsgBoxWizardWindow::connectHandlers(Ui &u)
{
    // The Style options choose an icon; the grid's options a button set and
    // its default button.
    struct Style {
        forms::OptionButton *Ui::*option;
        short value;
        const char *name;
    };
    const Style styles[] = {
        {&Ui::Option1, 0, "0"},
        {&Ui::Option2, mb::vbCritical, "vbCritical"},
        {&Ui::Option3, mb::vbQuestion, "vbQuestion"},
        {&Ui::Option4, mb::vbExclamation, "vbExclamation"},
        {&Ui::Option5, mb::vbInformation, "vbInformation"},
    };
    for (const Style &style : styles)
        connect(u.*style.option, &forms::OptionButton::Click, this,
                [this, style] { setStyle(style.value, QString::fromLatin1(style.name)); });
    struct GridOption {
        forms::OptionButton *Ui::*option;
        short buttonSet;
        int position;
    };
    const GridOption grid[] = {
        {&Ui::Option13, mb::vbOKOnly, 0},          {&Ui::Option12, mb::vbOKOnly, 1},
        {&Ui::Option14, mb::vbOKCancel, 0},        {&Ui::Option15, mb::vbOKCancel, 1},
        {&Ui::Option16, mb::vbOKCancel, 2},        {&Ui::Option20, mb::vbAbortRetryIgnore, 0},
        {&Ui::Option19, mb::vbAbortRetryIgnore, 1}, {&Ui::Option18, mb::vbAbortRetryIgnore, 2},
        {&Ui::Option17, mb::vbAbortRetryIgnore, 3}, {&Ui::Option24, mb::vbYesNoCancel, 0},
        {&Ui::Option23, mb::vbYesNoCancel, 1},     {&Ui::Option22, mb::vbYesNoCancel, 2},
        {&Ui::Option21, mb::vbYesNoCancel, 3},     {&Ui::Option27, mb::vbYesNo, 0},
        {&Ui::Option26, mb::vbYesNo, 1},           {&Ui::Option25, mb::vbYesNo, 2},
        {&Ui::Option30, mb::vbRetryCancel, 0},     {&Ui::Option29, mb::vbRetryCancel, 1},
        {&Ui::Option28, mb::vbRetryCancel, 2},
    };
    for (const GridOption &choice : grid)
        connect(u.*choice.option, &forms::OptionButton::Click, this,
                [this, choice] { chooseDefaultButton(choice.buttonSet, choice.position); });
    connect(u.Check1, &forms::CheckBox::Click, this, &MsgBoxWizardWindow::Check1_Click);
    connect(u.commandTest, &forms::CommandButton::Click, this, &MsgBoxWizardWindow::CommandTest_Click);
    connect(u.Commandcopy, &forms::CommandButton::Click, this, &MsgBoxWizardWindow::Commandcopy_Click);
    connect(u.Command1, &forms::CommandButton::Click, this, &MsgBoxWizardWindow::Command1_Click);
    connect(u.mnuNew, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuNew_Click);
    connect(u.mnuOpen, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuOpen_Click);
    connect(u.mnuSave, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuSave_Click);
    connect(u.mnuExit, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuExit_Click);
    connect(u.mnuQuickHelp, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuQuickHelp_Click);
    connect(u.mnuHelpContents, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuHelpContents_Click);
    connect(u.mnuHelp, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuhelp_Click);
    connect(u.mnuHelpOnHelp, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuHelpOnHelp_Click);
    connect(u.mnuAbout, &forms::MenuItem::Click, this, &MsgBoxWizardWindow::mnuAbout_Click);
}

// ---------------------------------------------------------------------------
// Load and unload.

void MsgBoxWizardWindow::Form_Load()
{
    ButtonsSum = 0;
    showHelpColumn(false);
    StyleValue = 0;
    StyleName = QStringLiteral("0");
    ButtonSetValue = 0;
    ButtonSetName = buttonSetName(0);
    HelpButtonValue = 0;
    HelpButtonName = QStringLiteral("0");
    DefaultButtonValue = 0;
    DefaultButtonName = defaultButtonName(0);
    ModalityValue = 0;
    ModalityName = QStringLiteral("vbApplicationModal");
    ForegroundValue = 0;
    ForegroundName = QStringLiteral("0");

    QScreen *screen = window()->screen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    placeFrame(window(), origin + QPoint(forms::twips(1000), 0));
    m_ui->Text1->limitLength(1024);
    m_ui->Text2->limitLength(1024);
}

void MsgBoxWizardWindow::Form_Unload(bool &)
{
    requestHide();
}

// ---------------------------------------------------------------------------
// Options.

void MsgBoxWizardWindow::setStyle(short value, const QString &name)
{
    StyleValue = value;
    StyleName = name;
}

void MsgBoxWizardWindow::chooseDefaultButton(short buttonSet, int position)
{
    DefaultButtonValue = short(position * mb::vbDefaultButton2);
    DefaultButtonName = defaultButtonName(position);
    ButtonSetValue = buttonSet;
    ButtonSetName = buttonSetName(buttonSet);
}

void MsgBoxWizardWindow::showHelpColumn(bool shown)
{
    Ui &u = *m_ui;
    if (shown) {
        u.Label3->show();
        u.Text3->show();
    }
    for (forms::OptionButton *option : u.helpColumn)
        option->setVisible(shown);
    if (!shown) {
        u.Label3->hide();
        u.Text3->hide();
    }
}

void MsgBoxWizardWindow::Check1_Click()
{
    showHelpColumn(m_ui->Check1->Value() != 0);
}

void MsgBoxWizardWindow::resolveOptions()
{
    const Ui &u = *m_ui;
    const bool help = u.Check1->Value() != 0;
    HelpButtonValue = help ? short(mb::vbMsgBoxHelpButton) : short(0);
    HelpButtonName = help ? QStringLiteral("vbMsgBoxHelpButton") : QStringLiteral("0");
    const bool foreground = u.Check2->Value() != 0;
    ForegroundValue = foreground ? mb::vbMsgBoxSetForeground : 0;
    ForegroundName = foreground ? QStringLiteral("vbMsgBoxSetForeground") : QStringLiteral("0");
    if (u.Option31->Value()) {
        ModalityValue = mb::vbApplicationModal;
        ModalityName = QStringLiteral("vbApplicationModal");
    }
    if (u.Option32->Value()) {
        ModalityValue = mb::vbSystemModal;
        ModalityName = QStringLiteral("vbSystemModal");
    }
}

// ---------------------------------------------------------------------------
// Test and Copy.

void MsgBoxWizardWindow::showTooLong()
{
    m_services.boxes.MsgBox(QStringLiteral("You Have Exceeded the maximum number of charters allowed") + kCR
                                + QStringLiteral("they are 14 lines of 58 charters of approximately 840 charters."),
                            mb::vbInformation + mb::vbMsgBoxHelpButton, QString(), app().HelpFile, 5);
}

void MsgBoxWizardWindow::CommandTest_Click()
{
    Ui &u = *m_ui;
    if (u.Text2->Text().isEmpty())
        u.Text2->setText(QStringLiteral(" "));
    resolveOptions();
    ButtonsExpression = QStringList{StyleName, ButtonSetName, HelpButtonName, DefaultButtonName, ModalityName,
                                    ForegroundName}
                            .join(QStringLiteral(" + "));
    ButtonsSum = float(StyleValue + ButtonSetValue + HelpButtonValue + DefaultButtonValue + ModalityValue
                       + ForegroundValue);
    const QString message = u.Text2->Text();
    if (isTooLong(message)) {
        showTooLong();
        return;
    }
    const QString title = u.Text1->Text();
    m_services.boxes.MsgBox(message, int(ButtonsSum), title.isEmpty() ? QStringLiteral("Your Project") : title);

    MinimalCode = msgBoxCode(message, QString::number(qint64(ButtonsSum)), title, ButtonSetValue);
    NamedCode = msgBoxCode(message, ButtonsExpression, title, ButtonSetValue);
    m_testedButtonSet = ButtonSetValue;
    m_testedWithTitle = !title.isEmpty();
}

void MsgBoxWizardWindow::Commandcopy_Click()
{
    Ui &u = *m_ui;
    if (MinimalCode.isEmpty())
        return;
    m_services.clipboard.ClipboardClear();
    const QString context = contextText(u.Text3->Text());
    if (isTooLong(u.Text2->Text())) {
        showTooLong();
        return;
    }
    const bool help = u.Check1->Value() == 1;
    // Completes the code as it was tested: its own title argument, its own
    // button set's parenthesis and comment.
    const QString ending = copyEnding(help, m_testedWithTitle, context, m_testedButtonSet);
    MinimalCode += ending;
    NamedCode += ending;
    m_services.clipboard.ClipboardClear();
    m_services.clipboard.ClipboardSetText(u.Check3->Value() == 1 ? MinimalCode : NamedCode);
    if (help) {
        m_services.boxes.MsgBox(QStringLiteral("Your message box has been copyed to the clipboard.") + kCR
                                    + QStringLiteral("App.HelpFile As Help file and ") + context
                                    + QStringLiteral(" As Context Number") + kCR
                                    + QStringLiteral("Minimise this program and paste the msgbox into your code."),
                                mb::vbInformation, QStringLiteral("Message box formater"));
    } else {
        m_services.boxes.MsgBox(QStringLiteral("Your message box has been copped to the clipboard.") + kCR
                                    + QStringLiteral("Minimize this program and paste the msgbox into your code."),
                                mb::vbInformation, QStringLiteral("Message box formatter"));
    }
    MinimalCode.clear();
    NamedCode.clear();
}

void MsgBoxWizardWindow::Command1_Click()
{
    Hide();
}

// ---------------------------------------------------------------------------
// Menus.

void MsgBoxWizardWindow::mnuNew_Click()
{
    m_ui->Text1->setText(QString());
    m_ui->Text2->setText(QString());
}

void MsgBoxWizardWindow::mnuOpen_Click()
{
    wizard_files::Open({app(), m_services.boxes, m_services.dialogs}, CommonDialog1, {m_ui->Text1, m_ui->Text2},
                       QStringLiteral("Text Files *.txt|*.txt"));
}

void MsgBoxWizardWindow::mnuSave_Click()
{
    wizard_files::Save({app(), m_services.boxes, m_services.dialogs}, CommonDialog1, {m_ui->Text1, m_ui->Text2}, QStringLiteral("*.txt|*.txt"));
}

void MsgBoxWizardWindow::mnuExit_Click()
{
    requestHide();
}

void MsgBoxWizardWindow::mnuQuickHelp_Click()
{
    const QStringList lines = {
        QStringLiteral("1. Select the icon,options,button you want as default."),
        QStringLiteral("     In the row of buttons you want on your message."),
        QStringLiteral("     If you chose the help button in the options you may"),
        QStringLiteral("     put in a number for context help."),
        QString(),
        QStringLiteral("2.  Press the test button to view your finished MsgBox."),
        QString(),
        QStringLiteral("3. Press copy then minimize the form or Exit."),
        QString(),
        QStringLiteral("4. Paste the code for the Message Box in to your code."),
        QString(),
        QStringLiteral("For Detailed Help in regular windows format. Select"),
        QStringLiteral("  Help index or from the menu, press F1 or press the help"),
        QStringLiteral("  button or the one on the Quick help message box form."),
    };
    m_services.boxes.MsgBox(lines.join(kCR), mb::vbMsgBoxHelpButton, QString(), app().HelpFile, 2);
}

void MsgBoxWizardWindow::mnuHelpContents_Click()
{
    help().show(window(), app().helpFilePath(), help::HELP_TAB, 1);
}

void MsgBoxWizardWindow::mnuhelp_Click()
{
    help().show(window(), app().helpFilePath(), help::HELP_PARTIALKEY, QStringLiteral(""));
}

void MsgBoxWizardWindow::mnuHelpOnHelp_Click()
{
    help().show(window(), app().helpFilePath(), help::HELP_HELPONHELP, 1);
}

void MsgBoxWizardWindow::mnuAbout_Click()
{
    AboutBox::instance(AboutBox::Which::MsgBoxWizard, app(), help()).Show();
}

} // namespace pelk

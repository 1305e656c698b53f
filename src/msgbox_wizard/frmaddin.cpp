#include "frmaddin.h"

#include "msgboxcode.h"
#include "wizard_files.h"
#include "about/aboutbox.h"
#include "about/programicon.h"
#include "platform/forms/twips.h"
#include "platform/windowplacement.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace pelk {

namespace {

using forms::place;
using namespace msgbox_code;

const QChar kCR = QLatin1Char('\r');

// The options of the default-button grid: one row per button set, one
// column per button position, the Help column last.
struct GridOption {
    forms::OptionButton *frmAddIn::Ui::*control;
    const char *name;
    const char *caption;
    short buttonSet;
    int left, top;
    int tab;
};

constexpr bool isHelpColumn(const GridOption &option)
{
    return option.left == 2640;
}

const GridOption kGrid[] = {
    {&frmAddIn::Ui::Option13, "Option13", "OK", 0, 1800, 240, 20},
    {&frmAddIn::Ui::Option12, "Option12", "Help", 0, 2640, 240, 21},
    {&frmAddIn::Ui::Option14, "Option14", "OK", 1, 960, 720, 22},
    {&frmAddIn::Ui::Option15, "Option15", "Cancel", 1, 1800, 720, 23},
    {&frmAddIn::Ui::Option16, "Option16", "Help", 1, 2640, 720, 24},
    {&frmAddIn::Ui::Option20, "Option20", "Abort", 2, 120, 1200, 25},
    {&frmAddIn::Ui::Option19, "Option19", "Retry", 2, 960, 1200, 26},
    {&frmAddIn::Ui::Option18, "Option18", "Ignore", 2, 1800, 1200, 27},
    {&frmAddIn::Ui::Option17, "Option17", "Help", 2, 2640, 1200, 28},
    {&frmAddIn::Ui::Option24, "Option24", "Yes", 3, 120, 1680, 29},
    {&frmAddIn::Ui::Option23, "Option23", "No", 3, 960, 1680, 30},
    {&frmAddIn::Ui::Option22, "Option22", "Cancel", 3, 1800, 1680, 31},
    {&frmAddIn::Ui::Option21, "Option21", "Help", 3, 2640, 1680, 32},
    {&frmAddIn::Ui::Option27, "Option27", "Yes", 4, 960, 2160, 33},
    {&frmAddIn::Ui::Option26, "Option26", "No", 4, 1800, 2160, 34},
    {&frmAddIn::Ui::Option25, "Option25", "Help", 4, 2640, 2160, 35},
    {&frmAddIn::Ui::Option30, "Option30", "Retry", 5, 960, 2640, 38},
    {&frmAddIn::Ui::Option29, "Option29", "Cancel", 5, 1800, 2640, 37},
    {&frmAddIn::Ui::Option28, "Option28", "Help", 5, 2640, 2640, 36},
};

const char *const kRowNames[] = {"OK", "OK, Cancel", "Abort, Retry, Ignore", "Yes, No, Cancel", "Yes, No",
                                 "Retry, Cancel"};

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

// An option button; its caption may take the room up to `right` twips.
forms::OptionButton *optionButton(const QString &caption, const QString &objectName, QWidget *frame, int left,
                                  int top, int width, int height, int right)
{
    auto *option = new forms::OptionButton(caption, frame);
    forms::name(option, objectName, caption);
    place(option, left, top, width, height);
    fitCaption(option, true, forms::twips(right));
    return option;
}

forms::CheckBox *checkBox(const QString &caption, const QString &objectName, const QString &tip, QWidget *frame,
                          int top)
{
    auto *check = new forms::CheckBox(caption, frame);
    forms::name(check, objectName, caption);
    check->setToolTip(tip);
    place(check, 120, top, 735, 615);
    fitCaption(check, false, frame->width() - 1);
    return check;
}

forms::MenuItem *menuItem(QMenu *menu, const QString &caption, const QString &objectName)
{
    auto *item = new forms::MenuItem(caption, menu);
    item->setObjectName(objectName);
    if (caption == QLatin1String("-"))
        item->setSeparator(true);
    menu->addAction(item);
    return item;
}

} // namespace

frmAddIn::frmAddIn(Platform &platform, QObject *parent) : forms::Form(platform, parent), CommonDialog1(platform) {}

frmAddIn::~frmAddIn() = default;

void frmAddIn::createControls(forms::FormWindow *window)
{
    window->setObjectName(QStringLiteral("frmAddIn"));
    window->setWindowTitle(QStringLiteral("Pelk MsgBox Wizard"));
    window->setWindowIcon(programIcon());
    window->setClientSize(7020, 6150);
    CommonDialog1.setOwner(window);
    QWidget *client = window->clientArea();
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    QStyle *style = window->style();

    // Style: the icons.
    u.Frame1 = new forms::Frame(QStringLiteral("Style"), client);
    forms::name(u.Frame1, QStringLiteral("Frame1"), QStringLiteral("Style"));
    place(u.Frame1, 0, 120, 1455, 3975);
    u.Option1 = optionButton(QStringLiteral("No Icon"), QStringLiteral("Option1"), u.Frame1, 240, 240, 975, 735, 1440);
    const struct {
        forms::OptionButton *Ui::*control;
        const char *name;
        const char *tip;
        QStyle::StandardPixmap icon;
        int top;
    } pictures[] = {
        {&Ui::Option2, "Option2", "Critical", QStyle::SP_MessageBoxCritical, 960},
        {&Ui::Option3, "Option3", "Question", QStyle::SP_MessageBoxQuestion, 1680},
        {&Ui::Option4, "Option4", "Exclamation", QStyle::SP_MessageBoxWarning, 2400},
        {&Ui::Option5, "Option5", "Information", QStyle::SP_MessageBoxInformation, 3120},
    };
    for (const auto &picture : pictures) {
        auto *option = optionButton(QString(), QLatin1String(picture.name), u.Frame1, 240, picture.top, 975, 735, 1440);
        option->setAccessibleName(QLatin1String(picture.tip));
        option->setToolTip(QLatin1String(picture.tip));
        option->setIcon(style->standardIcon(picture.icon, nullptr, option));
        option->setIconSize(QSize(32, 32));
        u.*picture.control = option;
    }
    u.Option1->setChecked(true);

    // Options: modality, foreground, short code, Help button.
    u.Frame5 = new forms::Frame(QStringLiteral("Options"), client);
    forms::name(u.Frame5, QStringLiteral("Frame5"), QStringLiteral("Options"));
    place(u.Frame5, 1560, 120, 975, 3975);
    u.Frame12 = new forms::Frame(QStringLiteral("Options"), u.Frame5);
    forms::name(u.Frame12, QStringLiteral("Frame12"), QStringLiteral("Modality"));
    place(u.Frame12, 0, 0, 975, 1695);
    u.Option31 =
        optionButton(QStringLiteral("App. Modal"), QStringLiteral("Option31"), u.Frame12, 120, 240, 735, 615, 960);
    u.Option31->setToolTip(QStringLiteral(
        "The user must respond to the message box befor  continuing work in the current application."));
    u.Option31->setChecked(true);
    u.Option32 =
        optionButton(QStringLiteral("System Modal"), QStringLiteral("Option32"), u.Frame12, 120, 960, 735, 615, 960);
    u.Option32->setToolTip(
        QStringLiteral("All applications are suspended untill the user responds to the mesage box."));
    u.Check2 = checkBox(QStringLiteral("Always on top"), QStringLiteral("Check2"),
                        QStringLiteral("Specifies the message box window as the forground window"), u.Frame5, 1800);
    u.Check3 = checkBox(QStringLiteral("Minum code"), QStringLiteral("Check3"),
                        QStringLiteral("Minumizes code to text-number-text"), u.Frame5, 2520);
    u.Check3->setValue(1);
    u.Check1 = checkBox(QStringLiteral("Help Button"), QStringLiteral("Check1"),
                        QStringLiteral("Adds the help button to the message box."), u.Frame5, 3240);

    // Title, message and help context.
    u.Label1 = new forms::Label(QStringLiteral("Title"), client);
    forms::name(u.Label1, QStringLiteral("Label1"));
    place(u.Label1, 4680, 120, 300, 195);
    u.Text1 = new forms::TextBox(client);
    forms::name(u.Text1, QStringLiteral("Text1"), QStringLiteral("Title"));
    u.Text1->setToolTip(QStringLiteral(
        "Place the title on your message box.  left blank will default to your application name."));
    place(u.Text1, 2760, 360, 4095, 285);
    u.Label2 = new forms::Label(QStringLiteral("Message"), client);
    forms::name(u.Label2, QStringLiteral("Label2"));
    place(u.Label2, 4560, 720, 645, 195);
    u.Text2 = new forms::MultiLineTextBox(client);
    forms::name(u.Text2, QStringLiteral("Text2"), QStringLiteral("Message"));
    place(u.Text2, 2760, 960, 4095, 2055);
    forms::setHelpContextID(u.Text2, 1);
    u.Label3 = new forms::Label(QStringLiteral("Help context"), client);
    forms::name(u.Label3, QStringLiteral("Label3"));
    u.Label3->setWordWrap(true);
    place(u.Label3, 2640, 3240, 615, 375);
    u.Text3 = new forms::TextBox(client);
    forms::name(u.Text3, QStringLiteral("Text3"), QStringLiteral("Help context"));
    u.Text3->setToolTip(QStringLiteral("Context Help Number if you know it. If not the default is number 1"));
    u.Text3->limitLength(4);
    place(u.Text3, 2640, 3840, 615, 375);
    // Labels are at least as wide as their caption, and as tall as its lines.
    for (forms::Label *label : {u.Label1, u.Label2})
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    u.Label3->resize(u.Label3->width(), std::max(u.Label3->height(), u.Label3->heightForWidth(u.Label3->width())));

    // The default-button grid.
    u.Frame2 = new forms::Frame(QStringLiteral("Select default button"), client);
    forms::name(u.Frame2, QStringLiteral("Frame2"), QStringLiteral("Select default button"));
    u.Frame2->setToolTip(QStringLiteral("Select which button will be the default button."));
    place(u.Frame2, 3360, 3000, 3495, 3135);
    for (const GridOption &option : kGrid) {
        // A caption may take the gap to the next column.
        auto *button = optionButton(QLatin1String(option.caption), QLatin1String(option.name), u.Frame2, option.left,
                                    option.top, 735, 375, std::min(option.left + 825, 3480));
        button->setAccessibleDescription(QStringLiteral("Default button of the row ")
                                         + QLatin1String(kRowNames[option.buttonSet]));
        u.*option.control = button;
    }
    u.Option13->setChecked(true);

    // Test, Copy, Exit.
    u.Frame3 = new forms::Frame(QString(), client);
    forms::name(u.Frame3, QStringLiteral("Frame3"));
    place(u.Frame3, 0, 4080, 2535, 2055);
    const auto command = [&](const QString &caption, const QString &objectName, const QString &tip, int top) {
        auto *button = new forms::CommandButton(caption, u.Frame3);
        forms::name(button, objectName);
        button->setToolTip(tip);
        place(button, 120, top, 2295, 495);
        return button;
    };
    u.commandTest = command(QStringLiteral("&Test"), QStringLiteral("commandTest"),
                            QStringLiteral("Test Your Message box."), 240);
    u.Commandcopy = command(QStringLiteral("&Copy"), QStringLiteral("Commandcopy"),
                            QStringLiteral("Copy your message box code to the clip board. Then minimize this form "
                                           "and paste to your code."),
                            840);
    u.Command1 = command(QStringLiteral("E&xit"), QStringLiteral("Command1"), QString(), 1440);

    // Decoration under the menu bar.
    u.Line1 = new forms::Line(client, 0, 0, 7020, 0, Qt::black);
    u.Line1->setObjectName(QStringLiteral("Line1"));
    u.Line2 = new forms::Line(client, 0, 15, 7020, 15, client->palette().color(QPalette::Window));
    u.Line2->setObjectName(QStringLiteral("Line2"));

    // Focus follows the tab indexes.
    std::vector<std::pair<int, QWidget *>> tabs = {
        {1, u.commandTest}, {2, u.Commandcopy}, {4, u.Option5}, {5, u.Option4},   {6, u.Option3},
        {7, u.Option2},     {8, u.Option1},     {10, u.Check3}, {12, u.Option32}, {13, u.Option31},
        {14, u.Check1},     {15, u.Check2},     {16, u.Text1},  {39, u.Text2},    {40, u.Text3},
        {42, u.Command1},
    };
    for (const GridOption &option : kGrid)
        tabs.emplace_back(option.tab, u.*option.control);
    std::sort(tabs.begin(), tabs.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t k = 1; k < tabs.size(); ++k)
        QWidget::setTabOrder(tabs[k - 1].second, tabs[k].second);

    createMenus(window);
    connectHandlers();
}

void frmAddIn::createMenus(forms::FormWindow *window)
{
    Ui &u = *m_ui;
    QMenuBar *bar = window->menuBar();

    auto *file = new QMenu(window);
    u.mnuFile = new forms::MenuItem(QStringLiteral("&File"), bar);
    u.mnuFile->setObjectName(QStringLiteral("mnuFile"));
    u.mnuFile->setMenu(file);
    bar->addAction(u.mnuFile);
    u.mnuNew = menuItem(file, QStringLiteral("&New"), QStringLiteral("mnuNew"));
    u.mnuOpen = menuItem(file, QStringLiteral("&Open"), QStringLiteral("mnuOpen"));
    u.mnuSave = menuItem(file, QStringLiteral("&Save"), QStringLiteral("mnuSave"));
    u.bar5 = menuItem(file, QStringLiteral("-"), QStringLiteral("bar5"));
    u.mnuOptions = menuItem(file, QStringLiteral("&Main Menu"), QStringLiteral("mnuOptions"));
    u.bar = menuItem(file, QStringLiteral("-"), QStringLiteral("bar"));
    u.mnuExit = menuItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit"));
    u.bar5->setVisible(false);
    u.mnuOptions->setVisible(false);

    auto *help = new QMenu(window);
    u.mnuhlp = new forms::MenuItem(QStringLiteral("&Help"), bar);
    u.mnuhlp->setObjectName(QStringLiteral("mnuhlp"));
    u.mnuhlp->setMenu(help);
    bar->addAction(u.mnuhlp);
    u.mnuQuickHelp = menuItem(help, QStringLiteral("&Quick Help"), QStringLiteral("mnuQuickHelp"));
    u.mnuHelpContents = menuItem(help, QStringLiteral("Help &Contents"), QStringLiteral("mnuHelpContents"));
    u.mnuHelp = menuItem(help, QStringLiteral("&Help Index"), QStringLiteral("mnuHelp"));
    u.mnuHelpOnHelp = menuItem(help, QStringLiteral("H&elp on help"), QStringLiteral("mnuHelpOnHelp"));
    u.bar1 = menuItem(help, QStringLiteral("-"), QStringLiteral("bar1"));
    u.mnuAbout = menuItem(help, QStringLiteral("&About"), QStringLiteral("mnuAbout"));
}

void frmAddIn::connectHandlers()
{
    Ui &u = *m_ui;
    using forms::CheckBox;
    using forms::CommandButton;
    using forms::MenuItem;
    using forms::OptionButton;
    connect(u.Option1, &OptionButton::Click, this, &frmAddIn::Option1_Click);
    connect(u.Option2, &OptionButton::Click, this, &frmAddIn::Option2_Click);
    connect(u.Option3, &OptionButton::Click, this, &frmAddIn::Option3_Click);
    connect(u.Option4, &OptionButton::Click, this, &frmAddIn::Option4_Click);
    connect(u.Option5, &OptionButton::Click, this, &frmAddIn::Option5_Click);
    connect(u.Option12, &OptionButton::Click, this, &frmAddIn::Option12_Click);
    connect(u.Option13, &OptionButton::Click, this, &frmAddIn::Option13_Click);
    connect(u.Option14, &OptionButton::Click, this, &frmAddIn::Option14_Click);
    connect(u.Option15, &OptionButton::Click, this, &frmAddIn::Option15_Click);
    connect(u.Option16, &OptionButton::Click, this, &frmAddIn::Option16_Click);
    connect(u.Option17, &OptionButton::Click, this, &frmAddIn::Option17_Click);
    connect(u.Option18, &OptionButton::Click, this, &frmAddIn::Option18_Click);
    connect(u.Option19, &OptionButton::Click, this, &frmAddIn::Option19_Click);
    connect(u.Option20, &OptionButton::Click, this, &frmAddIn::Option20_Click);
    connect(u.Option21, &OptionButton::Click, this, &frmAddIn::Option21_Click);
    connect(u.Option22, &OptionButton::Click, this, &frmAddIn::Option22_Click);
    connect(u.Option23, &OptionButton::Click, this, &frmAddIn::Option23_Click);
    connect(u.Option24, &OptionButton::Click, this, &frmAddIn::Option24_Click);
    connect(u.Option25, &OptionButton::Click, this, &frmAddIn::Option25_Click);
    connect(u.Option26, &OptionButton::Click, this, &frmAddIn::Option26_Click);
    connect(u.Option27, &OptionButton::Click, this, &frmAddIn::Option27_Click);
    connect(u.Option28, &OptionButton::Click, this, &frmAddIn::Option28_Click);
    connect(u.Option29, &OptionButton::Click, this, &frmAddIn::Option29_Click);
    connect(u.Option30, &OptionButton::Click, this, &frmAddIn::Option30_Click);
    connect(u.Check1, &CheckBox::Click, this, &frmAddIn::Check1_Click);
    connect(u.commandTest, &CommandButton::Click, this, &frmAddIn::CommandTest_Click);
    connect(u.Commandcopy, &CommandButton::Click, this, &frmAddIn::Commandcopy_Click);
    connect(u.Command1, &CommandButton::Click, this, &frmAddIn::Command1_Click);
    connect(u.mnuNew, &MenuItem::Click, this, &frmAddIn::mnuNew_Click);
    connect(u.mnuOpen, &MenuItem::Click, this, &frmAddIn::mnuOpen_Click);
    connect(u.mnuSave, &MenuItem::Click, this, &frmAddIn::mnuSave_Click);
    connect(u.mnuExit, &MenuItem::Click, this, &frmAddIn::mnuExit_Click);
    connect(u.mnuQuickHelp, &MenuItem::Click, this, &frmAddIn::mnuQuickHelp_Click);
    connect(u.mnuHelpContents, &MenuItem::Click, this, &frmAddIn::mnuHelpContents_Click);
    connect(u.mnuHelp, &MenuItem::Click, this, &frmAddIn::mnuhelp_Click);
    connect(u.mnuHelpOnHelp, &MenuItem::Click, this, &frmAddIn::mnuHelpOnHelp_Click);
    connect(u.mnuAbout, &MenuItem::Click, this, &frmAddIn::mnuAbout_Click);
}

void frmAddIn::releaseControls()
{
    CommonDialog1.setOwner(nullptr);
    m_ui.reset();
}

// ---------------------------------------------------------------------------
// Load and unload.

void frmAddIn::Form_Load()
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

void frmAddIn::Form_Unload(bool &)
{
    if (Connect)
        Connect->Hide();
}

// ---------------------------------------------------------------------------
// Options.

void frmAddIn::setStyle(short value, const QString &name)
{
    StyleValue = value;
    StyleName = name;
}

void frmAddIn::Option1_Click()
{
    setStyle(0, QStringLiteral("0"));
}

void frmAddIn::Option2_Click()
{
    setStyle(mb::vbCritical, QStringLiteral("vbCritical"));
}

void frmAddIn::Option3_Click()
{
    setStyle(mb::vbQuestion, QStringLiteral("vbQuestion"));
}

void frmAddIn::Option4_Click()
{
    setStyle(mb::vbExclamation, QStringLiteral("vbExclamation"));
}

void frmAddIn::Option5_Click()
{
    setStyle(mb::vbInformation, QStringLiteral("vbInformation"));
}

void frmAddIn::chooseDefaultButton(short buttonSet, int position)
{
    DefaultButtonValue = short(position * mb::vbDefaultButton2);
    DefaultButtonName = defaultButtonName(position);
    ButtonSetValue = buttonSet;
    ButtonSetName = buttonSetName(buttonSet);
    ResponseComment = responseComment(buttonSet);
}

void frmAddIn::Option13_Click() { chooseDefaultButton(mb::vbOKOnly, 0); }
void frmAddIn::Option12_Click() { chooseDefaultButton(mb::vbOKOnly, 1); }
void frmAddIn::Option14_Click() { chooseDefaultButton(mb::vbOKCancel, 0); }
void frmAddIn::Option15_Click() { chooseDefaultButton(mb::vbOKCancel, 1); }
void frmAddIn::Option16_Click() { chooseDefaultButton(mb::vbOKCancel, 2); }
void frmAddIn::Option20_Click() { chooseDefaultButton(mb::vbAbortRetryIgnore, 0); }
void frmAddIn::Option19_Click() { chooseDefaultButton(mb::vbAbortRetryIgnore, 1); }
void frmAddIn::Option18_Click() { chooseDefaultButton(mb::vbAbortRetryIgnore, 2); }
void frmAddIn::Option17_Click() { chooseDefaultButton(mb::vbAbortRetryIgnore, 3); }
void frmAddIn::Option24_Click() { chooseDefaultButton(mb::vbYesNoCancel, 0); }
void frmAddIn::Option23_Click() { chooseDefaultButton(mb::vbYesNoCancel, 1); }
void frmAddIn::Option22_Click() { chooseDefaultButton(mb::vbYesNoCancel, 2); }
void frmAddIn::Option21_Click() { chooseDefaultButton(mb::vbYesNoCancel, 3); }
void frmAddIn::Option27_Click() { chooseDefaultButton(mb::vbYesNo, 0); }
void frmAddIn::Option26_Click() { chooseDefaultButton(mb::vbYesNo, 1); }
void frmAddIn::Option25_Click() { chooseDefaultButton(mb::vbYesNo, 2); }
void frmAddIn::Option30_Click() { chooseDefaultButton(mb::vbRetryCancel, 0); }
void frmAddIn::Option29_Click() { chooseDefaultButton(mb::vbRetryCancel, 1); }
void frmAddIn::Option28_Click() { chooseDefaultButton(mb::vbRetryCancel, 2); }

void frmAddIn::showHelpColumn(bool shown)
{
    Ui &u = *m_ui;
    if (shown) {
        u.Label3->show();
        u.Text3->show();
    }
    for (const GridOption &option : kGrid) {
        if (isHelpColumn(option))
            (u.*option.control)->setVisible(shown);
    }
    if (!shown) {
        u.Label3->hide();
        u.Text3->hide();
    }
}

void frmAddIn::Check1_Click()
{
    showHelpColumn(m_ui->Check1->Value() != 0);
}

void frmAddIn::resolveOptions()
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

void frmAddIn::showTooLong()
{
    platform().MsgBox(QStringLiteral("You Have Exceeded the maximum number of charters allowed") + kCR
                          + QStringLiteral("they are 14 lines of 58 charters of approximately 840 charters."),
                      mb::vbInformation + mb::vbMsgBoxHelpButton, QString(), platform().App().HelpFile, 5);
}

void frmAddIn::CommandTest_Click()
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
    platform().MsgBox(message, int(ButtonsSum), title.isEmpty() ? QStringLiteral("Your Project") : title);

    MinimalCode = msgBoxCode(message, QString::number(qint64(ButtonsSum)), title, ButtonSetValue);
    NamedCode = msgBoxCode(message, ButtonsExpression, title, ButtonSetValue);
    m_testedButtonSet = ButtonSetValue;
    m_testedWithTitle = !title.isEmpty();
}

void frmAddIn::Commandcopy_Click()
{
    Ui &u = *m_ui;
    if (MinimalCode.isEmpty())
        return;
    platform().ClipboardClear();
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
    platform().ClipboardClear();
    platform().ClipboardSetText(u.Check3->Value() == 1 ? MinimalCode : NamedCode);
    if (help) {
        platform().MsgBox(QStringLiteral("Your message box has been copyed to the clipboard.") + kCR
                              + QStringLiteral("App.HelpFile As Help file and ") + context
                              + QStringLiteral(" As Context Number") + kCR
                              + QStringLiteral("Minimise this program and paste the msgbox into your code."),
                          mb::vbInformation, QStringLiteral("Message box formater"));
    } else {
        platform().MsgBox(QStringLiteral("Your message box has been copped to the clipboard.") + kCR
                              + QStringLiteral("Minimize this program and paste the msgbox into your code."),
                          mb::vbInformation, QStringLiteral("Message box formatter"));
    }
    MinimalCode.clear();
    NamedCode.clear();
}

void frmAddIn::Command1_Click()
{
    Hide();
}

// ---------------------------------------------------------------------------
// Menus.

void frmAddIn::mnuNew_Click()
{
    m_ui->Text1->setText(QString());
    m_ui->Text2->setText(QString());
}

void frmAddIn::mnuOpen_Click()
{
    wizard_files::Open(platform(), CommonDialog1, {m_ui->Text1, m_ui->Text2},
                       QStringLiteral("Text Files *.txt|*.txt"));
}

void frmAddIn::mnuSave_Click()
{
    wizard_files::Save(platform(), CommonDialog1, {m_ui->Text1, m_ui->Text2}, QStringLiteral("*.txt|*.txt"));
}

void frmAddIn::mnuExit_Click()
{
    if (Connect)
        Connect->Hide();
}

void frmAddIn::mnuQuickHelp_Click()
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
    platform().MsgBox(lines.join(kCR), mb::vbMsgBoxHelpButton, QString(), platform().App().HelpFile, 2);
}

void frmAddIn::mnuHelpContents_Click()
{
    m_helpResult = platform().WinHelpA(window(), platform().App().helpFilePath(), help::HELP_TAB, 1);
}

void frmAddIn::mnuhelp_Click()
{
    m_helpResult =
        platform().WinHelpA(window(), platform().App().helpFilePath(), help::HELP_PARTIALKEY, QStringLiteral(""));
}

void frmAddIn::mnuHelpOnHelp_Click()
{
    m_helpResult = platform().WinHelpA(window(), platform().App().helpFilePath(), help::HELP_HELPONHELP, 1);
}

void frmAddIn::mnuAbout_Click()
{
    frmAboutM::instance(platform()).Show();
}

} // namespace pelk

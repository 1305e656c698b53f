#include "frmaddin2.h"

#include "colortexts.h"

#include "about/aboutbox.h"
#include "about/maker.h"
#include "about/programicon.h"
#include "platform/forms/twips.h"
#include "platform/windowplacement.h"

#include <QApplication>
#include <QMenuBar>

#include <utility>

namespace pelk {

namespace {

const QString kTitle = QStringLiteral("Pelk Color Finder");
const QString kColorSection = QStringLiteral("Color");

// The quick help: twelve lines joined by single carriage returns.
QString quickHelpText()
{
    const QStringList lines = {
        QStringLiteral("1. Select the color you want by moving the up-down"),
        QStringLiteral("     buttons or select the color palette under Options on"),
        QStringLiteral("     the menu bar."),
        QStringLiteral("."),
        QStringLiteral("2.  Select the format you want the color in from options"),
        QStringLiteral("      on the menu bar."),
        QString(),
        QStringLiteral("3.  Press the copy button."),
        QString(),
        QStringLiteral("4.  Exit the program or minimize it."),
        QString(),
        QStringLiteral("4.  Paste the color into your code"),
    };
    return lines.join(QLatin1Char('\r'));
}

// Help numbers: the control's F1 context and its what's-this topic alike.
void setHelpNumber(QWidget *control, int number)
{
    forms::setHelpContextID(control, number);
    forms::setWhatsThisHelpID(control, number);
}

forms::CommandButton *button(QWidget *parent, const QString &caption, const QString &objectName,
                             const QString &accessibleName, double top, int helpNumber)
{
    auto *b = new forms::CommandButton(caption, parent);
    forms::name(b, objectName, accessibleName);
    forms::place(b, 1920, top, 615, 315);
    setHelpNumber(b, helpNumber);
    return b;
}

forms::UpDown *upDown(QWidget *parent, int min, int max, const QString &objectName, const QString &accessibleName,
                      double left, double top, double height, int helpNumber)
{
    auto *u = new forms::UpDown(parent, min, max, 1);
    forms::name(u, objectName, accessibleName);
    forms::place(u, left, top, 240, height);
    setHelpNumber(u, helpNumber);
    return u;
}

forms::Label *label(QWidget *parent, const QString &caption, const QString &objectName, double left, double top,
                    double width, double height)
{
    auto *l = new forms::Label(caption, parent);
    forms::name(l, objectName);
    forms::place(l, left, top, width, height);
    l->setAutoSize(true);
    return l;
}

forms::MenuItem *menuItem(QMenu *menu, const QString &caption, const QString &objectName)
{
    auto *item = new forms::MenuItem(caption, menu);
    item->setObjectName(objectName);
    menu->addAction(item);
    return item;
}

void separator(QMenu *menu, const QString &objectName)
{
    menu->addSeparator()->setObjectName(objectName);
}

} // namespace

frmAddIn2::frmAddIn2(Platform &platform, QObject *parent) : forms::Form(platform, parent)
{
    HelpContextID = 300;
}

void frmAddIn2::createControls(forms::FormWindow *window)
{
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    window->setObjectName(QStringLiteral("frmAddIn2"));
    window->setWindowTitle(kTitle);
    window->setWindowIcon(programIcon());
    // What's-this on the panel's labels or the preview shows the window's topic.
    forms::setWhatsThisHelpID(window, HelpContextID);
    window->setClientSize(5910, 4065);
    QWidget *client = window->clientArea();

    // The panel keeps its face color; the preview is the client area around it.
    u.Frame1 = new forms::Frame(QString(), client);
    forms::name(u.Frame1, QStringLiteral("Frame1"), QStringLiteral("Color controls"));
    forms::place(u.Frame1, 0, 0, 2655, 4095);
    QPalette face = u.Frame1->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    u.Frame1->setPalette(face);
    u.Frame1->setAutoFillBackground(true);
    QWidget *panel = u.Frame1;

    // Etched separators between the bands: white under a gray line one pixel higher.
    for (double y : {1680.0, 2880.0}) {
        new forms::Line(panel, 0, y, 2655, y, Qt::white, 2);
        new forms::Line(panel, 0, y, 2655, y, QColor(128, 128, 128), 1);
    }

    u.CommandCut = button(panel, QStringLiteral("Copy"), QStringLiteral("CommandCut"), QStringLiteral("Copy"), 120, 307);
    u.RedMax = button(panel, QStringLiteral("Max"), QStringLiteral("RedMax"), QStringLiteral("Red Max 255"), 600, 304);
    u.RedNom = button(panel, QStringLiteral("Nom"), QStringLiteral("RedNom"), QStringLiteral("Red Nom 192"), 960, 305);
    u.RedMin = button(panel, QStringLiteral("Min"), QStringLiteral("RedMin"), QStringLiteral("Red Min 0"), 1320, 306);
    u.GreenMax =
        button(panel, QStringLiteral("Max"), QStringLiteral("GreenMax"), QStringLiteral("Green Max 255"), 1800, 304);
    u.GreenNom =
        button(panel, QStringLiteral("Nom"), QStringLiteral("GreenNom"), QStringLiteral("Green Nom 192"), 2160, 305);
    u.GreenMin =
        button(panel, QStringLiteral("Min"), QStringLiteral("GreenMin"), QStringLiteral("Green Min 0"), 2520, 306);
    u.BlueMax =
        button(panel, QStringLiteral("Max"), QStringLiteral("BlueMax"), QStringLiteral("Blue Max 255"), 3000, 304);
    u.BlueNom =
        button(panel, QStringLiteral("Nom"), QStringLiteral("BlueNom"), QStringLiteral("Blue Nom 192"), 3360, 305);
    u.BlueMin = button(panel, QStringLiteral("Min"), QStringLiteral("BlueMin"), QStringLiteral("Blue Min 0"), 3720, 306);

    u.UpDown1 = upDown(panel, 0, 255, QStringLiteral("UpDown1"), QStringLiteral("Red up down"), 240, 720, 495, 301);
    u.UpDown2 = upDown(panel, 0, 255, QStringLiteral("UpDown2"), QStringLiteral("Green up down"), 240, 1920, 495, 301);
    u.UpDown3 = upDown(panel, 0, 255, QStringLiteral("UpDown3"), QStringLiteral("Blue up down"), 240, 3120, 495, 301);

    const struct {
        forms::TextBox *Ui::*box;
        const char *name;
        const char *channel;
        double top;
    } boxes[] = {{&Ui::Text1, "Text1", "Red", 840}, {&Ui::Text2, "Text2", "Green", 2040}, {&Ui::Text3, "Text3", "Blue", 3240}};
    for (const auto &b : boxes) {
        auto *box = new forms::TextBox(panel);
        forms::name(box, QString::fromLatin1(b.name), QString::fromLatin1(b.channel));
        forms::place(box, 720, b.top, 495, 285);
        setHelpNumber(box, 302);
        u.*b.box = box;
    }

    u.Label1 = label(panel, QStringLiteral("Red"), QStringLiteral("Label1"), 840, 1320, 300, 195);
    u.Label2 = label(panel, QStringLiteral("Green"), QStringLiteral("Label2"), 720, 2520, 435, 195);
    u.Label3 = label(panel, QStringLiteral("Blue"), QStringLiteral("Label3"), 720, 3720, 315, 195);
    u.Label4 = label(panel, QStringLiteral("Step"), QStringLiteral("Label4"), 1440, 600, 330, 195);
    u.Label5 = label(panel, QStringLiteral("Step"), QStringLiteral("Label5"), 1440, 1800, 330, 195);
    u.Label6 = label(panel, QStringLiteral("Step"), QStringLiteral("Label6"), 1440, 3000, 330, 195);

    u.UpDown4 = upDown(panel, 1, 10, QStringLiteral("UpDown4"), QStringLiteral("Red step size"), 1440, 840, 375, 303);
    u.UpDown5 = upDown(panel, 1, 10, QStringLiteral("UpDown5"), QStringLiteral("Green step size"), 1440, 2040, 375, 303);
    u.UpDown6 = upDown(panel, 1, 10, QStringLiteral("UpDown6"), QStringLiteral("Blue step size"), 1440, 3240, 375, 303);

    u.LabelRed = label(panel, QStringLiteral("1"), QStringLiteral("LabelRed"), 1440, 1320, 90, 195);
    u.LabelGreen = label(panel, QStringLiteral("1"), QStringLiteral("LabelGreen"), 1440, 2520, 90, 195);
    u.LabelBlue = label(panel, QStringLiteral("1"), QStringLiteral("LabelBlue"), 1440, 3720, 90, 195);
    u.Label1->setBuddy(u.Text1);
    u.Label2->setBuddy(u.Text2);
    u.Label3->setBuddy(u.Text3);

    // A white edge directly under the menu bar, across the whole client area.
    new forms::Line(client, 0, 0, 5910, 0, Qt::white, 4);

    // Tab order: the Copy button, the nine jump buttons top to bottom, the
    // channel steppers, the value boxes, the step-size steppers.
    const QList<QWidget *> tabOrder = {u.CommandCut, u.RedMax,   u.RedNom,   u.RedMin,  u.GreenMax, u.GreenNom,
                                       u.GreenMin,   u.BlueMax,  u.BlueNom,  u.BlueMin, u.UpDown1,  u.UpDown2,
                                       u.UpDown3,    u.Text1,    u.Text2,    u.Text3,   u.UpDown4,  u.UpDown5,
                                       u.UpDown6};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);

    QMenuBar *bar = window->menuBar();
    u.mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    u.mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    u.mnuColorBar = menuItem(u.mnuOptions, QStringLiteral("&Color Palette"), QStringLiteral("mnuColorBar"));
    u.mnuFormat = u.mnuOptions->addMenu(QStringLiteral("&Format"));
    u.mnuFormat->setObjectName(QStringLiteral("mnuFormat"));
    u.mnuRGB = menuItem(u.mnuFormat, QStringLiteral("&RGB "), QStringLiteral("mnuRGB"));
    separator(u.mnuFormat, QStringLiteral("bar4"));
    u.mnuDecimal = menuItem(u.mnuFormat, QStringLiteral("&Decimal"), QStringLiteral("mnuDecimal"));
    separator(u.mnuFormat, QStringLiteral("bar3"));
    u.mnuHex = menuItem(u.mnuFormat, QStringLiteral("&Hex"), QStringLiteral("mnuHex"));
    separator(u.mnuOptions, QStringLiteral("bar"));
    u.mnuExit = menuItem(u.mnuOptions, QStringLiteral("E&xit"), QStringLiteral("mnuExit"));
    u.mnumainhlp = bar->addMenu(QStringLiteral("&Help"));
    u.mnumainhlp->setObjectName(QStringLiteral("mnumainhlp"));
    u.mnuHelp = menuItem(u.mnumainhlp, QStringLiteral("&Quick Help"), QStringLiteral("mnuHelp"));
    separator(u.mnumainhlp, QStringLiteral("bar6"));
    u.MnuAbout = menuItem(u.mnumainhlp, QStringLiteral("&About"), QStringLiteral("MnuAbout"));
    u.mnuWhatisthis = new forms::MenuItem(QStringLiteral("&?"), bar);
    u.mnuWhatisthis->setObjectName(QStringLiteral("mnuWhatisthis"));
    bar->addAction(u.mnuWhatisthis);

    u.CommonDialog1 = std::make_unique<CommonDialog>(platform(), window);

    using forms::CommandButton;
    using forms::MenuItem;
    using forms::UpDown;
    connect(u.UpDown1, &UpDown::Change, this, &frmAddIn2::UpDown1_Change);
    connect(u.UpDown2, &UpDown::Change, this, &frmAddIn2::UpDown2_Change);
    connect(u.UpDown3, &UpDown::Change, this, &frmAddIn2::UpDown3_Change);
    connect(u.UpDown4, &UpDown::Change, this, &frmAddIn2::UpDown4_Change);
    connect(u.UpDown5, &UpDown::Change, this, &frmAddIn2::UpDown5_Change);
    connect(u.UpDown6, &UpDown::Change, this, &frmAddIn2::UpDown6_Change);
    connect(u.RedMax, &CommandButton::Click, this, &frmAddIn2::RedMax_Click);
    connect(u.RedNom, &CommandButton::Click, this, &frmAddIn2::RedNom_Click);
    connect(u.RedMin, &CommandButton::Click, this, &frmAddIn2::RedMin_Click);
    connect(u.GreenMax, &CommandButton::Click, this, &frmAddIn2::GreenMax_Click);
    connect(u.GreenNom, &CommandButton::Click, this, &frmAddIn2::GreenNom_Click);
    connect(u.GreenMin, &CommandButton::Click, this, &frmAddIn2::GreenMin_Click);
    connect(u.BlueMax, &CommandButton::Click, this, &frmAddIn2::BlueMax_Click);
    connect(u.BlueNom, &CommandButton::Click, this, &frmAddIn2::BlueNom_Click);
    connect(u.BlueMin, &CommandButton::Click, this, &frmAddIn2::BlueMin_Click);
    connect(u.CommandCut, &CommandButton::Click, this, &frmAddIn2::CommandCut_Click);
    connect(u.mnuRGB, &MenuItem::Click, this, &frmAddIn2::mnuRGB_Click);
    connect(u.mnuDecimal, &MenuItem::Click, this, &frmAddIn2::mnuDecimal_Click);
    connect(u.mnuHex, &MenuItem::Click, this, &frmAddIn2::mnuHex_Click);
    connect(u.mnuColorBar, &MenuItem::Click, this, &frmAddIn2::mnuColorBar_Click);
    connect(u.mnuExit, &MenuItem::Click, this, &frmAddIn2::mnuExit_Click);
    connect(u.mnuHelp, &MenuItem::Click, this, &frmAddIn2::mnuhelp_Click);
    connect(u.MnuAbout, &MenuItem::Click, this, &frmAddIn2::mnuAbout_Click);
    connect(u.mnuWhatisthis, &MenuItem::Click, this, &frmAddIn2::mnuWhatisthis_Click);

    centerFrame(window);
}

void frmAddIn2::releaseControls()
{
    m_ui.reset();
}

std::array<frmAddIn2::Channel, 3> frmAddIn2::channels()
{
    Ui &u = ui();
    return {{{u.UpDown1, u.Text1, u.UpDown4, u.LabelRed, QStringLiteral("Red")},
             {u.UpDown2, u.Text2, u.UpDown5, u.LabelGreen, QStringLiteral("Green")},
             {u.UpDown3, u.Text3, u.UpDown6, u.LabelBlue, QStringLiteral("Blue")}}};
}

// ---------------------------------------------------------------------------
// The preview and the channels

quint32 frmAddIn2::BackColor()
{
    const QColor c = window()->clientArea()->palette().color(QPalette::Window);
    return colorNumber(c.red(), c.green(), c.blue());
}

void frmAddIn2::setBackColor(quint32 color)
{
    QWidget *client = window()->clientArea();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)));
    client->setPalette(palette);
}

void frmAddIn2::Draw_Color()
{
    Ui &u = ui();
    setBackColor(colorNumber(channelValue(u.Text1->Text()), channelValue(u.Text2->Text()),
                             channelValue(u.Text3->Text())));
    if (!m_loading)
        SaveAll();
}

void frmAddIn2::channelStepped(const Channel &c)
{
    c.box->setText(QString::number(c.stepper->Value()));
    Draw_Color();
}

void frmAddIn2::stepSizeChanged(const Channel &c)
{
    c.stepLabel->setCaption(QString::number(c.stepSize->Value()));
    c.stepper->setIncrement(c.stepSize->Value());
}

void frmAddIn2::jump(const Channel &c, int value)
{
    c.stepper->setValue(value);
    c.box->setText(QString::number(value));
    Draw_Color();
}

void frmAddIn2::Form_Resize()
{
    if (m_ui) // a resize while the controls are being built has nothing to paint
        Draw_Color();
}

// ---------------------------------------------------------------------------
// Formats and copy

void frmAddIn2::CommandCut_Click()
{
    Ui &u = ui();
    platform().ClipboardClear();
    QString name;
    // Each format goes by its own check mark, in this order.
    const std::pair<forms::MenuItem *, ColorFormat> formats[] = {
        {u.mnuRGB, ColorFormat::Rgb}, {u.mnuHex, ColorFormat::Hex}, {u.mnuDecimal, ColorFormat::Decimal}};
    for (const auto &[item, format] : formats) {
        if (!item->Checked())
            continue;
        platform().ClipboardSetText(colorText(format, u.Text1->Text(), u.Text2->Text(), u.Text3->Text()));
        name = formatName(format);
    }
    platform().MsgBox(QStringLiteral("Your ") + name + QStringLiteral(" Color has been copyed to the clipboard.")
                          + QLatin1Char('\r') + QStringLiteral("Minimise this program and paste the Colors into your code."),
                      mb::vbOKOnly + mb::vbInformation, QStringLiteral("Pelk RBG color finder"));
}

void frmAddIn2::mnuRGB_Click()
{
    chooseFormat(ui().mnuRGB);
}

void frmAddIn2::mnuDecimal_Click()
{
    chooseFormat(ui().mnuDecimal);
}

void frmAddIn2::mnuHex_Click()
{
    chooseFormat(ui().mnuHex);
}

void frmAddIn2::chooseFormat(forms::MenuItem *item)
{
    Ui &u = ui();
    if (item->Checked())
        return;
    const std::pair<forms::MenuItem *, ColorFormat> formats[] = {
        {u.mnuRGB, ColorFormat::Rgb}, {u.mnuDecimal, ColorFormat::Decimal}, {u.mnuHex, ColorFormat::Hex}};
    for (const auto &[other, format] : formats) {
        other->setCheckMark(other == item);
        if (other != item)
            continue;
        try {
            platform().SaveSetting(platform().App().Title, QStringLiteral("Settings"), QStringLiteral("Format"),
                                   formatLetter(format));
        } catch (const Error &error) {
            settingsNotSaved(error);
        }
    }
}

void frmAddIn2::settingsNotSaved(const Error &error)
{
    if (std::exchange(m_settingsFailureShown, true))
        return;
    platform().MsgBox(QStringLiteral("The color finder could not save its settings; the color, step sizes and "
                                     "format chosen now will not be remembered.\r")
                          + error.description(),
                      mb::vbExclamation);
}

// ---------------------------------------------------------------------------
// Loading, saving and the palette

void frmAddIn2::Form_Load()
{
    Platform &p = platform();
    const QString app = p.App().Title;
    Ui &u = ui();
    m_loading = true;

    const std::optional<ColorFormat> format =
        formatFromLetter(p.GetSetting(app, QStringLiteral("Settings"), QStringLiteral("Format"), QStringLiteral("A")));
    u.mnuRGB->setCheckMark(format == ColorFormat::Rgb);
    u.mnuDecimal->setCheckMark(format == ColorFormat::Decimal);
    u.mnuHex->setCheckMark(format == ColorFormat::Hex);

    // The steppers take the nearest value they can hold; the boxes show the
    // stored texts as they stand.
    for (const Channel &c : channels()) {
        const QString stored = p.GetSetting(app, kColorSection, c.key, QStringLiteral("192"));
        c.stepper->setValue(channelValue(stored));
        c.box->setText(stored);
    }
    // A step size the steppers cannot hold loads as 1, everywhere.
    for (const Channel &c : channels()) {
        const QString stored = p.GetSetting(app, kColorSection, c.key + QStringLiteral("Set"), QStringLiteral("1"));
        const std::optional<int> step = stepSizeOf(stored);
        c.stepSize->setValue(step.value_or(1));
        c.stepLabel->setCaption(step ? stored : QStringLiteral("1"));
        c.stepper->setIncrement(step.value_or(1));
    }

    m_loading = false;
    Draw_Color();
}

void frmAddIn2::SaveAll()
{
    Platform &p = platform();
    const QString app = p.App().Title;
    const std::array<Channel, 3> all = channels();
    try {
        for (const Channel &c : all)
            p.SaveSetting(app, kColorSection, c.key, QString::number(c.stepper->Value()));
        for (const Channel &c : all)
            p.SaveSetting(app, kColorSection, c.key, c.box->Text());
        for (const Channel &c : all)
            p.SaveSetting(app, kColorSection, c.key + QStringLiteral("Set"), QString::number(c.stepSize->Value()));
        for (const Channel &c : all)
            p.SaveSetting(app, kColorSection, c.key + QStringLiteral("Set"), c.stepLabel->Caption());
    } catch (const Error &error) {
        settingsNotSaved(error);
    }
}

void frmAddIn2::Form_Unload(bool &)
{
    SaveAll();
    if (Connect)
        Connect->Hide2();
}

void frmAddIn2::mnuColorBar_Click()
{
    try {
        CommonDialog &dialog = *ui().CommonDialog1;
        dialog.CancelError = true;
        dialog.Flags = 2;
        dialog.ShowColor();
        setBackColor(dialog.Color);
        const ChannelDigits digits = channelDigits(dialog.Color);
        const QString pairs[] = {digits.red, digits.green, digits.blue};
        const std::array<Channel, 3> all = channels();
        for (int i = 0; i < 3; ++i) {
            QString value = pairs[i];
            ConVert(value);
            all[i].box->setText(value);
            all[i].stepper->setValue(value.toInt());
        }
        SaveAll();
    } catch (const std::exception &) {
        platform().MsgBox(QStringLiteral("Color transfer canceled by user."), mb::vbOKOnly + mb::vbInformation);
    }
}

// ---------------------------------------------------------------------------
// Exit and help

void frmAddIn2::mnuExit_Click()
{
    SaveAll();
    if (Connect)
        Connect->Hide2();
    else
        Hide();
}

void frmAddIn2::mnuhelp_Click()
{
    platform().MsgBox(quickHelpText(), mb::vbOKOnly, QStringLiteral("Pelk Color Finder Quick Help"));
}

void frmAddIn2::mnuAbout_Click()
{
    frmAboutC &about = frmAboutC::instance(platform());
    about.ui().lblDescription[0]->setVisible(true);
    about.ui().lblTitle->setCaption(QStringLiteral("Pelk Color finder") + QLatin1Char('\r') + maker::kWebAddress);
    about.setCaption(QStringLiteral("Pelk About Color Finder"));
    about.Show();
}

void frmAddIn2::mnuWhatisthis_Click()
{
    WhatsThisMode();
}

} // namespace pelk

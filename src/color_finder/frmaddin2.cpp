#include "frmaddin2.h"

#include "colortexts.h"

#include "about/aboutbox.h"
#include "about/maker.h"
#include "about/programicon.h"
#include "forms/windowplacement.h"

#include <QApplication>

#include <utility>

namespace pelk {

namespace {

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

} // namespace

frmAddIn2::frmAddIn2(const Services &services, QObject *parent)
    : forms::Form(services.app, services.help, parent), m_services(services)
{
    HelpContextID = 300;
}

void frmAddIn2::createControls(forms::FormWindow *window)
{
    const forms::Controls c = forms::build(window, formDesign());
    window->setWindowIcon(programIcon());
    // What's-this on the panel's labels or the preview shows the window's topic.
    forms::setWhatsThisHelpID(window, HelpContextID);
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    // Each Ui member takes the control of its own name.
#define PICK(member) c.pick(u.member, #member)
    PICK(Frame1); PICK(CommandCut); PICK(RedMax); PICK(RedNom); PICK(RedMin); PICK(GreenMax); PICK(GreenNom);
    PICK(GreenMin); PICK(BlueMax); PICK(BlueNom); PICK(BlueMin); PICK(UpDown1); PICK(UpDown2); PICK(UpDown3);
    PICK(Text1); PICK(Text2); PICK(Text3); PICK(Label1); PICK(Label2); PICK(Label3); PICK(Label4); PICK(Label5);
    PICK(Label6); PICK(UpDown4); PICK(UpDown5); PICK(UpDown6); PICK(LabelRed); PICK(LabelGreen); PICK(LabelBlue);
    u.mnuOptions = c.menu("mnuOptions"); PICK(mnuColorBar); u.mnuFormat = c.menu("mnuFormat"); PICK(mnuRGB);
    PICK(mnuDecimal); PICK(mnuHex); PICK(mnuExit); u.mnumainhlp = c.menu("mnumainhlp"); PICK(mnuHelp); PICK(MnuAbout);
    PICK(mnuWhatisthis);
#undef PICK
    u.CommonDialog1 = std::make_unique<CommonDialog>(m_services.dialogs, window);

    // The panel keeps its face color; the preview is the client area around it.
    QPalette face = u.Frame1->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    u.Frame1->setPalette(face);
    u.Frame1->setAutoFillBackground(true);

    forms::connectHandlers(*this, c);
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
    m_services.clipboard.ClipboardClear();
    QString name;
    // Each format goes by its own check mark, in this order.
    const std::pair<forms::MenuItem *, ColorFormat> formats[] = {
        {u.mnuRGB, ColorFormat::Rgb}, {u.mnuHex, ColorFormat::Hex}, {u.mnuDecimal, ColorFormat::Decimal}};
    for (const auto &[item, format] : formats) {
        if (!item->Checked())
            continue;
        m_services.clipboard.ClipboardSetText(colorText(format, u.Text1->Text(), u.Text2->Text(), u.Text3->Text()));
        name = formatName(format);
    }
    m_services.boxes.MsgBox(QStringLiteral("Your ") + name + QStringLiteral(" Color has been copyed to the clipboard.")
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
            m_services.settings.SaveSetting(app().Title, QStringLiteral("Settings"), QStringLiteral("Format"),
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
    m_services.boxes.MsgBox(QStringLiteral("The color finder could not save its settings; the color, step sizes and "
                                     "format chosen now will not be remembered.\r")
                          + error.description(),
                      mb::vbExclamation);
}

// ---------------------------------------------------------------------------
// Loading, saving and the palette

void frmAddIn2::Form_Load()
{
    Settings &p = m_services.settings;
    const QString app = this->app().Title;
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
    Settings &p = m_services.settings;
    const QString app = this->app().Title;
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
    requestHide();
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
    } catch (const Error &error) {
        // Only the dialog's cancel is the user's; anything else is no cancel.
        if (error.number() != errDialogCancel)
            throw;
        m_services.boxes.MsgBox(QStringLiteral("Color transfer canceled by user."), mb::vbOKOnly + mb::vbInformation);
    }
}

// ---------------------------------------------------------------------------
// Exit and help

void frmAddIn2::mnuExit_Click()
{
    SaveAll();
    if (!requestHide())
        Hide();
}

void frmAddIn2::mnuhelp_Click()
{
    m_services.boxes.MsgBox(quickHelpText(), mb::vbOKOnly, QStringLiteral("Pelk Color Finder Quick Help"));
}

void frmAddIn2::mnuAbout_Click()
{
    frmAboutC &about = frmAboutC::instance(app(), help());
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

#include "colorfinderwindow.h"

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

ColorFinderWindow::ColorFinderWindow(const Services &services, QObject *parent)
    : forms::Form(services.app, services.help, parent), m_services(services)
{
    HelpContextID = 300;
}

void ColorFinderWindow::createControls(forms::FormWindow *window)
{
    const forms::Controls c = forms::build(window, formDesign());
    window->setWindowIcon(programIcon());
    // What's-this on the panel's labels or the preview shows the window's topic.
    forms::setWhatsThisHelpID(window, HelpContextID);
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    u.pick(c);
    u.CommonDialog1 = std::make_unique<CommonDialog>(m_services.dialogs, window);

    // The panel keeps its face color; the preview is the client area around it.
    QPalette face = u.Frame1->palette();
    face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    u.Frame1->setPalette(face);
    u.Frame1->setAutoFillBackground(true);

    connectHandlers(u);
    centerFrame(window);
}

void ColorFinderWindow::releaseControls()
{
    m_ui.reset();
}

void ColorFinderWindow::connectHandlers(Ui &u)
{
    // Each channel's stepper, step size and jump buttons act on that channel.
    struct ChannelControls {
        forms::UpDown *stepper, *stepSize;
        forms::CommandButton *max, *nom, *min;
    };
    const ChannelControls perChannel[] = {{u.UpDown1, u.UpDown4, u.RedMax, u.RedNom, u.RedMin},
                                          {u.UpDown2, u.UpDown5, u.GreenMax, u.GreenNom, u.GreenMin},
                                          {u.UpDown3, u.UpDown6, u.BlueMax, u.BlueNom, u.BlueMin}};
    for (int i = 0; i < 3; ++i) {
        const ChannelControls &c = perChannel[i];
        connect(c.stepper, &forms::UpDown::Change, this, [this, i] { channelStepped(channel(i)); });
        connect(c.stepSize, &forms::UpDown::Change, this, [this, i] { stepSizeChanged(channel(i)); });
        for (const auto &[button, value] : {std::pair{c.max, 255}, std::pair{c.nom, 192}, std::pair{c.min, 0}})
            connect(button, &forms::CommandButton::Click, this, [this, i, value] { jump(channel(i), value); });
    }
    for (forms::MenuItem *format : {u.mnuRGB, u.mnuDecimal, u.mnuHex})
        connect(format, &forms::MenuItem::Click, this, [this, format] { chooseFormat(format); });
    connect(u.CommandCut, &forms::CommandButton::Click, this, &ColorFinderWindow::CommandCut_Click);
    connect(u.mnuColorBar, &forms::MenuItem::Click, this, &ColorFinderWindow::mnuColorBar_Click);
    connect(u.mnuExit, &forms::MenuItem::Click, this, &ColorFinderWindow::mnuExit_Click);
    connect(u.mnuHelp, &forms::MenuItem::Click, this, &ColorFinderWindow::mnuhelp_Click);
    connect(u.MnuAbout, &forms::MenuItem::Click, this, &ColorFinderWindow::mnuAbout_Click);
    connect(u.mnuWhatisthis, &forms::MenuItem::Click, this, &ColorFinderWindow::mnuWhatisthis_Click);
}

std::array<ColorFinderWindow::Channel, 3> ColorFinderWindow::channels()
{
    Ui &u = ui();
    return {{{u.UpDown1, u.Text1, u.UpDown4, u.LabelRed, QStringLiteral("Red")},
             {u.UpDown2, u.Text2, u.UpDown5, u.LabelGreen, QStringLiteral("Green")},
             {u.UpDown3, u.Text3, u.UpDown6, u.LabelBlue, QStringLiteral("Blue")}}};
}

// ---------------------------------------------------------------------------
// The preview and the channels

quint32 ColorFinderWindow::BackColor()
{
    const QColor c = window()->clientArea()->palette().color(QPalette::Window);
    return colorNumber(c.red(), c.green(), c.blue());
}

void ColorFinderWindow::setBackColor(quint32 color)
{
    QWidget *client = window()->clientArea();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)));
    client->setPalette(palette);
}

void ColorFinderWindow::Draw_Color()
{
    Ui &u = ui();
    setBackColor(colorNumber(channelValue(u.Text1->Text()), channelValue(u.Text2->Text()),
                             channelValue(u.Text3->Text())));
    if (!m_loading)
        SaveAll();
}

void ColorFinderWindow::channelStepped(const Channel &c)
{
    c.box->setText(QString::number(c.stepper->Value()));
    Draw_Color();
}

void ColorFinderWindow::stepSizeChanged(const Channel &c)
{
    c.stepLabel->setCaption(QString::number(c.stepSize->Value()));
    c.stepper->setIncrement(c.stepSize->Value());
}

void ColorFinderWindow::jump(const Channel &c, int value)
{
    c.stepper->setValue(value);
    c.box->setText(QString::number(value));
    Draw_Color();
}

void ColorFinderWindow::Form_Resize()
{
    if (m_ui) // a resize while the controls are being built has nothing to paint
        Draw_Color();
}

// ---------------------------------------------------------------------------
// Formats and copy

void ColorFinderWindow::CommandCut_Click()
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

void ColorFinderWindow::chooseFormat(forms::MenuItem *item)
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
        const Status saved = m_services.settings.SaveSetting(app().Title, QStringLiteral("Settings"),
                                                             QStringLiteral("Format"), formatLetter(format));
        if (!saved)
            settingsNotSaved(saved.error());
    }
}

void ColorFinderWindow::settingsNotSaved(const Error &error)
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

void ColorFinderWindow::Form_Load()
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

void ColorFinderWindow::SaveAll()
{
    Settings &p = m_services.settings;
    const QString app = this->app().Title;
    // The stepper's number first, then the box's text over it, as the
    // window always saved them; the first failure ends the save.
    QList<std::pair<QString, QString>> values;
    for (const Channel &c : channels())
        values.append({c.key, QString::number(c.stepper->Value())});
    for (const Channel &c : channels())
        values.append({c.key, c.box->Text()});
    for (const Channel &c : channels())
        values.append({c.key + QStringLiteral("Set"), QString::number(c.stepSize->Value())});
    for (const Channel &c : channels())
        values.append({c.key + QStringLiteral("Set"), c.stepLabel->Caption()});
    for (const auto &[key, value] : std::as_const(values)) {
        if (const Status saved = p.SaveSetting(app, kColorSection, key, value); !saved) {
            settingsNotSaved(saved.error());
            return;
        }
    }
}

void ColorFinderWindow::Form_Unload(bool &)
{
    SaveAll();
    requestHide();
}

void ColorFinderWindow::mnuColorBar_Click()
{
    CommonDialog &dialog = *ui().CommonDialog1;
    dialog.CancelError = true;
    dialog.Flags = 2;
    if (const Status chosen = dialog.ShowColor(); !chosen) {
        // Only the dialog's cancel is the user's; anything else is no cancel.
        if (chosen.cancelled())
            m_services.boxes.MsgBox(QStringLiteral("Color transfer canceled by user."),
                                    mb::vbOKOnly + mb::vbInformation);
        else
            m_services.boxes.MsgBox(chosen.error().description(), mb::vbExclamation);
        return;
    }
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
}

// ---------------------------------------------------------------------------
// Exit and help

void ColorFinderWindow::mnuExit_Click()
{
    SaveAll();
    if (!requestHide())
        Hide();
}

void ColorFinderWindow::mnuhelp_Click()
{
    m_services.boxes.MsgBox(quickHelpText(), mb::vbOKOnly, QStringLiteral("Pelk Color Finder Quick Help"));
}

void ColorFinderWindow::mnuAbout_Click()
{
    AboutBox &about = AboutBox::instance(AboutBox::Which::ColorFinder, app(), help());
    about.ui().lblDescription->setVisible(true);
    about.ui().lblTitle->setCaption(QStringLiteral("Pelk Color finder") + QLatin1Char('\r') + maker::kWebAddress);
    about.setCaption(QStringLiteral("Pelk About Color Finder"));
    about.Show();
}

void ColorFinderWindow::mnuWhatisthis_Click()
{
    WhatsThisMode();
}

} // namespace pelk

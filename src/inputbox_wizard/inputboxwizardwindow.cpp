#include "inputboxwizardwindow.h"

#include "inputboxcode.h"

#include "about/aboutbox.h"
#include "about/maker.h"
#include "about/programicon.h"
#include "wizard_files/wizard_files.h"
#include "forms/windowplacement.h"

namespace pelk {

namespace {
const QChar kCR = QLatin1Char('\r');

const QString kInputComment = QStringLiteral("'resInputBox  '' = vbCancel Else is user input");

QString copiedMessage()
{
    return QStringLiteral("Your Input box has been copped to the clipboard.") + kCR +
           QStringLiteral("Minimize this program and paste the input box into your code.");
}

QString quickHelpMessage()
{
    return QStringList{
        QStringLiteral("1. Fill in the blank text boxes then press the test button"),
        QStringLiteral("    to see the finished input box."),
        QString(),
        QStringLiteral("2. Press the copy button."),
        QString(),
        QStringLiteral("3. Exit or minimize the form."),
        QString(),
        QStringLiteral("4. Paste the message box code in to your code. "),
    }.join(kCR);
}

} // namespace

InputBoxWizardWindow::InputBoxWizardWindow(const Services &services, QObject *parent)
    : forms::Form(services.app, services.help, parent), m_services(services) {}

void InputBoxWizardWindow::createControls(forms::FormWindow *window)
{
    const forms::Controls c = forms::build(window, formDesign());
    window->setWindowIcon(programIcon());
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    u.pick(c);
    u.CommonDialog1 = std::make_unique<CommonDialog>(m_services.dialogs, window);
    connectHandlers(u);
}

void InputBoxWizardWindow::connectHandlers(Ui &u)
{
    connect(u.CommandTest, &forms::CommandButton::Click, this, &InputBoxWizardWindow::CommandTest_Click);
    connect(u.Command2, &forms::CommandButton::Click, this, &InputBoxWizardWindow::Command2_Click);
    connect(u.CommandExit, &forms::CommandButton::Click, this, &InputBoxWizardWindow::CommandExit_Click);
    connect(u.mnuNew, &forms::MenuItem::Click, this, &InputBoxWizardWindow::mnuNew_Click);
    connect(u.mnuOpenFile, &forms::MenuItem::Click, this, &InputBoxWizardWindow::mnuOpenFile_Click);
    connect(u.mnuSaveFile, &forms::MenuItem::Click, this, &InputBoxWizardWindow::mnuSaveFile_Click);
    connect(u.mnuExit, &forms::MenuItem::Click, this, &InputBoxWizardWindow::mnuExit_Click);
    connect(u.mnuInputHllp, &forms::MenuItem::Click, this, &InputBoxWizardWindow::mnuInputHllp_Click);
    connect(u.MnuAbout, &forms::MenuItem::Click, this, &InputBoxWizardWindow::mnuAbout_Click);
    connect(u.mnuContextHelp, &forms::MenuItem::Click, this, &InputBoxWizardWindow::mnuContextHelp_Click);
}

void InputBoxWizardWindow::Form_Load()
{
    // Centred on the screen at every load.
    centerFrame(window());
}

void InputBoxWizardWindow::Build_Copy()
{
    const Ui &u = ui();
    InputTail = inputbox::inputTail(u.Text1->Text(), u.Text3->Text());
    InputCode = inputbox::inputCode(u.Text2->Text(), InputTail);
}

void InputBoxWizardWindow::CommandTest_Click()
{
    const Ui &u = ui();
    const QString message = u.Text2->Text();
    if (inputbox::messageTooLong(message)) {
        m_services.boxes.MsgBox(inputbox::testRefusal(message.size()), mb::vbCritical);
        return;
    }
    // The answer only shows the user the box; it is not kept.
    m_services.boxes.InputBox(message, inputbox::testTitle(u.Text1->Text()), u.Text3->Text());
}

void InputBoxWizardWindow::Command2_Click()
{
    if (inputbox::messageTooLong(ui().Text2->Text())) {
        m_services.boxes.MsgBox(inputbox::copyRefusal(), mb::vbCritical);
        return;
    }
    Build_Copy();
    InputComment = kInputComment;
    m_services.clipboard.ClipboardClear();
    m_services.clipboard.ClipboardSetText(inputbox::clipboardText(InputCode, InputComment));
    m_services.boxes.MsgBox(copiedMessage(), mb::vbInformation, QStringLiteral("Pelk Input box formatter"));
}

void InputBoxWizardWindow::CommandExit_Click()
{
    mnuExit_Click();
}

void InputBoxWizardWindow::mnuExit_Click()
{
    // Hidden through the connection so it knows the tool is closed; the
    // fields keep their text.
    if (!requestHide())
        Hide();
}

void InputBoxWizardWindow::Form_Unload(bool &)
{
    requestHide();
}

void InputBoxWizardWindow::mnuNew_Click()
{
    const Ui &u = ui();
    u.Text1->setText(QString());
    u.Text2->setText(QString());
    u.Text3->setText(QString());
}

void InputBoxWizardWindow::mnuOpenFile_Click()
{
    const Ui &u = ui();
    wizard_files::Open({app(), m_services.boxes, m_services.dialogs}, *u.CommonDialog1, {u.Text1, u.Text2}, QStringLiteral("Text Files *.txt|*.txt"));
}

void InputBoxWizardWindow::mnuSaveFile_Click()
{
    // The default answer is not kept: only the message and, as the file's
    // name, the title.
    const Ui &u = ui();
    wizard_files::Save({app(), m_services.boxes, m_services.dialogs}, *u.CommonDialog1, {u.Text1, u.Text2}, QStringLiteral("txt)|*.txt"),
                       [this](int answer) { MsgBoxResult = answer; });
}

void InputBoxWizardWindow::mnuInputHllp_Click()
{
    m_services.boxes.MsgBox(quickHelpMessage(), mb::vbOKOnly, QStringLiteral("Pelk Input Box Wizard Quick Help"));
}

void InputBoxWizardWindow::mnuAbout_Click()
{
    AboutBox &about = AboutBox::instance(AboutBox::Which::InputBoxWizard, app(), help());
    about.ui().lblDescription->setVisible(true);
    about.ui().lblTitle->setCaption(QStringLiteral("Pelk Input Box") + kCR + maker::kWebAddress);
    about.setCaption(QStringLiteral("Pelk About Input Box"));
    about.Show();
}

void InputBoxWizardWindow::mnuContextHelp_Click()
{
    WhatsThisMode();
}

} // namespace pelk

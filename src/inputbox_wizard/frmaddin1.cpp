#include "frmaddin1.h"

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

frmAddIn1::frmAddIn1(const Services &services, QObject *parent)
    : forms::Form(services.app, services.help, parent), m_services(services) {}

void frmAddIn1::createControls(forms::FormWindow *window)
{
    const forms::Controls c = forms::build(window, formDesign());
    window->setWindowIcon(programIcon());
    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    // Each Ui member takes the control of its own name.
#define PICK(member) c.pick(u.member, #member)
    PICK(CommandExit); PICK(Text1); PICK(Text2); PICK(Text3); PICK(Command2); PICK(CommandTest); PICK(Line2);
    PICK(Line1); PICK(Label1); PICK(Label2); PICK(Label3); PICK(mnuFile); PICK(mnuNew); PICK(mnuOpenFile);
    PICK(mnuSaveFile); PICK(mnuExit); PICK(mnumainHelp); PICK(mnuInputHllp); PICK(MnuAbout); PICK(mnuContextHelp);
#undef PICK
    u.CommonDialog1 = std::make_unique<CommonDialog>(m_services.dialogs, window);
    forms::connectHandlers(*this, c);
}

void frmAddIn1::Form_Load()
{
    // Centred on the screen at every load.
    centerFrame(window());
}

void frmAddIn1::Build_Copy()
{
    const Ui &u = ui();
    InputTail = inputbox::inputTail(u.Text1->Text(), u.Text3->Text());
    InputCode = inputbox::inputCode(u.Text2->Text(), InputTail);
}

void frmAddIn1::CommandTest_Click()
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

void frmAddIn1::Command2_Click()
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

void frmAddIn1::CommandExit_Click()
{
    mnuExit_Click();
}

void frmAddIn1::mnuExit_Click()
{
    // Hidden through the connection so it knows the tool is closed; the
    // fields keep their text.
    if (!requestHide())
        Hide();
}

void frmAddIn1::Form_Unload(bool &)
{
    requestHide();
}

void frmAddIn1::mnuNew_Click()
{
    const Ui &u = ui();
    u.Text1->setText(QString());
    u.Text2->setText(QString());
    u.Text3->setText(QString());
}

void frmAddIn1::mnuOpenFile_Click()
{
    const Ui &u = ui();
    wizard_files::Open({app(), m_services.boxes, m_services.dialogs}, *u.CommonDialog1, {u.Text1, u.Text2}, QStringLiteral("Text Files *.txt|*.txt"));
}

void frmAddIn1::mnuSaveFile_Click()
{
    // The default answer is not kept: only the message and, as the file's
    // name, the title.
    const Ui &u = ui();
    wizard_files::Save({app(), m_services.boxes, m_services.dialogs}, *u.CommonDialog1, {u.Text1, u.Text2}, QStringLiteral("txt)|*.txt"),
                       [this](int answer) { MsgBoxResult = answer; });
}

void frmAddIn1::mnuInputHllp_Click()
{
    m_services.boxes.MsgBox(quickHelpMessage(), mb::vbOKOnly, QStringLiteral("Pelk Input Box Wizard Quick Help"));
}

void frmAddIn1::mnuAbout_Click()
{
    frmAboutI &about = frmAboutI::instance(app(), help());
    about.ui().lblDescription[0]->setVisible(true);
    about.ui().lblTitle->setCaption(QStringLiteral("Pelk Input Box") + kCR + maker::kWebAddress);
    about.setCaption(QStringLiteral("Pelk About Input Box"));
    about.Show();
}

void frmAddIn1::mnuContextHelp_Click()
{
    WhatsThisMode();
}

} // namespace pelk

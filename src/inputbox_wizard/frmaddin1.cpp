#include "frmaddin1.h"

#include "inputboxcode.h"

#include "about/aboutbox.h"
#include "about/maker.h"
#include "about/programicon.h"
#include "msgbox_wizard/wizard_files.h"
#include "platform/forms/twips.h"
#include "platform/windowplacement.h"

#include <QMenu>
#include <QMenuBar>

namespace pelk {

namespace {
const QChar kCR = QLatin1Char('\r');

// Help topics of the controls (what's-this) and of the menus (F1).
enum HelpTopic {
    kFileAndAboutTopic = 200,
    kTitleTopic = 201,
    kDefaultTopic = 202,
    kMessageTopic = 203,
    kTestTopic = 204,
    kCopyTopic = 205,
};

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

// A control's help topic: shown by a click in what's-this mode, and by F1
// while it has the focus, the keyboard's way to the same help.
void setHelpTopic(QWidget *control, int topic)
{
    forms::setWhatsThisHelpID(control, topic);
    forms::setHelpContextID(control, topic);
}

forms::CommandButton *button(const QString &caption, const QString &objectName, const QString &accessibleName,
                             QWidget *parent, double left, double top)
{
    auto *b = new forms::CommandButton(caption, parent);
    forms::name(b, objectName, accessibleName);
    forms::place(b, left, top, 975, 375);
    return b;
}

forms::TextBox *textBox(const QString &objectName, const QString &accessibleName, QWidget *parent, double top,
                        int helpTopic)
{
    auto *t = new forms::TextBox(parent);
    forms::name(t, objectName, accessibleName);
    forms::place(t, 113, top, 4095, 285);
    t->limitLength(32);
    setHelpTopic(t, helpTopic);
    return t;
}

forms::Label *label(const QString &caption, const QString &objectName, QWidget *parent, double left, double top,
                    double width, QWidget *buddy)
{
    auto *l = new forms::Label(caption, parent);
    forms::name(l, objectName);
    forms::place(l, left, top, width, 195);
    l->setAutoSize(true);
    l->setBuddy(buddy);
    return l;
}

forms::MenuItem *menuItem(const QString &caption, const QString &objectName, QObject *parent)
{
    auto *item = new forms::MenuItem(caption, parent);
    item->setObjectName(objectName);
    return item;
}
} // namespace

frmAddIn1::frmAddIn1(Platform &platform, QObject *parent) : forms::Form(platform, parent) {}

void frmAddIn1::createControls(forms::FormWindow *window)
{
    window->setObjectName(QStringLiteral("frmAddIn1"));
    window->setWindowTitle(QStringLiteral("Pelk Input Box Wizard"));
    window->setClientSize(4335, 3930);
    window->setWindowIcon(programIcon());

    m_ui = std::make_unique<Ui>();
    Ui &u = *m_ui;
    QWidget *client = window->clientArea();

    u.CommandExit = button(QStringLiteral("E&xit"), QStringLiteral("CommandExit"), QStringLiteral("Exit"), client,
                           3240, 3480);
    u.Text1 = textBox(QStringLiteral("Text1"), QStringLiteral("Title"), client, 360, kTitleTopic);
    u.Text2 = new forms::MultiLineTextBox(client);
    forms::name(u.Text2, QStringLiteral("Text2"), QStringLiteral("Message"));
    forms::place(u.Text2, 113, 1560, 4095, 1815);
    setHelpTopic(u.Text2, kMessageTopic);
    u.Text3 = textBox(QStringLiteral("Text3"), QStringLiteral("Default"), client, 960, kDefaultTopic);
    u.CommonDialog1 = std::make_unique<CommonDialog>(platform(), window);
    u.Command2 = button(QStringLiteral("&Copy"), QStringLiteral("Command2"), QStringLiteral("Copy"), client, 120, 3480);
    setHelpTopic(u.Command2, kCopyTopic);
    u.CommandTest = button(QStringLiteral("&Test"), QStringLiteral("CommandTest"), QStringLiteral("Test"), client,
                           1680, 3480);
    setHelpTopic(u.CommandTest, kTestTopic);
    // An etched rule under the menu bar: the white line first, the thin
    // dark one drawn over its top edge.
    u.Line1 = new forms::Line(client, 4320, 0, 0, 0, Qt::white, 4);
    u.Line1->setObjectName(QStringLiteral("Line1"));
    u.Line2 = new forms::Line(client, 4320, 0, 0, 0, client->palette().color(QPalette::WindowText));
    u.Line2->setObjectName(QStringLiteral("Line2"));
    u.Label1 = label(QStringLiteral("Title"), QStringLiteral("Label1"), client, 2040, 120, 300, u.Text1);
    u.Label2 = label(QStringLiteral("Message"), QStringLiteral("Label2"), client, 1845, 1320, 645, u.Text2);
    u.Label3 = label(QStringLiteral("Default"), QStringLiteral("Label3"), client, 1905, 720, 510, u.Text3);

    QWidget::setTabOrder(u.CommandTest, u.Command2);
    QWidget::setTabOrder(u.Command2, u.Text3);
    QWidget::setTabOrder(u.Text3, u.Text2);
    QWidget::setTabOrder(u.Text2, u.Text1);
    QWidget::setTabOrder(u.Text1, u.CommandExit);

    QMenuBar *bar = window->menuBar();
    u.mnuFile = menuItem(QStringLiteral("&File"), QStringLiteral("mnuFile"), window);
    u.mnuFile->HelpContextID = kFileAndAboutTopic;
    auto *fileMenu = new QMenu(window);
    u.mnuFile->setMenu(fileMenu);
    u.mnuNew = menuItem(QStringLiteral("&New"), QStringLiteral("mnuNew"), window);
    u.mnuOpenFile = menuItem(QStringLiteral("&Open"), QStringLiteral("mnuOpenFile"), window);
    u.mnuSaveFile = menuItem(QStringLiteral("&Save"), QStringLiteral("mnuSaveFile"), window);
    u.mnuExit = menuItem(QStringLiteral("E&xit"), QStringLiteral("mnuExit"), window);
    fileMenu->addActions({u.mnuNew, u.mnuOpenFile, u.mnuSaveFile});
    fileMenu->addSeparator()->setObjectName(QStringLiteral("bar7"));
    fileMenu->addAction(u.mnuExit);
    bar->addAction(u.mnuFile);

    u.mnumainHelp = menuItem(QStringLiteral("&Help"), QStringLiteral("mnumainHelp"), window);
    auto *helpMenu = new QMenu(window);
    u.mnumainHelp->setMenu(helpMenu);
    u.mnuInputHllp = menuItem(QStringLiteral("&Quick Help"), QStringLiteral("mnuInputHllp"), window);
    u.MnuAbout = menuItem(QStringLiteral("&About"), QStringLiteral("MnuAbout"), window);
    u.MnuAbout->HelpContextID = kFileAndAboutTopic;
    helpMenu->addActions({u.mnuInputHllp, u.MnuAbout});
    bar->addAction(u.mnumainHelp);

    u.mnuContextHelp = menuItem(QStringLiteral("&?"), QStringLiteral("mnuContextHelp"), window);
    bar->addAction(u.mnuContextHelp);

    connect(u.CommandTest, &forms::CommandButton::Click, this, &frmAddIn1::CommandTest_Click);
    connect(u.Command2, &forms::CommandButton::Click, this, &frmAddIn1::Command2_Click);
    connect(u.CommandExit, &forms::CommandButton::Click, this, &frmAddIn1::CommandExit_Click);
    connect(u.mnuNew, &forms::MenuItem::Click, this, &frmAddIn1::mnuNew_Click);
    connect(u.mnuOpenFile, &forms::MenuItem::Click, this, &frmAddIn1::mnuOpenFile_Click);
    connect(u.mnuSaveFile, &forms::MenuItem::Click, this, &frmAddIn1::mnuSaveFile_Click);
    connect(u.mnuExit, &forms::MenuItem::Click, this, &frmAddIn1::mnuExit_Click);
    connect(u.mnuInputHllp, &forms::MenuItem::Click, this, &frmAddIn1::mnuInputHllp_Click);
    connect(u.MnuAbout, &forms::MenuItem::Click, this, &frmAddIn1::mnuAbout_Click);
    connect(u.mnuContextHelp, &forms::MenuItem::Click, this, &frmAddIn1::mnuContextHelp_Click);
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
        platform().MsgBox(inputbox::testRefusal(message.size()), mb::vbCritical);
        return;
    }
    // The answer only shows the user the box; it is not kept.
    platform().InputBox(message, inputbox::testTitle(u.Text1->Text()), u.Text3->Text());
}

void frmAddIn1::Command2_Click()
{
    if (inputbox::messageTooLong(ui().Text2->Text())) {
        platform().MsgBox(inputbox::copyRefusal(), mb::vbCritical);
        return;
    }
    Build_Copy();
    InputComment = kInputComment;
    platform().ClipboardClear();
    platform().ClipboardSetText(inputbox::clipboardText(InputCode, InputComment));
    platform().MsgBox(copiedMessage(), mb::vbInformation, QStringLiteral("Pelk Input box formatter"));
}

void frmAddIn1::CommandExit_Click()
{
    mnuExit_Click();
}

void frmAddIn1::mnuExit_Click()
{
    // Hidden through the connection so it knows the tool is closed; the
    // fields keep their text.
    if (Connect)
        Connect->Hide1();
    else
        Hide();
}

void frmAddIn1::Form_Unload(bool &)
{
    if (Connect)
        Connect->Hide1();
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
    wizard_files::Open(platform(), *u.CommonDialog1, {u.Text1, u.Text2}, QStringLiteral("Text Files *.txt|*.txt"));
}

void frmAddIn1::mnuSaveFile_Click()
{
    // The default answer is not kept: only the message and, as the file's
    // name, the title.
    const Ui &u = ui();
    wizard_files::Save(platform(), *u.CommonDialog1, {u.Text1, u.Text2}, QStringLiteral("txt)|*.txt"),
                       [this](int answer) { MsgBoxResult = answer; });
}

void frmAddIn1::mnuInputHllp_Click()
{
    platform().MsgBox(quickHelpMessage(), mb::vbOKOnly, QStringLiteral("Pelk Input Box Wizard Quick Help"));
}

void frmAddIn1::mnuAbout_Click()
{
    frmAboutI &about = frmAboutI::instance(platform());
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

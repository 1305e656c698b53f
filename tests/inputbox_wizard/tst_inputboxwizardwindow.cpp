// The input box wizard window driven through its widgets, with the recording
// platform: what reaches the input box, the message boxes, the clipboard, the
// help viewer, the files and the connection.
#include "about/aboutbox.h"
#include "about/maker.h"
#include "inputbox_wizard/inputboxwizardwindow.h"
#include "platform/fakeservices.h"
#include "testmain.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>

using namespace pelk;

namespace {

const QString kComment = QStringLiteral("'resInputBox  '' = vbCancel Else is user input");

// The connection as the window sees it: a hide request hides the window.
class RecordingConnect {
public:
    explicit RecordingConnect(InputBoxWizardWindow &window)
    {
        QObject::connect(&window, &forms::Form::hideRequested, &window, [this, &window] {
            calls << QStringLiteral("Hide1");
            window.Hide();
        });
    }
    QStringList calls;
};

struct Wizard {
    FakeServices platform;
    InputBoxWizardWindow form{platform.services()};
    RecordingConnect connection{form};
    QTemporaryDir folder;

    Wizard()
    {
        platform.app.Path = folder.path();
        form.Show();
    }
    InputBoxWizardWindow::Ui &ui() { return form.ui(); }

    // Types the three fields as a user does; "\n" in the message is Enter.
    void type(const QString &title, const QString &message, const QString &defaultAnswer)
    {
        QTest::keyClicks(ui().Text1, title);
        const QStringList lines = message.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(ui().Text2, Qt::Key_Return);
            QTest::keyClicks(ui().Text2, lines[i]);
        }
        QTest::keyClicks(ui().Text3, defaultAnswer);
    }
    void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }
    QString path(const QString &name) const { return folder.filePath(name); }
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class InputBoxWizardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void copyPutsCodeAndComment_data();
    void copyPutsCodeAndComment();
    void testShowsTheRealInputBox_data();
    void testShowsTheRealInputBox();
    void lengthRefusals_data();
    void lengthRefusals();
    void newClearsAllThreeFields();
    void typedLengthOfTitleAndDefault();
    void openKeepsTheDefaultAnswer_data();
    void openKeepsTheDefaultAnswer();
    void saveWritesMessageOnly_data();
    void saveWritesMessageOnly();
    void dialogKeepsCancelErrorWhileLoaded_data();
    void dialogKeepsCancelErrorWhileLoaded();
    void controlHelpTopics_data();
    void controlHelpTopics();
    void menuHelpTopics_data();
    void menuHelpTopics();
    void exitKeepsFieldsCloseBoxEmptiesThem_data();
    void exitKeepsFieldsCloseBoxEmptiesThem();
    void centredAtEveryLoad();
    void tabOrderAndAccessKeys();
    void quickHelp();
    void about();
};

void InputBoxWizardWindowTest::copyPutsCodeAndComment_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("defaultAnswer");
    QTest::addColumn<QString>("code");
    QTest::newRow("worked example") << QStringLiteral("Name") << QStringLiteral("Enter your name")
                                    << QStringLiteral("Bob")
                                    << QStringLiteral("resInputBox = InputBox (\"Enter your name\",\"Name\",\"Bob\")");
    QTest::newRow("no title") << QString() << QStringLiteral("Enter your name") << QStringLiteral("Bob")
                              << QStringLiteral("resInputBox = InputBox (\"Enter your name\",App.Title,\"Bob\")");
    QTest::newRow("two lines typed with Enter")
        << QStringLiteral("Name") << QStringLiteral("Line one\nLine two") << QStringLiteral("Bob")
        << QStringLiteral("resInputBox = InputBox (\"Line one\" & vbcr & \"Line two\",\"Name\",\"Bob\")");
    QTest::newRow("quotes typed")
        << QStringLiteral("A \"B\"") << QStringLiteral("Say \"hi\"") << QStringLiteral("\"")
        << QStringLiteral("resInputBox = InputBox (\"Say \"\"hi\"\"\",\"A \"\"B\"\"\",\"\"\"\")");
}

void InputBoxWizardWindowTest::copyPutsCodeAndComment()
{
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, defaultAnswer);
    QFETCH(QString, code);
    Wizard w;
    w.type(title, message, defaultAnswer);
    w.click(w.ui().Command2);

    const QString copied = code + QLatin1Char('\r') + kComment;
    QCOMPARE(w.platform.clipboardLog, QStringList({QStringLiteral("clear"), QStringLiteral("set:") + copied}));
    QCOMPARE(w.form.InputCode, code);
    QVERIFY(code.endsWith(w.form.InputTail));
    QCOMPARE(w.form.InputComment, kComment);
    QCOMPARE(w.platform.msgBoxes.size(), 1);
    QCOMPARE(w.platform.msgBoxes[0].prompt,
             QStringLiteral("Your Input box has been copped to the clipboard.\r"
                            "Minimize this program and paste the input box into your code."));
    QCOMPARE(w.platform.msgBoxes[0].buttons, 64);
    QCOMPARE(w.platform.msgBoxes[0].title, QStringLiteral("Pelk Input box formatter"));
    QVERIFY(w.platform.inputBoxes.isEmpty());
}

void InputBoxWizardWindowTest::testShowsTheRealInputBox_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("defaultAnswer");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("worked example") << QStringLiteral("Name") << QStringLiteral("Enter your name")
                                    << QStringLiteral("Bob") << QStringLiteral("Name")
                                    << QStringLiteral("Enter your name");
    QTest::newRow("no title shows Your Project") << QString() << QStringLiteral("Enter your name")
                                                 << QStringLiteral("Bob") << QStringLiteral("Your Project")
                                                 << QStringLiteral("Enter your name");
    QTest::newRow("line breaks reach the prompt") << QStringLiteral("Name") << QStringLiteral("One\nTwo") << QString()
                                                  << QStringLiteral("Name") << QStringLiteral("One\r\nTwo");
    QTest::newRow("quotes stay single") << QStringLiteral("\"") << QStringLiteral("a\"b") << QStringLiteral("\"")
                                        << QStringLiteral("\"") << QStringLiteral("a\"b");
}

void InputBoxWizardWindowTest::testShowsTheRealInputBox()
{
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, defaultAnswer);
    QFETCH(QString, shownTitle);
    QFETCH(QString, prompt);
    Wizard w;
    w.type(title, message, defaultAnswer);
    w.platform.inputBoxAnswers.enqueue(QStringLiteral("typed answer"));
    w.click(w.ui().CommandTest);

    QCOMPARE(w.platform.inputBoxes.size(), 1);
    QCOMPARE(w.platform.inputBoxes[0].prompt, prompt);
    QCOMPARE(w.platform.inputBoxes[0].title, shownTitle);
    QCOMPARE(w.platform.inputBoxes[0].defaultText, defaultAnswer);
    // The answer is thrown away and no code is built.
    QCOMPARE(w.ui().Text3->Text(), defaultAnswer);
    QVERIFY(w.form.InputCode.isEmpty());
    QVERIFY(w.platform.msgBoxes.isEmpty());
    QVERIFY(w.platform.clipboardLog.isEmpty());
}

void InputBoxWizardWindowTest::lengthRefusals_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("refusal"); // empty: accepted

    const QString testRefusal = QStringLiteral("You Have Excided the maximum number of charters alowed\r"
                                               "they are 14 lines of 58 charters of aproximently 840 charters.\r"
                                               "Delete ");
    const QString copyRefusal = QStringLiteral("You have Exceeded the maximum number of charters allowed\r"
                                               "they are 14 lines of 58 charters of approximately 840 charters.");
    const QString x840(840, QLatin1Char('x'));
    const QString x841(841, QLatin1Char('x'));
    const QString breaks841 = QString(839, QLatin1Char('x')) + QStringLiteral("\r\n");
    const QString huge(70000, QLatin1Char('x'));
    QTest::newRow("Test 840") << "Test" << x840 << QString();
    QTest::newRow("Copy 840") << "Copy" << x840 << QString();
    QTest::newRow("Test 841") << "Test" << x841 << testRefusal + QStringLiteral("841");
    QTest::newRow("Copy 841") << "Copy" << x841 << copyRefusal;
    QTest::newRow("Test, line break counts two") << "Test" << breaks841 << testRefusal + QStringLiteral("841");
    QTest::newRow("Copy, line break counts two") << "Copy" << breaks841 << copyRefusal;
    QTest::newRow("Test 70000, past 16 bits") << "Test" << huge << testRefusal + QStringLiteral("70000");
    QTest::newRow("Copy 70000, past 16 bits") << "Copy" << huge << copyRefusal;
}

void InputBoxWizardWindowTest::lengthRefusals()
{
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(QString, refusal);
    Wizard w;
    w.ui().Text2->setText(message);
    w.click(command == QLatin1String("Test") ? w.ui().CommandTest : w.ui().Command2);

    const bool accepted = refusal.isEmpty();
    QCOMPARE(w.platform.inputBoxes.size(), accepted && command == QLatin1String("Test") ? 1 : 0);
    QCOMPARE(w.platform.clipboardLog.size(), accepted && command == QLatin1String("Copy") ? 2 : 0);
    if (!accepted) {
        QCOMPARE(w.platform.msgBoxes.size(), 1);
        QCOMPARE(w.platform.msgBoxes[0].prompt, refusal);
        QCOMPARE(w.platform.msgBoxes[0].buttons, 16);
        QCOMPARE(w.platform.msgBoxes[0].title, QString());
        QVERIFY(w.form.InputCode.isEmpty());
    }
    QCOMPARE(w.ui().Text2->Text(), message);
}

void InputBoxWizardWindowTest::newClearsAllThreeFields()
{
    Wizard w;
    w.type(QStringLiteral("Name"), QStringLiteral("Enter\nyour name"), QStringLiteral("Bob"));
    w.ui().mnuNew->trigger();
    QCOMPARE(w.ui().Text1->Text(), QString());
    QCOMPARE(w.ui().Text2->Text(), QString());
    QCOMPARE(w.ui().Text3->Text(), QString());
    w.click(w.ui().Command2);
    QCOMPARE(w.platform.clipboard, QStringLiteral("resInputBox = InputBox (\"\",App.Title,\"\")\r") + kComment);
}

void InputBoxWizardWindowTest::typedLengthOfTitleAndDefault()
{
    Wizard w;
    const QString forty(40, QLatin1Char('t'));
    w.type(forty, forty, forty);
    QCOMPARE(w.ui().Text1->Text(), QString(32, QLatin1Char('t')));
    QCOMPARE(w.ui().Text3->Text(), QString(32, QLatin1Char('t')));
    QCOMPARE(w.ui().Text2->Text(), forty);

    // A longer title set by code is kept whole; typing may shorten it but
    // not lengthen it.
    w.ui().Text1->setText(forty);
    QTest::keyClick(w.ui().Text1, Qt::Key_Backspace);
    QTest::keyClicks(w.ui().Text1, QStringLiteral("ab"));
    QCOMPARE(w.ui().Text1->Text(), QString(39, QLatin1Char('t')));
}

void InputBoxWizardWindowTest::openKeepsTheDefaultAnswer_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::newRow("Greeting.txt") << QStringLiteral("Greeting.txt") << QStringLiteral("Greeting");
    QTest::newRow("Untitled.txt empties the title") << QStringLiteral("Untitled.txt") << QString();
    QTest::newRow("four characters cut") << QStringLiteral("notes.text") << QStringLiteral("notes.");
    QTest::newRow("title longer than can be typed")
        << QStringLiteral("A title far longer than thirty-two letters.txt")
        << QStringLiteral("A title far longer than thirty-two letters");
}

void InputBoxWizardWindowTest::openKeepsTheDefaultAnswer()
{
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    Wizard w;
    w.type(QStringLiteral("Old"), QStringLiteral("Old message"), QStringLiteral("Bob"));
    writeFile(w.path(fileName), "Hello\r\nWorld\r\n");
    w.platform.fileDialogAnswers.enqueue(w.path(fileName));
    w.ui().mnuOpenFile->trigger();

    QCOMPARE(w.platform.fileDialogs.size(), 1);
    QCOMPARE(w.platform.fileDialogs[0].mode, FileDialogMode::Open);
    QCOMPARE(w.platform.fileDialogs[0].filter, QStringLiteral("Text Files *.txt|*.txt"));
    QCOMPARE(w.ui().Text1->Text(), title);
    QCOMPARE(w.ui().Text2->Text(), QStringLiteral("Hello\r\nWorld"));
    QCOMPARE(w.ui().Text3->Text(), QStringLiteral("Bob"));
    QVERIFY(w.platform.msgBoxes.isEmpty());
}

void InputBoxWizardWindowTest::saveWritesMessageOnly_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("new file, no question") << QStringLiteral("Ask name") << false << 0 << QStringLiteral("Ask name")
                                           << QByteArray("What is\r\nyour name?\r\n");
    QTest::newRow("empty title proposes Untitled") << QString() << false << 0 << QStringLiteral("Untitled")
                                                   << QByteArray("What is\r\nyour name?\r\n");
    QTest::newRow("replace, Yes") << QStringLiteral("Ask name") << true << int(mb::vbYes)
                                  << QStringLiteral("Ask name") << QByteArray("What is\r\nyour name?\r\n");
    QTest::newRow("replace, No") << QStringLiteral("Ask name") << true << int(mb::vbNo) << QStringLiteral("Ask name")
                                 << QByteArray("old\r\n");
}

void InputBoxWizardWindowTest::saveWritesMessageOnly()
{
    QFETCH(QString, title);
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(QString, proposed);
    QFETCH(QByteArray, content);
    Wizard w;
    w.type(title, QStringLiteral("What is\nyour name?"), QStringLiteral("Bob"));
    const QString chosen = w.path(proposed + QStringLiteral(".txt"));
    if (exists)
        writeFile(chosen, "old\r\n");
    w.platform.fileDialogAnswers.enqueue(chosen);
    if (answer)
        w.platform.msgBoxAnswers.enqueue(answer);
    w.ui().mnuSaveFile->trigger();

    QCOMPARE(w.platform.fileDialogs.size(), 1);
    QCOMPARE(w.platform.fileDialogs[0].mode, FileDialogMode::Save);
    QCOMPARE(w.platform.fileDialogs[0].filter, QStringLiteral("txt)|*.txt"));
    QCOMPARE(w.platform.fileDialogs[0].fileName, w.path(proposed));
    QCOMPARE(w.platform.msgBoxes.size(), exists ? 1 : 0);
    if (exists) {
        QCOMPARE(w.platform.msgBoxes[0].prompt, QStringLiteral("File already exist do you want to replace it ?."));
        QCOMPARE(w.platform.msgBoxes[0].buttons, 36);
        QCOMPARE(w.form.MsgBoxResult.toInt(), answer);
    } else {
        QVERIFY(!w.form.MsgBoxResult.isValid());
    }
    // The default answer is not kept in the file.
    QCOMPARE(fileBytes(chosen), content);

    // Opening it again gives the title and the message back, and leaves the
    // default answer as it is.
    w.ui().mnuNew->trigger();
    QTest::keyClicks(w.ui().Text3, QStringLiteral("kept"));
    w.platform.fileDialogAnswers.enqueue(chosen);
    w.ui().mnuOpenFile->trigger();
    QCOMPARE(w.ui().Text1->Text(), title);
    QCOMPARE(w.ui().Text2->Text(), QString::fromUtf8(content.chopped(2)));
    QCOMPARE(w.ui().Text3->Text(), QStringLiteral("kept"));
}

void InputBoxWizardWindowTest::dialogKeepsCancelErrorWhileLoaded_data()
{
    QTest::addColumn<bool>("saveFirst");
    QTest::addColumn<bool>("unloadBetween");
    QTest::addColumn<bool>("reported");
    QTest::newRow("cancel before any Save returns quietly") << false << false << false;
    QTest::newRow("cancel after a Save is reported") << true << false << true;
    QTest::newRow("an unload gives a fresh dialog") << true << true << false;
}

void InputBoxWizardWindowTest::dialogKeepsCancelErrorWhileLoaded()
{
    QFETCH(bool, saveFirst);
    QFETCH(bool, unloadBetween);
    QFETCH(bool, reported);
    Wizard w;
    if (saveFirst)
        w.ui().mnuSaveFile->trigger(); // cancelled: the fake's queue is empty
    if (unloadBetween)
        w.form.Unload();
    w.ui().mnuOpenFile->trigger(); // cancelled too
    QCOMPARE(w.platform.msgBoxes.size(), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(w.platform.msgBoxes[0].prompt, Error(errDialogCancel).description());
        QCOMPARE(w.platform.msgBoxes[0].buttons, 16);
    }
}

void InputBoxWizardWindowTest::controlHelpTopics_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("topic"); // 0: none
    QTest::newRow("title box") << QStringLiteral("Text1") << 201;
    QTest::newRow("default box") << QStringLiteral("Text3") << 202;
    QTest::newRow("message box") << QStringLiteral("Text2") << 203;
    QTest::newRow("Test") << QStringLiteral("CommandTest") << 204;
    QTest::newRow("Copy") << QStringLiteral("Command2") << 205;
    QTest::newRow("Exit has none") << QStringLiteral("CommandExit") << 0;
    QTest::newRow("a label has none") << QStringLiteral("Label1") << 0;
}

void InputBoxWizardWindowTest::controlHelpTopics()
{
    QFETCH(QString, control);
    QFETCH(int, topic);
    Wizard w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.window()));
    w.ui().mnuContextHelp->trigger();
    auto *widget = w.form.window()->findChild<QWidget *>(control);
    QVERIFY(widget);
    w.click(w.ui().Text2 == widget ? w.ui().Text2->viewport() : widget);

    QCOMPARE(w.platform.helpCalls.size(), topic ? 1 : 0);
    if (topic) {
        QCOMPARE(w.platform.helpCalls[0].helpFile, w.platform.app.helpFilePath());
        QCOMPARE(w.platform.helpCalls[0].command, help::HELP_CONTEXTPOPUP);
        QCOMPARE(w.platform.helpCalls[0].data.toInt(), topic);
    }
    // The click showed help instead of acting.
    QVERIFY(w.platform.inputBoxes.isEmpty());
    QVERIFY(w.platform.clipboardLog.isEmpty());
    QVERIFY(w.connection.calls.isEmpty());

    // F1 on the focused control opens the same topic.
    if (widget->focusPolicy() == Qt::NoFocus)
        return;
    QVERIFY(QTest::qWaitForWindowActive(w.form.window()));
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_F1);
    QCOMPARE(w.platform.helpCalls.size(), topic ? 2 : 0);
    if (topic) {
        QCOMPARE(w.platform.helpCalls[1].command, help::HELP_CONTEXT);
        QCOMPARE(w.platform.helpCalls[1].data.toInt(), topic);
    }
}

void InputBoxWizardWindowTest::menuHelpTopics_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("item"); // empty: F1 on the highlighted title
    QTest::addColumn<int>("topic");    // 0: none
    QTest::newRow("File title") << QStringLiteral("mnuFile") << QString() << 200;
    QTest::newRow("New, under File") << QStringLiteral("mnuFile") << QStringLiteral("mnuNew") << 200;
    QTest::newRow("Exit, under File") << QStringLiteral("mnuFile") << QStringLiteral("mnuExit") << 200;
    QTest::newRow("About") << QStringLiteral("mnumainHelp") << QStringLiteral("MnuAbout") << 200;
    QTest::newRow("Quick Help has none") << QStringLiteral("mnumainHelp") << QStringLiteral("mnuInputHllp") << 0;
    QTest::newRow("Help title has none") << QStringLiteral("mnumainHelp") << QString() << 0;
}

void InputBoxWizardWindowTest::menuHelpTopics()
{
    QFETCH(QString, title);
    QFETCH(QString, item);
    QFETCH(int, topic);
    Wizard w;
    QVERIFY(QTest::qWaitForWindowExposed(w.form.window()));
    auto *titleItem = w.form.window()->findChild<forms::MenuItem *>(title);
    QVERIFY(titleItem);
    auto *menu = titleItem->menu<QMenu *>();
    if (item.isEmpty()) {
        QMenuBar *bar = w.form.window()->menuBar();
        bar->setActiveAction(titleItem);
        QTest::keyClick(bar, Qt::Key_F1);
    } else {
        menu->popup(w.form.window()->geometry().topLeft());
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        menu->setActiveAction(w.form.window()->findChild<forms::MenuItem *>(item));
        QTest::keyClick(menu, Qt::Key_F1);
    }
    QCOMPARE(w.platform.helpCalls.size(), topic ? 1 : 0);
    if (topic) {
        QCOMPARE(w.platform.helpCalls[0].command, help::HELP_CONTEXT);
        QCOMPARE(w.platform.helpCalls[0].data.toInt(), topic);
        QVERIFY(!menu->isVisible());
    }
}

void InputBoxWizardWindowTest::exitKeepsFieldsCloseBoxEmptiesThem_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("keepsFields");
    QTest::newRow("Exit button") << QStringLiteral("button") << true;
    QTest::newRow("File, Exit") << QStringLiteral("menu") << true;
    QTest::newRow("close box") << QStringLiteral("close") << false;
}

void InputBoxWizardWindowTest::exitKeepsFieldsCloseBoxEmptiesThem()
{
    QFETCH(QString, how);
    QFETCH(bool, keepsFields);
    Wizard w;
    w.type(QStringLiteral("Name"), QStringLiteral("Enter your name"), QStringLiteral("Bob"));
    w.click(w.ui().Command2);
    const QString code = w.form.InputCode;
    if (how == QLatin1String("button"))
        w.click(w.ui().CommandExit);
    else if (how == QLatin1String("menu"))
        w.ui().mnuExit->trigger();
    else
        w.form.window()->close();

    QCOMPARE(w.connection.calls, QStringList{QStringLiteral("Hide1")});
    QVERIFY(!w.form.IsVisible());
    QCOMPARE(w.form.IsLoaded(), keepsFields);
    w.form.Show();
    QCOMPARE(w.ui().Text1->Text(), keepsFields ? QStringLiteral("Name") : QString());
    QCOMPARE(w.ui().Text2->Text(), keepsFields ? QStringLiteral("Enter your name") : QString());
    QCOMPARE(w.ui().Text3->Text(), keepsFields ? QStringLiteral("Bob") : QString());
    QCOMPARE(w.form.InputCode, code); // a member of the window object
}

void InputBoxWizardWindowTest::centredAtEveryLoad()
{
    // The frame, as the user sees the window, in the middle of the screen.
    Wizard w;
    const auto centred = [&w] {
        const QRect area = w.form.window()->screen()->availableGeometry();
        const QSize frame = w.form.window()->frameGeometry().size();
        return QPoint(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
    };
    QTRY_COMPARE(w.form.window()->frameGeometry().topLeft(), centred());
    w.form.window()->move(0, 0);
    w.form.window()->close();
    w.form.Show();
    QTRY_COMPARE(w.form.window()->frameGeometry().topLeft(), centred());
}

void InputBoxWizardWindowTest::tabOrderAndAccessKeys()
{
    Wizard w;
    QVERIFY(QTest::qWaitForWindowActive(w.form.window()));
    QStringList order;
    QWidget *from = w.ui().CommandTest;
    for (QWidget *next = from; order.size() < 7; next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus && next->isVisibleTo(w.form.window()))
            order << next->objectName();
        if (next->nextInFocusChain() == from)
            break;
    }
    QCOMPARE(order, QStringList({"CommandTest", "Command2", "Text3", "Text2", "Text1", "CommandExit"}));

    // An access key presses its button after a short animation.
    QTest::keyClick(w.form.window(), Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(w.platform.inputBoxes.size(), 1);
    QTest::keyClick(w.form.window(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(w.platform.clipboardLog.size(), 2);
    QTest::keyClick(w.form.window(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(w.connection.calls, QStringList{QStringLiteral("Hide1")});
}

void InputBoxWizardWindowTest::quickHelp()
{
    Wizard w;
    w.ui().mnuInputHllp->trigger();
    QCOMPARE(w.platform.msgBoxes.size(), 1);
    QCOMPARE(w.platform.msgBoxes[0].prompt,
             QStringLiteral("1. Fill in the blank text boxes then press the test button\r"
                            "    to see the finished input box.\r"
                            "\r"
                            "2. Press the copy button.\r"
                            "\r"
                            "3. Exit or minimize the form.\r"
                            "\r"
                            "4. Paste the message box code in to your code. "));
    QCOMPARE(w.platform.msgBoxes[0].buttons, 0);
    QCOMPARE(w.platform.msgBoxes[0].title, QStringLiteral("Pelk Input Box Wizard Quick Help"));
}

void InputBoxWizardWindowTest::about()
{
    Wizard w;
    w.ui().MnuAbout->trigger();
    AboutBox &box = AboutBox::instance(AboutBox::Which::InputBoxWizard, w.platform.app, w.platform);
    QVERIFY(box.IsVisible());
    QCOMPARE(box.Caption(), QStringLiteral("Pelk About Input Box"));
    QCOMPARE(box.ui().lblTitle->text(), QStringLiteral("Pelk Input Box\n") + maker::kWebAddress);
    QVERIFY(box.ui().lblDescription->isVisibleTo(box.window()));
    // Opening it again while it is open keeps the one window.
    w.ui().MnuAbout->trigger();
    QCOMPARE(&AboutBox::instance(AboutBox::Which::InputBoxWizard, w.platform.app, w.platform), &box);
    QVERIFY(box.IsVisible());
    box.Unload();
}

PELK_TEST_MAIN(InputBoxWizardWindowTest)
#include "tst_inputboxwizardwindow.moc"

// The message box wizard window driven as a user drives it, with the
// recording platform: the boxes it shows, what reaches the clipboard, the
// help calls, the file commands and the two ways out.
#include "about/aboutbox.h"
#include "msgbox_wizard/msgboxcode.h"
#include "msgbox_wizard/msgboxwizardwindow.h"
#include "platform/fakeservices.h"
#include "forms/twips.h"
#include "testmain.h"

#include <QMenuBar>
#include <QTemporaryDir>

using namespace pelk;

namespace {

const QChar CR = QLatin1Char('\r');

// The connection as the tool sees it: a hide request clears the displayed
// flag and hides the window.
struct FakeConnect {
    int hides = 0;
    bool FormDisplayed = true;
};

struct Wizard {
    FakeServices platform;
    FakeConnect connect;
    MsgBoxWizardWindow form{platform.services()};
    Wizard()
    {
        QObject::connect(&form, &forms::Form::hideRequested, &form, [this] {
            ++connect.hides;
            connect.FormDisplayed = false;
            form.Hide();
        });
        form.Show();
    }
    MsgBoxWizardWindow::Ui &ui() { return form.ui(); }
    QWidget *control(const QString &name) { return form.window()->findChild<QWidget *>(name); }
    void click(const QString &name)
    {
        QWidget *widget = control(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(widget->isVisible(), qPrintable(name + QStringLiteral(" is hidden")));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    void test() { QTest::mouseClick(ui().commandTest, Qt::LeftButton); }
    void copy() { QTest::mouseClick(ui().Commandcopy, Qt::LeftButton); }
    const FakeBoxes::MsgBoxCall &lastBox() const { return platform.msgBoxes.last(); }
};

const QString kPlainConfirmation = QStringLiteral("Your message box has been copped to the clipboard.\r"
                                                  "Minimize this program and paste the msgbox into your code.");

QString helpConfirmation(const QString &context)
{
    return QStringLiteral("Your message box has been copyed to the clipboard.\rApp.HelpFile As Help file and ")
        + context
        + QStringLiteral(" As Context Number\rMinimise this program and paste the msgbox into your code.");
}

const QString kTooLong = QStringLiteral("You Have Exceeded the maximum number of charters allowed\r"
                                        "they are 14 lines of 58 charters of approximately 840 charters.");

} // namespace

class MsgBoxWizardWindowTest : public QObject {
    Q_OBJECT
private slots:
    void stateAtLoad();
    void defaultTestShowsPlainOkBox();
    void workedExamples_data();
    void workedExamples();
    void everyGridOption_data();
    void everyGridOption();
    void styleOptions_data();
    void styleOptions();
    void helpButtonShowsAndHidesTheHelpColumn();
    void theHelpColumnIsTheButtonAfterTheSet();
    void untickingHelpKeepsTheChoice();
    void typedLinesBecomeVbcr();
    void quotesShownAsTypedAndDoubledInCode();
    void messageLengthBoundary_data();
    void messageLengthBoundary();
    void tooLongAtCopyKeepsTheCode();
    void copyWithoutTestDoesNothing();
    void copyCompletesTheTestedButtonSet_data();
    void copyCompletesTheTestedButtonSet();
    void helpTickedAfterTestAddsHelpArguments();
    void copyKeepsTheTestedTitleArgument();
    void textLimits();

    void quickHelp();
    void helpCommands_data();
    void helpCommands();
    void f1InMessageOpensTopicOne();
    void aboutShowsTheWizardsAboutBox();
    void exitButtonHidesWithoutConnect();
    void exitMenuAndCloseBoxGoThroughConnect_data();
    void exitMenuAndCloseBoxGoThroughConnect();

    void newClearsOnlyTheTextFields();
    void saveAndOpenRoundTrip();
    void openCancelAfterSaveReportsTheCancel();

    void layoutFollowsTheTable_data();
    void layoutFollowsTheTable();
    void captionsFitTheirControls();
    void menusAsTheTable();
    void tabOrder();
    void everyControlHasAnAccessibleName();
};

void MsgBoxWizardWindowTest::stateAtLoad()
{
    Wizard w;
    QCOMPARE(w.form.StyleValue, short(0));
    QCOMPARE(w.form.StyleName, QStringLiteral("0"));
    QCOMPARE(w.form.ButtonSetValue, short(0));
    QCOMPARE(w.form.ButtonSetName, QStringLiteral("vbOKOnly"));
    QCOMPARE(w.form.DefaultButtonValue, short(0));
    QCOMPARE(w.form.DefaultButtonName, QStringLiteral("vbDefaultButton1"));
    QCOMPARE(w.form.HelpButtonName, QStringLiteral("0"));
    QCOMPARE(w.form.ModalityName, QStringLiteral("vbApplicationModal"));
    QCOMPARE(w.form.ForegroundName, QStringLiteral("0"));
    QVERIFY(w.form.MinimalCode.isEmpty());
    QVERIFY(w.ui().Option1->isChecked());
    QVERIFY(w.ui().Option13->isChecked());
    QVERIFY(w.ui().Option31->isChecked());
    QCOMPARE(w.ui().Check1->Value(), 0);
    QCOMPARE(w.ui().Check2->Value(), 0);
    QCOMPARE(w.ui().Check3->Value(), 1);
    for (const char *hidden :
         {"Option12", "Option16", "Option17", "Option21", "Option25", "Option28", "Label3", "Text3"})
        QVERIFY2(!w.control(QLatin1String(hidden))->isVisible(), hidden);
    QCOMPARE(w.form.Caption(), QStringLiteral("Pelk MsgBox Wizard"));
    QCOMPARE(w.form.window()->clientArea()->size(), QSize(forms::twips(7020), forms::twips(6150)));
    QVERIFY(!w.form.window()->windowIcon().isNull());
    // The frame, as the user sees the window, at left 1000, top 0.
    QTRY_COMPARE(w.form.window()->frameGeometry().topLeft(), QPoint(forms::twips(1000), 0));
}

void MsgBoxWizardWindowTest::defaultTestShowsPlainOkBox()
{
    Wizard w;
    w.test();
    QCOMPARE(w.platform.msgBoxes.size(), 1);
    QCOMPARE(w.lastBox().prompt, QStringLiteral(" "));
    QCOMPARE(w.lastBox().buttons, 0);
    QCOMPARE(w.lastBox().title, QStringLiteral("Your Project"));
    QCOMPARE(w.lastBox().helpFile, QString());
    QCOMPARE(w.lastBox().context, 0);
    QCOMPARE(w.ui().Text2->Text(), QStringLiteral(" "));
    QCOMPARE(w.form.MinimalCode, QStringLiteral(R"(MsgBox   " ",0)"));
    QVERIFY(w.platform.clipboardLog.isEmpty());
}

void MsgBoxWizardWindowTest::workedExamples_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("confirmationTitle");

    QTest::newRow("defaults, My App")
        << QStringList() << "" << "My App" << "Hello\r\nWorld" << 0 << "My App"
        << "0 + vbOKOnly + 0 + vbDefaultButton1 + vbApplicationModal + 0"
        << R"(MsgBox   "Hello" & vbcr & "World",0,"My App")" << kPlainConfirmation << "Message box formatter";
    QTest::newRow("question, No of Yes No Cancel, named")
        << QStringList{"Option3", "Option23", "Option32", "Check2", "Check3"} << "" << "" << "Save changes?" << 69923
        << "Your Project"
        << "vbQuestion + vbYesNoCancel + 0 + vbDefaultButton2 + vbSystemModal + vbMsgBoxSetForeground"
        << QStringLiteral(
               R"(MsgBoxResult = MsgBox  ( "Save changes?",vbQuestion + vbYesNoCancel + 0 + vbDefaultButton2 + vbSystemModal + vbMsgBoxSetForeground))")
               + CR + "Rem Responce 6 = vbYes, 7 = vbNo, 2 = vbCancel"
        << kPlainConfirmation << "Message box formatter";
    QTest::newRow("question, No of Yes No Cancel, short")
        << QStringList{"Option3", "Option23", "Option32", "Check2"} << "" << "" << "Save changes?" << 69923
        << "Your Project"
        << "vbQuestion + vbYesNoCancel + 0 + vbDefaultButton2 + vbSystemModal + vbMsgBoxSetForeground"
        << QStringLiteral(R"(MsgBoxResult = MsgBox  ( "Save changes?",69923))") + CR
               + "Rem Responce 6 = vbYes, 7 = vbNo, 2 = vbCancel"
        << kPlainConfirmation << "Message box formatter";
    QTest::newRow("exclamation, Help of OK Cancel, Setup")
        << QStringList{"Option4", "Check1", "Option16"} << "12" << "Setup" << "Disk full" << 16945 << "Setup"
        << "vbExclamation + vbOKCancel + vbMsgBoxHelpButton + vbDefaultButton3 + vbApplicationModal + 0"
        << QStringLiteral(R"(MsgBoxResult = MsgBox  ( "Disk full",16945,"Setup",App.HelpFile,12))") + CR
               + "Rem Responce 1 = vbOk,  2= vbCancel "
        << helpConfirmation("12") << "Message box formater";
    QTest::newRow("exclamation, Help of OK Cancel, no title")
        << QStringList{"Option4", "Check1", "Option16"} << "12" << "" << "Disk full" << 16945 << "Your Project"
        << "vbExclamation + vbOKCancel + vbMsgBoxHelpButton + vbDefaultButton3 + vbApplicationModal + 0"
        << QStringLiteral(R"(MsgBoxResult = MsgBox  ( "Disk full",16945,,App.HelpFile,12))") + CR
               + "Rem Responce 1 = vbOk,  2= vbCancel "
        << helpConfirmation("12") << "Message box formater";
    QTest::newRow("help button with empty context")
        << QStringList{"Check1"} << "" << "T" << "m" << 16384 << "T"
        << "0 + vbOKOnly + vbMsgBoxHelpButton + vbDefaultButton1 + vbApplicationModal + 0"
        << R"(MsgBox   "m",16384,"T",App.HelpFile,0)" << helpConfirmation("0") << "Message box formater";
    QTest::newRow("non-numeric context reads 0")
        << QStringList{"Check1", "Option28"} << "ab" << "T" << "m" << 16901 << "T"
        << "0 + vbRetryCancel + vbMsgBoxHelpButton + vbDefaultButton3 + vbApplicationModal + 0"
        << QStringLiteral(R"(MsgBoxResult = MsgBox  ( "m",16901,"T",App.HelpFile,0))") + CR
               + "Rem Responce 4 = vbRetry, 2 = Cancel"
        << helpConfirmation("0") << "Message box formater";
}

void MsgBoxWizardWindowTest::workedExamples()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, context);
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(int, buttons);
    QFETCH(QString, boxTitle);
    QFETCH(QString, expression);
    QFETCH(QString, clipboard);
    QFETCH(QString, confirmation);
    QFETCH(QString, confirmationTitle);

    Wizard w;
    for (const QString &name : clicks)
        w.click(name);
    if (!context.isEmpty())
        QTest::keyClicks(w.ui().Text3, context);
    QTest::keyClicks(w.ui().Text1, title);
    w.ui().Text2->setText(message);

    w.test();
    QCOMPARE(w.platform.msgBoxes.size(), 1);
    QCOMPARE(w.lastBox().prompt, message);
    QCOMPARE(w.lastBox().buttons, buttons);
    QCOMPARE(w.lastBox().title, boxTitle);
    QCOMPARE(w.lastBox().helpFile, QString());
    QCOMPARE(w.form.ButtonsExpression, expression);
    QCOMPARE(w.form.ButtonsSum, float(buttons));

    w.copy();
    QCOMPARE(w.platform.clipboard, clipboard);
    QCOMPARE(w.platform.clipboardLog,
             QStringList({QStringLiteral("clear"), QStringLiteral("clear"), QStringLiteral("set:") + clipboard}));
    QCOMPARE(w.platform.msgBoxes.size(), 2);
    QCOMPARE(w.lastBox().prompt, confirmation);
    QCOMPARE(w.lastBox().buttons, 64);
    QCOMPARE(w.lastBox().title, confirmationTitle);
    QVERIFY(w.form.MinimalCode.isEmpty());
    QVERIFY(w.form.NamedCode.isEmpty());

    // A second Copy does nothing until the next Test.
    w.copy();
    QCOMPARE(w.platform.msgBoxes.size(), 2);
    QCOMPARE(w.platform.clipboardLog.size(), 3);
}

void MsgBoxWizardWindowTest::everyGridOption_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("buttonSet");
    QTest::addColumn<int>("defaultValue");
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QString>("comment");
    const struct {
        const char *option;
        int set, position;
    } grid[] = {{"Option13", 0, 0}, {"Option12", 0, 1}, {"Option14", 1, 0}, {"Option15", 1, 1}, {"Option16", 1, 2},
                {"Option20", 2, 0}, {"Option19", 2, 1}, {"Option18", 2, 2}, {"Option17", 2, 3}, {"Option24", 3, 0},
                {"Option23", 3, 1}, {"Option22", 3, 2}, {"Option21", 3, 3}, {"Option27", 4, 0}, {"Option26", 4, 1},
                {"Option25", 4, 2}, {"Option30", 5, 0}, {"Option29", 5, 1}, {"Option28", 5, 2}};
    const char *names[] = {"vbOKOnly", "vbOKCancel", "vbAbortRetryIgnore", "vbYesNoCancel", "vbYesNo",
                           "vbRetryCancel"};
    const char *comments[] = {"",
                              "Responce 1 = vbOk,  2= vbCancel ",
                              "Responce  3 = vbAbort, 4 = vbRetry, 5=vbIgnore",
                              "Responce 6 = vbYes, 7 = vbNo, 2 = vbCancel",
                              "Responce 6 = vbYes, 7 = vbNo",
                              "Responce 4 = vbRetry, 2 = Cancel"};
    for (const auto &g : grid) {
        QTest::newRow(g.option) << g.option << g.set << g.position * 256 << names[g.set] << comments[g.set];
    }
}

void MsgBoxWizardWindowTest::everyGridOption()
{
    QFETCH(QString, option);
    QFETCH(int, buttonSet);
    QFETCH(int, defaultValue);
    QFETCH(QString, setName);
    QFETCH(QString, comment);
    Wizard w;
    w.click(QStringLiteral("Check1")); // shows the Help column
    w.click(option);
    QCOMPARE(int(w.form.ButtonSetValue), buttonSet);
    QCOMPARE(int(w.form.DefaultButtonValue), defaultValue);
    QCOMPARE(msgbox_code::responseComment(w.form.ButtonSetValue), comment);
    w.click(QStringLiteral("Check1")); // the box without a Help button
    w.ui().Text2->setText(QStringLiteral("m"));
    w.test();
    QCOMPARE(w.lastBox().buttons, buttonSet + defaultValue);
    QCOMPARE(w.form.ButtonsExpression, QStringLiteral("0 + %1 + 0 + vbDefaultButton%2 + vbApplicationModal + 0")
                                           .arg(setName)
                                           .arg(defaultValue / 256 + 1));
    w.click(QStringLiteral("Check3")); // the named form
    w.copy();
    const QString first = (buttonSet ? QStringLiteral("MsgBoxResult = MsgBox  ( ") : QStringLiteral("MsgBox   "))
        + QStringLiteral("\"m\",") + w.form.ButtonsExpression;
    QCOMPARE(w.platform.clipboard,
             buttonSet ? first + QStringLiteral(")") + CR + QStringLiteral("Rem ") + comment : first);
}

void MsgBoxWizardWindowTest::styleOptions_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("name");
    QTest::newRow("No Icon") << "Option1" << 0 << "0";
    QTest::newRow("Critical") << "Option2" << 16 << "vbCritical";
    QTest::newRow("Question") << "Option3" << 32 << "vbQuestion";
    QTest::newRow("Exclamation") << "Option4" << 48 << "vbExclamation";
    QTest::newRow("Information") << "Option5" << 64 << "vbInformation";
}

void MsgBoxWizardWindowTest::styleOptions()
{
    QFETCH(QString, option);
    QFETCH(int, value);
    QFETCH(QString, name);
    Wizard w;
    w.click(QStringLiteral("Option27")); // Yes, No
    w.click(QStringLiteral("Option2"));
    w.click(option);
    QCOMPARE(int(w.form.ButtonSetValue), 4); // a style never touches the button set
    w.test();
    QCOMPARE(w.lastBox().buttons, value + 4);
    QVERIFY(w.form.ButtonsExpression.startsWith(name + QStringLiteral(" + vbYesNo + ")));
}

void MsgBoxWizardWindowTest::helpButtonShowsAndHidesTheHelpColumn()
{
    Wizard w;
    const QStringList column = {"Label3", "Text3", "Option12", "Option16", "Option17", "Option21", "Option25",
                                "Option28"};
    w.click(QStringLiteral("Check1"));
    for (const QString &name : column)
        QVERIFY2(w.control(name)->isVisible(), qPrintable(name));
    QCOMPARE(int(w.form.HelpButtonValue), 0); // settled by Test
    w.click(QStringLiteral("Check1"));
    for (const QString &name : column)
        QVERIFY2(!w.control(name)->isVisible(), qPrintable(name));
}

void MsgBoxWizardWindowTest::theHelpColumnIsTheButtonAfterTheSet()
{
    // What the table marks as the Help column is what its options choose:
    // the Help button the platform adds after the set's own buttons.
    Wizard w;
    w.click(QStringLiteral("Check1"));
    const int buttonsOfSet[] = {1, 2, 3, 3, 2, 2};
    int helpOptions = 0;
    for (auto *option : w.ui().Frame2->findChildren<forms::OptionButton *>()) {
        w.click(option->objectName());
        const bool afterTheSet = w.form.DefaultButtonValue / 256 == buttonsOfSet[w.form.ButtonSetValue];
        QCOMPARE(w.ui().helpColumn.contains(option), afterTheSet);
        helpOptions += afterTheSet ? 1 : 0;
    }
    QCOMPARE(helpOptions, 6);
    QCOMPARE(w.ui().helpColumn.size(), 6);
}

void MsgBoxWizardWindowTest::untickingHelpKeepsTheChoice()
{
    Wizard w;
    w.click(QStringLiteral("Check1"));
    w.click(QStringLiteral("Option17"));
    w.click(QStringLiteral("Check1"));
    QVERIFY(w.ui().Option17->isChecked());
    w.test();
    QCOMPARE(w.lastBox().buttons, 2 + 768);
    QCOMPARE(w.form.DefaultButtonName, QStringLiteral("vbDefaultButton4"));
}

void MsgBoxWizardWindowTest::typedLinesBecomeVbcr()
{
    Wizard w;
    w.ui().Text2->setFocus();
    QTest::keyClicks(w.ui().Text2, QStringLiteral("Hello"));
    QTest::keyClick(w.ui().Text2, Qt::Key_Return);
    QTest::keyClick(w.ui().Text2, Qt::Key_Return);
    QTest::keyClicks(w.ui().Text2, QStringLiteral("World"));
    w.test();
    QCOMPARE(w.lastBox().prompt, QStringLiteral("Hello\r\n\r\nWorld"));
    QCOMPARE(w.form.MinimalCode, QStringLiteral(R"(MsgBox   "Hello" & vbcr & "" & vbcr & "World",0)"));
}

void MsgBoxWizardWindowTest::quotesShownAsTypedAndDoubledInCode()
{
    Wizard w;
    QTest::keyClicks(w.ui().Text1, QStringLiteral("Say \"hi\""));
    w.ui().Text2->setText(QStringLiteral("He said \"no\""));
    w.test();
    QCOMPARE(w.lastBox().title, QStringLiteral("Say \"hi\""));
    QCOMPARE(w.lastBox().prompt, QStringLiteral("He said \"no\""));
    w.copy();
    QCOMPARE(w.platform.clipboard, QStringLiteral(R"(MsgBox   "He said ""no""",0,"Say ""hi""")"));
}

void MsgBoxWizardWindowTest::messageLengthBoundary_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("refused");
    QTest::newRow("840 characters") << QString(840, QLatin1Char('x')) << false;
    QTest::newRow("841 characters") << QString(841, QLatin1Char('x')) << true;
    QTest::newRow("838 and a line break") << QString(419, QLatin1Char('x')) + "\r\n" + QString(419, QLatin1Char('y'))
                                          << false;
    QTest::newRow("839 and a line break") << QString(420, QLatin1Char('x')) + "\r\n" + QString(419, QLatin1Char('y'))
                                          << true;
    QTest::newRow("80 short lines") << QStringList(80, QStringLiteral("ab")).join(QStringLiteral("\r\n")) << false;
}

void MsgBoxWizardWindowTest::messageLengthBoundary()
{
    QFETCH(QString, message);
    QFETCH(bool, refused);
    Wizard w;
    w.ui().Text2->setText(message);
    w.test();
    QCOMPARE(w.platform.msgBoxes.size(), 1);
    if (refused) {
        QCOMPARE(w.lastBox().prompt, kTooLong);
        QCOMPARE(w.lastBox().buttons, 16448);
        QCOMPARE(w.lastBox().title, QString());
        QCOMPARE(w.lastBox().helpFile, QStringLiteral("PelkTulvane.hlp"));
        QCOMPARE(w.lastBox().context, 5);
        QVERIFY(w.form.MinimalCode.isEmpty());
        w.copy();
        QCOMPARE(w.platform.msgBoxes.size(), 1);
        QVERIFY(w.platform.clipboardLog.isEmpty());
    } else {
        QCOMPARE(w.lastBox().prompt, message);
        w.copy();
        QCOMPARE(w.platform.msgBoxes.size(), 2);
        QCOMPARE(w.platform.clipboard.count(QStringLiteral(" & vbcr & ")), message.count(QStringLiteral("\r\n")));
        QVERIFY(w.platform.clipboard.startsWith(QStringLiteral("MsgBox   \"")));
    }
}

void MsgBoxWizardWindowTest::tooLongAtCopyKeepsTheCode()
{
    Wizard w;
    w.ui().Text2->setText(QStringLiteral("short"));
    w.test();
    const QString tested = w.form.MinimalCode;
    w.ui().Text2->setText(QString(841, QLatin1Char('x')));
    w.copy();
    QCOMPARE(w.lastBox().prompt, kTooLong);
    QCOMPARE(w.lastBox().context, 5);
    QCOMPARE(w.platform.clipboardLog, QStringList{QStringLiteral("clear")});
    QCOMPARE(w.form.MinimalCode, tested);
    // Shortened again, the same code is copied.
    w.ui().Text2->setText(QStringLiteral("short"));
    w.copy();
    QCOMPARE(w.platform.clipboard, tested);
}

void MsgBoxWizardWindowTest::copyWithoutTestDoesNothing()
{
    Wizard w;
    w.ui().Text2->setText(QStringLiteral("m"));
    w.copy();
    QVERIFY(w.platform.msgBoxes.isEmpty());
    QVERIFY(w.platform.clipboardLog.isEmpty());
}

void MsgBoxWizardWindowTest::copyCompletesTheTestedButtonSet_data()
{
    QTest::addColumn<QString>("testedWith");
    QTest::addColumn<QString>("copiedWith");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("tested OK, Yes No chosen before Copy")
        << "Option13" << "Option27" << R"(MsgBox   "m",0)";
    QTest::newRow("tested Yes No, OK chosen before Copy")
        << "Option27" << "Option13"
        << QStringLiteral(R"(MsgBoxResult = MsgBox  ( "m",4))") + CR + "Rem Responce 6 = vbYes, 7 = vbNo";
    QTest::newRow("tested Yes No, Retry Cancel chosen before Copy")
        << "Option27" << "Option30"
        << QStringLiteral(R"(MsgBoxResult = MsgBox  ( "m",4))") + CR + "Rem Responce 6 = vbYes, 7 = vbNo";
}

void MsgBoxWizardWindowTest::copyCompletesTheTestedButtonSet()
{
    QFETCH(QString, testedWith);
    QFETCH(QString, copiedWith);
    QFETCH(QString, clipboard);
    Wizard w;
    w.ui().Text2->setText(QStringLiteral("m"));
    w.click(QStringLiteral("Option20"));
    w.click(testedWith);
    w.test();
    w.click(copiedWith);
    w.copy();
    QCOMPARE(w.platform.clipboard, clipboard);
    QCOMPARE(w.platform.clipboard.count(QLatin1Char('(')), w.platform.clipboard.count(QLatin1Char(')')));
}

void MsgBoxWizardWindowTest::helpTickedAfterTestAddsHelpArguments()
{
    Wizard w;
    w.ui().Text2->setText(QStringLiteral("m"));
    w.click(QStringLiteral("Option14"));
    w.test();
    w.click(QStringLiteral("Check1"));
    w.copy();
    QCOMPARE(w.platform.clipboard, QStringLiteral(R"(MsgBoxResult = MsgBox  ( "m",1,,App.HelpFile,0))") + CR
                                       + QStringLiteral("Rem Responce 1 = vbOk,  2= vbCancel "));
    QCOMPARE(w.lastBox().prompt, helpConfirmation(QStringLiteral("0")));
    QCOMPARE(w.lastBox().title, QStringLiteral("Message box formater"));
}

void MsgBoxWizardWindowTest::copyKeepsTheTestedTitleArgument()
{
    // The help arguments follow the title argument the tested code has, so
    // the copied call keeps its arguments in their places.
    Wizard w;
    w.ui().Text2->setText(QStringLiteral("m"));
    w.click(QStringLiteral("Check1"));
    QTest::keyClicks(w.ui().Text1, QStringLiteral("T"));
    w.test();
    w.ui().Text1->clear();
    w.copy();
    QCOMPARE(w.platform.clipboard, QStringLiteral(R"(MsgBox   "m",16384,"T",App.HelpFile,0)"));

    w.test(); // no title now
    QTest::keyClicks(w.ui().Text1, QStringLiteral("T"));
    w.copy();
    QCOMPARE(w.platform.clipboard, QStringLiteral(R"(MsgBox   "m",16384,,App.HelpFile,0)"));
}

void MsgBoxWizardWindowTest::textLimits()
{
    Wizard w;
    QTest::keyClicks(w.ui().Text1, QString(1030, QLatin1Char('t')));
    QCOMPARE(w.ui().Text1->Text().size(), 1024);
    w.click(QStringLiteral("Check1"));
    QTest::keyClicks(w.ui().Text3, QStringLiteral("123456"));
    QCOMPARE(w.ui().Text3->Text(), QStringLiteral("1234"));
    w.ui().Text2->setText(QString(1023, QLatin1Char('m')));
    w.ui().Text2->moveCursor(QTextCursor::End);
    QTest::keyClicks(w.ui().Text2, QStringLiteral("abc"));
    QCOMPARE(w.ui().Text2->Text().size(), 1024);
}

void MsgBoxWizardWindowTest::quickHelp()
{
    Wizard w;
    w.ui().mnuQuickHelp->trigger();
    QCOMPARE(w.platform.msgBoxes.size(), 1);
    const QString prompt = QStringList{
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
    }.join(CR);
    QCOMPARE(w.lastBox().prompt, prompt);
    QCOMPARE(w.lastBox().buttons, 16384);
    QCOMPARE(w.lastBox().title, QString());
    QCOMPARE(w.lastBox().helpFile, QStringLiteral("PelkTulvane.hlp"));
    QCOMPARE(w.lastBox().context, 2);
}

void MsgBoxWizardWindowTest::helpCommands_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<uint>("command");
    QTest::addColumn<QVariant>("data");
    QTest::newRow("Help Contents") << "mnuHelpContents" << 15u << QVariant(1);
    QTest::newRow("Help Index") << "mnuHelp" << 261u << QVariant(QStringLiteral(""));
    QTest::newRow("Help on help") << "mnuHelpOnHelp" << 4u << QVariant(1);
}

void MsgBoxWizardWindowTest::helpCommands()
{
    QFETCH(QString, menu);
    QFETCH(uint, command);
    QFETCH(QVariant, data);
    Wizard w;
    auto *item = w.form.window()->findChild<forms::MenuItem *>(menu);
    QVERIFY(item);
    item->trigger();
    QCOMPARE(w.platform.helpCalls.size(), 1);
    QCOMPARE(w.platform.helpCalls[0].helpFile, QStringLiteral("/opt/pelktulvane/PelkTulvane.hlp"));
    QCOMPARE(w.platform.helpCalls[0].command, command);
    QCOMPARE(w.platform.helpCalls[0].data, data);
}

void MsgBoxWizardWindowTest::f1InMessageOpensTopicOne()
{
    Wizard w;
    QVERIFY(QTest::qWaitForWindowActive(w.form.window()));
    w.ui().Text2->setFocus();
    QTest::keyClick(w.ui().Text2, Qt::Key_F1);
    QCOMPARE(w.platform.helpCalls.size(), 1);
    QCOMPARE(w.platform.helpCalls[0].command, uint(help::HELP_CONTEXT));
    QCOMPARE(w.platform.helpCalls[0].data.toInt(), 1);
    QVERIFY(w.ui().Text2->Text().isEmpty());
}

void MsgBoxWizardWindowTest::aboutShowsTheWizardsAboutBox()
{
    Wizard w;
    w.ui().mnuAbout->trigger();
    AboutBox &about = AboutBox::instance(AboutBox::Which::MsgBoxWizard, w.platform.app, w.platform);
    QVERIFY(about.IsVisible());
    QCOMPARE(about.Caption(), QStringLiteral("About Message box wizard"));
    QVERIFY(w.form.IsVisible()); // not modal: the wizard stays open
    about.Unload();
}

void MsgBoxWizardWindowTest::exitButtonHidesWithoutConnect()
{
    Wizard w;
    w.click(QStringLiteral("Option5"));
    QTest::keyClicks(w.ui().Text1, QStringLiteral("Kept"));
    w.ui().Text2->setText(QStringLiteral("m"));
    w.test();
    QTest::mouseClick(w.ui().Command1, Qt::LeftButton);
    QVERIFY(!w.form.IsVisible());
    QVERIFY(w.form.IsLoaded());
    QCOMPARE(w.connect.hides, 0);
    QVERIFY(w.connect.FormDisplayed);
    w.form.Show();
    QVERIFY(w.ui().Option5->isChecked());
    QCOMPARE(w.ui().Text1->Text(), QStringLiteral("Kept"));
    w.copy(); // the code of the Test before hiding
    QCOMPARE(w.platform.clipboard, QStringLiteral(R"(MsgBox   "m",64,"Kept")"));
}

void MsgBoxWizardWindowTest::exitMenuAndCloseBoxGoThroughConnect_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("File, Exit") << false;
    QTest::newRow("close box") << true;
}

void MsgBoxWizardWindowTest::exitMenuAndCloseBoxGoThroughConnect()
{
    QFETCH(bool, closeBox);
    Wizard w;
    if (closeBox)
        w.form.window()->close();
    else
        w.ui().mnuExit->trigger();
    QCOMPARE(w.connect.hides, 1);
    QVERIFY(!w.connect.FormDisplayed);
    QVERIFY(!w.form.IsVisible());
    QCOMPARE(w.form.IsLoaded(), !closeBox);
}

void MsgBoxWizardWindowTest::newClearsOnlyTheTextFields()
{
    Wizard w;
    w.click(QStringLiteral("Option2"));
    QTest::keyClicks(w.ui().Text1, QStringLiteral("T"));
    w.ui().Text2->setText(QStringLiteral("m"));
    w.test();
    w.ui().mnuNew->trigger();
    QCOMPARE(w.ui().Text1->Text(), QString());
    QCOMPARE(w.ui().Text2->Text(), QString());
    QVERIFY(w.ui().Option2->isChecked());
    w.copy();
    QCOMPARE(w.platform.clipboard, QStringLiteral(R"(MsgBox   "m",16,"T")"));
}

void MsgBoxWizardWindowTest::saveAndOpenRoundTrip()
{
    QTemporaryDir dir;
    Wizard w;
    QTest::keyClicks(w.ui().Text1, QStringLiteral("Greeting"));
    w.ui().Text2->setText(QStringLiteral("Hello\r\nWorld"));
    const QString file = dir.filePath(QStringLiteral("Greeting.txt"));
    w.platform.fileDialogAnswers.enqueue(file);
    w.ui().mnuSave->trigger();
    QCOMPARE(w.platform.fileDialogs.last().filter, QStringLiteral("*.txt|*.txt"));
    QCOMPARE(w.platform.fileDialogs.last().fileName, QStringLiteral("/opt/pelktulvane/Greeting"));

    w.ui().mnuNew->trigger();
    w.platform.fileDialogAnswers.enqueue(file);
    w.ui().mnuOpen->trigger();
    QCOMPARE(w.platform.fileDialogs.last().filter, QStringLiteral("Text Files *.txt|*.txt"));
    QCOMPARE(w.ui().Text1->Text(), QStringLiteral("Greeting"));
    QCOMPARE(w.ui().Text2->Text(), QStringLiteral("Hello\r\nWorld"));
    QVERIFY(w.platform.msgBoxes.isEmpty());
}

void MsgBoxWizardWindowTest::openCancelAfterSaveReportsTheCancel()
{
    Wizard w;
    w.ui().mnuOpen->trigger(); // cancelled: silent
    QVERIFY(w.platform.msgBoxes.isEmpty());
    w.ui().mnuSave->trigger(); // cancelled: silent, CancelError stays set
    QVERIFY(w.platform.msgBoxes.isEmpty());
    QVERIFY(w.form.CommonDialog1.CancelError);
    w.ui().mnuOpen->trigger();
    QCOMPARE(w.platform.msgBoxes.size(), 1);
    QCOMPARE(w.lastBox().prompt, QStringLiteral("Cancel was selected."));
    QCOMPARE(w.lastBox().buttons, 16);
}

void MsgBoxWizardWindowTest::layoutFollowsTheTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsRect");
    QTest::addColumn<QString>("parent");
    const struct {
        const char *name;
        int l, t, w, h;
        const char *parent;
    } rows[] = {
        {"Frame1", 0, 120, 1455, 3975, "clientArea"},      {"Option1", 240, 240, 975, 735, "Frame1"},
        {"Option5", 240, 3120, 975, 735, "Frame1"},        {"Frame5", 1560, 120, 975, 3975, "clientArea"},
        {"Frame12", 0, 0, 975, 1695, "Frame5"},            {"Option32", 120, 960, 735, 615, "Frame12"},
        {"Check1", 120, 3240, 735, 615, "Frame5"},         {"Text1", 2760, 360, 4095, 285, "clientArea"},
        {"Text2", 2760, 960, 4095, 2055, "clientArea"},    {"Text3", 2640, 3840, 615, 375, "clientArea"},
        {"Label3", 2640, 3240, 615, 375, "clientArea"},    {"Frame2", 3360, 3000, 3495, 3135, "clientArea"},
        {"Option20", 120, 1200, 735, 375, "Frame2"},       {"Option28", 2640, 2640, 735, 375, "Frame2"},
        {"Frame3", 0, 4080, 2535, 2055, "clientArea"},     {"commandTest", 120, 240, 2295, 495, "Frame3"},
        {"Commandcopy", 120, 840, 2295, 495, "Frame3"},    {"Command1", 120, 1440, 2295, 495, "Frame3"},
    };
    for (const auto &r : rows)
        QTest::newRow(r.name) << r.name << QRect(r.l, r.t, r.w, r.h) << r.parent;
}

void MsgBoxWizardWindowTest::layoutFollowsTheTable()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsRect);
    QFETCH(QString, parent);
    Wizard w;
    QWidget *control = w.control(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    const QRect expected = forms::twipsRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height());
    QCOMPARE(control->pos(), expected.topLeft());
    // A wrapped caption may make its label taller, to show all its lines.
    auto *label = qobject_cast<QLabel *>(control);
    if (label && label->wordWrap())
        QVERIFY(control->height() >= expected.height());
    else
        QCOMPARE(control->height(), expected.height());
    // A caption may widen its control, never past its container.
    QVERIFY(control->width() >= expected.width());
    QVERIFY(control->geometry().right() < control->parentWidget()->width());
}

void MsgBoxWizardWindowTest::captionsFitTheirControls()
{
    Wizard w;
    w.click(QStringLiteral("Check1"));
    for (QAbstractButton *button : w.form.window()->clientArea()->findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty())
            continue;
        const QFontMetrics metrics = button->fontMetrics();
        const QRect text = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, button->text());
        QVERIFY2(text.width() <= button->width() - 20 || qobject_cast<QPushButton *>(button),
                 qPrintable(button->objectName()));
        QVERIFY2(text.height() <= button->height(), qPrintable(button->objectName()));
        QVERIFY2(button->font().pointSizeF() >= 7, qPrintable(button->objectName()));
        // Widened grid options do not cover their neighbours.
        for (QAbstractButton *other : button->parentWidget()->findChildren<QAbstractButton *>(
                 Qt::FindDirectChildrenOnly)) {
            if (other != button && button->parentWidget() == w.ui().Frame2)
                QVERIFY2(!button->geometry().intersects(other->geometry()),
                         qPrintable(button->objectName() + QLatin1Char('/') + other->objectName()));
        }
    }
    for (const char *label : {"Label1", "Label2"}) {
        auto *l = qobject_cast<QLabel *>(w.control(QLatin1String(label)));
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }
}

void MsgBoxWizardWindowTest::menusAsTheTable()
{
    Wizard w;
    QMenuBar *bar = w.form.window()->menuBar();
    QStringList titles;
    for (QAction *action : bar->actions())
        titles << action->text();
    QCOMPARE(titles, QStringList({QStringLiteral("&File"), QStringLiteral("&Help")}));
    const auto entries = [](QAction *title) {
        QStringList shown;
        for (QAction *action : title->menu()->actions()) {
            if (action->isVisible())
                shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        return shown;
    };
    QCOMPARE(entries(w.ui().mnuFile),
             QStringList({"&New", "&Open", "&Save", "-", "E&xit"}));
    QCOMPARE(entries(w.ui().mnuhlp),
             QStringList({"&Quick Help", "Help &Contents", "&Help Index", "H&elp on help", "-", "&About"}));
    QVERIFY(!w.ui().mnuOptions->isVisible());
    QCOMPARE(w.ui().mnuOptions->text(), QStringLiteral("&Main Menu"));
}

void MsgBoxWizardWindowTest::tabOrder()
{
    Wizard w;
    w.click(QStringLiteral("Check1")); // the Help column and the context box take part
    w.click(QStringLiteral("Check1"));
    w.click(QStringLiteral("Check1"));
    QVERIFY(QTest::qWaitForWindowActive(w.form.window()));
    // One stop per group of option buttons, in the order of the tab indexes.
    const QStringList expected = {"commandTest", "Commandcopy", "Option5", "Check3", "Option32", "Check1",
                                  "Check2",      "Text1",       "Option13", "Text2", "Text3",    "Command1"};
    w.ui().commandTest->setFocus();
    QStringList seen;
    for (int k = 0; k < expected.size(); ++k) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(seen, expected);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("commandTest"));
}

void MsgBoxWizardWindowTest::everyControlHasAnAccessibleName()
{
    Wizard w;
    for (QWidget *widget : w.form.window()->clientArea()->findChildren<QWidget *>()) {
        if (widget->focusPolicy() == Qt::NoFocus || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString spoken = widget->accessibleName().isEmpty() ? qobject_cast<QAbstractButton *>(widget)
                    ? qobject_cast<QAbstractButton *>(widget)->text()
                    : QString()
                                                                  : widget->accessibleName();
        QVERIFY2(!spoken.isEmpty(), qPrintable(widget->objectName()));
    }
    QCOMPARE(w.ui().Option2->accessibleName(), QStringLiteral("Critical"));
    QCOMPARE(w.ui().Text1->accessibleName(), QStringLiteral("Title"));
    QCOMPARE(w.ui().Text2->accessibleName(), QStringLiteral("Message"));
    QCOMPARE(w.ui().Option32->accessibleName(), QStringLiteral("System Modal"));
}

PELK_TEST_MAIN(MsgBoxWizardWindowTest)
#include "tst_msgboxwizardwindow.moc"

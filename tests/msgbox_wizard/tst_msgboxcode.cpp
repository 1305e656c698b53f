// The message box wizard's code line, what Copy appends, and the help
// context reading.
#include "msgbox_wizard/msgboxcode.h"
#include "text/sourcetext.h"
#include "testmain.h"

using namespace pelk::msgbox_code;

class MsgBoxCodeTest : public QObject {
    Q_OBJECT
private slots:
    void msgBoxCode_data();
    void msgBoxCode();
    void everyLineKept();
    void copyEnding_data();
    void copyEnding();
    void contextText_data();
    void contextText();
    void lengthLimit_data();
    void lengthLimit();
};

void MsgBoxCodeTest::msgBoxCode_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("buttonSet");
    QTest::addColumn<QString>("code");

    QTest::newRow("defaults, two lines, short form")
        << "Hello\r\nWorld" << "0" << "My App" << 0 << R"(MsgBox   "Hello" & vbcr & "World",0,"My App")";
    QTest::newRow("defaults, two lines, named form")
        << "Hello\r\nWorld" << "0 + vbOKOnly + 0 + vbDefaultButton1 + vbApplicationModal + 0" << "My App" << 0
        << R"(MsgBox   "Hello" & vbcr & "World",0 + vbOKOnly + 0 + vbDefaultButton1 + vbApplicationModal + 0,"My App")";
    QTest::newRow("question, Yes No Cancel, no title, named")
        << "Save changes?"
        << "vbQuestion + vbYesNoCancel + 0 + vbDefaultButton2 + vbSystemModal + vbMsgBoxSetForeground" << "" << 3
        << R"(MsgBoxResult = MsgBox  ( "Save changes?",vbQuestion + vbYesNoCancel + 0 + vbDefaultButton2 + vbSystemModal + vbMsgBoxSetForeground)";
    QTest::newRow("question, Yes No Cancel, no title, short")
        << "Save changes?" << "69923" << "" << 3 << R"(MsgBoxResult = MsgBox  ( "Save changes?",69923)";
    QTest::newRow("exclamation, OK Cancel with Help")
        << "Disk full" << "16945" << "Setup" << 1 << R"(MsgBoxResult = MsgBox  ( "Disk full",16945,"Setup")";
    QTest::newRow("single blank message") << " " << "0" << "" << 0 << R"(MsgBox   " ",0)";
    QTest::newRow("empty typed line") << "A\r\n\r\nB" << "0" << "" << 0 << R"(MsgBox   "A" & vbcr & "" & vbcr & "B",0)";
    QTest::newRow("lone CR dropped") << "A\rB" << "0" << "" << 0 << R"(MsgBox   "AB",0)";
    QTest::newRow("lone LF is a line break") << "A\nB" << "0" << "" << 0 << R"(MsgBox   "A" & vbcr & "B",0)";
    QTest::newRow("ends with a line break") << "A\r\n" << "0" << "" << 0 << R"(MsgBox   "A" & vbcr & "",0)";
    QTest::newRow("quotes in message doubled")
        << "He said \"no\"" << "0" << "" << 0 << R"(MsgBox   "He said ""no""",0)";
    QTest::newRow("quotes in title doubled") << "x" << "0" << "Say \"hi\"" << 0 << R"(MsgBox   "x",0,"Say ""hi""")";
    QTest::newRow("only a quote") << "\"" << "0" << "\"" << 0 << R"(MsgBox   """",0,"""")";
    QTest::newRow("OK Cancel opens a parenthesis") << "m" << "1" << "" << 1 << R"(MsgBoxResult = MsgBox  ( "m",1)";
    QTest::newRow("Abort Retry Ignore") << "m" << "2" << "" << 2 << R"(MsgBoxResult = MsgBox  ( "m",2)";
    QTest::newRow("Yes No") << "m" << "4" << "T" << 4 << R"(MsgBoxResult = MsgBox  ( "m",4,"T")";
    QTest::newRow("Retry Cancel") << "m" << "5" << "T" << 5 << R"(MsgBoxResult = MsgBox  ( "m",5,"T")";
    QTest::newRow("blank title is a title") << "m" << "0" << " " << 0 << R"(MsgBox   "m",0," ")";
}

void MsgBoxCodeTest::msgBoxCode()
{
    QFETCH(QString, message);
    QFETCH(QString, buttons);
    QFETCH(QString, title);
    QFETCH(int, buttonSet);
    QFETCH(QString, code);
    QCOMPARE(pelk::msgbox_code::msgBoxCode(message, buttons, title, buttonSet), code);
}

void MsgBoxCodeTest::everyLineKept()
{
    QStringList typed;
    for (int k = 0; k < 50; ++k)
        typed.append(QString::number(k));
    const QStringList lines = pelk::messageLines(typed.join(QStringLiteral("\r\n")));
    QCOMPARE(lines, typed);
    const QString code = pelk::msgbox_code::msgBoxCode(typed.join(QStringLiteral("\r\n")), QStringLiteral("0"),
                                                       QString(), 0);
    QCOMPARE(code.count(QStringLiteral(" & vbcr & ")), 49);
    QVERIFY(code.endsWith(QStringLiteral("\"48\" & vbcr & \"49\",0")));
}

void MsgBoxCodeTest::copyEnding_data()
{
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("hasTitle");
    QTest::addColumn<QString>("context");
    QTest::addColumn<int>("buttonSet");
    QTest::addColumn<QString>("ending");

    QTest::newRow("OK, no help: nothing") << false << true << "0" << 0 << "";
    QTest::newRow("OK, no help, no title: nothing") << false << false << "0" << 0 << "";
    QTest::newRow("OK Cancel with help and title")
        << true << true << "12" << 1 << ",App.HelpFile,12)\rRem Responce 1 = vbOk,  2= vbCancel ";
    QTest::newRow("OK Cancel with help, no title")
        << true << false << "12" << 1 << ",,App.HelpFile,12)\rRem Responce 1 = vbOk,  2= vbCancel ";
    QTest::newRow("OK with help, context 0") << true << true << "0" << 0 << ",App.HelpFile,0";
    QTest::newRow("OK with help, no title") << true << false << "0" << 0 << ",,App.HelpFile,0";
    QTest::newRow("Abort Retry Ignore") << false << true << "0" << 2
                                        << ")\rRem Responce  3 = vbAbort, 4 = vbRetry, 5=vbIgnore";
    QTest::newRow("Yes No Cancel") << false << false << "0" << 3 << ")\rRem Responce 6 = vbYes, 7 = vbNo, 2 = vbCancel";
    QTest::newRow("Yes No") << false << false << "0" << 4 << ")\rRem Responce 6 = vbYes, 7 = vbNo";
    QTest::newRow("Retry Cancel with help")
        << true << true << "1.5" << 5 << ",App.HelpFile,1.5)\rRem Responce 4 = vbRetry, 2 = Cancel";
}

void MsgBoxCodeTest::copyEnding()
{
    QFETCH(bool, help);
    QFETCH(bool, hasTitle);
    QFETCH(QString, context);
    QFETCH(int, buttonSet);
    QFETCH(QString, ending);
    QCOMPARE(pelk::msgbox_code::copyEnding(help, hasTitle, context, buttonSet), ending);
}

void MsgBoxCodeTest::contextText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("context");
    QTest::newRow("empty is 0, not 1") << "" << "0";
    QTest::newRow("number") << "12" << "12";
    QTest::newRow("leading blanks") << "  12" << "12";
    QTest::newRow("blanks inside ignored") << "1 2" << "12";
    QTest::newRow("decimal") << "1.5" << "1.5";
    QTest::newRow("point first") << ".5" << "0.5";
    QTest::newRow("stops at a letter") << "12ab" << "12";
    QTest::newRow("no number") << "abc" << "0";
    QTest::newRow("negative") << "-3" << "-3";
    QTest::newRow("plus sign") << "+7" << "7";
    QTest::newRow("exponent") << "1e3" << "1000";
    QTest::newRow("D exponent") << "1d2" << "100";
    QTest::newRow("exponent without digits") << "1e" << "1";
    QTest::newRow("hexadecimal") << "&H1F" << "31";
    QTest::newRow("octal") << "&O17" << "15";
    QTest::newRow("octal stops at 8") << "&O18" << "1";
    QTest::newRow("prefix without digits") << "&H" << "0";
    QTest::newRow("trailing point") << "7." << "7";
    QTest::newRow("large exponent") << "9e99" << "9E+99";
}

void MsgBoxCodeTest::contextText()
{
    QFETCH(QString, text);
    QFETCH(QString, context);
    QCOMPARE(pelk::msgbox_code::contextText(text), context);
}

void MsgBoxCodeTest::lengthLimit_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("tooLong");
    QTest::newRow("840") << QString(840, QLatin1Char('a')) << false;
    QTest::newRow("841") << QString(841, QLatin1Char('a')) << true;
    QTest::newRow("line breaks count two") << QString(419, QLatin1Char('a')) + "\r\n" + QString(420, QLatin1Char('b'))
                                           << true;
    QTest::newRow("empty") << QString() << false;
}

void MsgBoxCodeTest::lengthLimit()
{
    QFETCH(QString, message);
    QFETCH(bool, tooLong);
    QCOMPARE(isTooLong(message), tooLong);
}

PELK_TEST_MAIN(MsgBoxCodeTest)
#include "tst_msgboxcode.moc"

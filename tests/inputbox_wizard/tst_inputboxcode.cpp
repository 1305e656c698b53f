// The input box code line and the texts around it, computed without a window.
#include "inputbox_wizard/inputboxcode.h"
#include "text/sourcetext.h"
#include "testmain.h"

using namespace pelk::inputbox;

class InputBoxCodeTest : public QObject {
    Q_OBJECT
private slots:
    void codeLine_data();
    void codeLine();
    void everyLineIsKept();
    void lengthLimit_data();
    void lengthLimit();
    void testRefusalNamesTheLength_data();
    void testRefusalNamesTheLength();
    void refusalsAreWordedApart();
    void testTitle_data();
    void testTitle();
    void clipboardTextHasOneCR();
};

void InputBoxCodeTest::codeLine_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("defaultAnswer");
    QTest::addColumn<QString>("code");

    const QString name = QStringLiteral("Name");
    const QString bob = QStringLiteral("Bob");
    QTest::newRow("title, message, default")
        << name << QStringLiteral("Enter your name") << bob
        << QStringLiteral("resInputBox = InputBox (\"Enter your name\",\"Name\",\"Bob\")");
    QTest::newRow("empty title passes App.Title")
        << QString() << QStringLiteral("Enter your name") << bob
        << QStringLiteral("resInputBox = InputBox (\"Enter your name\",App.Title,\"Bob\")");
    QTest::newRow("blank title is a title")
        << QStringLiteral(" ") << QStringLiteral("Hi") << bob
        << QStringLiteral("resInputBox = InputBox (\"Hi\",\" \",\"Bob\")");
    QTest::newRow("two lines typed with Enter")
        << name << QStringLiteral("Line one\r\nLine two") << bob
        << QStringLiteral("resInputBox = InputBox (\"Line one\" & vbcr & \"Line two\",\"Name\",\"Bob\")");
    QTest::newRow("empty default with title")
        << name << QStringLiteral("Enter your name") << QString()
        << QStringLiteral("resInputBox = InputBox (\"Enter your name\",\"Name\",\"\")");
    QTest::newRow("empty default without title")
        << QString() << QStringLiteral("Enter your name") << QString()
        << QStringLiteral("resInputBox = InputBox (\"Enter your name\",App.Title,\"\")");
    QTest::newRow("empty message")
        << name << QString() << bob << QStringLiteral("resInputBox = InputBox (\"\",\"Name\",\"Bob\")");
    QTest::newRow("all empty") << QString() << QString() << QString()
                               << QStringLiteral("resInputBox = InputBox (\"\",App.Title,\"\")");
    QTest::newRow("trailing line break gives an empty line")
        << name << QStringLiteral("abc\r\n") << bob
        << QStringLiteral("resInputBox = InputBox (\"abc\" & vbcr & \"\",\"Name\",\"Bob\")");
    QTest::newRow("doubled line break gives an empty line between")
        << name << QStringLiteral("a\r\n\r\nb") << bob
        << QStringLiteral("resInputBox = InputBox (\"a\" & vbcr & \"\" & vbcr & \"b\",\"Name\",\"Bob\")");
    QTest::newRow("lone line break only")
        << name << QStringLiteral("\r\n") << bob
        << QStringLiteral("resInputBox = InputBox (\"\" & vbcr & \"\",\"Name\",\"Bob\")");
    QTest::newRow("lone LF splits like Enter")
        << name << QStringLiteral("a\nb") << bob
        << QStringLiteral("resInputBox = InputBox (\"a\" & vbcr & \"b\",\"Name\",\"Bob\")");
    QTest::newRow("lone CR is dropped and joins")
        << name << QStringLiteral("a\rb") << bob << QStringLiteral("resInputBox = InputBox (\"ab\",\"Name\",\"Bob\")");
    QTest::newRow("LF CR keeps one break")
        << name << QStringLiteral("a\n\rb") << bob
        << QStringLiteral("resInputBox = InputBox (\"a\" & vbcr & \"b\",\"Name\",\"Bob\")");
    QTest::newRow("quotes in the message are doubled")
        << name << QStringLiteral("Say \"yes\"") << bob
        << QStringLiteral("resInputBox = InputBox (\"Say \"\"yes\"\"\",\"Name\",\"Bob\")");
    QTest::newRow("quotes in title and default are doubled")
        << QStringLiteral("\"T\"") << QStringLiteral("m") << QStringLiteral("a\"b")
        << QStringLiteral("resInputBox = InputBox (\"m\",\"\"\"T\"\"\",\"a\"\"b\")");
    QTest::newRow("quote at a line's end before vbcr")
        << QString() << QStringLiteral("\"\r\n\"") << QString()
        << QStringLiteral("resInputBox = InputBox (\"\"\"\" & vbcr & \"\"\"\",App.Title,\"\")");
    QTest::newRow("other characters pass unchanged")
        << QStringLiteral("Grüße & co") << QStringLiteral("Tab\there, 'apostrophe'") << QStringLiteral("€5")
        << QStringLiteral("resInputBox = InputBox (\"Tab\there, 'apostrophe'\",\"Grüße & co\",\"€5\")");
}

void InputBoxCodeTest::codeLine()
{
    QFETCH(QString, title);
    QFETCH(QString, message);
    QFETCH(QString, defaultAnswer);
    QFETCH(QString, code);
    QCOMPARE(inputCode(message, inputTail(title, defaultAnswer)), code);
}

void InputBoxCodeTest::everyLineIsKept()
{
    // Far more lines than a fixed table of 26 would hold.
    QStringList typed;
    QStringList literals;
    for (int i = 0; i < 40; ++i) {
        typed << QStringLiteral("L%1").arg(i);
        literals << QStringLiteral("\"L%1\"").arg(i);
    }
    const QString code = inputCode(typed.join(QStringLiteral("\r\n")), inputTail(QString(), QString()));
    QCOMPARE(code, QStringLiteral("resInputBox = InputBox (") + literals.join(QStringLiteral(" & vbcr & ")) +
                       QStringLiteral(",App.Title,\"\")"));
    QCOMPARE(pelk::messageLines(typed.join(QLatin1Char('\n'))), typed);
}

void InputBoxCodeTest::lengthLimit_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("tooLong");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("840") << QString(840, QLatin1Char('x')) << false;
    QTest::newRow("841") << QString(841, QLatin1Char('x')) << true;
    QTest::newRow("line breaks count two each, 840")
        << QString(836, QLatin1Char('x')) + QStringLiteral("\r\n\r\n") << false;
    QTest::newRow("line breaks count two each, 842")
        << QString(838, QLatin1Char('x')) + QStringLiteral("\r\n\r\n") << true;
    QTest::newRow("32768, past a 16-bit count") << QString(32768, QLatin1Char('x')) << true;
    QTest::newRow("65537, wraps a 16-bit count to 1") << QString(65537, QLatin1Char('x')) << true;
}

void InputBoxCodeTest::lengthLimit()
{
    QFETCH(QString, message);
    QFETCH(bool, tooLong);
    QCOMPARE(messageTooLong(message), tooLong);
}

void InputBoxCodeTest::testRefusalNamesTheLength_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("ending");
    QTest::newRow("841") << qsizetype(841) << QStringLiteral("\rDelete 841");
    QTest::newRow("903") << qsizetype(903) << QStringLiteral("\rDelete 903");
    QTest::newRow("40000, past a 16-bit count") << qsizetype(40000) << QStringLiteral("\rDelete 40000");
    QTest::newRow("100000") << qsizetype(100000) << QStringLiteral("\rDelete 100000");
}

void InputBoxCodeTest::testRefusalNamesTheLength()
{
    QFETCH(qsizetype, length);
    QFETCH(QString, ending);
    const QString text = testRefusal(length);
    QCOMPARE(text, QStringLiteral("You Have Excided the maximum number of charters alowed\r"
                                  "they are 14 lines of 58 charters of aproximently 840 charters.") +
                       ending);
}

void InputBoxCodeTest::refusalsAreWordedApart()
{
    QCOMPARE(copyRefusal(), QStringLiteral("You have Exceeded the maximum number of charters allowed\r"
                                           "they are 14 lines of 58 charters of approximately 840 charters."));
}

void InputBoxCodeTest::testTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << QStringLiteral("Your Project");
    QTest::newRow("given") << QStringLiteral("Name") << QStringLiteral("Name");
    QTest::newRow("blank") << QStringLiteral(" ") << QStringLiteral(" ");
}

void InputBoxCodeTest::testTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QCOMPARE(pelk::inputbox::testTitle(title), shown);
}

void InputBoxCodeTest::clipboardTextHasOneCR()
{
    QCOMPARE(clipboardText(QStringLiteral("code"), QStringLiteral("'c")), QStringLiteral("code\r'c"));
}

PELK_TEST_MAIN(InputBoxCodeTest)
#include "tst_inputboxcode.moc"

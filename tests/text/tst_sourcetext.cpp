// Texts as generated code lines write them: a message's lines and string
// literals.
#include "text/sourcetext.h"
#include "testmain.h"

using namespace pelk;

class SourceTextTest : public QObject {
    Q_OBJECT
private slots:
    void messageLines_data();
    void messageLines();
    void stringLiteral_data();
    void stringLiteral();
};

void SourceTextTest::messageLines_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty: one empty line") << "" << QStringList{""};
    QTest::newRow("one line") << "Hello" << QStringList{"Hello"};
    QTest::newRow("CR LF") << "A\r\nB" << QStringList{"A", "B"};
    QTest::newRow("lone LF") << "A\nB" << QStringList{"A", "B"};
    QTest::newRow("lone CR dropped") << "A\rB" << QStringList{"AB"};
    QTest::newRow("empty line kept") << "A\r\n\r\nB" << QStringList{"A", "", "B"};
    QTest::newRow("ends with a line break") << "A\r\n" << QStringList{"A", ""};
    QTest::newRow("only line breaks") << "\n\n" << QStringList{"", "", ""};
    QTest::newRow("blanks kept") << " a \r\n b " << QStringList{" a ", " b "};
}

void SourceTextTest::messageLines()
{
    QFETCH(QString, message);
    QFETCH(QStringList, lines);
    QCOMPARE(pelk::messageLines(message), lines);
}

void SourceTextTest::stringLiteral_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("literal");

    QTest::newRow("empty") << "" << R"("")";
    QTest::newRow("plain") << "Hello" << R"("Hello")";
    QTest::newRow("quote inside doubled") << R"(Say "hi")" << R"("Say ""hi""")";
    QTest::newRow("only a quote") << R"(")" << R"("""")";
    QTest::newRow("two quotes") << R"("")" << R"("""""")";
    QTest::newRow("apostrophe and ampersand stay") << "it's & more" << R"("it's & more")";
    QTest::newRow("line breaks as constants") << "a\r\nb\rc\nd" << R"("a" & vbCrLf & "b" & vbCr & "c" & vbLf & "d")";
    QTest::newRow("a break at each end") << "\nx\r" << R"("" & vbLf & "x" & vbCr & "")";
}

void SourceTextTest::stringLiteral()
{
    QFETCH(QString, text);
    QFETCH(QString, literal);
    QCOMPARE(pelk::stringLiteral(text), literal);
}

PELK_TEST_MAIN(SourceTextTest)
#include "tst_sourcetext.moc"

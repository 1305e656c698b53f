// Reading a number out of a text: the leading number (blanks anywhere
// ignored, 0 when there is none) and the strict whole-text reading.
#include "text/numberreading.h"
#include "testmain.h"

#include <cmath>
#include <limits>

using namespace pelk;

class NumberReadingTest : public QObject {
    Q_OBJECT
private slots:
    void leadingNumberReading_data();
    void leadingNumberReading();
    void wholeTextReading_data();
    void wholeTextReading();
};

static const double kInf = std::numeric_limits<double>::infinity();

void NumberReadingTest::leadingNumberReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain") << "192" << 192.0;
    QTest::newRow("blanks anywhere") << " 1 9\t2" << 192.0;
    QTest::newRow("line feed among the blanks") << "1\n9 \n2" << 192.0;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("fraction") << "3.75" << 3.75;
    QTest::newRow("bare fraction") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("minus inside stops") << "5-3" << 5.0;
    QTest::newRow("exponent E") << "1e2" << 100.0;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("exponent without digits") << "2e+" << 2.0;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
    QTest::newRow("hexadecimal lowercase") << "&hff" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("prefix without digits") << "&H" << 0.0;
    QTest::newRow("unknown prefix") << "&Z1" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("overflow") << "1e999" << kInf;
    QTest::newRow("negative overflow") << "-1e999" << -kInf;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("many digits") << QString(400, QLatin1Char('9')) << kInf;
}

void NumberReadingTest::leadingNumberReading()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(leadingNumber(text), expected);
}

void NumberReadingTest::wholeTextReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "5" << true << 5.0;
    QTest::newRow("surrounding blanks") << " 5 " << true << 5.0;
    QTest::newRow("fraction") << "5.5" << true << 5.5;
    QTest::newRow("negative") << "-3" << true << -3.0;
    QTest::newRow("exponent") << "1e1" << true << 10.0;
    QTest::newRow("exponent letter without digits") << "5e" << false << 0.0;
    QTest::newRow("exponent sign without digits") << "5e+" << false << 0.0;
    QTest::newRow("hexadecimal") << "&HA" << true << 10.0;
    QTest::newRow("blank inside") << "1 0" << false << 0.0;
    QTest::newRow("trailing letter") << "5x" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
}

void NumberReadingTest::wholeTextReading()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, expected);
    const std::optional<double> number = wholeTextNumber(text);
    QCOMPARE(number.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*number, expected);
}

PELK_TEST_MAIN(NumberReadingTest)
#include "tst_numberreading.moc"

// Reading numbers out of value boxes, the clipboard formats, the palette's
// digit pairs and the remembered step size.
#include "color_finder/colortexts.h"
#include "testmain.h"

using namespace pelk;

Q_DECLARE_METATYPE(pelk::ColorFormat)

class ColorTextsTest : public QObject {
    Q_OBJECT
private slots:
    void channelValueOfABox_data();
    void channelValueOfABox();
    void clipboardText_data();
    void clipboardText();
    void formatLetters_data();
    void formatLetters();
    void convertTwoHexDigits_data();
    void convertTwoHexDigits();
    void paletteDigitPairs_data();
    void paletteDigitPairs();
    void rememberedStepSize_data();
    void rememberedStepSize();
};

void ColorTextsTest::channelValueOfABox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("top") << "255" << 255;
    QTest::newRow("above range") << "300" << 255;
    QTest::newRow("far above range") << "99999999999999999999" << 255;
    QTest::newRow("overflowing") << "1e999" << 255;
    QTest::newRow("negative") << "-5" << 0;
    QTest::newRow("small negative rounds to zero") << "-0.4" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("leading number") << "12abc" << 12;
    QTest::newRow("leading blank") << " 128" << 128;
    QTest::newRow("half to even down") << "2.5" << 2;
    QTest::newRow("half to even up") << "1.5" << 2;
    QTest::newRow("half at zero") << "0.5" << 0;
    QTest::newRow("half near the top") << "254.5" << 254;
    QTest::newRow("above half near the top") << "254.51" << 255;
    QTest::newRow("hexadecimal") << "&H80" << 128;
}

void ColorTextsTest::channelValueOfABox()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(channelValue(text), expected);
}

void ColorTextsTest::clipboardText_data()
{
    QTest::addColumn<ColorFormat>("format");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("expected");
    const QStringList example1 = {"192", "128", "64"};
    const QStringList example2 = {"5", "0", "255"};
    const QStringList gray = {"192", "192", "192"};
    QTest::newRow("rgb 192,128,64") << ColorFormat::Rgb << example1 << "RGB(192,128,64)";
    QTest::newRow("decimal 192,128,64") << ColorFormat::Decimal << example1 << "4227264";
    QTest::newRow("hex 192,128,64") << ColorFormat::Hex << example1 << "&H004080C0&";
    QTest::newRow("rgb 5,0,255") << ColorFormat::Rgb << example2 << "RGB(5,0,255)";
    QTest::newRow("decimal 5,0,255") << ColorFormat::Decimal << example2 << "16711685";
    QTest::newRow("hex 5,0,255") << ColorFormat::Hex << example2 << "&H00FF0005&";
    QTest::newRow("rgb gray") << ColorFormat::Rgb << gray << "RGB(192,192,192)";
    QTest::newRow("decimal gray") << ColorFormat::Decimal << gray << "12632256";
    QTest::newRow("hex gray") << ColorFormat::Hex << gray << "&H00C0C0C0&";
    QTest::newRow("hex zero and fifteen") << ColorFormat::Hex << QStringList{"0", "15", "0"} << "&H00000F00&";
    QTest::newRow("decimal black") << ColorFormat::Decimal << QStringList{"0", "0", "0"} << "0";
    QTest::newRow("decimal white") << ColorFormat::Decimal << QStringList{"255", "255", "255"} << "16777215";
    QTest::newRow("rgb keeps blanks") << ColorFormat::Rgb << QStringList{" 5", "0", "255 "} << "RGB( 5,0,255 )";
    QTest::newRow("rgb keeps out of range") << ColorFormat::Rgb << QStringList{"300", "-1", "x"} << "RGB(300,-1,x)";
    QTest::newRow("hex out of range") << ColorFormat::Hex << QStringList{"300", "-1", "1e999"} << "&H00FF00FF&";
    QTest::newRow("decimal out of range") << ColorFormat::Decimal << QStringList{"300", "-1", "0"} << "255";
    QTest::newRow("hex not a number") << ColorFormat::Hex << QStringList{"", "abc", "12abc"} << "&H000C0000&";
    QTest::newRow("decimal not a number") << ColorFormat::Decimal << QStringList{"abc", "", "1"} << "65536";
    QTest::newRow("decimal rounds as the preview") << ColorFormat::Decimal << QStringList{"0.5", "1.5", "0"}
                                                   << "512";
}

void ColorTextsTest::clipboardText()
{
    QFETCH(ColorFormat, format);
    QFETCH(QStringList, boxes);
    QFETCH(QString, expected);
    QCOMPARE(colorText(format, boxes[0], boxes[1], boxes[2]), expected);
}

void ColorTextsTest::formatLetters_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("format"); // -1: no format
    QTest::newRow("A") << "A" << int(ColorFormat::Rgb);
    QTest::newRow("B") << "B" << int(ColorFormat::Decimal);
    QTest::newRow("C") << "C" << int(ColorFormat::Hex);
    QTest::newRow("lowercase a") << "a" << -1;
    QTest::newRow("lowercase c") << "c" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("other letter") << "D" << -1;
    QTest::newRow("with a blank") << "A " << -1;
}

void ColorTextsTest::formatLetters()
{
    QFETCH(QString, letter);
    QFETCH(int, format);
    const std::optional<ColorFormat> read = formatFromLetter(letter);
    QCOMPARE(read ? int(*read) : -1, format);
    if (read)
        QCOMPARE(formatLetter(*read), letter);
}

void ColorTextsTest::convertTwoHexDigits_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("C0") << "C0" << "192";
    QTest::newRow("FF") << "FF" << "255";
    QTest::newRow("0A") << "0A" << "10";
    QTest::newRow("40") << "40" << "64";
    QTest::newRow("00") << "00" << "0";
    QTest::newRow("9F") << "9F" << "159";
    QTest::newRow("lowercase is no digit") << "0a" << "0";
}

void ColorTextsTest::convertTwoHexDigits()
{
    QFETCH(QString, digits);
    QFETCH(QString, expected);
    ConVert(digits);
    QCOMPARE(digits, expected);
}

void ColorTextsTest::paletteDigitPairs_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<QStringList>("redGreenBlue");
    QTest::newRow("black") << 0u << QStringList{"00", "00", "00"};
    QTest::newRow("pure red") << 255u << QStringList{"FF", "00", "00"};
    QTest::newRow("pure blue") << 255u * 65536u << QStringList{"00", "00", "FF"};
    QTest::newRow("one digit") << 10u << QStringList{"0A", "00", "00"};
    QTest::newRow("five digits") << 0x10203u << QStringList{"03", "02", "01"};
    QTest::newRow("192,128,64") << 0x4080C0u << QStringList{"C0", "80", "40"};
    QTest::newRow("white") << 0xFFFFFFu << QStringList{"FF", "FF", "FF"};
}

void ColorTextsTest::paletteDigitPairs()
{
    QFETCH(quint32, color);
    QFETCH(QStringList, redGreenBlue);
    const ChannelDigits digits = channelDigits(color);
    QCOMPARE((QStringList{digits.red, digits.green, digits.blue}), redGreenBlue);
}

void ColorTextsTest::rememberedStepSize_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected"); // 0: not a step size
    QTest::newRow("smallest") << "1" << 1;
    QTest::newRow("largest") << "10" << 10;
    QTest::newRow("middle") << "5" << 5;
    QTest::newRow("blanks around") << " 5 " << 5;
    QTest::newRow("leading zero") << "05" << 5;
    QTest::newRow("exponent") << "1e1" << 10;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("above") << "11" << 0;
    QTest::newRow("negative") << "-3" << 0;
    QTest::newRow("fraction") << "5.5" << 0;
    QTest::newRow("not a number") << "abc" << 0;
    QTest::newRow("leading number only") << "5x" << 0;
    QTest::newRow("empty") << "" << 0;
}

void ColorTextsTest::rememberedStepSize()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QCOMPARE(stepSizeOf(stored).value_or(0), expected);
}

PELK_TEST_MAIN(ColorTextsTest)
#include "tst_colortexts.moc"

// The code generators: the MsgBox line that Test builds and Copy completes,
// the InputBox line, and the color texts. Generated code is one line (and a
// comment line), has its quotes and parentheses balanced outside string
// literals, and parses back into the fields it was made from.
// Input: message, title, context, default answer, red, green, blue and an
// options field (button set, Help button, named form), separated by 0x1F.
#include "fuzzing.h"
#include "color_finder/colortexts.h"
#include "inputbox_wizard/inputboxcode.h"
#include "msgbox_wizard/msgboxcode.h"
#include "text/numberreading.h"
#include "text/sourcetext.h"
#include "text/utf8text.h"

#include <cmath>
#include <optional>

using namespace pelk;

namespace {

// Reads the code line from `pos` on as it was written.
class CodeReader {
public:
    explicit CodeReader(const QString &line) : m_line(line) {}

    bool take(const QString &text)
    {
        if (!QStringView(m_line).sliced(m_pos).startsWith(text))
            return false;
        m_pos += text.size();
        return true;
    }
    // A string literal: in double quotes, a doubled quote for each quote,
    // line breaks as their constants between literals.
    std::optional<QString> literal()
    {
        if (!take(QStringLiteral("\"")))
            return std::nullopt;
        QString text;
        while (m_pos < m_line.size()) {
            const QChar c = m_line[m_pos++];
            if (c != QLatin1Char('"')) {
                text += c;
            } else if (m_pos < m_line.size() && m_line[m_pos] == QLatin1Char('"')) {
                text += c;
                ++m_pos;
            } else if (take(QStringLiteral(" & vbCrLf & \""))) {
                text += QLatin1String("\r\n");
            } else if (take(QStringLiteral(" & vbCr & \""))) {
                text += QLatin1Char('\r');
            } else if (take(QStringLiteral(" & vbLf & \""))) {
                text += QLatin1Char('\n');
            } else {
                return text;
            }
        }
        return std::nullopt;
    }
    // Literals joined by " & vbcr & ".
    std::optional<QStringList> lines()
    {
        QStringList lines;
        do {
            const std::optional<QString> line = literal();
            if (!line)
                return std::nullopt;
            lines << *line;
        } while (take(QStringLiteral(" & vbcr & ")));
        return lines;
    }
    bool atEnd() const { return m_pos == m_line.size(); }

private:
    const QString &m_line;
    qsizetype m_pos = 0;
};

// Quotes pair up, and parentheses outside literals close what they open.
bool balanced(const QString &line)
{
    bool inLiteral = false;
    int depth = 0;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            inLiteral = !inLiteral; // a doubled quote leaves and enters again
        else if (!inLiteral && c == QLatin1Char('('))
            ++depth;
        else if (!inLiteral && c == QLatin1Char(')') && --depth < 0)
            return false;
    }
    return !inLiteral && depth == 0;
}

QString show(const QString &text)
{
    QString out;
    for (const QChar c : text)
        out += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
    return out;
}

void checkMsgBox(const QString &message, const QString &title, const QString &contextBox, int set, bool help, bool named)
{
    const QString buttons = named ? QStringLiteral("0 + ") + msgbox_code::buttonSetName(set)
                                        + QStringLiteral(" + 0 + vbDefaultButton1 + vbApplicationModal + 0")
                                  : QString::number(set);
    // The context box holds at most four characters.
    const QString context = msgbox_code::contextText(contextBox.left(4));
    const QString code = msgbox_code::msgBoxCode(message, buttons, title, set)
                         + msgbox_code::copyEnding(help, !title.isEmpty(), context, set);
    const QStringList lines = code.split(QLatin1Char('\r'));
    FUZZ_CHECK(lines.size() == (set == 0 ? 1 : 2) && !code.contains(QLatin1Char('\n')), show(code));
    if (set != 0)
        FUZZ_CHECK(lines[1] == QStringLiteral("Rem ") + msgbox_code::responseComment(set), show(code));
    const QString &line = lines[0];
    FUZZ_CHECK(balanced(line), show(line));

    CodeReader read(line);
    FUZZ_CHECK(read.take(set == 0 ? QStringLiteral("MsgBox   ") : QStringLiteral("MsgBoxResult = MsgBox  ( ")), show(line));
    FUZZ_CHECK(read.lines() == messageLines(message), show(line));
    FUZZ_CHECK(read.take(QLatin1Char(',') + buttons), show(line));
    if (!title.isEmpty())
        FUZZ_CHECK(read.take(QStringLiteral(",")) && read.literal() == title, show(line));
    if (help)
        FUZZ_CHECK(read.take((title.isEmpty() ? QStringLiteral(",,") : QStringLiteral(",")) + "App.HelpFile," + context),
                   show(line));
    if (set != 0)
        FUZZ_CHECK(read.take(QStringLiteral(")")), show(line));
    FUZZ_CHECK(read.atEnd(), show(line));

    // The context is a plain decimal number of the box's leading number.
    const double number = leadingNumber(contextBox.left(4));
    FUZZ_CHECK(wholeTextNumber(context) == number, contextBox + " -> " + context);
}

void checkInputBox(const QString &message, const QString &title, const QString &answer)
{
    const QString code = inputbox::inputCode(message, inputbox::inputTail(title, answer));
    FUZZ_CHECK(!code.contains(QLatin1Char('\r')) && !code.contains(QLatin1Char('\n')), show(code));
    FUZZ_CHECK(balanced(code), show(code));
    CodeReader read(code);
    FUZZ_CHECK(read.take(QStringLiteral("resInputBox = InputBox (")), show(code));
    FUZZ_CHECK(read.lines() == messageLines(message), show(code));
    FUZZ_CHECK(read.take(QStringLiteral(",")), show(code));
    if (title.isEmpty())
        FUZZ_CHECK(read.take(QStringLiteral("App.Title")), show(code));
    else
        FUZZ_CHECK(read.literal() == title, show(code));
    FUZZ_CHECK(read.take(QStringLiteral(",")) && read.literal() == answer, show(code));
    FUZZ_CHECK(read.take(QStringLiteral(")")) && read.atEnd(), show(code));
}

void checkColors(const QString &red, const QString &green, const QString &blue)
{
    FUZZ_CHECK(colorText(ColorFormat::Rgb, red, green, blue)
                   == QStringLiteral("RGB(") + red + ',' + green + ',' + blue + ')',
               red);
    const int r = channelValue(red), g = channelValue(green), b = channelValue(blue);
    FUZZ_CHECK(r >= 0 && r <= 255 && g >= 0 && g <= 255 && b >= 0 && b <= 255, red + green + blue);
    const quint32 color = colorNumber(r, g, b);
    bool ok = false;
    FUZZ_CHECK(colorText(ColorFormat::Decimal, red, green, blue).toUInt(&ok) == color && ok, red + green + blue);
    const QString hex = colorText(ColorFormat::Hex, red, green, blue);
    FUZZ_CHECK(hex.size() == 11 && hex.startsWith(QLatin1String("&H00")) && hex.endsWith(QLatin1Char('&'))
                   && hex.mid(4, 6).toUpper() == hex.mid(4, 6) && hex.mid(4, 6).toUInt(&ok, 16) == color && ok,
               hex);
    // The palette's way back from the number gives the channels again.
    ChannelDigits digits = channelDigits(color);
    ConVert(digits.red);
    ConVert(digits.green);
    ConVert(digits.blue);
    FUZZ_CHECK(digits.red.toInt() == r && digits.green.toInt() == g && digits.blue.toInt() == b, hex);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList in = fuzz::fields(data, size, 8);
    const QString message = utf8Text(in[0]), title = utf8Text(in[1]), context = utf8Text(in[2]),
                  answer = utf8Text(in[3]);
    const QByteArray &options = in[7];
    const int set = options.isEmpty() ? 0 : quint8(options[0]) % 6;
    const bool help = options.size() > 1 && (options[1] & 1);
    const bool named = options.size() > 1 && (options[1] & 2);

    checkMsgBox(message, title, context, set, help, named);
    checkInputBox(message, title, answer);
    checkColors(utf8Text(in[4]), utf8Text(in[5]), utf8Text(in[6]));
    return 0;
}

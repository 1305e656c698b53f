// The two number readings against a reference reading of their own: the
// leading number of a text, blanks anywhere ignored, is what strtod (or the
// &H / &O digits) make of its longest leading number; the strict reading
// accepts exactly a whole text of one number, with the same value; and a
// number written out reads back as itself.
// Input: the text, as UTF-8; its first eight bytes are also a double.
#include "fuzzing.h"
#include "text/numberreading.h"
#include "text/utf8text.h"

#include <QRegularExpression>

#include <clocale>
#include <cmath>
#include <cstring>

#include <locale.h>

using namespace pelk;

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

QString withoutBlanks(const QString &text)
{
    QString out;
    for (const QChar c : text)
        if (!isBlank(c))
            out += c;
    return out;
}

struct Reading {
    double value = 0;
    qsizetype length = 0;
};

Reading reference(const QString &text)
{
    static const QRegularExpression prefixed(QStringLiteral("^&([Hh][0-9A-Fa-f]+|[Oo][0-7]+)"));
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([EeDd][+-]?[0-9]+)?"));
    if (const QRegularExpressionMatch match = prefixed.match(text); match.hasMatch()) {
        const int base = match.captured(1).front().toUpper() == QLatin1Char('H') ? 16 : 8;
        double value = 0;
        for (const QChar c : match.captured(1).mid(1))
            value = value * base + QString(c).toInt(nullptr, 16);
        return {value, match.capturedLength()};
    }
    const QRegularExpressionMatch match = decimal.match(text);
    if (!match.hasMatch())
        return {};
    QByteArray ascii = match.captured().toLatin1();
    ascii.replace('D', 'e').replace('d', 'e');
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return {strtod_l(ascii.constData(), nullptr, cLocale), match.capturedLength()};
}

bool sameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = utf8Text(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));

    const double leading = leadingNumber(text);
    FUZZ_CHECK(!std::isnan(leading), text);
    const Reading expected = reference(withoutBlanks(text));
    FUZZ_CHECK(sameNumber(leading, expected.value), text + QStringLiteral(" -> %1, not %2").arg(leading).arg(expected.value));

    // The strict reading: the whole text but its outer blanks is one number.
    qsizetype from = 0, to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    const QString inner = text.mid(from, to - from);
    const Reading whole = reference(inner);
    const std::optional<double> strict = wholeTextNumber(text);
    FUZZ_CHECK(strict.has_value() == (whole.length > 0 && whole.length == inner.size()), text);
    if (strict)
        FUZZ_CHECK(sameNumber(*strict, whole.value) && sameNumber(*strict, leading), text);

    // A finite number written out reads back exactly.
    if (size >= sizeof(double)) {
        double number;
        std::memcpy(&number, data, sizeof number);
        if (std::isfinite(number)) {
            const QString written = QString::number(number, 'g', 17);
            FUZZ_CHECK(wholeTextNumber(written) == number, written);
            FUZZ_CHECK(leadingNumber(written) == number, written);
        }
    }
    return 0;
}

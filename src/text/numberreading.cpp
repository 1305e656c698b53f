#include "numberreading.h"

#include <clocale>
#include <cstdlib>
#include <string>

#include <locale.h>

namespace pelk {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

struct Scan {
    double value = 0;
    qsizetype length = 0; // characters taken; 0 when there is no number
};

int digitValue(QChar c, int base)
{
    const char16_t u = c.toUpper().unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

// "&H1F" or "&O17": digits of the given base after the two-character prefix.
Scan scanPrefixed(QStringView s)
{
    if (s.size() < 3 || s[0] != QLatin1Char('&'))
        return {};
    const QChar kind = s[1].toUpper();
    const int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
    if (!base)
        return {};
    Scan scan;
    qsizetype i = 2;
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], base);
        if (d < 0)
            break;
        scan.value = scan.value * base + d;
    }
    scan.length = i > 2 ? i : 0;
    return scan;
}

qsizetype skipDigits(QStringView s, qsizetype i)
{
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128)
        ++i;
    return i;
}

// [sign] digits [. digits] [E|D [sign] digits], at least one mantissa digit.
Scan scanDecimal(QStringView s)
{
    qsizetype i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    const qsizetype intStart = i;
    i = skipDigits(s, i);
    qsizetype mantissaDigits = i - intStart;
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(s, fracStart);
        mantissaDigits += fracEnd - fracStart;
        i = fracEnd;
    }
    if (mantissaDigits == 0)
        return {};
    if (i < s.size() && (s[i].toUpper() == QLatin1Char('E') || s[i].toUpper() == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            ++j;
        const qsizetype expEnd = skipDigits(s, j);
        if (expEnd > j) // an exponent counts only with its digits
            i = expEnd;
    }

    // The taken characters are all ASCII; D is the same exponent as E.
    // strtod in the C locale gives infinity on overflow and zero on
    // underflow, whatever the user's locale says about decimal points.
    std::string ascii = s.first(i).toString().toLatin1().toStdString();
    for (char &c : ascii) {
        if (c == 'D' || c == 'd')
            c = 'e';
    }
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    Scan scan;
    scan.length = i;
    scan.value = strtod_l(ascii.c_str(), nullptr, cLocale);
    return scan;
}

Scan scanNumber(QStringView s)
{
    if (!s.isEmpty() && s[0] == QLatin1Char('&'))
        return scanPrefixed(s);
    return scanDecimal(s);
}

} // namespace

double leadingNumber(const QString &text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            compact.append(c);
    }
    return scanNumber(compact).value;
}

std::optional<double> wholeTextNumber(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    const QStringView s = QStringView(text).sliced(from, to - from);
    const Scan scan = scanNumber(s);
    if (scan.length == 0 || scan.length != s.size())
        return std::nullopt;
    return scan.value;
}

} // namespace pelk

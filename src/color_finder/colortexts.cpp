#include "colortexts.h"

#include "text/numberreading.h"

#include <cmath>

namespace pelk {

int channelValue(const QString &boxText)
{
    const double value = leadingNumber(boxText);
    if (!(value > 0))
        return 0;
    if (value >= 255)
        return 255;
    return int(std::nearbyint(value)); // the default rounding mode: halves to even
}

quint32 colorNumber(int red, int green, int blue)
{
    return quint32(red) + 256u * quint32(green) + 65536u * quint32(blue);
}

QString formatLetter(ColorFormat format)
{
    switch (format) {
    case ColorFormat::Rgb: return QStringLiteral("A");
    case ColorFormat::Decimal: return QStringLiteral("B");
    case ColorFormat::Hex: return QStringLiteral("C");
    }
    return QString();
}

std::optional<ColorFormat> formatFromLetter(const QString &letter)
{
    for (ColorFormat format : {ColorFormat::Rgb, ColorFormat::Decimal, ColorFormat::Hex}) {
        if (letter == formatLetter(format))
            return format;
    }
    return std::nullopt;
}

QString formatName(ColorFormat format)
{
    switch (format) {
    case ColorFormat::Rgb: return QStringLiteral("RGB");
    case ColorFormat::Decimal: return QStringLiteral("Decimal");
    case ColorFormat::Hex: return QStringLiteral("HEX");
    }
    return QString();
}

static QString hexPair(int channel)
{
    return QStringLiteral("%1").arg(channel, 2, 16, QLatin1Char('0')).toUpper();
}

QString colorText(ColorFormat format, const QString &red, const QString &green, const QString &blue)
{
    switch (format) {
    case ColorFormat::Rgb:
        return QStringLiteral("RGB(") + red + QLatin1Char(',') + green + QLatin1Char(',') + blue + QLatin1Char(')');
    case ColorFormat::Decimal:
        return QString::number(colorNumber(channelValue(red), channelValue(green), channelValue(blue)));
    case ColorFormat::Hex:
        return QStringLiteral("&H00") + hexPair(channelValue(blue)) + hexPair(channelValue(green))
               + hexPair(channelValue(red)) + QLatin1Char('&');
    }
    return QString();
}

static int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    return 0;
}

void ConVert(QString &digits)
{
    if (digits.isEmpty()) {
        digits = QStringLiteral("0");
        return;
    }
    digits = QString::number(hexDigitValue(digits.front()) * 16 + hexDigitValue(digits.back()));
}

ChannelDigits channelDigits(quint32 color)
{
    // A color from the dialog has no top byte; six digits read blue, green, red.
    const QString six = QStringLiteral("%1").arg(color & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
    return {six.mid(4, 2), six.mid(2, 2), six.mid(0, 2)};
}

std::optional<int> stepSizeOf(const QString &stored)
{
    const std::optional<double> number = wholeTextNumber(stored);
    if (!number || *number != std::floor(*number) || *number < 1 || *number > 10)
        return std::nullopt;
    return int(*number);
}

} // namespace pelk

// The color finder's arithmetic: channel values read from the value boxes,
// the composed color, the three clipboard formats, the palette's split of a
// color into hexadecimal digit pairs, and the remembered step size.
#pragma once

#include <QString>

#include <optional>

namespace pelk {

// A value box read as the preview reads it: the leading number, rounded
// half to even, a negative number as 0 and anything above 255 as 255.
int channelValue(const QString &boxText);

// red + 256 * green + 65536 * blue: red in the lowest byte, the top byte 0.
quint32 colorNumber(int red, int green, int blue);

enum class ColorFormat { Rgb, Decimal, Hex };

// The letter a format is stored under ("A", "B", "C") and back; the letters
// are compared exactly, so "a" is no format at all.
QString formatLetter(ColorFormat format);
std::optional<ColorFormat> formatFromLetter(const QString &letter);

// The format's name in the copy confirmation: "RGB", "Decimal", "HEX".
QString formatName(ColorFormat format);

// The clipboard text of one format. RGB keeps the box texts as they stand;
// Decimal and Hex write the color the preview shows.
QString colorText(ColorFormat format, const QString &red, const QString &green, const QString &blue);

// Two hexadecimal digits to their number: the first character is the high
// digit, the last the low one; "A" to "F" (uppercase only) and "0" to "9"
// count, any other character as 0. The text is replaced by the decimal
// number, e.g. "C0" becomes "192".
void ConVert(QString &digits);

// A color number split into its two-digit uppercase hexadecimal pairs, as
// the palette transfers it.
struct ChannelDigits {
    QString red, green, blue;
};
ChannelDigits channelDigits(quint32 color);

// A remembered step size: a whole number from 1 to 10, or nullopt for
// anything else.
std::optional<int> stepSizeOf(const QString &stored);

} // namespace pelk

// Two ways of reading a number out of a text typed into a box.
#pragma once

#include <QString>

#include <optional>

namespace pelk {

// The leading-number reading: blanks, tabs and line feeds anywhere are
// ignored, the longest leading number is taken (sign, digits, a decimal
// point, an exponent with E or D; "&H" hexadecimal and "&O" octal digits),
// and a text with no leading number counts as 0. A number too large for a
// double reads as plus or minus infinity.
double leadingNumber(const QString &text);

// The strict reading: the whole text, surrounding blanks aside, must be one
// number in the same notation; anything else gives nullopt.
std::optional<double> wholeTextNumber(const QString &text);

} // namespace pelk

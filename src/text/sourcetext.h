// Texts as the generated code lines write them.
#pragma once

#include <QString>
#include <QStringList>

namespace pelk {

// The longest message the wizards' Test and Copy accept, line breaks counted
// as typed.
constexpr qsizetype kMaxMessageLength = 840;

// The lines of a message: split at line feeds, carriage returns dropped.
// Every line is kept; an empty message, or one ending in a line break,
// gives an empty last line.
QStringList messageLines(const QString &message);

// The text as a string literal: in double quotes, each quote inside
// doubled, each line break (CR LF, CR, LF) as vbCrLf, vbCr or vbLf joined
// between literals, so the code stays one line and gives back the text.
QString stringLiteral(const QString &text);

// A message as the code writes it: the literals of its lines joined by vbcr.
QString messageLiteral(const QString &message);

} // namespace pelk

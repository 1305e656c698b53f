// The input box wizard's code line: an InputBox call built from a title, a
// message and a default answer, and the texts that go with it.
#pragma once

#include <QString>
#include <QStringList>

namespace pelk::inputbox {

// The longest message Test and Copy accept, line breaks counted as typed.
constexpr qsizetype kMaxMessageLength = 840;

bool messageTooLong(const QString &message);

// The lines of a message: a line feed ends a line, a carriage return is
// dropped. An empty message, or one ending in a line break, gives an empty
// last line.
QStringList promptLines(const QString &message);

// Text as it stands between the double quotes of a string literal: every
// double quote doubled, so the literal gives back the text.
QString literalText(const QString &text);

// The end of the call, from the closing quote of the message on: the title
// (App.Title when the title is empty) and the default answer.
QString inputTail(const QString &title, const QString &defaultAnswer);

// The whole code line: the message's lines joined by vbcr, then `tail`.
QString inputCode(const QString &message, const QString &tail);

// What Copy puts on the clipboard: the code line, a lone CR, the comment.
QString clipboardText(const QString &code, const QString &comment);

// The title Test shows: the title, or "Your Project" when it is empty.
QString testTitle(const QString &title);

// The boxes that refuse an over-long message: Test names the length to
// delete down from; Copy does not.
QString testRefusal(qsizetype messageLength);
QString copyRefusal();

} // namespace pelk::inputbox

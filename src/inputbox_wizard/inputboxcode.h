// The input box wizard's code line: an InputBox call built from a title, a
// message and a default answer, and the texts that go with it.
#pragma once

#include <QString>
#include <QStringList>

namespace pelk::inputbox {

// Whether Test and Copy refuse the message: longer than kMaxMessageLength.
bool messageTooLong(const QString &message);

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

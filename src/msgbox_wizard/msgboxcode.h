// The message box wizard's pure core: the option names, the MsgBox code
// line that Test builds, what Copy appends to it, and the texts around them.
#pragma once

#include <QString>
#include <QStringList>

namespace pelk::msgbox_code {

// Whether Test and Copy refuse the message: longer than kMaxMessageLength.
bool isTooLong(const QString &message);

// The constant name of a button set (0 to 5), "vbOKOnly" to "vbRetryCancel".
QString buttonSetName(int buttonSet);
// The constant name of a default button position (0 first to 3 fourth).
QString defaultButtonName(int position);
// The comment naming a button set's possible results; none for OK only.
QString responseComment(int buttonSet);

// The MsgBox line as Test builds it: the message lines joined by vbcr, the
// buttons argument (a number or the names joined by " + "), then the title
// when there is one. Sets other than OK assign the result and open a
// parenthesis that Copy closes.
QString msgBoxCode(const QString &message, const QString &buttonsArgument, const QString &title, int buttonSet);

// The help context number a text holds, written as a plain decimal number:
// the leading number after blanks, as the platform's numeric reading takes
// it ("&H" and "&O" included); 0 when there is none or the text is empty.
QString contextText(const QString &text);

// What Copy appends to the tested code: the help file and context
// arguments (after an empty title argument when the code has no title),
// then for sets other than OK the closing parenthesis and a comment line.
QString copyEnding(bool helpButton, bool codeHasTitle, const QString &contextText, int buttonSet);

} // namespace pelk::msgbox_code

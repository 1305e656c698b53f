#include "inputboxcode.h"

#include "text/sourcetext.h"

namespace pelk::inputbox {

namespace {
const QChar kQuote = QLatin1Char('"');
const QChar kCR = QLatin1Char('\r');
} // namespace

bool messageTooLong(const QString &message)
{
    return message.size() > kMaxMessageLength;
}

QString inputTail(const QString &title, const QString &defaultAnswer)
{
    // Without a title the call passes App.Title, unquoted, so the user's
    // program shows its own title.
    const QString titleArgument = title.isEmpty() ? QStringLiteral("App.Title") : stringLiteral(title);
    return kQuote + QLatin1Char(',') + titleArgument + QLatin1Char(',') + stringLiteral(defaultAnswer) +
           QLatin1Char(')');
}

QString inputCode(const QString &message, const QString &tail)
{
    QString code = QStringLiteral("resInputBox = InputBox (") + messageLiteral(message);
    code.chop(1); // the tail closes the last line's literal
    return code + tail;
}

QString clipboardText(const QString &code, const QString &comment)
{
    return code + kCR + comment;
}

QString testTitle(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Your Project") : title;
}

QString testRefusal(qsizetype messageLength)
{
    return QStringLiteral("You Have Excided the maximum number of charters alowed") + kCR +
           QStringLiteral("they are 14 lines of 58 charters of aproximently 840 charters.") + kCR +
           QStringLiteral("Delete ") + QString::number(messageLength);
}

QString copyRefusal()
{
    return QStringLiteral("You have Exceeded the maximum number of charters allowed") + kCR +
           QStringLiteral("they are 14 lines of 58 charters of approximately 840 charters.");
}

} // namespace pelk::inputbox

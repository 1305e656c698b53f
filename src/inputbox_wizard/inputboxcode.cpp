#include "inputboxcode.h"

namespace pelk::inputbox {

namespace {
const QChar kQuote = QLatin1Char('"');
const QChar kCR = QLatin1Char('\r');
const QChar kLF = QLatin1Char('\n');
} // namespace

bool messageTooLong(const QString &message)
{
    return message.size() > kMaxMessageLength;
}

QStringList promptLines(const QString &message)
{
    QStringList lines(1);
    for (const QChar c : message) {
        if (c == kLF)
            lines.append(QString());
        else if (c != kCR)
            lines.last().append(c);
    }
    return lines;
}

QString literalText(const QString &text)
{
    QString doubled = text;
    doubled.replace(kQuote, QStringLiteral("\"\""));
    return doubled;
}

QString inputTail(const QString &title, const QString &defaultAnswer)
{
    // Without a title the call passes App.Title, unquoted, so the user's
    // program shows its own title.
    const QString titleArgument =
        title.isEmpty() ? QStringLiteral("App.Title") : kQuote + literalText(title) + kQuote;
    return kQuote + QLatin1Char(',') + titleArgument + QLatin1Char(',') + kQuote + literalText(defaultAnswer) +
           QStringLiteral("\")");
}

QString inputCode(const QString &message, const QString &tail)
{
    QStringList lines = promptLines(message);
    for (QString &line : lines)
        line = literalText(line);
    return QStringLiteral("resInputBox = InputBox (\"") + lines.join(QStringLiteral("\" & vbcr & \"")) + tail;
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

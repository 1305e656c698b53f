#include "sourcetext.h"

namespace pelk {

QStringList messageLines(const QString &message)
{
    QString text = message;
    text.remove(QLatin1Char('\r'));
    return text.split(QLatin1Char('\n'));
}

QString stringLiteral(const QString &text)
{
    QString out = QStringLiteral("\"");
    out.reserve(text.size() + 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"')) {
            out += QLatin1String("\"\"");
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // A literal cannot span lines: the break is its constant between
            // two literals, so the code stays one line.
            const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
            out += crlf ? QLatin1String("\" & vbCrLf & \"")
                        : c == QLatin1Char('\r') ? QLatin1String("\" & vbCr & \"") : QLatin1String("\" & vbLf & \"");
            i += crlf ? 1 : 0;
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString messageLiteral(const QString &message)
{
    QStringList literals;
    for (const QString &line : messageLines(message))
        literals.append(stringLiteral(line));
    return literals.join(QStringLiteral(" & vbcr & "));
}

} // namespace pelk

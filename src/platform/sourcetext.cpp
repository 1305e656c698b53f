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
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

} // namespace pelk

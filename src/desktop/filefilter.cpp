#include "filefilter.h"

namespace pelk {

namespace {

// "*.txt" to "*.[tT][xX][tT]"; a pattern that already holds a bracket
// expression is left as it is.
QString caseBlindPattern(const QString &pattern)
{
    if (pattern == QLatin1String("*.*"))
        return QStringLiteral("*");
    if (pattern.contains(QLatin1Char('[')))
        return pattern;
    QString blind;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            blind += QLatin1Char('[');
            blind += c.toLower();
            blind += c.toUpper();
            blind += QLatin1Char(']');
        } else {
            blind += c;
        }
    }
    return blind;
}

} // namespace

QStringList qtNameFilters(const QString &filter)
{
    QStringList filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (!trimmed.isEmpty())
                patterns.append(caseBlindPattern(trimmed));
        }
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        if (description.isEmpty())
            description = parts[i + 1].trimmed().isEmpty() ? QStringLiteral("*") : parts[i + 1].trimmed();
        filters.append(description + QLatin1String(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

ProposedFile splitProposedFile(const QString &fileName)
{
    const qsizetype cut = qMax(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    if (cut < 0)
        return {QString(), fileName};
    QString folder = fileName.left(cut);
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (folder.isEmpty())
        folder = QStringLiteral("/");
    return {folder, fileName.mid(cut + 1)};
}

} // namespace pelk

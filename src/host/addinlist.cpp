#include "addinlist.h"

#include "storage/filereading.h"
#include "storage/inifile.h"

namespace pelk::host {

QList<QPair<QString, QString>> iniSection(const QByteArray &ini, const QString &section)
{
    QList<QPair<QString, QString>> entries;
    bool inSection = false;
    // A file saved with a byte order mark; a mark further on is text.
    const QByteArray text = ini.startsWith("\xEF\xBB\xBF") ? ini.sliced(3) : ini;
    for (const QByteArray &raw : text.split('\n')) {
        const ini::Line line = ini::parseLine(raw, ini::OrderMark::Text);
        // Names are compared as the local encoding reads them, so blanks
        // beyond ASCII are trimmed too.
        const QString name = QString::fromLocal8Bit(line.name).trimmed();
        if (line.kind == ini::Line::Section)
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
        if (line.kind != ini::Line::Entry || !inSection || name.isEmpty())
            continue;
        QByteArrayView value = line.value;
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.sliced(1, value.size() - 2);
        const bool known = std::any_of(entries.cbegin(), entries.cend(), [&](const auto &entry) {
            return entry.first.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (!known)
            entries.append({name, QString::fromLocal8Bit(value)});
    }
    return entries;
}

QStringList addInProgIds(const QByteArray &addInList)
{
    QStringList ids;
    for (const auto &[key, value] : iniSection(addInList, QStringLiteral("Add-Ins32")))
        ids.append(key);
    return ids;
}

std::optional<ClassRecord> findClass(const QByteArray &registry, const QString &progId)
{
    ClassRecord record;
    record.progId = progId;
    for (const auto &[key, value] : iniSection(registry, progId)) {
        if (key.compare(QLatin1String("Description"), Qt::CaseInsensitive) == 0)
            record.description = value;
        else if (key.compare(QLatin1String("Module"), Qt::CaseInsensitive) == 0)
            record.modulePath = value;
    }
    if (record.modulePath.isEmpty())
        return std::nullopt;
    return record;
}

QByteArray readFileBytes(const QString &path)
{
    return files::readRegularFile(path, files::kMaxFileBytes).bytes;
}

} // namespace pelk::host

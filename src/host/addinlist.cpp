#include "addinlist.h"

#include "storage/filereading.h"
#include "storage/inifile.h"

namespace pelk::host {

QList<QPair<QString, QString>> iniSection(const QByteArray &ini, const QString &section)
{
    QList<QPair<QString, QString>> entries;
    bool inSection = false;
    // A file saved with a byte order mark.
    const QByteArray text = ini.startsWith("\xEF\xBB\xBF") ? ini.sliced(3) : ini;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed(); // also drops the CR of CR LF
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            if (close < 0)
                continue;
            const QString name = QString::fromLocal8Bit(line.mid(1, close - 1)).trimmed();
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inSection || equals <= 0)
            continue;
        const QString key = QString::fromLocal8Bit(line.left(equals)).trimmed();
        QByteArray raw = line.mid(equals + 1).trimmed();
        if (raw.size() >= 2 && raw.startsWith('"') && raw.endsWith('"'))
            raw = raw.mid(1, raw.size() - 2);
        const bool known = std::any_of(entries.cbegin(), entries.cend(), [&](const auto &entry) {
            return entry.first.compare(key, Qt::CaseInsensitive) == 0;
        });
        if (!key.isEmpty() && !known)
            entries.append({key, QString::fromLocal8Bit(raw)});
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

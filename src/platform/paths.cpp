#include "paths.h"

#include <QDir>
#include <QStandardPaths>

namespace pelk::paths {

QString userFolder()
{
    const QString home = qEnvironmentVariable("PELKTULVANE_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/pelktulvane"));
}

QString systemFolder()
{
    return userFolder();
}

QString classRegistryFile()
{
    return userFolder() + QStringLiteral("/classes.ini");
}

QString settingsFile(const QString &appName)
{
    // The name keeps its blanks ("Pelk Tulvane.ini"); a separator in it
    // cannot reach another folder.
    QString safe = appName;
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("_");
    return userFolder() + QStringLiteral("/settings/") + safe + QStringLiteral(".ini");
}

QString resolveProfileFile(const QString &fileName)
{
    if (fileName.contains(QLatin1Char('/')))
        return fileName;
    return systemFolder() + QLatin1Char('/') + fileName;
}

} // namespace pelk::paths

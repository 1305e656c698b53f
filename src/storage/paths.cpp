#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>
#include <link.h>

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

namespace {

QString besideOrInstalled(const QString &folder, const char *installedRelative, const QString &name)
{
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    return QDir::cleanPath(dir.filePath(QLatin1String(installedRelative) + QLatin1Char('/') + name));
}

} // namespace

QString privateLibraryFile(const QString &programFolder, const QString &name)
{
    return besideOrInstalled(programFolder, PELK_PRIVATE_LIB_FROM_BIN, name);
}

QString dataFile(const QString &privateLibraryFolder, const QString &name)
{
    return besideOrInstalled(privateLibraryFolder, PELK_DATA_FROM_PRIVATE_LIB, name);
}

QString codeFolder()
{
    Dl_info info{};
    link_map *map = nullptr;
    // The executable's own entry has an empty name; a module's is the path
    // it was loaded from.
    if (dladdr1(reinterpret_cast<void *>(&codeFolder), &info, reinterpret_cast<void **>(&map), RTLD_DL_LINKMAP)
        && map && map->l_name && map->l_name[0] != '\0')
        return QFileInfo(QFile::decodeName(map->l_name)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

} // namespace pelk::paths

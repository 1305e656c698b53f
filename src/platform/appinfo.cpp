#include "appinfo.h"

#include <QDir>

namespace pelk {

QString AppInfo::helpFilePath() const
{
    return Path + QLatin1Char('/') + HelpFile;
}

AppInfo AppInfo::forProgramIn(const QString &programFolder)
{
    AppInfo app;
    app.Title = QStringLiteral("Pelk Tulvane");
    app.Path = QDir::cleanPath(programFolder);
    app.HelpFile = QStringLiteral("PelkTulvane.hlp");
    app.Major = PELK_VERSION_MAJOR;
    app.Minor = PELK_VERSION_MINOR;
    app.Revision = PELK_VERSION_PATCH;
    return app;
}

} // namespace pelk

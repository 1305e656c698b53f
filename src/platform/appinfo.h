// Read-only facts of the running application.
#pragma once

#include <QString>

namespace pelk {

struct AppInfo {
    QString Title;    // "Pelk Tulvane": also the application name of every setting
    QString Path;     // the program's folder, without a trailing separator
    QString HelpFile; // "PelkTulvane.hlp"
    int Major = 1;
    int Minor = 0;
    int Revision = 0;

    // Path + separator + HelpFile: the path the help commands open.
    QString helpFilePath() const;

    // The application's facts for a program in `programFolder`.
    static AppInfo forProgramIn(const QString &programFolder);
};

} // namespace pelk

// The host's command line.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pelk::host {

struct HostOptions {
    QStringList connectExternal;    // --connect-external PROGID: connection mode 2
    QStringList connectCommandLine; // --connect-commandline PROGID: connection mode 3
    QStringList loadAtStartup;      // --load-at-startup PROGID: marks it to load at every start
    bool noAddInsBar = false;       // --no-addins-bar: the host offers no "Add-Ins" command bar
    QString screenshotDir;          // --screenshot-dir DIR: pictures of the host and each tool, then quit
    bool bench = false;             // --bench: print start-up and click-to-paint times, then quit
    bool help = false;              // --help
};

// The options of `arguments` (the program name first), or nullopt with
// `error` set for an unknown option or a missing value.
std::optional<HostOptions> parseHostOptions(const QStringList &arguments, QString *error);

// The text --help prints.
QString hostOptionsHelp();

} // namespace pelk::host

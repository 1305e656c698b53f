// The host's command line.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <variant>

namespace pelk::host {

struct HostOptions {
    QStringList connectExternal;    // --connect-external PROGID: connection mode 2
    QStringList connectCommandLine; // --connect-commandline PROGID: connection mode 3
    QStringList loadAtStartup;      // --load-at-startup PROGID: marks it to load at every start
    bool noAddInsBar = false;       // --no-addins-bar: the host offers no "Add-Ins" command bar
    QString screenshotDir;          // --screenshot-dir DIR: pictures of the host and each tool, then quit
    bool bench = false;             // --bench: print start-up and click-to-paint times, then quit
};

// Reads the host's command line, the program name first, before any
// application object exists. Qt's own options (-platform, -style, ...) are
// passed over: QApplication takes them. Returns the options, or the exit
// code to end with at once after --help or --version (printed on `out`) or a
// wrong command line (a usage line on `err`).
std::variant<HostOptions, int> readHostCommandLine(const QStringList &arguments, QTextStream &out,
                                                   QTextStream &err);

// The same, quietly: nullopt with `error` set when the command line is wrong
// or asks for help or the version.
std::optional<HostOptions> parseHostOptions(const QStringList &arguments, QString *error);

} // namespace pelk::host

#include "hostoptions.h"

#include <QCommandLineParser>

namespace pelk::host {

namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption external{QStringLiteral("connect-external"),
                                QStringLiteral("Connects the add-in as started from outside the add-in list."),
                                QStringLiteral("progid")};
    QCommandLineOption commandLine{QStringLiteral("connect-commandline"),
                                   QStringLiteral("Connects the add-in as started from the host's command line."),
                                   QStringLiteral("progid")};
    QCommandLineOption startup{QStringLiteral("load-at-startup"),
                               QStringLiteral("Marks the add-in to load whenever the host starts, this start included."),
                               QStringLiteral("progid")};
    QCommandLineOption noBar{QStringLiteral("no-addins-bar"),
                             QStringLiteral("Starts without an \"Add-Ins\" command bar.")};
    QCommandLineOption screenshots{QStringLiteral("screenshot-dir"),
                                   QStringLiteral("Saves pictures of the host and of each tool the add-in's "
                                                  "entries open into the folder, then quits."),
                                   QStringLiteral("dir")};
    QCommandLineOption help{QStringLiteral("help")};
    QCommandLineOption bench{QStringLiteral("bench"),
                             QStringLiteral("Prints start-up and click-to-paint times, then quits.")};

    Parser()
    {
        parser.setApplicationDescription(QStringLiteral("Pelk Host: a small IDE that loads add-ins."));
        help = parser.addHelpOption();
        parser.addOptions({external, commandLine, startup, noBar, screenshots, bench});
    }
};

} // namespace

std::optional<HostOptions> parseHostOptions(const QStringList &arguments, QString *error)
{
    Parser p;
    if (!p.parser.parse(arguments)) {
        if (error)
            *error = p.parser.errorText();
        return std::nullopt;
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        if (error)
            *error = QStringLiteral("Unexpected argument \"%1\".").arg(p.parser.positionalArguments().constFirst());
        return std::nullopt;
    }
    HostOptions options;
    options.connectExternal = p.parser.values(p.external);
    options.connectCommandLine = p.parser.values(p.commandLine);
    options.loadAtStartup = p.parser.values(p.startup);
    options.noAddInsBar = p.parser.isSet(p.noBar);
    options.screenshotDir = p.parser.value(p.screenshots);
    options.bench = p.parser.isSet(p.bench);
    options.help = p.parser.isSet(p.help);
    return options;
}

QString hostOptionsHelp()
{
    Parser p;
    return p.parser.helpText();
}

} // namespace pelk::host

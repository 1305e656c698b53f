#include "hostoptions.h"

#include "platform/commandline.h"

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
    QCommandLineOption bench{QStringLiteral("bench"),
                             QStringLiteral("Prints start-up and click-to-paint times, then quits.")};

    Parser()
    {
        parser.setApplicationDescription(QStringLiteral(
            "Pelk Host: a small IDE that loads add-ins. Its Add-Ins menu opens the add-in manager and\n"
            "the tools of the loaded add-ins. Qt's own options (-platform, -style, ...) are taken too."));
        parser.addOptions({external, commandLine, startup, noBar, screenshots, bench});
    }

    HostOptions options() const
    {
        HostOptions options;
        options.connectExternal = parser.values(external);
        options.connectCommandLine = parser.values(commandLine);
        options.loadAtStartup = parser.values(startup);
        options.noAddInsBar = parser.isSet(noBar);
        options.screenshotDir = parser.value(screenshots);
        options.bench = parser.isSet(bench);
        return options;
    }
};

// The options QGuiApplication and QApplication read from the command line,
// as their documentation lists them, with one or two dashes.
bool isQtOption(const QString &argument, bool *takesValue)
{
    static const QStringList withValue{
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "session", "display", "geometry", "title", "icon", "name", "visual", "style",
        "stylesheet", "qmljsdebugger"};
    static const QStringList flags{"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"};
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("--"))
        return false;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    if (equals >= 0)
        name.truncate(equals);
    if (withValue.contains(name)) {
        *takesValue = equals < 0;
        return true;
    }
    *takesValue = false;
    return equals < 0 && flags.contains(name);
}

QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--")) {
            kept += arguments.mid(i);
            break;
        }
        bool takesValue = false;
        if (i > 0 && isQtOption(arguments.at(i), &takesValue)) {
            if (takesValue)
                ++i;
            continue;
        }
        kept.append(arguments.at(i));
    }
    return kept;
}

} // namespace

std::variant<HostOptions, int> readHostCommandLine(const QStringList &arguments, QTextStream &out,
                                                   QTextStream &err)
{
    Parser p;
    if (const std::optional<int> exitCode = commandline::answerStandardOptions(
            p.parser, withoutQtOptions(arguments), QStringLiteral("pelkhost"), out, err))
        return *exitCode;
    return p.options();
}

std::optional<HostOptions> parseHostOptions(const QStringList &arguments, QString *error)
{
    QString printed;
    QTextStream out(&printed);
    QTextStream err(&printed);
    const std::variant<HostOptions, int> read = readHostCommandLine(arguments, out, err);
    if (const HostOptions *options = std::get_if<HostOptions>(&read))
        return *options;
    if (error)
        *error = printed;
    return std::nullopt;
}

} // namespace pelk::host

#include "commandline.h"

namespace pelk::commandline {

std::optional<int> answerStandardOptions(QCommandLineParser &parser, const QStringList &arguments,
                                         const QString &program, QTextStream &out, QTextStream &err,
                                         bool positionalAllowed)
{
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (!positionalAllowed && !parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        err << program << ": " << error << '\n'
            << "Usage: " << program << " [options]\n"
            << "Try '" << program << " --help' for more information.\n";
        err.flush();
        return kUsageError;
    }
    // --help-all comes with --help; the description names Qt's own options.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The parser names the program as it was called, or not at all
        // before an application object exists.
        QString text = parser.helpText();
        text.replace(0, text.indexOf(QLatin1Char('\n')), QStringLiteral("Usage: %1 [options]").arg(program));
        out << text;
        out.flush();
        return 0;
    }
    if (parser.isSet(version)) {
        out << program << ' ' << PELK_VERSION << '\n';
        out.flush();
        return 0;
    }
    return std::nullopt;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace pelk::commandline

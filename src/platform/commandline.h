// What every program does with its command line before it starts: --help
// and --version are answered, and a wrong command line gets a short usage
// line, all without a display.
#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace pelk::commandline {

// Exit code of a wrong command line.
inline constexpr int kUsageError = 2;

// Adds --help and --version to `parser` (which holds the program's own
// options) and parses `arguments` (the program name first). Returns the exit
// code to end with at once: 0 after printing the help text or
// "<program> <version>" on `out`, kUsageError after printing what was wrong
// and a usage line on `err`; nullopt when the program goes on. Positional
// arguments are wrong unless `positionalAllowed`.
std::optional<int> answerStandardOptions(QCommandLineParser &parser, const QStringList &arguments,
                                         const QString &program, QTextStream &out, QTextStream &err,
                                         bool positionalAllowed = false);

// argv as Qt reads it, before any application object exists.
QStringList argumentsOf(int argc, char **argv);

} // namespace pelk::commandline

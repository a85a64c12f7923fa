#pragma once

// The command line of a windowed application: --help, --version and the
// application's own options, read with QCommandLineParser, beside Qt's
// standard options (-platform, -style, -reverse, -session...), which are
// accepted here and left in the arguments for Qt to act on.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <any>
#include <functional>
#include <memory>

namespace runtime::host {

// What the application makes of its own options and argument.
struct CheckedArguments {
    QString refusal;  // why they are refused; empty: accepted
    std::any request; // when accepted, what they ask for, in the application's own type
};

// What a command line describes, and what to do with it.
struct CommandLineSyntax {
    QString executableName; // as the user types it, e.g. "lavoro1"
    QString versionLine;    // what --version prints, e.g. "Lavoro1 1.00"
    QString summary;        // one line under the usage line of --help
    // The application's own options besides --help and --version.
    QList<QCommandLineOption> options;
    // A positional argument the application accepts ("PASSI"), with its
    // description (lines split with \n); empty: none is accepted.
    QString positionalName;
    QString positionalDescription;
    // Checks the application's own options and argument once parsed, and
    // reads them, so that each is read once. None: all accepted, and nothing
    // asked for beyond the parsed arguments.
    std::function<CheckedArguments(const QCommandLineParser&)> checkArguments = {};
};

struct CommandLine {
    enum class Action {
        Run,         // start the application
        ShowHelp,    // print text on standard output and end with status 0
        ShowVersion, // likewise
        Refuse,      // print text, one line, on standard error and end with status 2
    };
    Action action = Action::Run;
    QString text;
    // The values of Qt's -platform and -display options, empty when absent:
    // they decide whether a window can be opened before Qt tries to.
    QString platform;
    QString x11Display;
    // The parsed arguments, for the application's own options.
    std::shared_ptr<const QCommandLineParser> parser;
    // What checkArguments read from them (CheckedArguments::request).
    std::any request;
};

// argv as main has it, the program's name first.
QStringList argumentList(int argc, char** argv);

// arguments with the program name first, as in argv.
CommandLine readCommandLine(const CommandLineSyntax& syntax, const QStringList& arguments);

// The help text: usage, summary, every option with its description, and a
// word on Qt's options, in the user's language (translatedText).
QString helpText(const CommandLineSyntax& syntax);

} // namespace runtime::host

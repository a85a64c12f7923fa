#include "runtime/host/command_line.hpp"

#include "runtime/host/translation.hpp"
#include "runtime/printable.hpp"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace runtime::host {
namespace {

// Qt's standard options for Gui and Widgets applications, with or without a
// value. Qt reads them from argv when the application object is made.
struct QtOption {
    const char* name;
    bool takesValue;
};

constexpr std::array qtOptions = {
    QtOption{"platform", true},      QtOption{"platformpluginpath", true},
    QtOption{"platformtheme", true}, QtOption{"plugin", true},
    QtOption{"qmljsdebugger", true}, QtOption{"qwindowgeometry", true},
    QtOption{"qwindowicon", true},   QtOption{"qwindowtitle", true},
    QtOption{"session", true},       QtOption{"display", true},
    QtOption{"geometry", true},      QtOption{"style", true},
    QtOption{"stylesheet", true},    QtOption{"reverse", false},
    QtOption{"widgetcount", false},  QtOption{"nograb", false},
    QtOption{"dograb", false},       QtOption{"sync", false},
};

// Made when asked for, once the user's language is known.
QCommandLineOption helpOption() {
    return {{QStringLiteral("h"), QStringLiteral("help")},
            translatedText("runtime::host::CommandLine", "Mostra questo aiuto ed esce.")};
}

QCommandLineOption versionOption() {
    return {{QStringLiteral("v"), QStringLiteral("version")},
            translatedText("runtime::host::CommandLine", "Mostra la versione ed esce.")};
}

QCommandLineOption qtOption(const QtOption& option) {
    QCommandLineOption made(QString::fromLatin1(option.name));
    if (option.takesValue) {
        made.setValueName(QStringLiteral("valore"));
    }
    made.setFlags(QCommandLineOption::HiddenFromHelp);
    return made;
}

// The option a parser error names: its messages quote it as 'name'.
QString quotedName(const QString& errorText) {
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    const QRegularExpressionMatch match = quoted.match(errorText);
    return match.hasMatch() ? match.captured(1) : errorText;
}

// reason quotes what the user typed: shown on one line whatever it holds. A
// reason that is a sentence of its own keeps its closing mark.
QString refusal(const CommandLineSyntax& syntax, const QString& reason) {
    const bool closed = reason.endsWith(QLatin1Char('.')) || reason.endsWith(QLatin1Char('!')) ||
                        reason.endsWith(QLatin1Char('?'));
    return translatedText("runtime::host::CommandLine", "%1: %2%3 Vedere '%1 --help'.")
        .arg(syntax.executableName,
             QString::fromStdString(runtime::printable(reason.toStdString())),
             closed ? QString() : QStringLiteral("."));
}

// "-1" and "-.5" are numbers, never options, as archimede reads them.
bool looksLikeNumber(const QString& argument) {
    return argument.size() >= 2 && argument.front() == QLatin1Char('-') &&
           (argument.at(1).isDigit() || argument.at(1) == QLatin1Char('.'));
}

// arguments with the positional ones moved, in their order, after a "--",
// when one of them is a number that QCommandLineParser would take for an
// option. An option's value given as the next argument stays with it.
QStringList withNumbersAsArguments(const QStringList& arguments,
                                   const QList<QCommandLineOption>& options) {
    QStringList valued;
    for (const QCommandLineOption& option : options) {
        if (!option.valueName().isEmpty()) {
            valued += option.names();
        }
    }
    QStringList kept;
    QStringList positional;
    bool numbers = false;
    qsizetype index = 0;
    for (; index < arguments.size(); ++index) {
        const QString& argument = arguments.at(index);
        if (index == 0) {
            kept << argument;
        } else if (argument == QLatin1String("--")) {
            break;
        } else if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            positional << argument;
        } else if (looksLikeNumber(argument)) {
            positional << argument;
            numbers = true;
        } else {
            kept << argument;
            const QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            if (valued.contains(name) && index + 1 < arguments.size()) {
                kept << arguments.at(++index);
            }
        }
    }
    if (!numbers) {
        return arguments;
    }
    return kept + QStringList{QStringLiteral("--")} + positional + arguments.mid(index + 1);
}

QString refusalOf(const CommandLineSyntax& syntax, const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        return refusal(
            syntax, translatedText("runtime::host::CommandLine", "opzione sconosciuta '%1%2'")
                        .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
    }
    const QString error = parser.errorText();
    if (error.startsWith(QLatin1String("Missing value"))) {
        return refusal(syntax,
                       translatedText("runtime::host::CommandLine", "manca il valore dopo '%1'")
                           .arg(quotedName(error)));
    }
    if (error.startsWith(QLatin1String("Unexpected value"))) {
        return refusal(syntax, translatedText("runtime::host::CommandLine",
                                              "l'opzione '%1' non accetta un valore")
                                   .arg(quotedName(error)));
    }
    return refusal(syntax, error);
}

QString optionNames(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names()) {
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    QString joined = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) {
        joined += QLatin1Char(' ') + option.valueName();
    }
    return joined;
}

} // namespace

QString helpText(const CommandLineSyntax& syntax) {
    QList<QCommandLineOption> listed = {helpOption(), versionOption()};
    listed += syntax.options;

    QString usage = translatedText("runtime::host::CommandLine", "Uso: %1 [opzioni]")
                        .arg(syntax.executableName);
    if (!syntax.positionalName.isEmpty()) {
        usage += QStringLiteral(" [%1]").arg(syntax.positionalName);
    }
    QString text = usage + QLatin1Char('\n') + syntax.summary + QStringLiteral("\n\n") +
                   translatedText("runtime::host::CommandLine", "Opzioni:") + QLatin1Char('\n');

    qsizetype width = syntax.positionalName.size();
    for (const QCommandLineOption& option : listed) {
        width = std::max(width, optionNames(option).size());
    }
    // A description's later lines start under its first.
    const auto row = [&](const QString& names, QString description) {
        description.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(width + 4, u' '));
        return QStringLiteral("  %1  %2\n").arg(names.leftJustified(width), description);
    };
    for (const QCommandLineOption& option : listed) {
        text += row(optionNames(option), option.description());
    }
    if (!syntax.positionalName.isEmpty()) {
        text += QLatin1Char('\n') + translatedText("runtime::host::CommandLine", "Argomenti:") +
                QLatin1Char('\n') + row(syntax.positionalName, syntax.positionalDescription);
    }
    text += QLatin1Char('\n') +
            translatedText("runtime::host::CommandLine",
                           "Sono accettate anche le opzioni standard di Qt, tra cui "
                           "-platform NOME,\n-style NOME, -reverse e -session ID.\n");
    return text;
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

CommandLine readCommandLine(const CommandLineSyntax& syntax, const QStringList& arguments) {
    auto parser = std::make_shared<QCommandLineParser>();
    // Qt's options are written with one dash, "-platform xcb": every option
    // is read as a long one, so "-h" and "--help" are the same.
    parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = helpOption();
    const QCommandLineOption version = versionOption();
    parser->addOption(help);
    parser->addOption(version);
    QList<QCommandLineOption> options = syntax.options;
    for (const QtOption& option : qtOptions) {
        options << qtOption(option);
    }
    parser->addOptions(options);
    if (!syntax.positionalName.isEmpty()) {
        parser->addPositionalArgument(syntax.positionalName, syntax.positionalDescription,
                                      QStringLiteral("[%1]").arg(syntax.positionalName));
    }

    CommandLine commandLine;
    if (!parser->parse(withNumbersAsArguments(arguments, options))) {
        commandLine.action = CommandLine::Action::Refuse;
        commandLine.text = refusalOf(syntax, *parser);
        return commandLine;
    }
    if (parser->isSet(help)) {
        commandLine.action = CommandLine::Action::ShowHelp;
        commandLine.text = helpText(syntax);
        return commandLine;
    }
    if (parser->isSet(version)) {
        commandLine.action = CommandLine::Action::ShowVersion;
        commandLine.text = syntax.versionLine + QLatin1Char('\n');
        return commandLine;
    }
    const QStringList positional = parser->positionalArguments();
    const qsizetype accepted = syntax.positionalName.isEmpty() ? 0 : 1;
    if (positional.size() > accepted) {
        commandLine.action = CommandLine::Action::Refuse;
        commandLine.text =
            refusal(syntax, translatedText("runtime::host::CommandLine", "argomento inatteso '%1'")
                                .arg(positional.at(accepted)));
        return commandLine;
    }
    if (syntax.checkArguments) {
        CheckedArguments checked = syntax.checkArguments(*parser);
        if (!checked.refusal.isEmpty()) {
            commandLine.action = CommandLine::Action::Refuse;
            commandLine.text = refusal(syntax, checked.refusal);
            return commandLine;
        }
        commandLine.request = std::move(checked.request);
    }
    commandLine.platform = parser->value(QStringLiteral("platform"));
    commandLine.x11Display = parser->value(QStringLiteral("display"));
    commandLine.parser = std::move(parser);
    return commandLine;
}

} // namespace runtime::host

#include "apps/command_line.hpp"

#include "calc/compute_command.hpp"
#include "runtime/errors.hpp"
#include "runtime/host/translation.hpp"

namespace apps {
namespace {

// A literal, not a QString: readers in other files may run before this
// file's statics are made.
constexpr QLatin1String exploreOption("esplora");

// Why PASSI is refused, or an empty string when it names a step.
QString refusalOf(const QString& passi) {
    try {
        const calc::StepCount read = calc::readStepCount(passi.toStdString());
        return QString::fromUtf8(read.warning.data(), static_cast<qsizetype>(read.warning.size()));
    } catch (const runtime::RuntimeError& error) {
        return QString::fromStdString(error.what());
    }
}

QString checkArguments(const QCommandLineParser& arguments) {
    const QStringList positional = arguments.positionalArguments();
    if (positional.isEmpty()) {
        return {};
    }
    if (!arguments.isSet(exploreOption)) {
        return runtime::host::translatedText("apps::CommandLine", "argomento inatteso '%1'")
            .arg(positional.front());
    }
    return refusalOf(positional.front());
}

} // namespace

std::optional<int> requestedStep(const QCommandLineParser& arguments) {
    if (!arguments.isSet(exploreOption)) {
        return std::nullopt;
    }
    const QStringList positional = arguments.positionalArguments();
    if (positional.isEmpty() || !refusalOf(positional.front()).isEmpty()) {
        return calc::defaultExploreStep;
    }
    return calc::readStepCount(positional.front().toStdString()).count;
}

std::optional<int> explicitStep(const QCommandLineParser& arguments) {
    if (arguments.positionalArguments().isEmpty()) {
        return std::nullopt;
    }
    return requestedStep(arguments);
}

runtime::host::CommandLineSyntax withExploreOption(runtime::host::CommandLineSyntax syntax) {
    syntax.options.append(QCommandLineOption(
        exploreOption,
        runtime::host::translatedText("apps::CommandLine",
                                      "Apre Esplora: poligoni, tabella dei passi e convergenza.")));
    syntax.positionalName = runtime::host::translatedText("apps::CommandLine", "PASSI");
    syntax.positionalDescription =
        runtime::host::translatedText("apps::CommandLine",
                                      "Con --esplora, il passo %1 a cui si apre\n"
                                      "(in mancanza, quello a cui Esplora è stata chiusa\n"
                                      "l'ultima volta; la prima volta %2), letto come nella\n"
                                      "finestra: il punto separa i decimali e si arrotonda al\n"
                                      "pari (4.5 vale 4).")
            .arg(QString::fromStdString(calc::stepRangeText()),
                 QString::number(calc::defaultExploreStep));
    syntax.checkArguments = checkArguments;
    return syntax;
}

bool asksForExplore(const runtime::host::CommandLineSyntax& syntax, int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const runtime::host::CommandLine read = runtime::host::readCommandLine(syntax, arguments);
    return read.action == runtime::host::CommandLine::Action::Run && requestedStep(*read.parser);
}

} // namespace apps

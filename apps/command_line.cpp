#include "apps/command_line.hpp"

#include "calc/compute_command.hpp"
#include "runtime/errors.hpp"
#include "runtime/host/translation.hpp"

#include <any>

namespace apps {
namespace {

// A literal, not a QString: readers in other files may run before this
// file's statics are made.
constexpr QLatin1String exploreOption("esplora");

// What an accepted command line with --esplora asks for: Esplora, at the
// step PASSI names when it is given.
struct ExploreRequest {
    std::optional<int> passi;
};

// PASSI read once: the step it names, or why it is refused.
runtime::host::CheckedArguments readPassi(const QString& passi) {
    try {
        const calc::StepCount read = calc::readStepCount(passi.toStdString());
        if (!read.warning.empty()) {
            return {.refusal = QString::fromStdString(read.warning), .request = {}};
        }
        return {.refusal = {}, .request = ExploreRequest{.passi = read.count}};
    } catch (const runtime::RuntimeError& error) {
        return {.refusal = QString::fromStdString(error.what()), .request = {}};
    }
}

runtime::host::CheckedArguments checkArguments(const QCommandLineParser& arguments) {
    const QStringList positional = arguments.positionalArguments();
    if (!arguments.isSet(exploreOption)) {
        if (positional.isEmpty()) {
            return {};
        }
        return {.refusal =
                    runtime::host::translatedText("apps::CommandLine", "argomento inatteso '%1'")
                        .arg(positional.front()),
                .request = {}};
    }
    if (positional.isEmpty()) {
        return {.refusal = {}, .request = ExploreRequest{}};
    }
    return readPassi(positional.front());
}

} // namespace

std::optional<int> requestedStep(const runtime::host::CommandLine& commandLine) {
    const auto* request = std::any_cast<ExploreRequest>(&commandLine.request);
    if (request == nullptr) {
        return std::nullopt;
    }
    return request->passi.value_or(calc::defaultExploreStep);
}

std::optional<int> explicitStep(const runtime::host::CommandLine& commandLine) {
    const auto* request = std::any_cast<ExploreRequest>(&commandLine.request);
    return request == nullptr ? std::nullopt : request->passi;
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

bool asksForExplore(const runtime::host::CommandLine& commandLine) {
    return commandLine.action == runtime::host::CommandLine::Action::Run &&
           requestedStep(commandLine).has_value();
}

} // namespace apps

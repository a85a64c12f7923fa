#include "explore/project.hpp"

#include "explore/explore_window.hpp"
#include "explore/polygon_scene.hpp"

namespace explore {
namespace {

const QString exploreOption = QStringLiteral("esplora");

std::optional<int> stepOf(const QString& text) {
    bool read = false;
    const int step = text.toInt(&read);
    if (!read || step < minimumStep || step > maximumStep) {
        return std::nullopt;
    }
    return step;
}

QString checkArguments(const QCommandLineParser& arguments) {
    const QStringList positional = arguments.positionalArguments();
    if (positional.isEmpty()) {
        return {};
    }
    if (!arguments.isSet(exploreOption)) {
        return QStringLiteral("argomento inatteso '%1'").arg(positional.front());
    }
    if (!stepOf(positional.front())) {
        return QStringLiteral("PASSI vuole un numero intero da 1 a 500, non '%1'")
            .arg(positional.front());
    }
    return {};
}

} // namespace

std::optional<int> requestedStep(const QCommandLineParser& arguments) {
    if (!arguments.isSet(exploreOption)) {
        return std::nullopt;
    }
    const QStringList positional = arguments.positionalArguments();
    return positional.isEmpty() ? defaultStep : stepOf(positional.front()).value_or(defaultStep);
}

runtime::host::ProjectDescription withExplore(runtime::host::ProjectDescription project) {
    project.commandLine.options.append(QCommandLineOption(
        exploreOption, QStringLiteral("Apre Esplora: poligoni, tabella dei passi e convergenza.")));
    project.commandLine.positionalName = QStringLiteral("PASSI");
    project.commandLine.positionalDescription =
        QStringLiteral("Con --esplora, il passo da 1 a 500 a cui si apre (predefinito %1).")
            .arg(defaultStep);
    project.commandLine.checkArguments = checkArguments;
    project.createStartupForm =
        [form = std::move(project.createStartupForm)](
            const QLocale& userLocale,
            const QCommandLineParser& arguments) -> std::unique_ptr<QWidget> {
        if (const std::optional<int> step = requestedStep(arguments)) {
            // Without PASSI, Esplora opens at the step it was closed at.
            const bool passi = !arguments.positionalArguments().isEmpty();
            return std::make_unique<ExploreWindow>(userLocale, passi ? step : std::nullopt);
        }
        return form(userLocale, arguments);
    };
    return project;
}

} // namespace explore

#include "explore/project.hpp"

#include "explore/explore_window.hpp"

namespace explore {

runtime::host::ProjectDescription withExplore(runtime::host::ProjectDescription project) {
    project.commandLine = withExploreOption(std::move(project.commandLine));
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

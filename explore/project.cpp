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
            return std::make_unique<ExploreWindow>(userLocale, *step);
        }
        return form(userLocale, arguments);
    };
    return project;
}

} // namespace explore

// lavoro1-esplora: the Esplora window, which lavoro1 --esplora [PASSI] starts
// in its own place with the same arguments. Run by itself, it opens Esplora
// whether --esplora is given or not.

#include "apps/command_line.hpp"
#include "apps/project.hpp"
#include "explore/explore_window.hpp"

int main(int argc, char** argv) {
    runtime::host::ProjectDescription project = apps::lavoro1Project();
    project.createStartupForm = [](const QLocale& userLocale, const QCommandLineParser& arguments) {
        return std::make_unique<explore::ExploreWindow>(userLocale, apps::explicitStep(arguments));
    };
    return runtime::host::runApplication(project, argc, argv);
}

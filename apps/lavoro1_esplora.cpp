// lavoro1-esplora: the Esplora window, which lavoro1 --esplora [PASSI] starts
// in its own place with the same arguments. Run by itself, it opens Esplora
// whether --esplora is given or not.

#include "apps/command_line.hpp"
#include "apps/project.hpp"
#include "explore/explore_window.hpp"
#include "runtime/host/translation.hpp"

int main(int argc, char** argv) {
    // The command line and the lines written before the window exists speak
    // the user's language too.
    const runtime::host::Translations translations(runtime::host::userLanguage());
    runtime::host::ProjectDescription project = apps::lavoro1Project();
    project.createStartupForm = [](const QLocale& userLocale,
                                   const runtime::host::CommandLine& commandLine) {
        return std::make_unique<explore::ExploreWindow>(userLocale,
                                                        apps::explicitStep(commandLine));
    };
    return runtime::host::runApplication(project, argc, argv);
}

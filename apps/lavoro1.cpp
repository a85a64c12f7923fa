// lavoro1: Form1, or with --esplora [PASSI] the Esplora window. Both need
// Qt Widgets alone: Esplora's chart, with Qt Charts, Qt Svg and the ball
// arithmetic, is a module the window loads after its first frame, so that
// neither window waits for those libraries before it is on screen.

#include "apps/command_line.hpp"
#include "apps/project.hpp"
#include "calc/module1.hpp"
#include "explore/explore_window.hpp"
#include "form/form1.hpp"
#include "runtime/host/translation.hpp"

int main(int argc, char** argv) {
    // The command line and the lines written before the window exists speak
    // the user's language too.
    const runtime::host::Translations translations(runtime::host::userLanguage());
    calc::Module1 module; // the module-wide state, kept for the whole run
    runtime::host::ProjectDescription project = apps::lavoro1Project();
    project.createStartupForm =
        [&module](const QLocale& userLocale,
                  const runtime::host::CommandLine& commandLine) -> std::unique_ptr<QWidget> {
        if (apps::asksForExplore(commandLine)) {
            return std::make_unique<explore::ExploreWindow>(userLocale,
                                                            apps::explicitStep(commandLine));
        }
        return std::make_unique<form::Form1>(module, userLocale);
    };
    return runtime::host::runApplication(project, argc, argv);
}

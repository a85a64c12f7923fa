// lavoro1: Form1, or with --esplora the Esplora window. Esplora is a program
// of its own, started in this one's place, so that Form1 loads no more than
// its eleven controls need (no charts, no SVG, no ball arithmetic).

#include "apps/command_line.hpp"
#include "apps/project.hpp"
#include "calc/module1.hpp"
#include "form/form1.hpp"
#include "runtime/helper_program.hpp"
#include "runtime/host/translation.hpp"

#include <cstdio>

int main(int argc, char** argv) {
    // The command line and the lines written before the window exists speak
    // the user's language too.
    const runtime::host::Translations translations(runtime::host::userLanguage());
    calc::Module1 module; // the module-wide state, kept for the whole run
    runtime::host::ProjectDescription project = apps::lavoro1Project();
    const runtime::host::CommandLine commandLine = runtime::host::readCommandLine(
        project.commandLine, runtime::host::argumentList(argc, argv));
    if (apps::asksForExplore(commandLine)) {
        const std::string failure = runtime::runHelperProgram("lavoro1-esplora", argv);
        std::fprintf(stderr, "lavoro1: %s\n", failure.c_str());
        return 1;
    }
    project.createStartupForm = [&module](const QLocale& userLocale,
                                          const runtime::host::CommandLine&) {
        return std::make_unique<form::Form1>(module, userLocale);
    };
    return runtime::host::runApplication(project, commandLine, argc, argv);
}

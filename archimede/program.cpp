#include "archimede/program.hpp"

#include "runtime/host/locale.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/translatable.hpp"

#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace archimede {
namespace {

volatile std::sig_atomic_t interruptRequested = 0;
PictureAbandoner pictureAbandoner = nullptr;
// The handler's line, in the user's language: written before the handler is
// installed, since a handler may not translate.
std::string interruptedMessage;

extern "C" void requestInterrupt(int) {
    // A picture can take seconds (a 10000x10000 PNG about 15) in code that
    // looks at no flag: the program ends here, its temporary file removed,
    // every file as it was or complete.
    if (pictureAbandoner != nullptr && pictureAbandoner()) {
        [[maybe_unused]] const ssize_t written =
            write(STDERR_FILENO, interruptedMessage.data(), interruptedMessage.size());
        _exit(exitInterrupted);
    }
    interruptRequested = 1;
}

} // namespace

int runProgram(int argc, char** argv, PictureWriter writePictures,
               PictureAbandoner abandonPictures) {
    // Before anything is written, and before a --cifre run starts threads.
    const runtime::host::DirectTranslations translations(runtime::host::userLanguage());
    try {
        interruptedMessage = interruptedLine() + '\n';
        // A --cifre run looks at the flag after every step, a fraction of a
        // millisecond even at 10000 digits, and ends with status 130; so do
        // pictures, from the handler. The other runs take milliseconds;
        // should one be stuck writing to a pipe, a second Ctrl+C ends it by
        // the default action.
        pictureAbandoner = abandonPictures;
        struct sigaction action {};
        action.sa_handler = requestInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);

        Environment environment;
        // Read as the window reads it, so that both write the same numbers.
        environment.decimalSeparator = runtime::host::userDecimalSeparator();
        environment.progressOnTerminal = isatty(STDERR_FILENO) == 1;
        environment.interrupted = &interruptRequested;
        environment.writePictures = std::move(writePictures);

        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const int status = run(arguments, std::cout, std::cerr, environment);
        std::cout.flush();
        if (!std::cout) {
            // A full disk or a closed pipe: the results are not all there.
            std::cerr << runtime::translated(
                             "archimede",
                             "archimede: impossibile scrivere i risultati sull'uscita standard")
                      << '\n';
            return exitFailed;
        }
        return status;
    } catch (const std::exception& error) {
        std::cerr << runtime::filled(
                         runtime::translated("archimede", "archimede: errore interno: %1"),
                         {error.what()})
                  << '\n';
        return exitFailed;
    }
}

} // namespace archimede

#include "archimede/program.hpp"

#include "runtime/host/locale.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/translatable.hpp"

#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace archimede {
namespace {

volatile std::sig_atomic_t interruptRequested = 0;
PictureAbandoner pictureAbandoner = nullptr;
// The handlers' lines, in the user's language: made before the handlers are
// installed, since a handler may not translate, nor allocate once memory has
// run out.
std::string interruptedMessage;
std::string outOfMemoryMessage;

void writeLine(const std::string& line) noexcept {
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line.data(), line.size());
}

extern "C" void requestInterrupt(int signalNumber) {
    // A picture can take seconds (a 10000x10000 PNG about 15) in code that
    // looks at no flag: the program ends here, its temporary file removed,
    // every file as it was or complete, with 128 + the signal's number.
    if (pictureAbandoner != nullptr && pictureAbandoner()) {
        writeLine(interruptedMessage);
        _exit(128 + signalNumber);
    }
    if (signalNumber == SIGINT) {
        interruptRequested = 1;
    } else {
        // Any other run is ended by the signal's own action, as before the
        // handler: it was reset on entry and acts once this handler returns.
        raise(signalNumber);
    }
}

// Memory can run out where no exception may pass: in a destructor, or in
// Qt's code called back from ours. There as anywhere, the run ends with its
// line and status 1, the picture's temporary file removed.
[[noreturn]] void endOnTerminate() noexcept {
    try {
        if (const std::exception_ptr current = std::current_exception()) {
            std::rethrow_exception(current);
        }
    } catch (const std::bad_alloc&) {
        if (pictureAbandoner != nullptr) {
            pictureAbandoner();
        }
        writeLine(outOfMemoryMessage);
        _exit(exitFailed);
    } catch (...) {
    }
    std::abort();
}

// Qt is not written to survive an exception: a chart half built when memory
// ran out can crash as it is destroyed. Where pictures are drawn, the run
// ends as soon as an allocation fails, before anything unwinds.
void endOutOfMemory() {
    if (pictureAbandoner != nullptr) {
        pictureAbandoner();
    }
    writeLine(outOfMemoryMessage);
    _exit(exitFailed);
}

} // namespace

int runProgram(int argc, char** argv, PictureWriter writePictures,
               PictureAbandoner abandonPictures) {
    // Before anything is written, and before a --cifre run starts threads.
    const runtime::host::DirectTranslations translations(runtime::host::userLanguage());
    try {
        interruptedMessage = interruptedLine() + '\n';
        outOfMemoryMessage =
            runtime::translated("archimede", "archimede: memoria esaurita") + std::string("\n");
        std::set_terminate(endOnTerminate);
        if (abandonPictures != nullptr) {
            std::set_new_handler(endOutOfMemory);
        }
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
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
            sigaction(signalNumber, &action, nullptr);
        }

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
    } catch (const std::bad_alloc&) {
        if (pictureAbandoner != nullptr) {
            pictureAbandoner();
        }
        std::cerr << outOfMemoryMessage;
        return exitFailed;
    } catch (const std::exception& error) {
        std::cerr << runtime::filled(
                         runtime::translated("archimede", "archimede: errore interno: %1"),
                         {error.what()})
                  << '\n';
        return exitFailed;
    }
}

} // namespace archimede

// archimede: bounds for pi by Archimedes' method from the command line.

#include "archimede/command.hpp"
#include "runtime/host/locale.hpp"

#include <csignal>
#include <exception>
#include <iostream>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t interruptRequested = 0;

extern "C" void requestInterrupt(int) {
    interruptRequested = 1;
}

} // namespace

int main(int argc, char** argv) {
    try {
        // A --cifre run looks at the flag after every step, a fraction of a
        // millisecond even at 10000 digits, and ends with status 130. The
        // other runs take milliseconds; should one be stuck writing to a
        // pipe, a second Ctrl+C ends it by the default action.
        struct sigaction action {};
        action.sa_handler = requestInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);

        archimede::Environment environment;
        // Read as the window reads it, so that both write the same numbers.
        environment.decimalSeparator = runtime::host::userDecimalSeparator();
        environment.progressOnTerminal = isatty(STDERR_FILENO) == 1;
        environment.interrupted = &interruptRequested;

        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        const int status = archimede::run(arguments, std::cout, std::cerr, environment);
        std::cout.flush();
        return std::cout ? status : 1;
    } catch (const std::exception& error) {
        std::cerr << "archimede: errore interno: " << error.what() << '\n';
        return 1;
    }
}

#pragma once

// archimede's main, shared by its three programs: archimede itself, on Qt Core
// alone, archimede-cifre, to which it hands a run with --cifre, the only one
// that needs the ball arithmetic, and archimede-immagini, to which it hands a
// run with --disegno or --grafico, the only one that needs Qt's drawing
// libraries.

#include "archimede/command.hpp"

#include <functional>
#include <string>
#include <string_view>

namespace archimede {

// Called by the handler of Ctrl+C, SIGTERM and SIGHUP: true when it has undone a picture being
// written, and the program is to end at once. Async-signal-safe.
using PictureAbandoner = bool (*)() noexcept;

// What a program does with the runs it makes itself or hands over.
struct ProgramRuns {
    DigitsRun runDigits;
    // Environment::endOnAllocationFailure: where the ball arithmetic is linked.
    std::function<void(std::string line)> endOnAllocationFailure;
    PictureWriter writePictures;
    PictureAbandoner abandonPictures = nullptr;
    // Started by handOver: Ctrl+C, SIGTERM and SIGHUP come held back, and are
    // let through once this program's handlers are in place.
    bool handedOver = false;
};

// Ctrl+C, the user's language and the locale's separator, the run and its
// exit status.
int runProgram(int argc, char** argv, ProgramRuns runs);

// Replaces this process by the helper program name with the same arguments
// (runtime::runHelperProgram), once they are known to be right. Ctrl+C,
// SIGTERM and SIGHUP are held back until its handlers are in place, one that
// came before included, so that none is lost nor ends the helper half
// started. Returns only if the helper does not start, with what went wrong
// in one line, in the user's language.
std::string handOver(std::string_view name, char** argv);

} // namespace archimede

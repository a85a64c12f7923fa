#pragma once

// archimede's main, shared by its two programs: archimede itself, on Qt Core
// and Arb, and archimede-immagini, to which archimede hands a run with
// --disegno or --grafico, the only one that needs Qt's drawing libraries.

#include "archimede/command.hpp"

namespace archimede {

// Called by the handler of Ctrl+C, SIGTERM and SIGHUP: true when it has undone a picture being
// written, and the program is to end at once. Async-signal-safe.
using PictureAbandoner = bool (*)() noexcept;

// Ctrl+C, the user's language and the locale's separator, the run and its
// exit status.
int runProgram(int argc, char** argv, PictureWriter writePictures,
               PictureAbandoner abandonPictures = nullptr);

} // namespace archimede

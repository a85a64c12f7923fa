#pragma once

// --disegno and --grafico: Esplora's drawing and chart written by the very
// code of the window, on Qt's offscreen platform, with no display.

#include "archimede/command.hpp"

#include <string>
#include <vector>

namespace archimede {

// Starts an offscreen QApplication for as long as the pictures take (Qt
// Charts draws only under one) and writes them; returns an empty string or
// the first error.
std::string writePicturesOffscreen(const std::vector<PictureRequest>& requests);

// For the handler of SIGINT, SIGTERM or SIGHUP: while writePicturesOffscreen runs, removes the
// temporary file of the picture being written, if any, and returns true; the
// caller then ends the program at once. Returns false at any other time.
// Async-signal-safe.
bool abandonPictures() noexcept;

} // namespace archimede

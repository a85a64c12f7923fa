#pragma once

// archimede from its arguments to its output and exit status, with the
// process left outside: streams, the decimal separator, whether standard
// error is a terminal and the interrupt flag are all passed in.

#include <csignal>
#include <functional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace archimede {

inline constexpr int exitSuccess = 0;
inline constexpr int exitFailed = 1;       // a picture could not be written
inline constexpr int exitRefused = 2;      // a count the window refuses, or a bad command line
inline constexpr int exitRuntimeError = 3; // a run-time error of the calculation
inline constexpr int exitInterrupted = 130;

// A picture of a run: the drawing of the polygons at a step, or the chart of
// the digits of steps 1 to that step.
struct PictureRequest {
    enum class Kind { Drawing, Chart };
    Kind kind = Kind::Drawing;
    int step = 0;
    std::string path; // its extension names the format: svg, png or pdf
    int width = 0;
    int height = 0;
    std::string decimalSeparator;
};

// Writes the pictures in order; returns an empty string, or what went wrong
// in one line of Italian.
using PictureWriter = std::function<std::string(const std::vector<PictureRequest>&)>;

struct Environment {
    std::string decimalSeparator = ".";
    // Standard error is a terminal: a long --cifre run shows its progress there.
    bool progressOnTerminal = false;
    // Set from a signal handler to stop a --cifre run; checked at every step.
    const volatile std::sig_atomic_t* interrupted = nullptr;
    // Draws --disegno and --grafico; none where the program is built without Qt.
    PictureWriter writePictures;
};

// arguments without the program name. Results go to out; warnings, errors
// and progress to err. Returns the exit status.
int run(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
        const Environment& environment);

} // namespace archimede

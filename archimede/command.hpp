#pragma once

// archimede from its arguments to its output and exit status, with the
// process left outside: streams, the decimal separator, whether standard
// error is a terminal and the interrupt flag are all passed in.

#include <csignal>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace archimede {

// The exit statuses, the only ones archimede returns; --help prints them as a
// table and archimede(1) lists the same. Numbers for scripts: never translated.
inline constexpr int exitSuccess = 0;
// Could not compute or write: a run-time error of the calculation, a picture
// or standard output not written, an internal error.
inline constexpr int exitFailed = 1;
inline constexpr int exitRefused = 2; // usage: a bad command line, or a count the window refuses
inline constexpr int exitInterrupted = 130; // Ctrl+C: 128 + SIGINT, as a shell reports it
// SIGTERM and SIGHUP end a run as Ctrl+C does, with 128 + their number.
inline constexpr int exitHangUp = 129;
inline constexpr int exitTerminated = 143;
static_assert(exitInterrupted == 128 + SIGINT && exitHangUp == 128 + SIGHUP &&
              exitTerminated == 128 + SIGTERM);

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
// in one line, in the user's language.
using PictureWriter = std::function<std::string(const std::vector<PictureRequest>&)>;

struct Options;
struct Environment;

// Runs --cifre, options.mode being Mode::Digits, and returns the exit status:
// runDigits (archimede/digits.hpp) in archimede-cifre, the one program that
// links the ball arithmetic; archimede hands the run over to it.
using DigitsRun = std::function<int(const Options& options, std::ostream& out, std::ostream& err,
                                    const Environment& environment)>;

struct Environment {
    std::string decimalSeparator = ".";
    // Standard error is a terminal: a long --cifre run shows its progress there.
    bool progressOnTerminal = false;
    // Standard output is a terminal too: the progress line steps aside for
    // every row of a --tabella written there.
    bool resultsOnTerminal = false;
    // Set from a signal handler to stop a --cifre run: the number of the
    // signal (SIGINT, SIGTERM, SIGHUP), checked at every step. The run ends
    // after its last whole row with interruptedLine and 128 + that number.
    const volatile std::sig_atomic_t* interrupted = nullptr;
    // Draws --disegno and --grafico; none where the program is built without Qt.
    PictureWriter writePictures;
    // Runs --cifre; none is an internal error.
    DigitsRun runDigits;
    // Bytes the process may still allocate: its limits and the machine's
    // memory. A --cifre run that needs more is refused before it starts.
    std::uint64_t memoryAvailable = std::numeric_limits<std::uint64_t>::max();
    // Called before a --cifre run with the line, in the user's language, to
    // end it with should the ball arithmetic find no memory (status
    // exitFailed); none in tests.
    std::function<void(std::string line)> endOnAllocationFailure;
};

// What archimede writes when a signal stops it, in the user's language.
std::string interruptedLine();

// A run stopped by the signal of this number: thrown at the next step after
// the signal, caught by run(), which writes interruptedLine and returns 128 +
// signal.
struct Interrupted {
    int signal;
};
void stopIfInterrupted(const Environment& environment);

// The texts of both the runs of PASSI and of --cifre, in the user's language:
// the caption of the polygons' sides, and what stands between the bounds.
std::string sidesCaptionText();
std::string betweenBoundsText();

// arguments without the program name. Results go to out; warnings, errors
// and progress to err, in the user's language (runtime::translated), the
// machine formats excepted. Returns the exit status.
int run(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
        const Environment& environment);

} // namespace archimede

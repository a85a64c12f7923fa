#pragma once

// The command line of archimede, read into a plain description of the run.

#include "calc/pictures.hpp"
#include "calc/step_rows.hpp"
#include "certified/methods.hpp"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace archimede {

enum class Mode {
    Steps,   // PASSI: the window's calculation, one result or a table
    Digits,  // --cifre N: certified bounds, or with --tabella what each step proves
    Help,    // --help
    Version, // --version
};

struct Options {
    Mode mode = Mode::Steps;
    std::string stepsText; // PASSI as typed: converted as the window converts its text box
    bool table = false;
    bool exact = false;
    calc::OutputFormat format = calc::OutputFormat::Text;
    int digits = 0; // for Mode::Digits, from minimumDigits to maximumDigits
    certified::Method method = certified::Method::Richardson; // --metodo, for Mode::Digits
    // --disegno FILE, --grafico FILE: the pictures of PASSI instead of text.
    std::string drawingPath;
    std::string chartPath;
    int pictureWidth = calc::defaultPictureSize.width; // --dimensioni LxA, in pixels
    int pictureHeight = calc::defaultPictureSize.height;
};

// A command line that names no valid run; what() is one line in the user's
// language (runtime::translated).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// arguments without the program name. "--help" or "--version" anywhere wins
// over the rest. Options take their value as the next argument or after '=';
// "--" ends the options, and an argument such as "-3" or "-.5" is PASSI.
Options parseOptions(std::span<const std::string_view> arguments);

} // namespace archimede

// archimede's command line, two ways from each input.
//
// Arbitrary arguments (the input split at each NUL byte): only a UsageError
// may leave parseOptions, and what it returns must describe a run the
// program can make, with the values of the arguments.
//
// A valid command line generated from the grammar of --help, the input
// choosing every option, value, form and position: parseOptions must accept
// it and give back exactly the values generated; run() then makes the run,
// the pictures with a writer that records what it is asked, --cifre up to 60
// digits.

#include "archimede/command.hpp"
#include "archimede/digits.hpp"
#include "archimede/options.hpp"
#include "calc/pictures.hpp"
#include "certified/certified_pi.hpp"
#include "runtime/file_target.hpp"
#include "runtime/printable.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "archimede_options: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

std::vector<std::string_view> argumentsOf(std::string_view input) {
    std::vector<std::string_view> arguments;
    if (input.empty()) {
        return arguments;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = input.find('\0', start);
        arguments.push_back(input.substr(start, end - start));
        if (end == std::string_view::npos) {
            return arguments;
        }
        start = end + 1;
    }
}

// What "--help", "-h" or "--version" before any "--" asks for, if anything.
std::optional<archimede::Mode>
requestedInformation(const std::vector<std::string_view>& arguments) {
    for (const std::string_view argument : arguments) {
        if (argument == "--") {
            return std::nullopt;
        }
        if (argument == "--help" || argument == "-h") {
            return archimede::Mode::Help;
        }
        if (argument == "--version") {
            return archimede::Mode::Version;
        }
    }
    return std::nullopt;
}

// FILE of option, when given: a value of that option among the arguments,
// in UTF-8.
void checkPicturePath(const std::string& path, std::string_view option,
                      const std::vector<std::string_view>& arguments) {
    if (path.empty()) {
        return;
    }
    check(runtime::isUtf8(path), "a file name that is not UTF-8");
    check(calc::pictureFormatOf(path).has_value(), "a file name with no picture extension");
    bool given = false;
    for (std::size_t index = 0; index < arguments.size() && !given; ++index) {
        given = (arguments[index] == option && index + 1 < arguments.size() &&
                 arguments[index + 1] == path) ||
                arguments[index] == std::string(option) + "=" + path;
    }
    check(given, "a file name that is no value of its option");
    // What the name leads to: a name in an absolute folder free of links
    // and dots, or the system's reason why it leads nowhere.
    const runtime::FileTarget target = runtime::resolveFileTarget(path);
    if (target.error != 0) {
        check(target.folder.empty() && target.name.empty(), "a failed target with a name");
        return;
    }
    check(target.folder.is_absolute() && target.folder == target.folder.lexically_normal(),
          "a target's folder not absolute and normal");
    check(target.name == target.name.filename() && target.name != "." && target.name != "..",
          "a target's name that is not one name");
}

void checkOptions(const archimede::Options& options,
                  const std::vector<std::string_view>& arguments) {
    using archimede::Mode;
    using calc::OutputFormat;
    check(options.format == calc::OutputFormat::Text || options.format == calc::OutputFormat::Csv ||
              options.format == calc::OutputFormat::Json,
          "format out of its enumeration");
    check(options.pictureWidth >= 16 && options.pictureWidth <= 10000 &&
              options.pictureHeight >= 16 && options.pictureHeight <= 10000,
          "--dimensioni out of 16..10000");
    const std::optional<Mode> information = requestedInformation(arguments);
    switch (options.mode) {
    case Mode::Help:
    case Mode::Version:
        check(information == options.mode, "help or version without being asked first");
        return;
    case Mode::Digits:
        check(options.digits >= certified::minimumDigits &&
                  options.digits <= certified::maximumDigits,
              "--cifre out of its range");
        check(options.method == certified::Method::Doubling ||
                  options.method == certified::Method::Huygens ||
                  options.method == certified::Method::Richardson,
              "--metodo out of its enumeration");
        check(options.stepsText.empty(), "PASSI given with --cifre");
        check(options.drawingPath.empty() && options.chartPath.empty(),
              "a picture asked with --cifre");
        break;
    case Mode::Steps:
        check(std::find(arguments.begin(), arguments.end(), options.stepsText) != arguments.end(),
              "PASSI is not one of the arguments");
        checkPicturePath(options.drawingPath, "--disegno", arguments);
        checkPicturePath(options.chartPath, "--grafico", arguments);
        check(options.drawingPath.empty() || options.drawingPath != options.chartPath,
              "one file for both pictures");
        break;
    default:
        fail("mode out of its enumeration");
    }
    check(!information, "--help or --version did not win over the rest");
}

// --- Valid command lines from the grammar -----------------------------------

// What the generator chose, to compare with what parseOptions read.
struct Line {
    std::vector<std::string> arguments;
    archimede::Options expected;
};

// The next of choices.
template <class T, std::size_t N>
const T& pick(FuzzedDataProvider& input, const std::array<T, N>& choices) {
    return choices[input.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
}

// Pieces of text in UTF-8, some of them what a shell or a parser might trip on.
constexpr std::array<std::string_view, 16> textPieces = {"a", "Z", "0", "7", ".", ",", "-", "=",
                                                         "/", " ", "e", "x", "é", "π", "𝄞", "\n"};

std::string someText(FuzzedDataProvider& input, std::size_t most) {
    std::string text;
    const auto pieces = input.ConsumeIntegralInRange<std::size_t>(0, most);
    for (std::size_t index = 0; index < pieces; ++index) {
        text += pick(input, textPieces);
    }
    return text;
}

// A number in decimal, at times with leading zeros (from_chars reads them).
std::string decimal(FuzzedDataProvider& input, int value) {
    return std::string(input.ConsumeIntegralInRange<std::size_t>(0, 1) * 2, '0') +
           std::to_string(value);
}

// A file name ending in what, so that the drawing's and the chart's always
// name two files.
std::string fileName(FuzzedDataProvider& input, std::string_view what) {
    constexpr std::array<std::string_view, 4> extensions = {".svg", ".png", ".pdf", ".SVG"};
    return someText(input, 4) + std::string(what) + std::string(pick(input, extensions));
}

// An option with its value, as "--name value" or "--name=value".
std::vector<std::string> withValue(FuzzedDataProvider& input, std::string_view name,
                                   const std::string& value) {
    if (input.ConsumeBool()) {
        return {std::string(name), value};
    }
    return {std::string(name) + "=" + value};
}

Line generateLine(FuzzedDataProvider& input) {
    using archimede::Mode;
    Line line;
    archimede::Options& expected = line.expected;
    std::vector<std::vector<std::string>> groups; // options, each with its value
    std::optional<std::string> steps;
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: { // PASSI [--tabella] [--formato F] [--esatto]
        if (input.ConsumeBool()) {
            expected.table = true;
            groups.push_back({"--tabella"});
        }
        if (input.ConsumeBool()) {
            expected.exact = true;
            groups.push_back({"--esatto"});
        }
        if (input.ConsumeBool()) {
            constexpr std::array<std::pair<std::string_view, calc::OutputFormat>, 3> formats = {
                {{"testo", calc::OutputFormat::Text},
                 {"csv", calc::OutputFormat::Csv},
                 {"json", calc::OutputFormat::Json}}};
            const auto& [name, format] = pick(input, formats);
            expected.format = format;
            groups.push_back(withValue(input, "--formato", std::string(name)));
        }
        steps = input.ConsumeBool() ? decimal(input, input.ConsumeIntegralInRange(1, 500))
                                    : someText(input, 6);
        break;
    }
    case 1: { // PASSI [--disegno FILE] [--grafico FILE] [--dimensioni LxA], one picture at least
        const int which = input.ConsumeIntegralInRange(1, 3);
        if ((which & 1) != 0) {
            expected.drawingPath = fileName(input, "disegno");
            groups.push_back(withValue(input, "--disegno", expected.drawingPath));
        }
        if ((which & 2) != 0) {
            expected.chartPath = fileName(input, "grafico");
            groups.push_back(withValue(input, "--grafico", expected.chartPath));
        }
        if (input.ConsumeBool()) {
            expected.pictureWidth = input.ConsumeIntegralInRange(16, 10000);
            expected.pictureHeight = input.ConsumeIntegralInRange(16, 10000);
            groups.push_back(withValue(input, "--dimensioni",
                                       decimal(input, expected.pictureWidth) + "x" +
                                           decimal(input, expected.pictureHeight)));
        }
        steps = input.ConsumeBool() ? decimal(input, input.ConsumeIntegralInRange(1, 500))
                                    : someText(input, 6);
        break;
    }
    default: { // --cifre N [--metodo M] [--tabella]
        expected.mode = Mode::Digits;
        expected.digits =
            input.ConsumeBool()
                ? input.ConsumeIntegralInRange(certified::minimumDigits, 60)
                : input.ConsumeIntegralInRange(certified::minimumDigits, certified::maximumDigits);
        groups.push_back(withValue(input, "--cifre", decimal(input, expected.digits)));
        if (input.ConsumeBool()) {
            constexpr std::array<std::pair<std::string_view, certified::Method>, 3> methods = {
                {{"raddoppi", certified::Method::Doubling},
                 {"huygens", certified::Method::Huygens},
                 {"richardson", certified::Method::Richardson}}};
            const auto& [name, method] = pick(input, methods);
            expected.method = method;
            groups.push_back(withValue(input, "--metodo", std::string(name)));
        }
        if (input.ConsumeBool()) {
            expected.table = true;
            groups.push_back({"--tabella"});
        }
        break;
    }
    }

    // The options in an order the input chooses.
    for (std::size_t index = groups.size(); index > 1; --index) {
        std::swap(groups[index - 1],
                  groups[input.ConsumeIntegralInRange<std::size_t>(0, index - 1)]);
    }
    // PASSI among them, or after "--", where it must be when it looks like an option.
    const bool afterEnd = steps && (steps->starts_with('-') || input.ConsumeBool());
    if (steps && !afterEnd) {
        groups.insert(groups.begin() +
                          static_cast<std::ptrdiff_t>(
                              input.ConsumeIntegralInRange<std::size_t>(0, groups.size())),
                      {*steps});
    }
    // --help, -h or --version anywhere before "--" wins over the rest.
    if (input.ConsumeIntegralInRange(0, 7) == 0) {
        constexpr std::array<std::string_view, 3> information = {"--help", "-h", "--version"};
        const std::string_view asked = pick(input, information);
        expected = archimede::Options();
        expected.mode = asked == "--version" ? Mode::Version : Mode::Help;
        groups.insert(groups.begin() +
                          static_cast<std::ptrdiff_t>(
                              input.ConsumeIntegralInRange<std::size_t>(0, groups.size())),
                      {std::string(asked)});
    }
    for (const std::vector<std::string>& group : groups) {
        line.arguments.insert(line.arguments.end(), group.begin(), group.end());
    }
    if (afterEnd) {
        line.arguments.push_back("--");
        line.arguments.push_back(*steps);
    }
    if (expected.mode == Mode::Steps) {
        expected.stepsText = *steps;
    }
    return line;
}

void checkSame(const archimede::Options& read, const archimede::Options& expected) {
    check(read.mode == expected.mode, "another mode than the one given");
    if (expected.mode == archimede::Mode::Help || expected.mode == archimede::Mode::Version) {
        return;
    }
    check(read.stepsText == expected.stepsText, "another PASSI than the one given");
    check(read.table == expected.table, "another --tabella than the one given");
    check(read.exact == expected.exact, "another --esatto than the one given");
    check(read.format == expected.format, "another --formato than the one given");
    check(read.digits == expected.digits, "another --cifre than the one given");
    check(read.method == expected.method, "another --metodo than the one given");
    check(read.drawingPath == expected.drawingPath, "another --disegno than the one given");
    check(read.chartPath == expected.chartPath, "another --grafico than the one given");
    check(read.pictureWidth == expected.pictureWidth &&
              read.pictureHeight == expected.pictureHeight,
          "another --dimensioni than the one given");
}

bool oneLine(const std::string& text) {
    return !text.empty() && text.find('\n') == text.size() - 1;
}

// The run of a valid line: pictures asked of a writer that records them,
// --cifre made only up to 60 digits.
void checkRun(const archimede::Options& options, const std::vector<std::string_view>& arguments) {
    using archimede::Mode;
    using archimede::PictureRequest;
    if (options.mode == Mode::Digits && options.digits > 60) {
        return;
    }
    std::vector<PictureRequest> asked;
    archimede::Environment environment;
    environment.runDigits = archimede::runDigits;
    environment.writePictures = [&](const std::vector<PictureRequest>& requests) {
        asked = requests;
        return std::string();
    };
    std::ostringstream out;
    std::ostringstream err;
    const int status = archimede::run(arguments, out, err, environment);
    switch (options.mode) {
    case Mode::Help:
    case Mode::Version:
    case Mode::Digits:
        check(status == archimede::exitSuccess && err.str().empty() && !out.str().empty(),
              "help, version or --cifre did not run");
        return;
    case Mode::Steps:
        break;
    }
    check(status == archimede::exitSuccess || status == archimede::exitRefused ||
              status == archimede::exitFailed,
          "PASSI ended with another status");
    check(status == archimede::exitSuccess ? err.str().empty() : oneLine(err.str()),
          "a refusal not on one line, or a run with errors");
    if (options.drawingPath.empty() && options.chartPath.empty()) {
        check(asked.empty(), "a picture asked without --disegno or --grafico");
        return;
    }
    check(out.str().empty(), "text written with the pictures");
    if (status != archimede::exitSuccess) {
        check(asked.empty(), "a picture asked of a refused PASSI");
        return;
    }
    std::vector<std::pair<PictureRequest::Kind, std::string>> expected;
    if (!options.drawingPath.empty()) {
        expected.emplace_back(PictureRequest::Kind::Drawing, options.drawingPath);
    }
    if (!options.chartPath.empty()) {
        expected.emplace_back(PictureRequest::Kind::Chart, options.chartPath);
    }
    check(asked.size() == expected.size(), "not every picture asked, or one twice");
    for (std::size_t index = 0; index < asked.size(); ++index) {
        const PictureRequest& request = asked[index];
        check(request.kind == expected[index].first && request.path == expected[index].second,
              "another picture or file than the one given");
        check(request.step >= 1 && request.step <= 500 && request.step == asked[0].step,
              "a picture of a step out of 1..500");
        check(request.width == options.pictureWidth && request.height == options.pictureHeight,
              "a picture of another size than the one given");
    }
}

void checkValidLine(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const Line line = generateLine(input);
    const std::vector<std::string_view> arguments(line.arguments.begin(), line.arguments.end());
    archimede::Options read;
    try {
        read = archimede::parseOptions(arguments);
    } catch (const archimede::UsageError& error) {
        std::fprintf(stderr, "archimede_options: a valid line refused: %s\n",
                     runtime::printable(error.what()).c_str());
        std::abort();
    }
    checkSame(read, line.expected);
    checkRun(read, arguments);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> arguments =
        argumentsOf(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        checkOptions(archimede::parseOptions(arguments), arguments);
    } catch (const archimede::UsageError& error) {
        check(*error.what() != '\0', "a usage error without a message");
        check(!requestedInformation(arguments), "--help or --version was refused");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "archimede_options: unexpected exception: %s\n", error.what());
        std::abort();
    }
    checkValidLine(data, size);
    return 0;
}

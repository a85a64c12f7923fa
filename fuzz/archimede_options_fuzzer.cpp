// archimede's command line from arbitrary arguments: the input split at each
// NUL byte. Only a UsageError may leave parseOptions, and what it returns must
// describe a run the program can make.

#include "archimede/options.hpp"
#include "certified/certified_pi.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
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

void checkOptions(const archimede::Options& options,
                  const std::vector<std::string_view>& arguments) {
    using archimede::Mode;
    using archimede::OutputFormat;
    check(options.format == OutputFormat::Text || options.format == OutputFormat::Csv ||
              options.format == OutputFormat::Json,
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
        break;
    default:
        fail("mode out of its enumeration");
    }
    check(!information, "--help or --version did not win over the rest");
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
    return 0;
}

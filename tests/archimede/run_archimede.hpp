#pragma once

#include "archimede/command.hpp"
#include "archimede/digits.hpp"

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace archimede::testing {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline Outcome runArchimede(std::initializer_list<std::string_view> arguments,
                            std::string decimalSeparator = ".") {
    const std::vector<std::string_view> list(arguments);
    Environment environment;
    environment.decimalSeparator = std::move(decimalSeparator);
    environment.runDigits = runDigits;
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.status = run(list, out, err, environment);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

// Whether two doubles are the same binary64 number, bit for bit.
inline bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace archimede::testing

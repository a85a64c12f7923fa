// proven-series OUTPUT: writes the convergence chart's proven series as C++
// constants, the digits of pi that each step proves with each certified
// method beyond the step before (certified::race at calc::chartProvenDigits,
// steps 1 to calc::maximumSteps), for calc/proven_series.cpp to compile in.
// Run by the build, natively even for the page's core, which has no Arb;
// never installed. The file is written beside OUTPUT and renamed over it
// once complete, so that a failed run leaves no half-written source behind.
// Exit status 0 on success, 1 when the race or the writing fails, 2 on wrong
// arguments.

#include "calc/digits.hpp"
#include "calc/step_range.hpp"
#include "certified/certified_pi.hpp"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The array's name in the generated source, and its method.
struct MethodArray {
    const char* name;
    certified::Method method;
};
constexpr MethodArray methods[] = {
    {"doubling", certified::Method::Doubling},
    {"huygens", certified::Method::Huygens},
    {"richardson", certified::Method::Richardson},
};

// The digits each step proves beyond the step before (a race never loses a
// digit it proved), from step 1 to lastStep or to the step that proves
// digits, if sooner: a byte a step, where the digits themselves would need
// two.
std::vector<int> provenIncrements(certified::Method method, int digits, std::int64_t lastStep) {
    std::vector<int> increments;
    int proven = 0;
    for (const certified::RaceRow& row : certified::race(method, digits)) {
        if (row.step > lastStep) {
            break;
        }
        const int increment = row.provenDigits - proven;
        // Steps without a gap, so that an array's index is its step less one.
        if (row.step != std::ssize(increments) + 1 || increment < 0 ||
            increment > std::numeric_limits<std::uint8_t>::max()) {
            throw std::logic_error("race: unexpected row at step " + std::to_string(row.step));
        }
        increments.push_back(increment);
        proven = row.provenDigits;
    }
    return increments;
}

std::string source() {
    std::ostringstream out;
    out << "// Written by the build (tools/proven_series.cpp); do not edit.\n"
           "#pragma once\n\n"
           "#include <cstdint>\n\n"
           "namespace calc::proven_digits {\n\n"
           "// What the arrays were computed for: the digits the races aim at\n"
           "// and the last step.\n"
        << "inline constexpr int aimedAt = " << calc::chartProvenDigits << ";\n"
        << "inline constexpr int lastStep = " << calc::maximumSteps << ";\n";
    for (const auto& [name, method] : methods) {
        const std::vector<int> increments =
            provenIncrements(method, calc::chartProvenDigits, calc::maximumSteps);
        out << "\n// Digits proven at steps 1, 2, ... beyond the step before.\n"
               "inline constexpr std::uint8_t "
            << name << "[] = {";
        for (std::size_t i = 0; i < increments.size(); ++i) {
            out << (i % 20 == 0 ? "\n    " : " ") << increments[i] << ',';
        }
        out << "\n};\n";
    }
    out << "\n} // namespace calc::proven_digits\n";
    return out.str();
}

void write(const std::filesystem::path& output, const std::string& text) {
    std::filesystem::path partial = output;
    partial += ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << text;
        file.close();
        if (!file) {
            throw std::runtime_error("cannot write " + partial.string());
        }
    }
    std::filesystem::rename(partial, output);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: proven-series OUTPUT\n", stderr);
        return 2;
    }
    try {
        write(argv[1], source());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "proven-series: %s\n", error.what());
        return 1;
    }
    return 0;
}

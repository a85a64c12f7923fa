// Arbitrary bytes typed as the number of steps: the conversion to a number,
// the rounding to a count and the compute command's refusal. A failed check
// aborts, which libFuzzer reports with the input that caused it.

#include "form/compute_command.hpp"
#include "runtime/conversions.hpp"
#include "runtime/errors.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "count_text: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The text without blanks when all of it is one decimal number,
//   [+|-] digits [. digits] [(E|e|D|d) [+|-] digits]   (at least one digit),
// rewritten for std::from_chars (no '+', 'e' as the marker); otherwise nothing.
std::optional<std::string> plainDecimal(std::string_view text) {
    std::string number;
    for (char c : text) {
        if (!isBlank(c)) {
            number.push_back(c);
        }
    }
    std::size_t i = 0;
    const auto digitsFrom = [&] {
        const std::size_t start = i;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9') {
            ++i;
        }
        return i - start;
    };
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
        ++i;
    }
    std::size_t mantissaDigits = digitsFrom();
    if (i < number.size() && number[i] == '.') {
        ++i;
        mantissaDigits += digitsFrom();
    }
    if (mantissaDigits == 0) {
        return std::nullopt;
    }
    if (i < number.size() && std::string_view("EeDd").find(number[i]) != std::string_view::npos) {
        number[i] = 'e';
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            ++i;
        }
        if (digitsFrom() == 0) {
            return std::nullopt;
        }
    }
    if (i != number.size()) {
        return std::nullopt;
    }
    if (number[0] == '+') {
        number.erase(0, 1);
    }
    return number;
}

// A decimal number is rounded to binary64 once, correctly: the same value
// std::from_chars gives, whatever the number of digits.
void checkValue(std::string_view text, double value) {
    const std::optional<std::string> number = plainDecimal(text);
    if (!number) {
        return;
    }
    double expected = 0.0;
    const auto [end, error] =
        std::from_chars(number->data(), number->data() + number->size(), expected);
    if (error == std::errc::result_out_of_range) {
        check(std::isinf(value) || value == 0.0,
              "a number beyond binary64 gives neither an infinity nor a zero");
        return;
    }
    check(error == std::errc() && end == number->data() + number->size(),
          "the oracle could not read a plain decimal number");
    check(sameDouble(value, expected), "valueOfText differs from the correctly rounded value");
}

// The count, or nothing when the rounding raises; checked against round to
// nearest, ties to even, within the 32-bit range.
std::optional<std::int32_t> countOf(double value) {
    const bool inRange = value >= -2147483648.5 && value < 2147483647.5;
    try {
        const std::int32_t count = runtime::roundToInt32(value);
        check(inRange, "roundToInt32 accepted a value outside the 32-bit range");
        const double difference = value - count; // exact: |difference| <= 0.5
        check(std::fabs(difference) < 0.5 || (std::fabs(difference) == 0.5 && count % 2 == 0),
              "roundToInt32 did not round to nearest, ties to even");
        return count;
    } catch (const runtime::RuntimeError& error) {
        check(error.number() == runtime::ErrorNumber::Overflow, "roundToInt32 raised other than 6");
        check(!inRange, "roundToInt32 refused a value within the 32-bit range");
        return std::nullopt;
    }
}

// The results of every accepted count, computed once from its plain spelling
// on a fresh module: any other text for that count must give the same.
const form::ComputeOutcome& referenceOutcome(std::int32_t count) {
    static std::array<std::optional<form::ComputeOutcome>, form::maximumSteps + 1> outcomes;
    std::optional<form::ComputeOutcome>& outcome = outcomes[static_cast<std::size_t>(count)];
    if (!outcome) {
        calc::Module1 fresh;
        outcome = form::runComputeCommand(fresh, std::to_string(count), ".");
    }
    return *outcome;
}

void checkComputeCommand(std::string_view text, std::optional<std::int32_t> count) {
    // One module for the whole run, as in the window: nothing may leak from
    // one run of the command into the next.
    static calc::Module1 module;
    form::ComputeOutcome outcome;
    try {
        outcome = form::runComputeCommand(module, text, ".");
    } catch (const runtime::RuntimeError& error) {
        check(error.number() == runtime::ErrorNumber::Overflow,
              "the compute command raised other than 6");
        check(!count, "the compute command raised for a count in the 32-bit range");
        return;
    }
    check(count.has_value(), "the compute command accepted a count beyond 32 bits");
    if (*count < form::minimumSteps || *count > form::maximumSteps) {
        const std::string_view expected =
            *count > form::maximumSteps ? form::tooManyStepsWarning : form::tooFewStepsWarning;
        check(!outcome.computed, "the compute command computed a refused count");
        check(outcome.warning == expected && module.warningText == expected, "wrong refusal text");
        check(outcome.sides.empty() && outcome.lowerBound.empty() && outcome.upperBound.empty(),
              "a refusal came with results");
        return;
    }
    check(outcome.computed && outcome.warning.empty(), "an accepted count was not computed");
    check(module.iterationCount == *count, "the module holds another count");
    const form::ComputeOutcome& reference = referenceOutcome(*count);
    check(outcome.sides == reference.sides && outcome.lowerBound == reference.lowerBound &&
              outcome.upperBound == reference.upperBound,
          "the results differ from those of the same count typed plainly");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = runtime::valueOfText(text);
        checkValue(text, value);
        checkComputeCommand(text, countOf(value));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "count_text: unexpected exception: %s\n", error.what());
        std::abort();
    }
    return 0;
}

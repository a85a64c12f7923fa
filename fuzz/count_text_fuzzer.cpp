// Arbitrary bytes typed as the number of steps: the conversion to a number,
// compared with a model of its own, trailing text, &H and &O included; the
// rounding to a count and the compute command's refusal. A failed check aborts, which libFuzzer
// reports with the input that caused it.

#include "calc/compute_command.hpp"
#include "runtime/conversions.hpp"
#include "runtime/errors.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
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

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The value of the number at the start of text, worked out another way than
// valueOfText: every digit kept (no cut after 800 of them, no shortcut for
// huge exponents), one literal of the whole number handed to std::from_chars,
// and the 32-bit limit of &H and &O judged from the count of digits.
class Model {
public:
    explicit Model(std::string_view text) {
        for (char c : text) {
            if (!isBlank(c)) {
                text_.push_back(c);
            }
        }
    }

    double value() const {
        if (text_.starts_with('&')) {
            const char radix = text_.size() > 1 ? text_[1] : '\0';
            if (radix == 'H' || radix == 'h') {
                return radixValue(text_.substr(2), 16);
            }
            if (radix == 'O' || radix == 'o') {
                return radixValue(text_.substr(2), 8);
            }
            return 0.0;
        }
        return decimalValue();
    }

private:
    // The run of radix digits at the start, leading zeros dropped; beyond
    // 32 bits an infinity; a value that fits in 16 bits read as a signed
    // 16-bit one, else as a signed 32-bit one.
    static double radixValue(std::string_view text, int radix) {
        const std::string_view allowed = radix == 16 ? "0123456789abcdefABCDEF" : "01234567";
        const std::size_t length = std::min(text.find_first_not_of(allowed), text.size());
        std::string_view digits = text.substr(0, length);
        while (digits.starts_with('0')) {
            digits.remove_prefix(1);
        }
        // 32 bits: 8 hexadecimal digits, or 11 octal ones led by 0-3.
        const bool wide = radix == 16
                              ? digits.size() > 8
                              : digits.size() > 11 || (digits.size() == 11 && digits[0] > '3');
        if (wide) {
            return std::numeric_limits<double>::infinity();
        }
        std::uint64_t value = 0;
        if (!digits.empty()) {
            std::from_chars(digits.data(), digits.data() + digits.size(), value, radix);
        }
        const std::int64_t signedValue = static_cast<std::int64_t>(value);
        if (value <= 0xFFFF) {
            return static_cast<double>(value >= 0x8000 ? signedValue - 0x10000 : signedValue);
        }
        return static_cast<double>(value >= 0x8000'0000 ? signedValue - 0x1'0000'0000
                                                        : signedValue);
    }

    // [+|-] digits [. digits] [(E|e|D|d) [+|-] digits], at least one mantissa
    // digit, read up to where it stops; an exponent marker without digits
    // after it is not part of the number.
    double decimalValue() const {
        std::size_t i = 0;
        const bool negative = i < text_.size() && text_[i] == '-';
        if (i < text_.size() && (text_[i] == '+' || text_[i] == '-')) {
            ++i;
        }
        const auto digitsAt = [&](std::size_t from) {
            std::size_t to = from;
            while (to < text_.size() && isDecimalDigit(text_[to])) {
                ++to;
            }
            return std::string_view(text_).substr(from, to - from);
        };
        const std::string_view integer = digitsAt(i);
        i += integer.size();
        std::string_view fraction;
        if (i < text_.size() && text_[i] == '.') {
            fraction = digitsAt(i + 1);
            i += 1 + fraction.size();
        }
        if (integer.empty() && fraction.empty()) {
            return 0.0;
        }
        std::string literal(integer.empty() ? "0" : integer);
        if (!fraction.empty()) {
            literal += '.';
            literal += fraction;
        }
        // The decimal exponent of the leading nonzero digit, for a literal
        // std::from_chars finds out of range: beyond binary64 either way.
        const std::string mantissa = std::string(integer) + std::string(fraction);
        const std::size_t lead = mantissa.find_first_not_of('0');
        std::int64_t magnitude =
            lead == std::string::npos
                ? 0
                : static_cast<std::int64_t>(integer.size()) - static_cast<std::int64_t>(lead);
        if (i < text_.size() && std::string_view("EeDd").find(text_[i]) != std::string_view::npos) {
            std::size_t j = i + 1;
            const bool negativeExponent = j < text_.size() && text_[j] == '-';
            if (j < text_.size() && (text_[j] == '+' || text_[j] == '-')) {
                ++j;
            }
            const std::string_view exponent = digitsAt(j);
            if (!exponent.empty()) {
                literal += negativeExponent ? "e-" : "e";
                literal += exponent;
                std::int64_t shift = 0;
                for (char c : exponent) {
                    shift = std::min<std::int64_t>(shift * 10 + (c - '0'), 1'000'000'000'000);
                }
                magnitude += negativeExponent ? -shift : shift;
            }
        }
        double value = 0.0;
        const auto [end, error] =
            std::from_chars(literal.data(), literal.data() + literal.size(), value);
        check(end == literal.data() + literal.size(), "the model built an unreadable number");
        if (error == std::errc::result_out_of_range) {
            value = lead != std::string::npos && magnitude > 0
                        ? std::numeric_limits<double>::infinity()
                        : 0.0;
        } else {
            check(error == std::errc(), "the model could not read its number");
        }
        return negative ? -value : value;
    }

    std::string text_;
};

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
const calc::ComputeOutcome& referenceOutcome(std::int32_t count) {
    static std::array<std::optional<calc::ComputeOutcome>, calc::maximumSteps + 1> outcomes;
    std::optional<calc::ComputeOutcome>& outcome = outcomes[static_cast<std::size_t>(count)];
    if (!outcome) {
        calc::Module1 fresh;
        outcome = calc::runComputeCommand(fresh, std::to_string(count), ".");
    }
    return *outcome;
}

void checkComputeCommand(std::string_view text, std::optional<std::int32_t> count) {
    // One module for the whole run, as in the window: nothing may leak from
    // one run of the command into the next.
    static calc::Module1 module;
    calc::ComputeOutcome outcome;
    try {
        outcome = calc::runComputeCommand(module, text, ".");
    } catch (const runtime::RuntimeError& error) {
        check(error.number() == runtime::ErrorNumber::Overflow,
              "the compute command raised other than 6");
        check(!count, "the compute command raised for a count in the 32-bit range");
        return;
    }
    check(count.has_value(), "the compute command accepted a count beyond 32 bits");
    if (*count < calc::minimumSteps || *count > calc::maximumSteps) {
        const std::string expected = *count > calc::maximumSteps
                                         ? std::string(calc::tooManyStepsWarning)
                                         : calc::tooFewStepsWarning();
        check(!outcome.computed, "the compute command computed a refused count");
        check(outcome.warning == expected && module.warningText == expected, "wrong refusal text");
        check(outcome.sides.empty() && outcome.lowerBound.empty() && outcome.upperBound.empty(),
              "a refusal came with results");
        return;
    }
    check(outcome.computed && outcome.warning.empty(), "an accepted count was not computed");
    check(module.iterationCount == *count, "the module holds another count");
    const calc::ComputeOutcome& reference = referenceOutcome(*count);
    check(outcome.sides == reference.sides && outcome.lowerBound == reference.lowerBound &&
              outcome.upperBound == reference.upperBound,
          "the results differ from those of the same count typed plainly");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = runtime::valueOfText(text);
        check(sameDouble(value, Model(text).value()),
              "valueOfText differs from the model: value, sign of zero or where the number ends");
        checkComputeCommand(text, countOf(value));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "count_text: unexpected exception: %s\n", error.what());
        std::abort();
    }
    return 0;
}

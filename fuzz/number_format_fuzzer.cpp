// formatNumber with every pattern the application writes numbers with, the
// window's and Esplora's, on any binary64 and any decimal separator. Input:
// the value's 8 bytes, then the separator. The text must be the exact decimal
// value of the binary number, rounded to nearest with ties to even by the code
// below, and have the pattern's shape.

#include "calc/compute_command.hpp"
#include "calc/number_formats.hpp"
#include "runtime/number_format.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>

namespace {

// A pattern with one digit before its point: fixed, "0.00000000", with
// `digits` decimals, or scientific, "0.000E+00", with `digits` significant
// digits and an exponent of at least two digits that always has its sign.
struct Shape {
    std::string_view pattern;
    bool scientific;
    int digits;
};

// The shapes the checks below know; a change of the application's patterns
// must come with a change here.
constexpr std::array shapes = {
    Shape{"0.000E+00", true, 4},   // the window's sides; Esplora's table, differences too
    Shape{"0.00000000", false, 8}, // the window's bounds; Esplora's table
    Shape{"0.0", false, 1},        // Esplora's magnification below a thousand
    Shape{"0.00E+00", true, 3},    // Esplora's magnification above
};
static_assert(calc::sidesPattern == shapes[0].pattern && calc::boundPattern == shapes[1].pattern &&
              calc::zoomPattern == shapes[2].pattern &&
              calc::largeZoomPattern == shapes[3].pattern);

// Enough to write any binary64 exactly: it has at most 767 significant
// digits, at most 309 before the point and 1074 after it.
constexpr int exactSignificantDigits = 767;
constexpr int exactDecimals = 1074;

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "number_format: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

void check(bool holds, const char* what, std::string_view text) {
    if (!holds) {
        fail(what, text);
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    for (char c : text) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

// Rounds the decimal digits to their first kept digits, to nearest with ties
// to even, the dropped digits being the exact rest. Returns true when the
// rounding carried out of the first digit ("999" -> "000", carry).
bool roundDigits(std::string& digits, std::size_t kept) {
    if (digits.size() <= kept) {
        digits.append(kept - digits.size(), '0');
        return false;
    }
    const std::string_view dropped = std::string_view(digits).substr(kept);
    const bool aboveHalf =
        dropped[0] > '5' ||
        (dropped[0] == '5' && dropped.substr(1).find_first_not_of('0') != std::string_view::npos);
    const bool exactHalf = dropped[0] == '5' && !aboveHalf;
    const bool lastOdd = kept > 0 && (digits[kept - 1] - '0') % 2 == 1;
    digits.resize(kept);
    if (!aboveHalf && !(exactHalf && lastOdd)) {
        return false;
    }
    for (std::size_t i = kept; i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

// [-]integer digits, separator, `decimals` decimals.
std::string expectedFixed(double value, int decimals, std::string_view separator) {
    std::array<char, 2 + 309 + 1 + exactDecimals> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::fixed, exactDecimals);
    const std::string_view exact(buffer.data(),
                                 static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t point = exact.find('.');
    const std::size_t integerDigits = point;
    std::string digits(exact.substr(0, point));
    digits += exact.substr(point + 1);
    const auto kept = static_cast<std::size_t>(decimals);
    if (roundDigits(digits, integerDigits + kept)) {
        digits.insert(digits.begin(), '1');
    }
    std::string text = std::signbit(value) ? "-" : "";
    text.append(digits, 0, digits.size() - kept);
    text += separator;
    text.append(digits, digits.size() - kept);
    return text;
}

// [-]d, separator, `significant` - 1 digits, E, exponent sign, at least 2
// exponent digits.
std::string expectedScientific(double value, int significant, std::string_view separator) {
    std::array<char, 8 + exactSignificantDigits> buffer;
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, exactSignificantDigits - 1);
    const std::string_view exact(buffer.data(),
                                 static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t marker = exact.find('e');
    std::string digits(exact.substr(0, 1));
    digits += exact.substr(2, marker - 2);
    int exponent = 0;
    std::from_chars(exact.data() + marker + 2, exact.data() + exact.size(), exponent);
    if (exact[marker + 1] == '-') {
        exponent = -exponent;
    }
    if (roundDigits(digits, static_cast<std::size_t>(significant))) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
    }
    std::string text = std::signbit(value) ? "-" : "";
    text += digits[0];
    text += separator;
    text.append(digits, 1);
    text += exponent < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
    if (magnitude.size() < 2) {
        text += '0';
    }
    text += magnitude;
    return text;
}

// The shape alone, read from both ends since the separator may hold anything.
void checkFixedShape(double value, int decimals, std::string_view text,
                     std::string_view separator) {
    const auto count = static_cast<std::size_t>(decimals);
    check(text.size() > separator.size() + count, "fixed text too short", text);
    const std::string_view fraction = text.substr(text.size() - count);
    const std::size_t separatorAt = text.size() - count - separator.size();
    std::string_view integer = text.substr(0, separatorAt);
    check(allDigits(fraction), "fixed decimals are not all digits", text);
    check(text.substr(separatorAt, separator.size()) == separator,
          "separator not before the decimals", text);
    if (std::signbit(value)) {
        check(integer.starts_with('-'), "negative fixed text without its sign", text);
        integer.remove_prefix(1);
    }
    check(!integer.empty() && allDigits(integer) && (integer == "0" || integer[0] != '0'),
          "integer part is not one number without leading zeros", text);
}

void checkScientificShape(double value, int significant, std::string_view text,
                          std::string_view separator) {
    const auto decimals = static_cast<std::size_t>(significant - 1);
    std::string_view rest = text;
    if (std::signbit(value)) {
        check(rest.starts_with('-'), "negative scientific text without its sign", text);
        rest.remove_prefix(1);
    }
    check(rest.size() >= 1 + separator.size() + decimals + 4, "scientific text too short", text);
    check(isDigit(rest[0]) && (rest[0] != '0' || value == 0.0), "lead digit", text);
    check(rest.substr(1, separator.size()) == separator, "separator not after the lead digit",
          text);
    rest.remove_prefix(1 + separator.size());
    check(allDigits(rest.substr(0, decimals)), "mantissa decimals are not all digits", text);
    rest.remove_prefix(decimals);
    check(rest[0] == 'E' && (rest[1] == '+' || rest[1] == '-'), "exponent mark", text);
    rest.remove_prefix(2);
    check((rest.size() == 2 || rest.size() == 3) && allDigits(rest), "exponent digits", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0.0;
    if (size < sizeof value) {
        return 0;
    }
    std::memcpy(&value, data, sizeof value);
    const std::string_view separator(reinterpret_cast<const char*>(data) + sizeof value,
                                     size - sizeof value);
    try {
        for (const Shape& shape : shapes) {
            const std::string text = runtime::formatNumber(value, shape.pattern, separator);
            if (!std::isfinite(value)) {
                check(text == nonFiniteText(value), "non-finite value", text);
            } else if (shape.scientific) {
                checkScientificShape(value, shape.digits, text, separator);
                check(text == expectedScientific(value, shape.digits, separator),
                      "scientific text is not the rounded exact value", text);
            } else {
                checkFixedShape(value, shape.digits, text, separator);
                check(text == expectedFixed(value, shape.digits, separator),
                      "fixed text is not the rounded exact value", text);
            }
        }
    } catch (const std::exception& error) {
        fail("unexpected exception", error.what());
    }
    return 0;
}

// formatNumber with the application's two patterns on any binary64 and any
// decimal separator. Input: the value's 8 bytes, then the separator. The text
// must be the exact decimal value of the binary number, rounded to nearest
// with ties to even by the code below, and have the pattern's shape.

#include "form/compute_command.hpp"
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

constexpr std::string_view sidesPattern = "0.000E+00";
constexpr std::string_view boundPattern = "0.00000000";
// The checks below know these two shapes; a change of the application's
// patterns must come with a change here.
static_assert(sidesPattern == form::sidesPattern && boundPattern == form::boundPattern);

constexpr int sidesSignificantDigits = 4;
constexpr int boundDecimals = 8;

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

// [-]integer digits, separator, 8 decimals.
std::string expectedBound(double value, std::string_view separator) {
    std::array<char, 2 + 309 + 1 + exactDecimals> buffer;
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::fixed, exactDecimals);
    const std::string_view exact(buffer.data(),
                                 static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t point = exact.find('.');
    const std::size_t integerDigits = point;
    std::string digits(exact.substr(0, point));
    digits += exact.substr(point + 1);
    if (roundDigits(digits, integerDigits + boundDecimals)) {
        digits.insert(digits.begin(), '1');
    }
    std::string text = std::signbit(value) ? "-" : "";
    text.append(digits, 0, digits.size() - boundDecimals);
    text += separator;
    text.append(digits, digits.size() - boundDecimals);
    return text;
}

// [-]d, separator, 3 digits, E, exponent sign, at least 2 exponent digits.
std::string expectedSides(double value, std::string_view separator) {
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
    if (roundDigits(digits, sidesSignificantDigits)) {
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
void checkBoundShape(double value, std::string_view text, std::string_view separator) {
    check(text.size() > separator.size() + boundDecimals, "bound text too short", text);
    const std::string_view decimals = text.substr(text.size() - boundDecimals);
    const std::size_t separatorAt = text.size() - boundDecimals - separator.size();
    std::string_view integer = text.substr(0, separatorAt);
    check(allDigits(decimals), "bound decimals are not 8 digits", text);
    check(text.substr(separatorAt, separator.size()) == separator,
          "separator not before the 8 decimals", text);
    if (std::signbit(value)) {
        check(integer.starts_with('-'), "negative bound without its sign", text);
        integer.remove_prefix(1);
    }
    check(!integer.empty() && allDigits(integer) && (integer == "0" || integer[0] != '0'),
          "bound integer part is not one number without leading zeros", text);
}

void checkSidesShape(double value, std::string_view text, std::string_view separator) {
    std::string_view rest = text;
    if (std::signbit(value)) {
        check(rest.starts_with('-'), "negative sides without its sign", text);
        rest.remove_prefix(1);
    }
    check(rest.size() >= 1 + separator.size() + 3 + 4, "sides text too short", text);
    check(isDigit(rest[0]) && (rest[0] != '0' || value == 0.0), "sides lead digit", text);
    check(rest.substr(1, separator.size()) == separator, "separator not after the lead digit",
          text);
    rest.remove_prefix(1 + separator.size());
    check(allDigits(rest.substr(0, 3)), "sides has not 3 decimals", text);
    rest.remove_prefix(3);
    check(rest[0] == 'E' && (rest[1] == '+' || rest[1] == '-'), "sides exponent mark", text);
    rest.remove_prefix(2);
    check((rest.size() == 2 || rest.size() == 3) && allDigits(rest), "sides exponent digits", text);
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
        const std::string bound = runtime::formatNumber(value, boundPattern, separator);
        const std::string sides = runtime::formatNumber(value, sidesPattern, separator);
        if (!std::isfinite(value)) {
            check(bound == nonFiniteText(value), "non-finite bound", bound);
            check(sides == nonFiniteText(value), "non-finite sides", sides);
            return 0;
        }
        checkBoundShape(value, bound, separator);
        checkSidesShape(value, sides, separator);
        check(bound == expectedBound(value, separator), "bound is not the rounded exact value",
              bound);
        check(sides == expectedSides(value, separator), "sides is not the rounded exact value",
              sides);
    } catch (const std::exception& error) {
        fail("unexpected exception", error.what());
    }
    return 0;
}

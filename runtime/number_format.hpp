#pragma once

// Numbers shown to the user, written by a pattern such as "0.00000000" or
// "0.000E+00". Pure functions: the caller passes the decimal separator of the
// user's locale.

#include "runtime/errors.hpp"

#include <string>
#include <string_view>

namespace runtime {

// A parsed pattern. Patterns: '0' digit placeholders, at most one '.', which
// marks where the decimal separator goes, and optionally an exponent "E+0..."
// or "E-0..." (also with 'e'): "E+" always writes the exponent's sign, "E-"
// only a minus, and the exponent has at least as many digits as the pattern
// has zeros there. A scientific pattern needs a digit before its point.
struct NumberPattern {
    // More placeholders would only ask for digits binary64 cannot hold;
    // refusing them keeps every buffer below a fixed size.
    static constexpr int maxPlaceholders = 40;

    int integerDigits = 0;
    int fractionDigits = 0;
    bool hasPoint = false;
    bool scientific = false;
    char exponentLetter = 'E';
    bool alwaysSignExponent = false;
    int exponentDigits = 0;
};

// Parses a pattern; one it does not support raises error 5. A constant
// pattern can be parsed, and so checked, at compile time.
constexpr NumberPattern parseNumberPattern(std::string_view pattern) {
    NumberPattern parsed;
    std::size_t i = 0;
    const auto countZeros = [&] {
        int zeros = 0;
        for (; i < pattern.size() && pattern[i] == '0'; ++i) {
            ++zeros;
        }
        return zeros;
    };
    parsed.integerDigits = countZeros();
    if (i < pattern.size() && pattern[i] == '.') {
        parsed.hasPoint = true;
        ++i;
        parsed.fractionDigits = countZeros();
    }
    if (i + 1 < pattern.size() && (pattern[i] == 'E' || pattern[i] == 'e') &&
        (pattern[i + 1] == '+' || pattern[i + 1] == '-')) {
        parsed.scientific = true;
        parsed.exponentLetter = pattern[i];
        parsed.alwaysSignExponent = pattern[i + 1] == '+';
        i += 2;
        parsed.exponentDigits = countZeros();
    }
    const bool complete = i == pattern.size();
    const bool hasDigits = parsed.integerDigits + parsed.fractionDigits > 0;
    const bool exponentComplete = !parsed.scientific || parsed.exponentDigits > 0;
    const bool mantissaFits = !parsed.scientific || parsed.integerDigits > 0;
    const bool withinLimits = parsed.integerDigits <= NumberPattern::maxPlaceholders &&
                              parsed.fractionDigits <= NumberPattern::maxPlaceholders &&
                              parsed.exponentDigits <= NumberPattern::maxPlaceholders;
    if (!complete || !hasDigits || !exponentComplete || !mantissaFits || !withinLimits) {
        raiseInvalidArgumentError();
    }
    return parsed;
}

// value written by pattern, rounded to nearest from its exact binary value,
// an exact half going to the even digit. Infinities and NaN, which the
// checked arithmetic never lets through, are written "Inf", "-Inf" and "NaN".
std::string formatNumber(double value, const NumberPattern& pattern,
                         std::string_view decimalSeparator);

inline std::string formatNumber(double value, std::string_view pattern,
                                std::string_view decimalSeparator) {
    return formatNumber(value, parseNumberPattern(pattern), decimalSeparator);
}

} // namespace runtime

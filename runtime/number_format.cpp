#include "runtime/number_format.hpp"

#include "runtime/errors.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace runtime {
namespace {

void appendZeros(std::string& text, int count) {
    if (count > 0) {
        text.append(static_cast<std::size_t>(count), '0');
    }
}

std::string nonFinite(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

// to_chars writes the shortest form of the value rounded to nearest (ties to
// even) from its exact binary value; the pattern only rearranges its digits.
std::string formatFixed(double value, const NumberPattern& pattern,
                        std::string_view decimalSeparator) {
    std::array<char, 320 + NumberPattern::maxPlaceholders> digits;
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                          std::chars_format::fixed, pattern.fractionDigits)
                                .ptr;
    const char* integerBegin = digits.data();

    const bool negative = *integerBegin == '-';
    if (negative) {
        ++integerBegin;
    }
    const char* const integerEnd =
        pattern.fractionDigits > 0 ? end - pattern.fractionDigits - 1 : end;
    std::string_view integerPart(integerBegin, static_cast<std::size_t>(integerEnd - integerBegin));
    if (integerPart == "0" && pattern.integerDigits == 0) {
        integerPart = {};
    }
    const int paddingZeros = pattern.integerDigits - static_cast<int>(integerPart.size());

    // Sized once: the separator is the locale's and can be of any length.
    std::string text;
    text.reserve((negative ? 1 : 0) + static_cast<std::size_t>(std::max(paddingZeros, 0)) +
                 integerPart.size() + decimalSeparator.size() +
                 static_cast<std::size_t>(pattern.fractionDigits));
    if (negative) {
        text.push_back('-');
    }
    appendZeros(text, paddingZeros);
    text.append(integerPart);
    if (pattern.hasPoint) {
        text.append(decimalSeparator);
        text.append(end - pattern.fractionDigits, static_cast<std::size_t>(pattern.fractionDigits));
    }
    return text;
}

std::string formatScientific(double value, const NumberPattern& pattern,
                             std::string_view decimalSeparator) {
    const int significantDigits = pattern.integerDigits + pattern.fractionDigits;
    std::array<char, 16 + 2 * NumberPattern::maxPlaceholders> written;
    const char* const end = std::to_chars(written.data(), written.data() + written.size(), value,
                                          std::chars_format::scientific, significantDigits - 1)
                                .ptr;
    const char* mantissa = written.data();

    // Sized once: the separator is the locale's and can be of any length; the
    // exponent has at most 3 digits unless the pattern asks for more.
    std::string text;
    text.reserve(1 + static_cast<std::size_t>(significantDigits) + decimalSeparator.size() + 2 +
                 static_cast<std::size_t>(std::max(pattern.exponentDigits, 3)));
    if (*mantissa == '-') {
        text.push_back('-');
        ++mantissa;
    }
    // written is "d.ddde+XX" ("de+XX" for a single digit), with 2 or 3
    // exponent digits after the sign.
    const char* exponentMark = end - 3;
    while (*exponentMark != 'e') {
        --exponentMark;
    }
    int exponent = 0;
    for (const char* c = exponentMark + 2; c != end; ++c) {
        exponent = exponent * 10 + (*c - '0');
    }
    if (exponentMark[1] == '-') {
        exponent = -exponent;
    }
    if (value != 0.0) {
        exponent -= pattern.integerDigits - 1;
    }

    // The significantDigits digits without the point, split where the pattern
    // puts the separator: after the lead digit come the rest of the integer
    // digits, then the decimals.
    const char* const laterDigits = mantissa + 2;
    const auto integerRest = static_cast<std::size_t>(pattern.integerDigits - 1);
    text.push_back(*mantissa);
    text.append(laterDigits, integerRest);
    if (pattern.hasPoint) {
        text.append(decimalSeparator);
    }
    text.append(laterDigits + integerRest, static_cast<std::size_t>(pattern.fractionDigits));

    text.push_back(pattern.exponentLetter);
    if (exponent < 0) {
        text.push_back('-');
    } else if (pattern.alwaysSignExponent) {
        text.push_back('+');
    }
    const int magnitude = exponent < 0 ? -exponent : exponent;
    const int magnitudeDigits = magnitude >= 100 ? 3 : magnitude >= 10 ? 2 : 1;
    appendZeros(text, pattern.exponentDigits - magnitudeDigits);
    if (magnitude >= 100) {
        text.push_back(static_cast<char>('0' + magnitude / 100));
    }
    if (magnitude >= 10) {
        text.push_back(static_cast<char>('0' + magnitude / 10 % 10));
    }
    text.push_back(static_cast<char>('0' + magnitude % 10));
    return text;
}

} // namespace

std::string formatNumber(double value, const NumberPattern& pattern,
                         std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    return pattern.scientific ? formatScientific(value, pattern, decimalSeparator)
                              : formatFixed(value, pattern, decimalSeparator);
}

} // namespace runtime

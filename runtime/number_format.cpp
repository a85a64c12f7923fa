#include "runtime/number_format.hpp"

#include "runtime/errors.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace runtime {
namespace {

struct NumberPattern {
    int integerDigits = 0;
    int fractionDigits = 0;
    bool hasPoint = false;
    bool scientific = false;
    char exponentLetter = 'E';
    bool alwaysSignExponent = false;
    int exponentDigits = 0;
};

// Placeholders beyond these limits would only ask for digits binary64 cannot
// hold; refusing them keeps every buffer below a fixed size.
constexpr int maxPlaceholders = 40;

NumberPattern parsePattern(std::string_view pattern) {
    NumberPattern parsed;
    std::size_t i = 0;
    const auto countZeros = [&] {
        int zeros = 0;
        while (i < pattern.size() && pattern[i] == '0') {
            ++zeros;
            ++i;
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
    const bool withinLimits = parsed.integerDigits <= maxPlaceholders &&
                              parsed.fractionDigits <= maxPlaceholders &&
                              parsed.exponentDigits <= maxPlaceholders;
    if (!complete || !hasDigits || !exponentComplete || !mantissaFits || !withinLimits) {
        raiseInvalidArgumentError();
    }
    return parsed;
}

class TextBuilder {
public:
    void append(char c) { text_.push_back(c); }
    void append(std::string_view s) { text_.append(s); }
    void appendZeros(int count) {
        if (count > 0) {
            text_.append(static_cast<std::size_t>(count), '0');
        }
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

std::string nonFinite(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

std::string formatFixed(double value, const NumberPattern& pattern,
                        std::string_view decimalSeparator) {
    // Up to 309 integer digits, a sign, a point and the decimals.
    std::array<char, 320 + maxPlaceholders> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, pattern.fractionDigits);
    std::string_view written(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    TextBuilder text;
    if (!written.empty() && written.front() == '-') {
        text.append('-');
        written.remove_prefix(1);
    }
    const std::size_t point = written.find('.');
    std::string_view integerPart = written.substr(0, point);
    const std::string_view fractionPart =
        point == std::string_view::npos ? std::string_view{} : written.substr(point + 1);

    if (integerPart == "0" && pattern.integerDigits == 0) {
        integerPart = {};
    }
    text.appendZeros(pattern.integerDigits - static_cast<int>(integerPart.size()));
    text.append(integerPart);
    if (pattern.hasPoint) {
        text.append(decimalSeparator);
        text.append(fractionPart);
    }
    return text.take();
}

std::string formatScientific(double value, const NumberPattern& pattern,
                             std::string_view decimalSeparator) {
    const int significantDigits = pattern.integerDigits + pattern.fractionDigits;
    std::array<char, 16 + 2 * maxPlaceholders> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::scientific, significantDigits - 1);
    std::string_view written(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    TextBuilder text;
    if (!written.empty() && written.front() == '-') {
        text.append('-');
        written.remove_prefix(1);
    }
    // written is "d.ddde+XX" (or "de+XX"): collect the digits and the exponent.
    const std::size_t exponentMark = written.find('e');
    std::array<char, 2 * maxPlaceholders> digits{};
    std::size_t digitCount = 0;
    for (char c : written.substr(0, exponentMark)) {
        if (c != '.') {
            digits[digitCount++] = c;
        }
    }
    std::string_view exponentText = written.substr(exponentMark + 1);
    const bool negativeExponent = exponentText.front() == '-';
    exponentText.remove_prefix(1); // the sign is always written
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (negativeExponent) {
        exponent = -exponent;
    }
    if (value != 0.0) {
        exponent -= pattern.integerDigits - 1;
    }

    const std::string_view allDigits(digits.data(), digitCount);
    text.append(allDigits.substr(0, static_cast<std::size_t>(pattern.integerDigits)));
    if (pattern.hasPoint) {
        text.append(decimalSeparator);
        text.append(allDigits.substr(static_cast<std::size_t>(pattern.integerDigits)));
    }
    text.append(pattern.exponentLetter);
    if (exponent < 0) {
        text.append('-');
    } else if (pattern.alwaysSignExponent) {
        text.append('+');
    }
    std::array<char, 8> exponentDigits{};
    const auto end =
        std::to_chars(exponentDigits.data(), exponentDigits.data() + exponentDigits.size(),
                      std::abs(exponent))
            .ptr;
    const std::string_view magnitude(exponentDigits.data(),
                                     static_cast<std::size_t>(end - exponentDigits.data()));
    text.appendZeros(pattern.exponentDigits - static_cast<int>(magnitude.size()));
    text.append(magnitude);
    return text.take();
}

} // namespace

std::string formatNumber(double value, std::string_view pattern,
                         std::string_view decimalSeparator) {
    const NumberPattern parsed = parsePattern(pattern);
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    return parsed.scientific ? formatScientific(value, parsed, decimalSeparator)
                             : formatFixed(value, parsed, decimalSeparator);
}

} // namespace runtime

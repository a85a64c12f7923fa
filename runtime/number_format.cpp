#include "runtime/number_format.hpp"

#include "runtime/errors.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace runtime {
namespace {

// Writes the text of one number into a fixed buffer: the longest text is
// 309 integer digits with their zero padding, a sign, the separator and the
// decimals, well inside the size below.
class TextBuffer {
public:
    void append(char c) { *end_++ = c; }
    void append(std::string_view s) {
        const std::size_t room = static_cast<std::size_t>(text_.data() + text_.size() - end_);
        const std::size_t count = s.size() < room ? s.size() : room;
        end_ = std::copy_n(s.data(), count, end_);
    }
    void appendZeros(int count) {
        for (; count > 0; --count) {
            append('0');
        }
    }
    std::string str() const {
        return std::string(text_.data(), static_cast<std::size_t>(end_ - text_.data()));
    }

private:
    std::array<char, 512> text_;
    char* end_ = text_.data();
};

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

    TextBuffer text;
    if (*integerBegin == '-') {
        text.append('-');
        ++integerBegin;
    }
    const char* const integerEnd =
        pattern.fractionDigits > 0 ? end - pattern.fractionDigits - 1 : end;
    std::string_view integerPart(integerBegin, static_cast<std::size_t>(integerEnd - integerBegin));
    if (integerPart == "0" && pattern.integerDigits == 0) {
        integerPart = {};
    }
    text.appendZeros(pattern.integerDigits - static_cast<int>(integerPart.size()));
    text.append(integerPart);
    if (pattern.hasPoint) {
        text.append(decimalSeparator);
        text.append(std::string_view(end - pattern.fractionDigits,
                                     static_cast<std::size_t>(pattern.fractionDigits)));
    }
    return text.str();
}

std::string formatScientific(double value, const NumberPattern& pattern,
                             std::string_view decimalSeparator) {
    const int significantDigits = pattern.integerDigits + pattern.fractionDigits;
    std::array<char, 16 + 2 * NumberPattern::maxPlaceholders> written;
    const char* const end = std::to_chars(written.data(), written.data() + written.size(), value,
                                          std::chars_format::scientific, significantDigits - 1)
                                .ptr;
    const char* mantissa = written.data();

    TextBuffer text;
    if (*mantissa == '-') {
        text.append('-');
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

    // The digits without the point, split where the pattern puts the separator.
    text.append(*mantissa);
    int integerDigitsLeft = pattern.integerDigits - 1;
    bool separatorWritten = false;
    for (const char* c = mantissa + 2; c < exponentMark; ++c) {
        if (integerDigitsLeft == 0 && !separatorWritten) {
            text.append(decimalSeparator);
            separatorWritten = true;
        }
        if (integerDigitsLeft > 0) {
            --integerDigitsLeft;
        }
        text.append(*c);
    }
    if (pattern.hasPoint && !separatorWritten) {
        text.append(decimalSeparator);
    }

    text.append(pattern.exponentLetter);
    if (exponent < 0) {
        text.append('-');
    } else if (pattern.alwaysSignExponent) {
        text.append('+');
    }
    const int magnitude = exponent < 0 ? -exponent : exponent;
    const int magnitudeDigits = magnitude >= 100 ? 3 : magnitude >= 10 ? 2 : 1;
    text.appendZeros(pattern.exponentDigits - magnitudeDigits);
    if (magnitude >= 100) {
        text.append(static_cast<char>('0' + magnitude / 100));
    }
    if (magnitude >= 10) {
        text.append(static_cast<char>('0' + magnitude / 10 % 10));
    }
    text.append(static_cast<char>('0' + magnitude % 10));
    return text.str();
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

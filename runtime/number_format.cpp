#include "runtime/number_format.hpp"

#include "runtime/charconv.hpp"

#include <array>
#include <cmath>

namespace runtime {
namespace {

std::string nonFinite(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

} // namespace

std::string formatNumber(double value, const NumberPattern& pattern,
                         std::string_view decimalSeparator) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    // to_chars rounds the exact binary value to nearest, ties to even, into
    // the pattern's very shape with a point and a small e: "[-]d.ddd" (up to
    // 309 integer digits) or "[-]d.ddde+dd" ("e-dd"), the exponent of 2 or 3
    // digits.
    std::array<char, 320 + NumberPattern::maxFractionDigits> buffer;
    const auto format =
        pattern.scientific ? std::chars_format::scientific : std::chars_format::fixed;
    const char* const end = runtime::toChars(buffer.data(), buffer.data() + buffer.size(), value,
                                             format, pattern.fractionDigits)
                                .ptr;
    const std::string_view written(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const std::size_t point = written.find('.');
    const std::string_view decimals = written.substr(point + 1);
    const std::size_t exponent = pattern.scientific ? decimals.find('e') : decimals.size();

    // Sized once: the separator is the locale's and can be of any length.
    std::string text;
    text.reserve(written.size() - 1 + decimalSeparator.size());
    text.append(written.substr(0, point));
    text.append(decimalSeparator);
    text.append(decimals.substr(0, exponent));
    if (pattern.scientific) {
        text.push_back('E');
        text.append(decimals.substr(exponent + 1));
    }
    return text;
}

} // namespace runtime

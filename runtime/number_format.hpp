#pragma once

// Numbers shown to the user, written by a pattern such as "0.00000000" or
// "0.000E+00". Pure functions: the caller passes the decimal separator of the
// user's locale.

#include "runtime/errors.hpp"

#include <string>
#include <string_view>

namespace runtime {

// A parsed pattern: "0." and one '0' for each decimal, fixed ("0.00000000"),
// or followed by "E+00", scientific ("0.000E+00"): one digit before the point
// and an exponent with its sign always and at least two digits. These are the
// only patterns the application writes with.
struct NumberPattern {
    // More decimals would only ask for digits binary64 cannot hold; refusing
    // them keeps every buffer below a fixed size.
    static constexpr int maxFractionDigits = 40;

    int fractionDigits = 0;
    bool scientific = false;
};

// Parses a pattern; one of another shape raises error 5. A constant pattern
// can be parsed, and so checked, at compile time.
constexpr NumberPattern parseNumberPattern(std::string_view pattern) {
    constexpr std::string_view lead = "0.";
    constexpr std::string_view exponent = "E+00";
    NumberPattern parsed;
    if (pattern.ends_with(exponent)) {
        parsed.scientific = true;
        pattern.remove_suffix(exponent.size());
    }
    if (!pattern.starts_with(lead)) {
        raiseInvalidArgumentError();
    }
    pattern.remove_prefix(lead.size());
    if (pattern.empty() || pattern.size() > NumberPattern::maxFractionDigits ||
        pattern.find_first_not_of('0') != std::string_view::npos) {
        raiseInvalidArgumentError();
    }
    parsed.fractionDigits = static_cast<int>(pattern.size());
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

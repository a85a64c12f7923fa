#pragma once

// Numbers shown to the user, written by a pattern such as "0.00000000" or
// "0.000E+00". Pure function: the caller passes the decimal separator of the
// user's locale.

#include <string>
#include <string_view>

namespace runtime {

// value written by pattern, rounded to nearest from its exact binary value.
// Patterns: '0' digit placeholders, at most one '.', which marks where the
// decimal separator goes, and optionally an exponent "E+0..." or "E-0..."
// (also with 'e'): "E+" always writes the exponent's sign, "E-" only a minus,
// and the exponent has at least as many digits as the pattern has zeros there.
// A pattern with anything else raises error 5. Infinities and NaN, which the
// checked arithmetic never lets through, are written "Inf", "-Inf" and "NaN".
std::string formatNumber(double value, std::string_view pattern, std::string_view decimalSeparator);

} // namespace runtime

#pragma once

// Binary64 to and from decimal text, rounded to nearest from the exact binary
// value, ties to even: std::to_chars and std::from_chars where the standard
// library has them for floating point, and the C library's snprintf and
// strtod where it does not (the libc++ that Debian 12's emscripten builds the
// browser's core with), which round the same way in the default rounding
// mode. Both answer as the standard functions do, so that every caller reads
// the same on every build.

#include <charconv>
#include <version>

namespace runtime {

// As std::to_chars(first, last, value, format, precision).
std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision);

// As std::from_chars(first, last, value) for a decimal number: value is
// left alone and the error is result_out_of_range when the number is beyond
// binary64's range.
std::from_chars_result fromChars(const char* first, const char* last, double& value);

} // namespace runtime

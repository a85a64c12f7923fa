#pragma once

// Binary64 to decimal text, rounded to nearest from the exact binary value,
// ties to even: std::to_chars where the standard library has it for floating
// point, and the C library's snprintf where it does not (the libc++ that
// Debian 12's emscripten builds the browser's core with), which rounds the
// same way in the default rounding mode. It answers as the standard function
// does, so that every caller reads the same on every build.

#include <charconv>
#include <version>

namespace runtime {

// As std::to_chars(first, last, value, format, precision).
std::to_chars_result toChars(char* first, char* last, double value, std::chars_format format,
                             int precision);

// As std::to_chars(first, last, value): the shortest text that reads back as
// value, fixed or scientific, whichever is shorter.
std::to_chars_result toChars(char* first, char* last, double value);

// The same, made with snprintf and strtod: what toChars(first, last, value)
// is where the standard library has no floating-point to_chars. Built
// everywhere, so that the builds that have one check it against theirs.
std::to_chars_result toCharsThroughPrintf(char* first, char* last, double value);

} // namespace runtime

#pragma once

// Conversions from the text a user types to the numbers the program works on.
// Pure functions: no locale, no window.

#include <cstdint>
#include <string_view>

namespace runtime {

// The number written at the start of text, or 0 when the text does not start
// with one. Blanks, tabs and line breaks are skipped wherever they stand
// ("1 0 0" is 100, "- 4" is -4); what is left is read as either
//   [+|-] digits [. digits] [(E|e|D|d) [+|-] digits]
// where the point is the only decimal separator whatever the locale, or
//   &H hexdigits | &O octaldigits
// an integer read as a 16-bit value when it fits in 16 bits (so &HFFFF is -1)
// and as a 32-bit value when it fits in 32 bits. Whatever follows the number
// is ignored ("2,5" gives 2, "12abc" gives 12). A value beyond binary64, or a
// radix integer beyond 32 bits, gives an infinity, which a later conversion to
// an integer reports as an overflow. Linear in the length of the text.
double valueOfText(std::string_view text) noexcept;

// value rounded to the nearest 32-bit signed integer, an exact half going to
// the even neighbour. Out of range after rounding, or NaN: overflow error.
std::int32_t roundToInt32(double value);

} // namespace runtime

#pragma once

// The number patterns Esplora writes with besides the window's two
// (sidesFormat and boundFormat, which its table uses): plain C++,
// so that they are fuzzed without a window.

#include "runtime/number_format.hpp"

#include <string_view>

namespace calc {

// The inset's magnification: "12,5" below a thousand, "2,50E+12" from there
// (which the drawing writes as a power of ten, "2,50·10¹²").
inline constexpr std::string_view zoomPattern = "0.0";
inline constexpr std::string_view largeZoomPattern = "0.00E+00";

// The same patterns, parsed and checked by the compiler.
inline constexpr runtime::NumberPattern zoomFormat = runtime::parseNumberPattern(zoomPattern);
inline constexpr runtime::NumberPattern largeZoomFormat =
    runtime::parseNumberPattern(largeZoomPattern);

} // namespace calc

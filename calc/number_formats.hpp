#pragma once

// The number patterns Esplora writes with besides the window's two
// (sidesFormat and boundFormat, which its table uses): plain C++,
// so that they are fuzzed without a window.

#include "runtime/number_format.hpp"

#include <string_view>

namespace calc {

// The inset's magnification: "x 12,5" below a thousand, "x 2,5E+12" from there.
inline constexpr std::string_view zoomPattern = "0.0";
inline constexpr std::string_view largeZoomPattern = "0.0E+00";
// How far a side lies from its arc, in radii, once the inset cannot show it.
inline constexpr std::string_view versinePattern = "0.0E+00";

// The same patterns, parsed and checked by the compiler.
inline constexpr runtime::NumberPattern zoomFormat = runtime::parseNumberPattern(zoomPattern);
inline constexpr runtime::NumberPattern largeZoomFormat =
    runtime::parseNumberPattern(largeZoomPattern);
inline constexpr runtime::NumberPattern versineFormat = runtime::parseNumberPattern(versinePattern);

} // namespace calc

#pragma once

// The steps a user may ask for, and what a step means: step 1 computes the
// hexagons, step n the polygons of 6 * 2^(n - 1) sides. Every face counts
// steps this way and writes the range from these constants.

#include "runtime/translatable.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::int32_t minimumSteps = 1;
inline constexpr std::int32_t maximumSteps = 500;

// The step Esplora opens at when none is asked for.
inline constexpr std::int32_t defaultExploreStep = 3;

// The range as the messages write it, %1 the first step and %2 the last:
// "da 1 a 500". The faces translate the pattern, not the text.
inline constexpr const char* stepRangePattern = LAVORO1_TRANSLATABLE("calc", "da %1 a %2");
// The range filled in, in the user's language (runtime::translated).
std::string stepRangeText();

// pattern with each %1 replaced by first and each %2 by second: how the
// core fills in the patterns it marks for translation.
std::string filledPattern(std::string_view pattern, std::string_view first,
                          std::string_view second = {});

// Sides of the polygons whose bounds step shows: 6 * 2^(step - 1), exact in
// binary64 for every step of the range.
double sidesAtStep(std::int32_t step);

} // namespace calc

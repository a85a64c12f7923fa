#pragma once

// What the "Calcola costante" button does, apart from the widgets: from the
// text typed as the number of steps to the three texts the window shows, or to
// the warning it gives instead. Plain C++, so that the window and the command
// line run the very same code.

#include "calc/module1.hpp"
#include "calc/step_range.hpp"
#include "runtime/number_format.hpp"
#include "runtime/translatable.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

inline constexpr const char* tooManyStepsWarning =
    LAVORO1_TRANSLATABLE("calc", "Risultati inattendibili!");
// %1 the range of steps (stepRangePattern): "Inserire un numero di
// iterazioni da 1 a 500."
inline constexpr const char* tooFewStepsPattern =
    LAVORO1_TRANSLATABLE("calc", "Inserire un numero di iterazioni %1.");
std::string tooFewStepsWarning();

inline constexpr std::string_view sidesPattern = "0.000E+00";
inline constexpr std::string_view boundPattern = "0.00000000";
// The same patterns, parsed and checked by the compiler.
inline constexpr runtime::NumberPattern sidesFormat = runtime::parseNumberPattern(sidesPattern);
inline constexpr runtime::NumberPattern boundFormat = runtime::parseNumberPattern(boundPattern);

// The most characters the text box of the steps holds, on the desktop (a
// line edit's own limit) as in the page.
inline constexpr std::int32_t longestStepText = 32767;

// The count a text stands for, and the warning that refuses it when it is
// outside 1..500 (empty when accepted), in the user's language
// (runtime::translated).
struct StepCount {
    std::int32_t count = 0;
    std::string warning;
};

// text converted and rounded as the window converts its text box. A count
// outside the 32-bit range raises runtime::RuntimeError (overflow). Every
// reading of a number of steps typed by the user goes through here.
StepCount readStepCount(std::string_view text);

struct ComputeOutcome {
    bool computed = false;
    // When computed: the three result texts, with the given decimal separator.
    std::string sides;
    std::string lowerBound;
    std::string upperBound;
    // When not computed: the warning to show (also left in module.warningText).
    std::string warning;
};

// Resets the start polygon, reads text with readStepCount, refuses a count
// above 500 or below 1 with its warning, and otherwise runs DoublePolygons and formats
// the results. A count outside the 32-bit range or a floating-point fault
// raises runtime::RuntimeError, leaving the outcome unproduced.
ComputeOutcome runComputeCommand(Module1& module, std::string_view text,
                                 std::string_view decimalSeparator);

// The three result texts for the polygon module holds now.
std::string formatSides(const Module1& module, std::string_view decimalSeparator);
std::string formatBound(double bound, std::string_view decimalSeparator);

} // namespace calc

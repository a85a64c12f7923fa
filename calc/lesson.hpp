#pragma once

// "How it works": the lesson beside Esplora's drawing, in sections a
// fifteen-year-old can follow, each with the numbers of the step shown.
// Texts are the Italian sources with %1.. for their numbers; the faces
// translate the pattern and fill it in, as with every text of the core.
// Formulas are written with the letters the lesson introduces, once with
// symbols and once with the step's numbers, which are the very binary64
// values DoublePolygons computes. Plain C++, no Qt.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// The digits of pi each certified method proves with the polygons up to the
// step shown (certified::race, which lives beside the core); the lesson only
// writes them.
struct ProvenDigits {
    int doubling = 0;
    int huygens = 0;
    int richardson = 0;
    int aimedAt = 0; // the races stop at the first step proving this many
};

// One line of the recurrence: "a = √(1 − h²)", then "√(1 − 0.5²)", then the
// value, all in the user's decimal separator.
struct LessonFormula {
    std::string symbols;
    std::string numbers;
    std::string value;
};

struct LessonSection {
    const char* title = "";   // marked LAVORO1_TRANSLATABLE("calc", ...)
    const char* pattern = ""; // likewise, with %1.. for arguments
    std::vector<std::string> arguments;
    std::vector<LessonFormula> formulas;
};

// What DoublePolygons computes at step, by name: the polygons of `sides`
// sides with side `side` give apothem, outerSide, lower and upper bounds,
// sagitta, and the side of the polygons of twice the sides.
struct StepValues {
    std::int32_t step = 0;
    double sides = 0.0;
    double side = 0.0;
    double halfSide = 0.0;
    double apothem = 0.0;
    double outerSide = 0.0;
    double lowerBound = 0.0;
    double upperBound = 0.0;
    double sagitta = 0.0;
    double nextSide = 0.0;
};

// step from 1 to maximumSteps; a floating-point fault raises
// runtime::RuntimeError as the compute command would.
StepValues stepValues(std::int32_t step);

// Archimedes' bracket from the 96-gons, 3 10/71 < pi < 3 1/7.
inline constexpr std::int32_t archimedesStep = 5; // 6 * 2^4 = 96 sides
inline constexpr double archimedesLower = 223.0 / 71.0;
inline constexpr double archimedesUpper = 22.0 / 7.0;

// The sections in reading order: the hexagon, doubling, the formulas, why
// the bounds hold, binary64's limit (runOutStep: calc::firstStepPastPi),
// proven digits, and Archimedes' own result beside the program's.
std::vector<LessonSection> lessonSections(std::int32_t step, std::int32_t runOutStep,
                                          const ProvenDigits& proven,
                                          std::string_view decimalSeparator);

} // namespace calc

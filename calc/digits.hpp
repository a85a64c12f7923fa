#pragma once

// How many decimal digits of pi each step's binary64 results get right:
// the points of the convergence chart, measured against pi to 32 digits.
// Plain C++, no Qt.

#include "calc/step_rows.hpp"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace calc {

// The digits the chart's certified series aim at (certified::race stops at
// the first step proving them, so each method's line ends there): at 300
// digits doubling needs about 500 steps, the chart's last. The build runs
// the races once (calc/proven_series.hpp).
inline constexpr int chartProvenDigits = 300;

// Pi as the unevaluated sum of two binary64 numbers: piHigh is pi rounded to
// binary64 and piLow the rest rounded again, so that piHigh + piLow differs
// from pi by less than 2^-106 * pi, about 4e-32.
inline constexpr double piHigh = 3.141592653589793116;
inline constexpr double piLow = 1.2246467991473532e-16;

// value - pi, with a relative error below 1e-15. For value within a factor of
// two of pi, value - piHigh is exact, and the only rounding left is that of
// subtracting piLow; for a binary64 value the result is never smaller than
// piLow in magnitude, far above the error of the two-term pi.
double distanceFromPi(double value);

// -log10 |value - pi|: the decimal digits of pi that value gets right.
double correctDigits(double value);

// A point of the chart: after step `step`, `digits` correct digits.
struct DigitPoint {
    int step = 0;
    double digits = 0.0;
    bool operator==(const DigitPoint&) const = default;
};

// A named line of the chart. More series (other methods) use the same type.
struct DigitSeries {
    std::string name;
    std::vector<DigitPoint> points;
};

// The digits series shows at step: its last point at or before step, 0
// before its first. A proven series ends where its method reached the
// digits it aimed at, and holds at least as many from there on.
double digitsAt(const DigitSeries& series, int step);

// The same as a table writes it: "12", or "≥ 300" (UTF-8) past the series'
// last point.
std::string digitsAtText(const DigitSeries& series, int step);

// The three binary64 series of rows, in this order: the lower bound, the
// upper bound and the width upper - lower (as -log10 of the width). A width
// of zero or less has no digits to show and ends the width series there.
std::vector<DigitSeries> binary64Series(std::span<const StepRow> rows);

// The first step whose binary64 lower bound exceeds pi: where the rounding
// errors have used up the format's digits. None if no row does.
std::optional<int> firstStepPastPi(std::span<const StepRow> rows);

} // namespace calc

#pragma once

// The convergence chart's figures, apart from any painting: which points of
// each series a number of shown steps keeps, the ranges and ticks of the two
// axes, the marker where binary64 runs out, and the note under the chart.
// The desktop chart and the page draw from these. Plain C++, no Qt.

#include "calc/digits.hpp"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace calc {

// Points are marked while they stand apart.
inline constexpr int markedPointsUpTo = 60;

// The digit axis runs from lowestDigits, under every binary64 point (the
// width's first has 0.33 digits), to a little over the highest point shown
// (headroom times it), and at least one decade above 1: labels only come at
// powers of ten.
inline constexpr double lowestDigits = 0.2;
inline constexpr double fewestTopDigits = 10.0;
inline constexpr double headroom = 1.5;

// The step axis has at most ten intervals, and each at least this many
// pixels wide, so that labels up to "500" never crowd when the chart is small.
inline constexpr int mostStepTicks = 10;
inline constexpr double leastStepTickPixels = 40.0;

// A tick interval of 1, 2 or 5 times a power of ten (up to 5000) giving at
// most mostTicks intervals over span.
double tickInterval(double span, int mostTicks);

// The step axis's interval for a plot plotWidth pixels wide (0 when not yet
// laid out) showing steps 1 to lastStep.
double stepTickInterval(double lastStep, double plotWidth);

// The points of series a chart of shown steps draws: steps up to shown, and
// digits above 0, which a logarithmic axis has no place for.
std::vector<DigitSeries> shownSeries(std::span<const DigitSeries> series, int shown);

// A line of the digit grid: at every power of ten (major, labelled) and
// faintly at the eight values between.
struct DigitGridLine {
    double digits = 0.0;
    bool major = false;
};

struct ChartAxes {
    double lastStep = 2.0;     // the step axis runs from 1 to this
    double stepInterval = 1.0; // its ticks, from 0 on
    double topDigits = fewestTopDigits;
    std::vector<DigitGridLine> digitGrid;
    bool pointsMarked = true;
};

// The axes for the shown points of shownSeries, shown steps, in a plot
// plotWidth pixels wide.
ChartAxes chartAxes(std::span<const DigitSeries> shown, int shownSteps, double plotWidth);

// The digits of the first series (the lower bound) at step, where the
// run-out marker sits; 0 when the series has no such point.
double digitsAtStep(const DigitSeries& series, int step);

// The legend's name of the run-out marker and the note under the chart, in
// the user's language (runtime::translated).
std::string runOutName(int runOutStep);
std::string chartNote(std::optional<int> runOutStep, int shownSteps);

} // namespace calc

#include "calc/chart_figures.hpp"

#include "calc/step_range.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <cmath>

namespace calc {

double tickInterval(double span, int mostTicks) {
    double interval = 1.0;
    for (const double scale : {1.0, 10.0, 100.0, 1000.0}) {
        for (const double base : {1.0, 2.0, 5.0}) {
            interval = base * scale;
            if (span / interval <= mostTicks) {
                return interval;
            }
        }
    }
    return interval;
}

double stepTickInterval(double lastStep, double plotWidth) {
    const int mostTicks =
        plotWidth > 0.0
            ? std::clamp(static_cast<int>(plotWidth / leastStepTickPixels), 1, mostStepTicks)
            : mostStepTicks;
    return tickInterval(lastStep - 1.0, mostTicks);
}

std::vector<DigitSeries> shownSeries(std::span<const DigitSeries> series, int shown) {
    std::vector<DigitSeries> kept;
    kept.reserve(series.size());
    for (const DigitSeries& line : series) {
        DigitSeries& copy = kept.emplace_back(DigitSeries{line.name, {}});
        for (const DigitPoint& point : line.points) {
            if (point.step <= shown && point.digits > 0.0) {
                copy.points.push_back(point);
            }
        }
    }
    return kept;
}

ChartAxes chartAxes(std::span<const DigitSeries> shown, int shownSteps, double plotWidth) {
    double highest = 1.0;
    for (const DigitSeries& line : shown) {
        for (const DigitPoint& point : line.points) {
            highest = std::max(highest, point.digits);
        }
    }
    ChartAxes axes;
    axes.lastStep = std::max(shownSteps, 2);
    axes.stepInterval = stepTickInterval(axes.lastStep, plotWidth);
    axes.topDigits = std::max(fewestTopDigits, highest * headroom);
    axes.pointsMarked = shownSteps <= markedPointsUpTo;
    // Powers of ten are exact from 10^0 up; 0.1 is the one rounded, and k * 0.1
    // is compared with lowestDigits as the axis compares them.
    for (int exponent = -1; std::pow(10.0, exponent) <= axes.topDigits; ++exponent) {
        const double decade = std::pow(10.0, exponent);
        for (int k = 1; k < 10; ++k) {
            const double digits = decade * k;
            if (digits >= lowestDigits && digits <= axes.topDigits) {
                axes.digitGrid.push_back({digits, k == 1});
            }
        }
    }
    return axes;
}

double digitsAtStep(const DigitSeries& series, int step) {
    const auto point = std::find_if(series.points.begin(), series.points.end(),
                                    [step](const DigitPoint& p) { return p.step == step; });
    return point == series.points.end() ? 0.0 : point->digits;
}

std::string runOutName(int runOutStep) {
    return filledPattern(runtime::translated("ConvergenceChart", "binary64 esaurito (passo %1)"),
                         std::to_string(runOutStep));
}

std::string chartNote(std::optional<int> runOutStep, int shownSteps) {
    if (!runOutStep) {
        return runtime::translated("ConvergenceChart",
                                   "Il limite inferiore in binary64 resta sotto π.");
    }
    const std::string step = std::to_string(*runOutStep);
    if (*runOutStep > shownSteps) {
        return filledPattern(runtime::translated("ConvergenceChart",
                                                 "Con %1 passi o più il limite inferiore "
                                                 "calcolato in binary64 supera π."),
                             step);
    }
    return filledPattern(
        runtime::translated("ConvergenceChart",
                            "Dal passo %1 il limite inferiore in binary64 supera π: gli "
                            "arrotondamenti hanno esaurito le circa 16 cifre del formato."),
        step);
}

} // namespace calc

#include "calc/digits.hpp"

#include "runtime/translatable.hpp"

#include <cmath>
#include <utility>

namespace calc {

double distanceFromPi(double value) {
    return (value - piHigh) - piLow;
}

double correctDigits(double value) {
    return -std::log10(std::fabs(distanceFromPi(value)));
}

std::vector<DigitSeries> binary64Series(std::span<const StepRow> rows) {
    // Named in the chart's words, which the chart translates.
    std::vector<DigitSeries> series = {
        {LAVORO1_TRANSLATABLE("ConvergenceChart", "Limite inferiore"), {}},
        {LAVORO1_TRANSLATABLE("ConvergenceChart", "Limite superiore"), {}},
        {LAVORO1_TRANSLATABLE("ConvergenceChart", "Differenza"), {}},
    };
    bool widthShown = true;
    for (DigitSeries& line : series) {
        line.points.reserve(rows.size());
    }
    for (const StepRow& row : rows) {
        series[0].points.push_back({row.step, correctDigits(row.lowerBound)});
        series[1].points.push_back({row.step, correctDigits(row.upperBound)});
        widthShown = widthShown && row.difference > 0.0;
        if (widthShown) {
            series[2].points.push_back({row.step, -std::log10(row.difference)});
        }
    }
    return series;
}

std::optional<int> firstStepPastPi(std::span<const StepRow> rows) {
    for (const StepRow& row : rows) {
        if (distanceFromPi(row.lowerBound) > 0.0) {
            return row.step;
        }
    }
    return std::nullopt;
}

double digitsAt(const DigitSeries& series, int step) {
    double digits = 0.0;
    for (const DigitPoint& point : series.points) {
        if (point.step > step) {
            break;
        }
        digits = point.digits;
    }
    return digits;
}

std::string digitsAtText(const DigitSeries& series, int step) {
    const std::string digits = std::to_string(static_cast<long long>(digitsAt(series, step)));
    return !series.points.empty() && step > series.points.back().step ? "≥ " + digits : digits;
}

} // namespace calc

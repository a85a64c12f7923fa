#include "explore/convergence.hpp"

#include <cmath>
#include <utility>

namespace explore {

double distanceFromPi(double value) {
    return (value - piHigh) - piLow;
}

double correctDigits(double value) {
    return -std::log10(std::fabs(distanceFromPi(value)));
}

std::vector<DigitSeries> binary64Series(std::span<const archimede::StepRow> rows) {
    std::vector<DigitSeries> series = {
        {"Limite inferiore", {}},
        {"Limite superiore", {}},
        {"Ampiezza", {}},
    };
    bool widthShown = true;
    for (DigitSeries& line : series) {
        line.points.reserve(rows.size());
    }
    for (const archimede::StepRow& row : rows) {
        series[0].points.push_back({row.step, correctDigits(row.lowerBound)});
        series[1].points.push_back({row.step, correctDigits(row.upperBound)});
        widthShown = widthShown && row.difference > 0.0;
        if (widthShown) {
            series[2].points.push_back({row.step, -std::log10(row.difference)});
        }
    }
    return series;
}

std::vector<DigitSeries> certifiedSeries(int digits, int lastStep) {
    std::vector<DigitSeries> series;
    for (const certified::Method method :
         {certified::Method::Doubling, certified::Method::Huygens, certified::Method::Richardson}) {
        DigitSeries line{"Dimostrate: " + std::string(certified::nameOf(method)), {}};
        for (const certified::RaceRow& row : certified::race(method, digits)) {
            if (row.step > lastStep) {
                break;
            }
            line.points.push_back(
                {static_cast<int>(row.step), static_cast<double>(row.provenDigits)});
        }
        series.push_back(std::move(line));
    }
    return series;
}

std::optional<int> firstStepPastPi(std::span<const archimede::StepRow> rows) {
    for (const archimede::StepRow& row : rows) {
        if (distanceFromPi(row.lowerBound) > 0.0) {
            return row.step;
        }
    }
    return std::nullopt;
}

} // namespace explore

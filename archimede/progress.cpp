#include "archimede/progress.hpp"

#include "runtime/translatable.hpp"

#include <algorithm>
#include <cmath>

namespace archimede {

void RemainingTime::add(std::int64_t step, double seconds) {
    const auto x = static_cast<double>(step);
    count_ += 1.0;
    steps_ += x;
    squaredSteps_ += x * x;
    seconds_ += seconds;
    stepsTimesSeconds_ += x * seconds;
}

std::optional<double> RemainingTime::after(std::int64_t done, std::int64_t total) const {
    if (count_ < 2.0) {
        return std::nullopt;
    }
    const double spread = count_ * squaredSteps_ - steps_ * steps_;
    double slope = spread > 0.0 ? (count_ * stepsTimesSeconds_ - steps_ * seconds_) / spread : 0.0;
    // Steps never grow cheaper: a falling fit is noise.
    slope = std::max(slope, 0.0);
    const double intercept = (seconds_ - slope * steps_) / count_;
    // The sum of a + b * step over the steps done + 1 .. total.
    const auto left = static_cast<double>(total - done);
    const double stepsLeft = (static_cast<double>(total) * static_cast<double>(total + 1) -
                              static_cast<double>(done) * static_cast<double>(done + 1)) /
                             2.0;
    return std::max(0.0, intercept * left + slope * stepsLeft);
}

std::string durationText(double seconds) {
    constexpr std::int64_t minute = 60;
    constexpr std::int64_t hoursFrom = 90 * minute;
    const auto whole = static_cast<std::int64_t>(std::ceil(std::max(seconds, 0.0)));
    if (whole < minute) {
        return runtime::filled(runtime::translated("archimede", "%1 s"), {std::to_string(whole)});
    }
    if (whole < hoursFrom) {
        return runtime::filled(runtime::translated("archimede", "%1 min %2 s"),
                               {std::to_string(whole / minute), std::to_string(whole % minute)});
    }
    const std::int64_t minutes = (whole + minute - 1) / minute;
    return runtime::filled(runtime::translated("archimede", "%1 h %2 min"),
                           {std::to_string(minutes / minute), std::to_string(minutes % minute)});
}

} // namespace archimede

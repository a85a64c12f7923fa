#pragma once

// What the progress line of a long --cifre run says of the time left.

#include <cstdint>
#include <optional>
#include <string>

namespace archimede {

// The time the steps after those done will take, from the time each step
// done took, fitted as a + b * step by least squares: exact where every step
// costs the same square root, and where a step adds its column to
// Richardson's table, a long addition for each step before it.
class RemainingTime {
public:
    // step took seconds.
    void add(std::int64_t step, double seconds);
    // Seconds for the steps after done up to total; none before two steps.
    std::optional<double> after(std::int64_t done, std::int64_t total) const;

private:
    double count_ = 0.0;
    double steps_ = 0.0;
    double squaredSteps_ = 0.0;
    double seconds_ = 0.0;
    double stepsTimesSeconds_ = 0.0;
};

// "42 s", "3 min 5 s" from a minute on, "1 h 35 min" from 90 minutes on,
// rounded up, in the user's language.
std::string durationText(double seconds);

} // namespace archimede

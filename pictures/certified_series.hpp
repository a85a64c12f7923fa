#pragma once

// The proven digits of the convergence chart: for each certified method, the
// decimals of pi each step settles (certified::race). Plain C++, no Qt.

#include "calc/digits.hpp"

#include <vector>

namespace pictures {

// The digits the certified series aim at: certified::race stops at the first
// step proving them, so each method's line ends there. At 300 digits
// doubling needs about 500 steps, the chart's last, and the three races
// take a few milliseconds together.
inline constexpr int certifiedDigits = 300;

// The digits each step proves (certified::RaceRow::provenDigits, 0 included)
// for the doubling, Huygens and Richardson methods, in this order, named
// "Dimostrate: " and the method (Italian source texts,
// which the chart translates); steps 1 to lastStep, or fewer where the race
// reaches digits sooner.
std::vector<calc::DigitSeries> certifiedSeries(int digits, int lastStep);

} // namespace pictures

#pragma once

// The proven digits of the convergence chart: for each certified method, the
// decimals of pi each step settles (certified::race). Plain C++, no Qt.

#include "calc/digits.hpp"

#include <vector>

namespace pictures {

// The digits the certified series aim at.
inline constexpr int certifiedDigits = calc::chartProvenDigits;

// The digits each step proves (certified::RaceRow::provenDigits, 0 included)
// for the doubling, Huygens and Richardson methods, in this order, named
// "Dimostrate: " and the method (Italian source texts,
// which the chart translates); steps 1 to lastStep, or fewer where the race
// reaches digits sooner.
std::vector<calc::DigitSeries> certifiedSeries(int digits, int lastStep);

} // namespace pictures

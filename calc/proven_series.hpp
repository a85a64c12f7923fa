#pragma once

// The convergence chart's proven series: the decimals of pi that each step
// proves with the three certified methods. Computed once by the build with
// certified::race (tools/proven_series.cpp) and compiled in, so that the
// faces show them without Arb, the page's core included. Plain C++, no Qt;
// in the library lavoro1_proven_series.

#include "calc/digits.hpp"

#include <vector>

namespace calc {

// The doubling's, Huygens' and Richardson's series, in this order, named by
// Italian source texts of the context "ConvergenceChart" ("Dimostrate:
// raddoppi"...), which the faces translate. Each has a point for every step
// from 1 (0 digits included) to maximumSteps, or to the first step that
// proves chartProvenDigits where its method gets there sooner.
const std::vector<DigitSeries>& provenSeries();

} // namespace calc

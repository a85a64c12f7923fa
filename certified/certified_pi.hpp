#pragma once

// Bounds for pi that are proven, not rounded guesses: the window's polygons
// redone in ball arithmetic, where every value carries a
// radius that encloses all rounding errors, and printed with outward rounding.
// Three ways to read pi off the same polygons:
//   Doubling    the inscribed and circumscribed half perimeters themselves;
//   Huygens     Snell's lower and Huygens' upper bound from one polygon;
//   Richardson  the Romberg table's entry over the squares of the inscribed
//               half perimeters, in closed form, widened by a proven bound on
//               the terms it leaves out, and its square root; race
//               extrapolates the half perimeters themselves
//               (docs/richardson-remainder.md).

#include "certified/methods.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace certified {

struct Plan {
    Method method = Method::Richardson;
    // Polygons computed, counted as DoublePolygons counts them: step s is the
    // polygon of 6 * 2^(s - 1) sides, so steps - 1 doublings of the hexagon.
    std::int64_t steps = 0;
    // Richardson only: columns of the Romberg table beyond the first, at most
    // steps - 1.
    std::int64_t depth = 0;
    // Working precision of every ball operation; for Richardson's closed
    // form the apothems carry 2 (steps - 1) + 8 bits more, which 1 - c loses
    // at the last step.
    std::int64_t precisionBits = 0;
    // Richardson only: the proven remainder bound is multiplied by this before
    // it widens the result. 1 for a proof; below 1 the bounds are no longer
    // proven, which is how the tests show that their containment check bites.
    double remainderFactor = 1.0;
    // Richardson only: what the table extrapolates.
    enum class Series {
        // L^2 = n^2 (1 - c) / 2, c the apothem of the polygon before: linear
        // in the apothems, so the closed form costs no long multiplication;
        // pi is the square root of the entry. What planFor plans.
        SquaredHalfPerimeters,
        // L itself, as race does: at depth m its remainder is about
        // 4^(m+1) / (2m+4) times smaller, at the cost of the product of the
        // apothems at every step and the Romberg table.
        HalfPerimeters,
    };
    Series series = Series::SquaredHalfPerimeters;
};

// lower < pi < upper, both with the same number of decimals and a point as the
// decimal separator; lower is rounded down and upper up from the enclosures,
// so the inequality holds exactly as written.
struct Bounds {
    Plan plan;
    int decimals = 0;
    std::string lower;
    std::string upper;
    // upper - lower < 10^-decimals before the decimal rounding, so that the
    // printed bounds differ by at most 2 units of the last decimal.
    bool narrowerThanLastDecimal = false;
    // The decimals that every number strictly between the enclosure's ends
    // shares, pi's among them: the digits of pi this bracket proves. From
    // decimals on, lower is pi truncated and upper one unit of the last
    // decimal above it.
    int settledDecimals = 0;
};

// Called after every polygon with the steps done and the steps planned. It
// may throw to stop the calculation at once; nothing is left allocated.
using StepObserver = std::function<void(std::int64_t done, std::int64_t total)>;

// The fewest steps (and for Richardson the shallowest table) that bring the
// bracket under 10^-digits / 2, and a precision whose rounding errors over
// them stay far below that. digits from minimumDigits to maximumDigits.
Plan planFor(Method method, int digits, double remainderFactor = 1.0);

// The bracket after plan.steps polygons (at least 1), rounded outward to
// decimals places. A precision too small for the steps leaves enclosures
// without finite ends: std::domain_error then, here and in race.
Bounds bracketAfter(const Plan& plan, int decimals, const StepObserver& observer = {});

// pi truncated to digits decimals and one unit of the last decimal above it:
// the plan of planFor, extended if the enclosures turn out wider than
// planned, and aimed at more digits while the bracket still straddles a
// boundary of the last decimal, as it may where a run of nines or zeros
// follows it (pi is irrational, so a narrow enough bracket never does).
Bounds certifyPi(Method method, int digits, const StepObserver& observer = {});

// What each polygon proves: the decimals on which both ends of the bracket
// the method reads off the polygons up to this one agree (Bounds::
// settledDecimals; 0 when not even the first does). Richardson uses the
// deepest table they allow.
struct RaceRow {
    std::int64_t step = 0; // 6 * 2^(step - 1) sides
    int provenDigits = 0;
};

// One row per step, from the hexagon to the first step that proves digits
// decimals, at the precision planFor gives for digits (or a few more where
// pi's digits that follow need them). A few hundred digits take milliseconds
// for every method.
std::vector<RaceRow> race(Method method, int digits, const StepObserver& observer = {});

// The same rows, each passed on as soon as its step is proven, so that a long
// run keeps none of them; a plan started again for a few digits more passes
// on only the steps after those already passed.
using RowObserver = std::function<void(const RaceRow& row)>;
void race(Method method, int digits, const RowObserver& onRow, const StepObserver& observer = {});

// A lower estimate of the memory, in bytes, that certifyPi (race with
// eachStep) takes beyond what the process holds before it starts: the long
// numbers live at once, Richardson's table among them, times their size.
std::uint64_t memoryNeeded(Method method, int digits, bool eachStep);

} // namespace certified

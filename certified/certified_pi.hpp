#pragma once

// Bounds for pi that are proven, not rounded guesses: the polygon doubling of
// DoublePolygons redone in ball arithmetic, where every value carries a radius
// that encloses all rounding errors, and printed with outward rounding.

#include <cstdint>
#include <functional>
#include <string>

namespace certified {

inline constexpr int minimumDigits = 1;
inline constexpr int maximumDigits = 10000;

struct CertifiedPlan {
    std::int64_t steps = 0;         // doubling steps, counted as DoublePolygons counts them
    std::int64_t precisionBits = 0; // working precision of every ball operation
};

// lower < pi < upper, both with the same number of decimals and a point as the
// decimal separator; lower is rounded down and upper up from the enclosures,
// so the inequality holds exactly as written. The bounds belong to the
// inscribed and circumscribed polygons of 6 * 2^(steps - 1) sides.
struct CertifiedBounds {
    CertifiedPlan plan;
    int decimals = 0;
    std::string lower;
    std::string upper;
    // upper - lower < 10^-decimals before the decimal rounding, so that the
    // printed bounds differ by at most 2 units of the last decimal.
    bool narrowerThanLastDecimal = false;
};

// Called after every doubling with the steps done and the steps planned. It
// may throw to stop the calculation at once; nothing is left allocated.
using StepObserver = std::function<void(std::int64_t done, std::int64_t total)>;

// Steps that bring the bracket under 10^-digits / 4 and a precision whose
// rounding errors over those steps stay far below that.
CertifiedPlan planFor(int digits);

// The bracket of the polygons after plan.steps steps (at least 1), rounded
// outward to decimals places.
CertifiedBounds bracketAfter(const CertifiedPlan& plan, int decimals,
                             const StepObserver& observer = {});

// A bracket narrower than 10^-digits, for digits from minimumDigits to
// maximumDigits: the plan of planFor, extended if the enclosures turn out
// wider than planned.
CertifiedBounds certifyPi(int digits, const StepObserver& observer = {});

} // namespace certified

#include "certified/certified_pi.hpp"

#include "certified/arb.hpp"
#include "certified/arb_values.hpp"
#include "certified/long_numbers.hpp"
#include "certified/polygons.hpp"
#include "certified/richardson.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <stdexcept>

namespace certified {
namespace {

enum class Direction { Down, Up };

// 10^exponent, kept from one call to the next: the race's rows ask for a few
// decimals more each time, a multiplication by a short number instead of a
// new power.
class PowerOfTen {
public:
    const fmpz* to(ulong exponent) {
        if (!known_ || exponent < exponent_) {
            fmpz_ui_pow_ui(power_, 10, exponent);
        } else if (exponent > exponent_) {
            Integer factor;
            fmpz_ui_pow_ui(factor, 10, exponent - exponent_);
            fmpz_mul(power_, power_, factor);
        }
        known_ = true;
        exponent_ = exponent;
        return power_;
    }

private:
    Integer power_;
    ulong exponent_ = 0;
    bool known_ = false;
};

// mantissa * 2^exponent * 10^decimals rounded to an integer in direction:
// exact, whatever the sizes.
void scaleToDecimals(fmpz* result, const fmpz* mantissa, const fmpz* exponent, int decimals,
                     Direction direction, PowerOfTen& powers) {
    fmpz_mul(result, mantissa, powers.to(static_cast<ulong>(decimals)));
    if (fmpz_sgn(exponent) >= 0) {
        fmpz_mul_2exp(result, result, fmpz_get_ui(exponent));
    } else {
        Integer shift;
        fmpz_neg(shift, exponent);
        if (direction == Direction::Down) {
            fmpz_fdiv_q_2exp(result, result, fmpz_get_ui(shift));
        } else {
            fmpz_cdiv_q_2exp(result, result, fmpz_get_ui(shift));
        }
    }
}

// The integer scaled by 10^-decimals, written with a point.
std::string fixedPoint(const fmpz* scaled, int decimals) {
    char* written = fmpz_get_str(nullptr, 10, scaled);
    std::string digits(written);
    flint_free(written);
    std::string sign;
    if (!digits.empty() && digits.front() == '-') {
        sign = "-";
        digits.erase(0, 1);
    }
    const auto fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction) {
        digits.insert(0, fraction + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - fraction, 1, '.');
    return sign + digits;
}

// pi lies strictly between low and high, exact dyadic numbers.
struct Ends {
    Float low;
    Float high;
};

// The lower end of lower and the upper end of upper, exactly. Balls whose
// rounding errors have outgrown every bound (a precision too small for the
// steps) have no finite ends.
void endsOf(Ends& ends, arb_srcptr lower, arb_srcptr upper) {
    if (!arb_is_finite(lower) || !arb_is_finite(upper)) {
        throw std::domain_error("pi's enclosure is not finite: the precision is too small");
    }
    arb_get_lbound_arf(ends.low, lower, ARF_PREC_EXACT);
    arb_get_ubound_arf(ends.high, upper, ARF_PREC_EXACT);
}

// end * 10^decimals rounded to an integer in direction.
void scaledEnd(fmpz* result, arf_srcptr end, int decimals, Direction direction,
               PowerOfTen& powers) {
    Integer mantissa, exponent;
    arf_get_fmpz_2exp(mantissa, exponent, end);
    scaleToDecimals(result, mantissa, exponent, decimals, direction, powers);
}

bool narrowerThan(arf_srcptr width, int decimals) {
    Integer unit;
    fmpz_set_ui(unit, 10);
    fmpz_pow_ui(unit, unit, static_cast<ulong>(decimals));
    Float scaled;
    arf_mul_fmpz(scaled, width, unit, ARF_PREC_EXACT, ARF_RND_DOWN);
    return arf_cmp_si(scaled, 1) < 0;
}

// The largest d, at most decimals, such that every x with low < x < high has
// the same first d decimals: floor(x 10^d) runs from floor(low 10^d) to
// ceil(high 10^d) - 1, so the two must be equal (an end on a boundary of the
// d-th decimal is not in the open interval and does not spoil it). Agreeing
// on d decimals implies agreeing on fewer.
int sharedDecimals(arf_srcptr lowEnd, arf_srcptr highEnd, int decimals, PowerOfTen& powers) {
    Integer low, high, units;
    scaledEnd(low, lowEnd, decimals, Direction::Down, powers);
    scaledEnd(high, highEnd, decimals, Direction::Up, powers);
    // floor(floor(y) / 10) = floor(y / 10), and the same for ceilings.
    for (; decimals > 0; --decimals) {
        fmpz_sub(units, high, low);
        if (fmpz_is_one(units)) {
            break;
        }
        fmpz_fdiv_q_ui(low, low, 10);
        fmpz_cdiv_q_ui(high, high, 10);
    }
    return decimals;
}

// end rounded to bits in direction (outward), and the same end moved inward
// by a power of two at least as large as the rounding error: the two bracket
// end, both short.
void shortEnds(arf_ptr outward, arf_ptr inward, arf_srcptr end, slong bits, arf_rnd_t direction) {
    arf_set_round(outward, end, bits, direction);
    Float error;
    arf_sub(error, end, outward, ARF_PREC_EXACT, ARF_RND_DOWN);
    if (arf_is_zero(error)) {
        arf_set(inward, outward);
        return;
    }
    Float step;
    arf_one(step);
    arf_mul_2exp_fmpz(step, step, ARF_EXPREF(static_cast<arf_srcptr>(error)));
    if (arf_sgn(error) < 0) {
        arf_neg(step, step);
    }
    arf_add(inward, outward, step, ARF_PREC_EXACT, ARF_RND_DOWN);
}

// The decimals that every number strictly between the ends shares; needs
// high - low <= 10^-d. Found on ends cut to some 64 bits below the width:
// the cut bracket outward shares no more decimals than the ends, the cut
// bracket inward no fewer, so where both agree that is the count; otherwise
// (a boundary within the cut's error of an end, about once in 2^60) the
// full ends decide.
int settledDecimalsOf(const Ends& ends, PowerOfTen& powers) {
    Float width;
    arf_sub(width, ends.high, ends.low, ARF_PREC_EXACT, ARF_RND_DOWN);
    if (arf_sgn(width) <= 0) {
        throw std::logic_error("settledDecimalsOf: pi's bracket has no width");
    }
    // width >= 2^(e - 1), so d <= (1 - e) log10(2): start a decimal above.
    const slong widthExponent = fmpz_get_si(ARF_EXPREF(static_cast<arf_srcptr>(width)));
    const int decimals = std::max(
        0,
        static_cast<int>(std::floor((1.0 - static_cast<double>(widthExponent)) * std::log10(2.0))) +
            1);
    const slong highExponent = fmpz_get_si(ARF_EXPREF(static_cast<arf_srcptr>(ends.high)));
    const slong bits = std::max<slong>(64, highExponent - widthExponent + 64);
    if (arf_bits(ends.low) > bits || arf_bits(ends.high) > bits) {
        Ends outward, inward;
        shortEnds(outward.low, inward.low, ends.low, bits, ARF_RND_FLOOR);
        shortEnds(outward.high, inward.high, ends.high, bits, ARF_RND_CEIL);
        if (arf_cmp(inward.low, inward.high) < 0) {
            const int fewest = sharedDecimals(outward.low, outward.high, decimals, powers);
            if (fewest == sharedDecimals(inward.low, inward.high, decimals, powers)) {
                return fewest;
            }
        }
    }
    return sharedDecimals(ends.low, ends.high, decimals, powers);
}

constexpr double log2Ten = std::numbers::ln10 / std::numbers::ln2;

// Bits for digits decimals, guardBits more for the rounding errors.
std::int64_t precisionFor(int digits, double guardBits) {
    return std::max<std::int64_t>(
        64, static_cast<std::int64_t>(std::ceil(digits * log2Ten + guardBits)));
}

// The steps whose polygon has at least 2^log2Sides sides.
std::int64_t stepsForSides(double log2Sides) {
    return std::max<std::int64_t>(
        1, static_cast<std::int64_t>(std::ceil(log2Sides - std::log2(6.0))) + 1);
}

// pi lies between the lower end of lower and the upper end of upper.
struct Bracket {
    Ball lower;
    Ball upper;
};

// The bracket one polygon gives, for Doubling and Huygens.
void polygonBracket(Method method, const Polygons& polygons, slong precision, Bracket& bracket) {
    polygons.inscribedHalfPerimeter(bracket.lower);
    polygons.circumscribedHalfPerimeter(bracket.upper);
    if (method == Method::Huygens) {
        // Snell: 3L / (2 + a) < pi. Huygens: pi < (2L + U) / 3.
        Ball scratch;
        arb_mul_2exp_si(scratch, bracket.lower, 1);
        arb_add(bracket.upper, bracket.upper, scratch, precision);
        arb_div_ui(bracket.upper, bracket.upper, 3, precision);
        arb_add_ui(scratch, polygons.apothem(), 2, precision);
        arb_mul_ui(bracket.lower, bracket.lower, 3, precision);
        arb_div(bracket.lower, bracket.lower, scratch, precision);
    }
}

// value widened by remainder * remainderFactor.
void widen(arb_ptr value, mag_ptr remainder, double remainderFactor) {
    if (remainderFactor != 1.0) {
        Ball scaled, factor;
        arb_set_d(factor, remainderFactor);
        arb_struct* const exactly = scaled;
        arf_set_mag(arb_midref(exactly), remainder);
        arb_mul(scaled, scaled, factor, 64);
        arb_get_mag(remainder, scaled);
    }
    arb_add_error_mag(value, remainder);
}

// T(row, depth) over the half perimeters, widened by the remainder bound.
void extrapolatedBracket(arb_srcptr extrapolated, std::int64_t row, std::int64_t depth,
                         arb_srcptr piAbove, double remainderFactor, Bracket& bracket) {
    arb_set(bracket.lower, extrapolated);
    Mag remainder;
    richardson::remainderBound(remainder, row, depth, piAbove);
    widen(bracket.lower, remainder, remainderFactor);
    arb_set(bracket.upper, bracket.lower);
}

void checkPlan(const Plan& plan) {
    if (plan.steps < 1 || plan.precisionBits < 2 || plan.depth < 0 ||
        (plan.method == Method::Richardson ? plan.depth >= plan.steps : plan.depth != 0)) {
        throw std::invalid_argument("plan out of range");
    }
}

// planFor without its upper limit, for the few digits more that pi's digits
// after the last may ask for.
Plan planTo(Method method, int digits, double remainderFactor) {
    const double pi = std::numbers::pi;
    // For the polygons' own bounds, a bracket a quarter of 10^-digits wide
    // leaves room for the enclosures' radii.
    const double log2Width = -2.0 - digits * log2Ten;
    Plan plan;
    plan.method = method;
    switch (method) {
    case Method::Doubling:
        // U - L = n (tan(pi/n) - sin(pi/n)), about pi^3 / (2 n^2) for n sides.
        plan.steps = stepsForSides(0.5 * (std::log2(pi * pi * pi / 2.0) - log2Width));
        break;
    case Method::Huygens:
        // (2L + U)/3 - pi is about pi^5 / (20 n^4), pi - 3L/(2 + a) about
        // pi^5 / (180 n^4): together pi^5 / (18 n^4).
        plan.steps = stepsForSides(0.25 * (std::log2(std::pow(pi, 5) / 18.0) - log2Width));
        break;
    case Method::Richardson: {
        // The bracket is sqrt(T +- (remainder bound + radius)), so a
        // remainder bound just under 2 pi times half of 10^-digits is enough:
        // the estimate is the bound's own formula in binary64, and the guard
        // bits keep the radius near 2^-16 of it. No smaller table reaches
        // the digits.
        const double log10Target = -digits + std::log10(0.5 * (1.0 - 1.0 / 64.0)) -
                                   std::log10(remainderFactor) + std::log10(2.0 * pi);
        std::int64_t row = 0;
        while (richardson::log10SquaresRemainderBound(row, row) > log10Target) {
            ++row;
        }
        std::int64_t depth = row;
        while (depth > 0 && richardson::log10SquaresRemainderBound(row, depth - 1) <= log10Target) {
            --depth;
        }
        plan.steps = row + 1;
        plan.depth = depth;
        plan.remainderFactor = remainderFactor;
        // Every term of the extrapolation adds a rounding error of the last
        // bit.
        plan.precisionBits =
            precisionFor(digits, 2.0 * std::ceil(std::log2(static_cast<double>(row + 2))) + 16.0);
        return plan;
    }
    }
    // Every step adds a few units of the last bit to the relative error of
    // the side: log2(steps) guard bits absorb them, 12 more the constants.
    plan.precisionBits =
        precisionFor(digits, std::ceil(std::log2(static_cast<double>(plan.steps))) + 12.0);
    return plan;
}

// pi's bracket from Richardson's closed form over the squares: one square
// root a step, the apothem of the polygon before each of the last depth + 1
// into the extrapolation, and the square root of its entry.
void squaresBracket(const Plan& plan, const StepObserver& observer, Bracket& bracket) {
    const std::int64_t lastRow = plan.steps - 1;
    // 1 - c_K, about 4^-K / 2, loses 2K bits: the apothems carry them, a
    // fraction of a percent of the precision.
    const slong precision =
        static_cast<slong>(plan.precisionBits) + static_cast<slong>(2 * lastRow + 8);
    Polygons polygons(precision, Polygons::HalfPerimeters::LastStepOnly);
    richardson::Extrapolation extrapolation(static_cast<slong>(plan.precisionBits), lastRow,
                                            plan.depth);
    Ball half;
    arb_one(half);
    arb_mul_2exp_si(half, half, -1);
    for (std::int64_t row = 0; row <= lastRow; ++row) {
        // The polygons hold the apothem of row - 1 from row 1 on.
        if (row >= 2) {
            polygons.doubleSides();
        }
        if (row >= lastRow - plan.depth) {
            extrapolation.addStep(row == 0 ? static_cast<arb_srcptr>(half) : polygons.apothem());
        }
        if (observer) {
            observer(row + 1, plan.steps);
        }
    }
    Ball squared;
    extrapolation.value(squared);
    Mag remainder;
    Ball piAbove;
    richardson::provenPiAbove(piAbove);
    richardson::squaresRemainderBound(remainder, lastRow, plan.depth, piAbove);
    widen(squared, remainder, plan.remainderFactor);
    arb_sqrt(bracket.lower, squared, static_cast<slong>(plan.precisionBits));
    arb_set(bracket.upper, bracket.lower);
}

// The Romberg table's entry over the half perimeters of the last depth + 1
// polygons.
void halfPerimetersBracket(const Plan& plan, const StepObserver& observer, Bracket& bracket) {
    const slong precision = static_cast<slong>(plan.precisionBits);
    const std::int64_t lastRow = plan.steps - 1;
    Polygons polygons(precision);
    richardson::Table table(precision);
    Ball halfPerimeter, extrapolated, piAbove;
    for (std::int64_t row = 0; row <= lastRow; ++row) {
        if (row > 0) {
            polygons.doubleSides();
        }
        if (row >= lastRow - plan.depth) {
            polygons.inscribedHalfPerimeter(halfPerimeter);
            table.addRow(halfPerimeter, plan.depth);
        }
        if (observer) {
            observer(row + 1, plan.steps);
        }
    }
    table.entry(extrapolated, plan.depth);
    richardson::provenPiAbove(piAbove);
    extrapolatedBracket(extrapolated, lastRow, plan.depth, piAbove, plan.remainderFactor, bracket);
}

// pi's enclosure after plan.steps polygons.
void enclose(const Plan& plan, const StepObserver& observer, Ends& ends) {
    checkPlan(plan);
    keepMemoryForLongNumbers(plan.precisionBits);
    Bracket bracket;
    if (plan.method != Method::Richardson) {
        const slong precision = static_cast<slong>(plan.precisionBits);
        Polygons polygons(precision);
        for (std::int64_t step = 1; step <= plan.steps; ++step) {
            if (step > 1) {
                polygons.doubleSides();
            }
            if (observer) {
                observer(step, plan.steps);
            }
        }
        polygonBracket(plan.method, polygons, precision, bracket);
    } else if (plan.series == Plan::Series::SquaredHalfPerimeters) {
        squaresBracket(plan, observer, bracket);
    } else {
        halfPerimetersBracket(plan, observer, bracket);
    }
    endsOf(ends, bracket.lower, bracket.upper);
}

Bounds boundsOf(const Plan& plan, const Ends& ends, int decimals) {
    PowerOfTen powers;
    Integer lowScaled, highScaled;
    scaledEnd(lowScaled, ends.low, decimals, Direction::Down, powers);
    scaledEnd(highScaled, ends.high, decimals, Direction::Up, powers);
    Float width;
    arf_sub(width, ends.high, ends.low, ARF_PREC_EXACT, ARF_RND_DOWN);

    Bounds bounds;
    bounds.plan = plan;
    bounds.decimals = decimals;
    bounds.lower = fixedPoint(lowScaled, decimals);
    bounds.upper = fixedPoint(highScaled, decimals);
    bounds.narrowerThanLastDecimal = narrowerThan(width, decimals);
    bounds.settledDecimals = settledDecimalsOf(ends, powers);
    return bounds;
}

// The planned bracket for width digits, printed with decimals: planTo leaves
// a factor of two or more, so one attempt is the rule; a wider enclosure than
// planned costs a step and some bits more.
Bounds narrowerThanDigits(Method method, int width, int decimals, const StepObserver& observer) {
    Plan plan = planTo(method, width, 1.0);
    for (int attempt = 0; attempt < 8; ++attempt) {
        Ends ends;
        enclose(plan, observer, ends);
        Float gap;
        arf_sub(gap, ends.high, ends.low, ARF_PREC_EXACT, ARF_RND_DOWN);
        if (narrowerThan(gap, width)) {
            return boundsOf(plan, ends, decimals);
        }
        plan.steps += 1;
        if (plan.method == Method::Richardson) {
            plan.depth += 1;
        }
        plan.precisionBits += 32;
    }
    throw std::logic_error("certifyPi: the bracket does not narrow as planned");
}

// The bits each value of the race's Romberg table needs, so that the radius
// of every row's T(k, k) stays some 2^-32 of the remainder bound that widens
// it (or of the radius at the plan's precision): a row costs what its digits
// cost, and a column what the rows after it still take of it. An error in
// T(k, j) reaches T(k', k') times at most 3 * 2^-(d (2j + d + 1)),
// d = k' - k, and the bits T(k', k') needs grow at least as k'(k' + 1):
// so the last row before the plan's precision caps them, K, asks the most,
// its precision less (K - k)(K - k + 1 + 2j) bits; 2K bits more for the
// rows just before K, where the cap leaves the growth short.
class RaceBits {
public:
    RaceBits(const Plan& plan) : precision_(static_cast<slong>(plan.precisionBits)) {
        lastRow_ = plan.steps - 1;
        for (std::int64_t row = 0; row < plan.steps; ++row) {
            if (ownBits(row) >= precision_) {
                lastRow_ = row;
                break;
            }
        }
    }

    // T(row, row) itself, beside pi.
    slong row(std::int64_t row) const { return std::min(precision_, ownBits(row)) + guardBits; }

    // T(row, column), beside pi (L_row for column 0).
    slong column(std::int64_t row, std::int64_t column) const {
        if (row >= lastRow_) {
            return precision_;
        }
        const std::int64_t rowsLeft = lastRow_ - row;
        const std::int64_t later = static_cast<std::int64_t>(precision_) + guardBits +
                                   2 * lastRow_ - rowsLeft * (rowsLeft + 1 + 2 * column);
        return static_cast<slong>(
            std::min<std::int64_t>(precision_, std::max<std::int64_t>(later, this->row(row))));
    }

private:
    static constexpr slong guardBits = 34;
    slong ownBits(std::int64_t row) const {
        return static_cast<slong>(
            std::ceil(std::max(-richardson::log2RemainderBound(row, row), 0.0)));
    }
    slong precision_;
    std::int64_t lastRow_;
};

// The rows of plan's steps up to the first that proves digits decimals,
// passed on from the step after firstStep - 1 on; returns the last step's.
RaceRow raceRows(const Plan& plan, int digits, std::int64_t firstStep, const RowObserver& onRow,
                 const StepObserver& observer) {
    keepMemoryForLongNumbers(plan.precisionBits);
    const slong precision = static_cast<slong>(plan.precisionBits);
    Polygons polygons(precision);
    richardson::Table table(precision);
    Ball piAbove, halfPerimeter, extrapolated;
    if (plan.method == Method::Richardson) {
        richardson::provenPiAbove(piAbove);
    }
    Bracket bracket;
    RaceRow row;
    PowerOfTen powers;
    const RaceBits bits(plan);
    for (std::int64_t step = 1; step <= plan.steps; ++step) {
        if (step > 1) {
            polygons.doubleSides();
        }
        if (plan.method == Method::Richardson) {
            const std::int64_t last = step - 1;
            polygons.inscribedHalfPerimeter(halfPerimeter, bits.column(last, 0));
            table.addRow(halfPerimeter, last,
                         [&](std::int64_t column) { return bits.column(last, column); });
            table.entry(extrapolated, last, bits.row(last));
            extrapolatedBracket(extrapolated, step - 1, step - 1, piAbove, 1.0, bracket);
        } else {
            polygonBracket(plan.method, polygons, precision, bracket);
        }
        Ends ends;
        endsOf(ends, bracket.lower, bracket.upper);
        row = {step, settledDecimalsOf(ends, powers)};
        if (step >= firstStep) {
            onRow(row);
        }
        if (observer) {
            observer(step, plan.steps);
        }
        if (row.provenDigits >= digits) {
            break;
        }
    }
    return row;
}

// The digits beyond those asked for that the bracket is aimed at, while it
// still straddles a boundary of the last decimal asked for: 0, 1, 2, 4, ...
// pi's distance from the boundary is about 10^-(digits + r + 1) after a run
// of r nines or zeros; in its first 100,128 decimals no run of equal digits
// is longer than six (the nines from decimal 762), which needs e = 8.
constexpr int maximumExtraDigits = 64;
int nextExtraDigits(int extra) {
    return extra == 0 ? 1 : 2 * extra;
}

} // namespace

Plan planFor(Method method, int digits, double remainderFactor) {
    if (digits < minimumDigits || digits > maximumDigits || !(remainderFactor > 0.0)) {
        throw std::invalid_argument("planFor: digits or remainder factor out of range");
    }
    return planTo(method, digits, remainderFactor);
}

Bounds bracketAfter(const Plan& plan, int decimals, const StepObserver& observer) {
    if (decimals < 0) {
        throw std::invalid_argument("bracketAfter: decimals out of range");
    }
    Ends ends;
    enclose(plan, observer, ends);
    return boundsOf(plan, ends, decimals);
}

Bounds certifyPi(Method method, int digits, const StepObserver& observer) {
    planFor(method, digits);
    for (int extra = 0; extra <= maximumExtraDigits; extra = nextExtraDigits(extra)) {
        Bounds bounds = narrowerThanDigits(method, digits + extra, digits, observer);
        if (bounds.settledDecimals >= digits) {
            return bounds;
        }
    }
    throw std::logic_error("certifyPi: the bracket does not settle the last decimal");
}

void race(Method method, int digits, const RowObserver& onRow, const StepObserver& observer) {
    planFor(method, digits);
    // Each row is passed on once the next one is known: when a plan ends with
    // its bracket straddling a boundary of the last decimal, the plan aimed a
    // few digits further computes its last step again, and may settle there.
    std::optional<RaceRow> held;
    std::int64_t passedOn = 0;
    const RowObserver hold = [&](const RaceRow& row) {
        if (held) {
            onRow(*held);
            passedOn = held->step;
        }
        held = row;
    };
    for (int extra = 0; extra <= maximumExtraDigits; extra = nextExtraDigits(extra)) {
        held.reset();
        const Plan plan = planTo(method, digits + extra, 1.0);
        if (const RaceRow last = raceRows(plan, digits, passedOn + 1, hold, observer);
            last.provenDigits >= digits) {
            onRow(last);
            return;
        }
    }
    throw std::logic_error("race: no step settles the digits");
}

std::vector<RaceRow> race(Method method, int digits, const StepObserver& observer) {
    std::vector<RaceRow> rows;
    race(
        method, digits, [&rows](const RaceRow& row) { rows.push_back(row); }, observer);
    return rows;
}

std::uint64_t memoryNeeded(Method method, int digits, bool eachStep) {
    const Plan plan = planFor(method, digits);
    // Counted in a run of archimede: the polygons, the bracket, the decimal
    // conversion and the multiplication's scratch space come to about 24
    // numbers of the working precision.
    constexpr double numbersBesideTheTable = 24.0;
    double numbers = numbersBesideTheTable;
    double bits = 0.0;
    if (eachStep && method == Method::Richardson) {
        // A column of the table a step, and the deepest column's divisor,
        // (4^1 - 1)...(4^k - 1), of about k (k + 1) bits.
        const auto steps = static_cast<double>(plan.steps);
        numbers += steps;
        bits += steps * (steps + 1.0);
    }
    bits += numbers * static_cast<double>(plan.precisionBits);
    return static_cast<std::uint64_t>(bits / 8.0);
}

} // namespace certified

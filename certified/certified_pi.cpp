#include "certified/certified_pi.hpp"

#include "certified/arb.hpp"
#include "certified/arb_values.hpp"
#include "certified/polygons.hpp"
#include "certified/richardson.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace certified {
namespace {

enum class Direction { Down, Up };

// mantissa * 2^exponent * 10^decimals rounded to an integer in direction:
// exact, whatever the sizes.
void scaleToDecimals(fmpz* result, const fmpz* mantissa, const fmpz* exponent, int decimals,
                     Direction direction) {
    Integer power;
    fmpz_set_ui(power, 10);
    fmpz_pow_ui(power, power, static_cast<ulong>(decimals));
    fmpz_mul(result, mantissa, power);
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

// The enclosure's lower (Down) or upper (Up) end, exactly.
void endOf(arf_ptr end, fmpz* mantissa, fmpz* exponent, arb_srcptr ball, Direction direction) {
    Integer other;
    if (direction == Direction::Down) {
        arb_get_interval_fmpz_2exp(mantissa, other, exponent, ball);
    } else {
        arb_get_interval_fmpz_2exp(other, mantissa, exponent, ball);
    }
    arf_set_fmpz_2exp(end, mantissa, exponent);
}

// upper - lower of the enclosures' outer ends, exactly.
void widthOf(arf_ptr width, arb_srcptr lowerBound, arb_srcptr upperBound) {
    Integer lowMantissa, lowExponent, highMantissa, highExponent;
    Float low, high;
    endOf(low, lowMantissa, lowExponent, lowerBound, Direction::Down);
    endOf(high, highMantissa, highExponent, upperBound, Direction::Up);
    arf_sub(width, high, low, ARF_PREC_EXACT, ARF_RND_DOWN);
}

bool narrowerThan(arf_srcptr width, int decimals) {
    Integer unit;
    fmpz_set_ui(unit, 10);
    fmpz_pow_ui(unit, unit, static_cast<ulong>(decimals));
    Float scaled;
    arf_mul_fmpz(scaled, width, unit, ARF_PREC_EXACT, ARF_RND_DOWN);
    return arf_cmp_si(scaled, 1) < 0;
}

// The largest d >= 0 with width < 10^-d.
int provenDigitsOf(arf_srcptr width) {
    if (arf_sgn(width) <= 0) {
        throw std::logic_error("provenDigitsOf: pi's bracket has no width");
    }
    if (!narrowerThan(width, 0)) {
        return 0;
    }
    // width < 2^e, so 10^-d > width for d near -e log10(2): a guess the
    // exact comparisons then settle in a step or two.
    const double exponent = static_cast<double>(fmpz_get_si(ARF_EXPREF(width)));
    int digits = std::max(0, static_cast<int>(std::floor(-exponent * std::log10(2.0))) - 1);
    while (digits > 0 && !narrowerThan(width, digits)) {
        --digits;
    }
    while (narrowerThan(width, digits + 1)) {
        ++digits;
    }
    return digits;
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

// Richardson's table is computed only where it reaches T(lastRow, depth):
// row k needs the columns up to depth - (lastRow - k).
std::int64_t depthLimitFor(std::int64_t row, std::int64_t lastRow, std::int64_t depth) {
    return std::max<std::int64_t>(0, depth - (lastRow - row));
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

// T(row, depth) of the table's last row, widened by the remainder bound.
void extrapolatedBracket(const richardson::Table& table, std::int64_t depth, arb_srcptr piAbove,
                         double remainderFactor, Bracket& bracket) {
    const std::int64_t row = table.rows() - 1;
    table.entry(bracket.lower, depth);
    Mag remainder;
    richardson::remainderBound(remainder, row, depth, piAbove);
    if (remainderFactor != 1.0) {
        Ball scaled, factor;
        arb_set_d(factor, remainderFactor);
        arb_struct* const exactly = scaled;
        arf_set_mag(arb_midref(exactly), remainder);
        arb_mul(scaled, scaled, factor, 64);
        arb_get_mag(remainder, scaled);
    }
    arb_add_error_mag(bracket.lower, remainder);
    arb_set(bracket.upper, bracket.lower);
}

void checkPlan(const Plan& plan) {
    if (plan.steps < 1 || plan.precisionBits < 2 || plan.depth < 0 ||
        (plan.method == Method::Richardson ? plan.depth >= plan.steps : plan.depth != 0)) {
        throw std::invalid_argument("plan out of range");
    }
}

} // namespace

std::string_view nameOf(Method method) {
    switch (method) {
    case Method::Doubling:
        return "raddoppi";
    case Method::Huygens:
        return "huygens";
    case Method::Richardson:
        return "richardson";
    }
    return "";
}

std::optional<Method> methodNamed(std::string_view name) {
    for (const Method method : {Method::Doubling, Method::Huygens, Method::Richardson}) {
        if (name == nameOf(method)) {
            return method;
        }
    }
    return std::nullopt;
}

Plan planFor(Method method, int digits, double remainderFactor) {
    if (digits < minimumDigits || digits > maximumDigits || !(remainderFactor > 0.0)) {
        throw std::invalid_argument("planFor: digits or remainder factor out of range");
    }
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
        // The bracket is T +- (remainder bound + radius), so a remainder
        // bound just under half of 10^-digits is enough: the estimate is the
        // bound's own formula in binary64, and the guard bits keep the radius
        // near 2^-16 of it. No smaller table reaches the digits.
        const double log10Target =
            -digits + std::log10(0.5 * (1.0 - 1.0 / 64.0)) - std::log10(remainderFactor);
        std::int64_t row = 0;
        while (richardson::log10RemainderBound(row, row) > log10Target) {
            ++row;
        }
        std::int64_t depth = row;
        while (depth > 0 && richardson::log10RemainderBound(row, depth - 1) <= log10Target) {
            --depth;
        }
        plan.steps = row + 1;
        plan.depth = depth;
        plan.remainderFactor = remainderFactor;
        // Every entry of the table adds a rounding error of the last bit.
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

Bounds bracketAfter(const Plan& plan, int decimals, const StepObserver& observer) {
    checkPlan(plan);
    if (decimals < 0) {
        throw std::invalid_argument("bracketAfter: decimals out of range");
    }
    const slong precision = static_cast<slong>(plan.precisionBits);
    const std::int64_t lastRow = plan.steps - 1;

    Polygons polygons(precision);
    richardson::Table table(precision);
    Ball piAbove, halfPerimeter;
    if (plan.method == Method::Richardson) {
        richardson::provenPiAbove(piAbove);
    }
    for (std::int64_t step = 1; step <= plan.steps; ++step) {
        if (step > 1) {
            polygons.doubleSides();
        }
        if (plan.method == Method::Richardson) {
            polygons.inscribedHalfPerimeter(halfPerimeter);
            table.addRow(halfPerimeter, depthLimitFor(step - 1, lastRow, plan.depth));
        }
        if (observer) {
            observer(step, plan.steps);
        }
    }

    Bracket bracket;
    if (plan.method == Method::Richardson) {
        extrapolatedBracket(table, plan.depth, piAbove, plan.remainderFactor, bracket);
    } else {
        polygonBracket(plan.method, polygons, precision, bracket);
    }

    Integer lowMantissa, lowExponent, highMantissa, highExponent, lowScaled, highScaled;
    Float low, high, width;
    endOf(low, lowMantissa, lowExponent, bracket.lower, Direction::Down);
    endOf(high, highMantissa, highExponent, bracket.upper, Direction::Up);
    scaleToDecimals(lowScaled, lowMantissa, lowExponent, decimals, Direction::Down);
    scaleToDecimals(highScaled, highMantissa, highExponent, decimals, Direction::Up);
    widthOf(width, bracket.lower, bracket.upper);

    Bounds bounds;
    bounds.plan = plan;
    bounds.decimals = decimals;
    bounds.lower = fixedPoint(lowScaled, decimals);
    bounds.upper = fixedPoint(highScaled, decimals);
    bounds.narrowerThanLastDecimal = narrowerThan(width, decimals);
    return bounds;
}

Bounds certifyPi(Method method, int digits, const StepObserver& observer) {
    Plan plan = planFor(method, digits);
    // planFor leaves a factor of two or more, so one attempt is the rule; a
    // wider enclosure than planned costs a step and some bits more.
    for (int attempt = 0; attempt < 8; ++attempt) {
        Bounds bounds = bracketAfter(plan, digits, observer);
        if (bounds.narrowerThanLastDecimal) {
            return bounds;
        }
        plan.steps += 1;
        if (plan.method == Method::Richardson) {
            plan.depth += 1;
        }
        plan.precisionBits += 32;
    }
    throw std::logic_error("certifyPi: the bracket does not narrow as planned");
}

std::vector<RaceRow> race(Method method, int digits, const StepObserver& observer) {
    const Plan plan = planFor(method, digits);
    const slong precision = static_cast<slong>(plan.precisionBits);
    Polygons polygons(precision);
    richardson::Table table(precision);
    Ball piAbove, halfPerimeter;
    if (method == Method::Richardson) {
        richardson::provenPiAbove(piAbove);
    }
    Bracket bracket;
    Float width;
    std::vector<RaceRow> rows;
    rows.reserve(static_cast<std::size_t>(plan.steps));
    for (std::int64_t step = 1; step <= plan.steps; ++step) {
        if (step > 1) {
            polygons.doubleSides();
        }
        if (method == Method::Richardson) {
            polygons.inscribedHalfPerimeter(halfPerimeter);
            table.addRow(halfPerimeter, step - 1);
            extrapolatedBracket(table, step - 1, piAbove, 1.0, bracket);
        } else {
            polygonBracket(method, polygons, precision, bracket);
        }
        widthOf(width, bracket.lower, bracket.upper);
        rows.push_back({step, provenDigitsOf(width)});
        if (observer) {
            observer(step, plan.steps);
        }
    }
    return rows;
}

} // namespace certified

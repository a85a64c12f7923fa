#include "certified/certified_pi.hpp"

#include "certified/arb_values.hpp"

#include <algorithm>
#include <arb.h>
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

} // namespace

CertifiedPlan planFor(int digits) {
    if (digits < minimumDigits || digits > maximumDigits) {
        throw std::invalid_argument("digits out of range");
    }
    const double log2Ten = std::log2(10.0);
    // upper - lower = n (tan(pi/n) - sin(pi/n)), about pi^3 / (2 n^2) for n
    // sides; a quarter of 10^-digits leaves room for the enclosures' radii.
    const double pi = std::numbers::pi;
    const double log2Sides = 0.5 * (std::log2(pi * pi * pi / 2.0) + 2.0 + digits * log2Ten);
    CertifiedPlan plan;
    // The bounds of step k belong to the polygon of 6 * 2^(k - 1) sides.
    plan.steps = static_cast<std::int64_t>(std::ceil(log2Sides - std::log2(6.0))) + 1;
    // Every step adds a few units of the last bit to the relative error of
    // the side: log2(steps) guard bits absorb them, 12 more the constants.
    plan.precisionBits = std::max<std::int64_t>(
        64, static_cast<std::int64_t>(std::ceil(digits * log2Ten)) +
                static_cast<std::int64_t>(std::ceil(std::log2(static_cast<double>(plan.steps)))) +
                12);
    return plan;
}

CertifiedBounds bracketAfter(const CertifiedPlan& plan, int decimals,
                             const StepObserver& observer) {
    if (plan.steps < 1 || plan.precisionBits < 2 || decimals < 0) {
        throw std::invalid_argument("bracketAfter: plan or decimals out of range");
    }
    const slong precision = static_cast<slong>(plan.precisionBits);

    // The recurrence of DoublePolygons, step for step. The bounds are needed
    // only from the last step's polygon, so the earlier steps make just the
    // new side. Negations are exact: x - 1 negated stands for 1 - x.
    Ball sideLength, halfSideSquared, apothem, sagitta;
    const auto makeApothem = [&] {
        arb_mul_2exp_si(halfSideSquared, sideLength, -1);
        arb_sqr(halfSideSquared, halfSideSquared, precision);
        arb_sub_ui(apothem, halfSideSquared, 1, precision);
        arb_neg(apothem, apothem);
        arb_sqrt(apothem, apothem, precision);
    };
    arb_one(sideLength);
    for (std::int64_t step = 1; step < plan.steps; ++step) {
        makeApothem();
        arb_sub_ui(sagitta, apothem, 1, precision);
        arb_neg(sagitta, sagitta);
        arb_sqr(sagitta, sagitta, precision);
        arb_add(sideLength, halfSideSquared, sagitta, precision);
        arb_sqrt(sideLength, sideLength, precision);
        if (observer) {
            observer(step, plan.steps);
        }
    }

    Ball sideCount, outerSide, lowerBound, upperBound;
    makeApothem();
    arb_div(outerSide, sideLength, apothem, precision);
    arb_set_ui(sideCount, 6);
    arb_mul_2exp_si(sideCount, sideCount, static_cast<slong>(plan.steps - 1));
    arb_mul(lowerBound, sideCount, sideLength, precision);
    arb_mul_2exp_si(lowerBound, lowerBound, -1);
    arb_mul(upperBound, sideCount, outerSide, precision);
    arb_mul_2exp_si(upperBound, upperBound, -1);
    if (observer) {
        observer(plan.steps, plan.steps);
    }

    // The inscribed half perimeter is below pi and the circumscribed one
    // above it, so the enclosures' outer ends bracket pi.
    Integer lowMantissa, lowExponent, highMantissa, highExponent, lowScaled, highScaled;
    Float low, high;
    endOf(low, lowMantissa, lowExponent, lowerBound, Direction::Down);
    endOf(high, highMantissa, highExponent, upperBound, Direction::Up);
    scaleToDecimals(lowScaled, lowMantissa, lowExponent, decimals, Direction::Down);
    scaleToDecimals(highScaled, highMantissa, highExponent, decimals, Direction::Up);

    Float width;
    Integer unit;
    fmpz_set_ui(unit, 10);
    fmpz_pow_ui(unit, unit, static_cast<ulong>(decimals));
    arf_sub(width, high, low, ARF_PREC_EXACT, ARF_RND_DOWN);
    arf_mul_fmpz(width, width, unit, ARF_PREC_EXACT, ARF_RND_DOWN);

    CertifiedBounds bounds;
    bounds.plan = plan;
    bounds.decimals = decimals;
    bounds.lower = fixedPoint(lowScaled, decimals);
    bounds.upper = fixedPoint(highScaled, decimals);
    bounds.narrowerThanLastDecimal = arf_cmp_si(width, 1) < 0;
    return bounds;
}

CertifiedBounds certifyPi(int digits, const StepObserver& observer) {
    CertifiedPlan plan = planFor(digits);
    // planFor leaves a factor of four, so one attempt is the rule; a wider
    // enclosure than planned costs a step and some bits more.
    for (int attempt = 0; attempt < 8; ++attempt) {
        CertifiedBounds bounds = bracketAfter(plan, digits, observer);
        if (bounds.narrowerThanLastDecimal) {
            return bounds;
        }
        plan.steps += 1;
        plan.precisionBits += 32;
    }
    throw std::logic_error("certifyPi: the bracket does not narrow as planned");
}

} // namespace certified

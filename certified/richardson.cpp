#include "certified/richardson.hpp"

#include "certified/polygons.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace certified::richardson {
namespace {

constexpr ulong piAboveNumerator = 63;
constexpr ulong piAboveDenominator = 20;

// Ample for a bound that only has to be an upper bound: its own rounding
// goes into the ball and out through arb_get_mag.
constexpr slong boundPrecision = 64;

} // namespace

void provenPiAbove(arb_ptr result) {
    // U = 3.2153... for 12 sides, 3.1596... for 24, 3.1460... for 48.
    Polygons polygons(boundPrecision);
    for (int doubling = 0; doubling < 3; ++doubling) {
        polygons.doubleSides();
    }
    Ball circumscribed;
    polygons.circumscribedHalfPerimeter(circumscribed);
    // 63/20 is not a binary fraction: a ball that contains it.
    arb_set_ui(result, piAboveNumerator);
    arb_div_ui(result, result, piAboveDenominator, boundPrecision);
    if (!arb_lt(circumscribed, result)) {
        throw std::logic_error("provenPiAbove: the 48-gon does not prove pi < 3.15");
    }
}

namespace {

void checkDepth(std::int64_t row, std::int64_t depth) {
    if (depth < 0 || depth > row) {
        throw std::invalid_argument("remainder bound: depth out of range");
    }
}

// term / (1 - ratio), the first term left out and the geometric series over
// it, rounded up.
void geometricTail(mag_ptr bound, arb_ptr term, arb_srcptr ratio) {
    Ball complement;
    arb_sub_ui(complement, ratio, 1, boundPrecision);
    arb_neg(complement, complement);
    if (!arb_is_positive(complement)) {
        throw std::logic_error("remainder bound: the tail does not shrink geometrically");
    }
    arb_div(term, term, complement, boundPrecision);
    arb_get_mag(bound, term);
}

double piAboveAsDouble() {
    return static_cast<double>(piAboveNumerator) / static_cast<double>(piAboveDenominator);
}

} // namespace

void remainderBound(mag_ptr bound, std::int64_t row, std::int64_t depth, arb_srcptr piAbove) {
    checkDepth(row, depth);
    const auto m = static_cast<ulong>(depth);
    const auto k = static_cast<slong>(row);
    const slong prec = boundPrecision;

    // First term left out, i = m + 1:
    //   t = P^(2m+3) / (2m+3)! * n_k^(-2(m+1)) * c(m + 1, m),
    // with n_k^(-2(m+1)) = 36^(-(m+1)) * 2^(-2k(m+1)) and what the table
    // does to that power, c(m + 1, m) = prod_{l=1..m} (4^(m+1) - 4^l) /
    // (4^l - 1) = 4^(m(m+1)/2): the factors 4^(m+1-l) - 1 of the numerators,
    // 4^l (4^(m+1-l) - 1), are those of the denominators.
    Ball term, scratch;
    arb_pow_ui(term, piAbove, 2 * m + 3, prec);
    arb_fac_ui(scratch, 2 * m + 3, prec);
    arb_div(term, term, scratch, prec);
    arb_set_ui(scratch, 36);
    arb_pow_ui(scratch, scratch, m + 1, prec);
    arb_div(term, term, scratch, prec);
    arb_mul_2exp_si(term, term,
                    static_cast<slong>(m * (m + 1)) - 2 * k * static_cast<slong>(m + 1));

    // Every later term is at most ratio times the one before it, with
    //   ratio = P^2 (4^(m+1) - 1) / (3 (2m+4) (2m+5) n_k^2).
    Ball ratio;
    arb_sqr(ratio, piAbove, prec);
    arb_one(scratch);
    arb_mul_2exp_si(scratch, scratch, static_cast<slong>(2 * (m + 1)));
    arb_sub_ui(scratch, scratch, 1, prec);
    arb_mul(ratio, ratio, scratch, prec);
    arb_div_ui(ratio, ratio, 3 * 36 * (2 * m + 4), prec);
    arb_div_ui(ratio, ratio, 2 * m + 5, prec);
    arb_mul_2exp_si(ratio, ratio, -2 * k);
    geometricTail(bound, term, ratio);
}

void squaresRemainderBound(mag_ptr bound, std::int64_t row, std::int64_t depth,
                           arb_srcptr piAbove) {
    checkDepth(row, depth);
    const auto m = static_cast<ulong>(depth);
    const auto k = static_cast<slong>(row);
    const slong prec = boundPrecision;

    // First term left out, i = m + 1:
    //   t = 2^(2m+3) P^(2m+4) / (2m+4)! * n_k^(-2(m+1)) * 4^(m(m+1)/2).
    Ball term, scratch;
    arb_pow_ui(term, piAbove, 2 * m + 4, prec);
    arb_fac_ui(scratch, 2 * m + 4, prec);
    arb_div(term, term, scratch, prec);
    arb_set_ui(scratch, 36);
    arb_pow_ui(scratch, scratch, m + 1, prec);
    arb_div(term, term, scratch, prec);
    arb_mul_2exp_si(term, term,
                    static_cast<slong>(2 * m + 3 + m * (m + 1)) -
                        2 * k * static_cast<slong>(m + 1));

    //   ratio = 4 P^2 (4^(m+1) - 1) / (3 (2m+5) (2m+6) n_k^2).
    Ball ratio;
    arb_sqr(ratio, piAbove, prec);
    arb_one(scratch);
    arb_mul_2exp_si(scratch, scratch, static_cast<slong>(2 * (m + 1)));
    arb_sub_ui(scratch, scratch, 1, prec);
    arb_mul(ratio, ratio, scratch, prec);
    arb_div_ui(ratio, ratio, 3 * 36 * (2 * m + 5), prec);
    arb_div_ui(ratio, ratio, 2 * m + 6, prec);
    arb_mul_2exp_si(ratio, ratio, 2 - 2 * k);
    geometricTail(bound, term, ratio);
}

double log2RemainderBound(std::int64_t row, std::int64_t depth) {
    const double m = static_cast<double>(depth);
    const double k = static_cast<double>(row);
    const double piAbove = piAboveAsDouble();
    const double term = (2 * m + 3) * std::log2(piAbove) -
                        std::lgamma(2 * m + 4) / std::numbers::ln2 - (m + 1) * std::log2(36.0) +
                        m * (m + 1) - 2 * k * (m + 1);
    const double ratio = piAbove * piAbove * (1 - std::pow(4.0, -m - 1)) *
                         std::pow(4.0, m + 1 - k) / (3 * 36 * (2 * m + 4) * (2 * m + 5));
    return term - std::log2(1 - ratio);
}

double log10SquaresRemainderBound(std::int64_t row, std::int64_t depth) {
    const double m = static_cast<double>(depth);
    const double k = static_cast<double>(row);
    const double piAbove = piAboveAsDouble();
    const double result =
        (2 * m + 4) * std::log10(piAbove) - std::lgamma(2 * m + 5) / std::numbers::ln10 +
        (2 * m + 3) * std::log10(2.0) - 2 * (m + 1) * (std::log10(6.0) + k * std::log10(2.0)) +
        m * (m + 1) * std::log10(2.0);
    const double ratio = 4 * piAbove * piAbove * (1 - std::pow(4.0, -m - 1)) *
                         std::pow(4.0, m + 1 - k) / (3 * 36 * (2 * m + 5) * (2 * m + 6));
    return result - std::log10(1 - ratio);
}

namespace {

// 4^exponent - 1.
void fourToTheMinusOne(fmpz* result, ulong exponent) {
    fmpz_one(result);
    fmpz_mul_2exp(result, result, 2 * exponent);
    fmpz_sub_ui(result, result, 1);
}

// (4^first - 1)(4^(first+1) - 1)...(4^last - 1), halves multiplied together
// so that the factors stay of like size.
void productOfFourToTheMinusOne(fmpz* result, ulong first, ulong last) {
    if (first > last) {
        fmpz_one(result);
    } else if (last - first < 8) {
        Integer factor;
        fourToTheMinusOne(result, first);
        for (ulong i = first + 1; i <= last; ++i) {
            fourToTheMinusOne(factor, i);
            fmpz_mul(result, result, factor);
        }
    } else {
        const ulong middle = first + (last - first) / 2;
        Integer upper;
        productOfFourToTheMinusOne(result, first, middle);
        productOfFourToTheMinusOne(upper, middle + 1, last);
        fmpz_mul(result, result, upper);
    }
}

} // namespace

Extrapolation::Extrapolation(slong precision, std::int64_t row, std::int64_t depth)
    : precision_(precision), row_(row), depth_(depth) {
    if (depth < 0 || depth > row) {
        throw std::invalid_argument("Extrapolation: depth out of range");
    }
}

void Extrapolation::addStep(arb_srcptr previousApothem) {
    if (steps_ > depth_) {
        throw std::logic_error("Extrapolation::addStep: more steps than the depth takes");
    }
    const std::int64_t t = steps_;
    const std::int64_t u = depth_ - t;
    // The sum is about 1 - c_j now and is multiplied by w_t 4^j / (w_m 4^k)
    // on the way to the end: its part in the result is at most
    // 1.46 * 2^(-u(u+1)) of the last step's, and its bits below the last
    // bit of the result are not computed. (std::clamp would need
    // precision_ >= 64.)
    const slong bits =
        std::min<slong>(precision_, std::max<std::int64_t>(precision_ - u * (u + 1) + 16, 64));
    if (t > 0) {
        // sum <- -sum (4^t - 1) / (4^(t+1) (4^(u+1) - 1)), the shift and
        // the subtraction exact but for the rounding to bits.
        arb_mul_2exp_si(scratch_, sum_, static_cast<slong>(2 * t));
        arb_sub(sum_, sum_, scratch_, bits);
        fourToTheMinusOne(divisor_, static_cast<ulong>(u + 1));
        arb_div_fmpz(sum_, sum_, divisor_, bits);
        arb_mul_2exp_si(sum_, sum_, -static_cast<slong>(2 * (t + 1)));
    }
    // + (1 - c_j): c_j - 1 is exact at the apothem's precision, rounded to bits.
    arb_sub_ui(scratch_, previousApothem, 1, bits);
    arb_sub(sum_, sum_, scratch_, bits);
    ++steps_;
}

void Extrapolation::value(arb_ptr result) const {
    if (steps_ != depth_ + 1) {
        throw std::logic_error("Extrapolation::value: steps missing");
    }
    // T = (1/P_m) sum_t w_t 18 4^j (1 - c_j) = 18 4^k w_m sum / P_m, with
    // w_m = 4^(m(m+1)/2).
    const auto m = static_cast<ulong>(depth_);
    Integer divisor;
    productOfFourToTheMinusOne(divisor, 1, m);
    arb_mul_ui(result, sum_, 9, precision_);
    arb_mul_2exp_si(result, result,
                    static_cast<slong>(2 * row_) + static_cast<slong>(m * (m + 1)) + 1);
    arb_div_fmpz(result, result, divisor, precision_);
}

void Table::addRow(arb_srcptr halfPerimeter, std::int64_t depthLimit,
                   const ColumnBits& columnBits) {
    const std::int64_t depth = std::min(rows_, std::max<std::int64_t>(depthLimit, 0));
    if (depth > lastDepth_ + 1) {
        throw std::invalid_argument("Table::addRow: deeper than the row before allows");
    }
    while (static_cast<std::int64_t>(columns_.size()) <= depth) {
        const auto j = static_cast<ulong>(columns_.size());
        columns_.emplace_back();
        if (j == 0) {
            fmpz_one(deepestDivisor_);
        } else {
            Integer factor;
            fourToTheMinusOne(factor, j);
            fmpz_mul(deepestDivisor_, deepestDivisor_, factor);
        }
    }
    // carried holds S(k, j - 1), columns_[j - 1] still S(k - 1, j - 1).
    arb_set(carried_, halfPerimeter);
    for (std::int64_t j = 1; j <= depth; ++j) {
        Ball& previous = columns_[static_cast<std::size_t>(j - 1)];
        arb_mul_2exp_si(carried_, carried_, static_cast<slong>(2 * j));
        arb_sub(scratch_, carried_, previous,
                columnBits ? std::min(precision_, columnBits(j)) : precision_);
        arb_mul_2exp_si(carried_, carried_, -static_cast<slong>(2 * j));
        arb_swap(previous, carried_);
        arb_swap(carried_, scratch_);
    }
    arb_swap(columns_[static_cast<std::size_t>(depth)], carried_);
    lastDepth_ = depth;
    ++rows_;
}

void Table::entry(arb_ptr result, std::int64_t depth, slong bits) const {
    if (depth < 0 || depth > lastDepth_) {
        throw std::invalid_argument("Table::entry: depth not computed");
    }
    const auto column = static_cast<std::size_t>(depth);
    const slong precision = bits > 0 ? std::min(bits, precision_) : precision_;
    // The division's cost follows its operands' length, not the result's.
    arb_set_round(result, columns_[column], precision + 16);
    if (column + 1 == columns_.size()) {
        arb_div_fmpz(result, result, deepestDivisor_, precision);
        return;
    }
    Integer divisor;
    productOfFourToTheMinusOne(divisor, 1, static_cast<ulong>(depth));
    arb_div_fmpz(result, result, divisor, precision);
}

} // namespace certified::richardson

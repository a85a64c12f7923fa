#include "certified/arb.hpp"
#include "certified/arb_values.hpp"
#include "certified/polygons.hpp"
#include "certified/richardson.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <deque>
#include <string>

namespace {

using certified::Ball;
using certified::Mag;

inline void initialiseRational(fmpq* x) {
    fmpq_init(x);
}
inline void clearRational(fmpq* x) {
    fmpq_clear(x);
}
using Rational = certified::Owned<fmpq, initialiseRational, clearRational>;

constexpr std::int64_t deepest = 60;

// log2 of the bound, from its 30-bit mantissa and its exponent.
double log2Of(const mag_struct* bound) {
    return fmpz_get_d(MAG_EXPREF(bound)) + std::log2(static_cast<double>(MAG_MAN(bound))) - 30.0;
}
constexpr std::int64_t extraRows = 4;

// The half perimeters n sin(pi/n) of the 6 * 2^k-gons for k up to
// deepest + extraRows, from the library's sine, not from the polygons.
class Remainder : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        halfPerimeters_ = new std::deque<Ball>();
        squares_ = new std::deque<Ball>();
        for (std::int64_t k = 0; k <= deepest + extraRows; ++k) {
            Ball& half = halfPerimeters_->emplace_back();
            Rational angle;
            fmpz_set_ui(fmpq_denref(static_cast<fmpq*>(angle)), 6);
            fmpz_mul_2exp(fmpq_denref(static_cast<fmpq*>(angle)),
                          fmpq_denref(static_cast<fmpq*>(angle)), static_cast<ulong>(k));
            fmpz_one(fmpq_numref(static_cast<fmpq*>(angle)));
            arb_sin_pi_fmpq(half, angle, precision);
            arb_mul_ui(half, half, 6, precision);
            arb_mul_2exp_si(half, half, static_cast<slong>(k));
            arb_sqr(squares_->emplace_back(), half, precision);
        }
    }
    static void TearDownTestSuite() {
        delete halfPerimeters_;
        halfPerimeters_ = nullptr;
        delete squares_;
        squares_ = nullptr;
    }

    // The entry T(row, depth) as the value at h = 0 of the polynomial in
    // h = n^-2 through (h_j, L_j), j = row - depth .. row: Lagrange's
    // weights prod_{l != j} 1 / (1 - h_j / h_l) = prod 1 / (1 - 4^(l - j)),
    // exact rationals, independent of the table's recurrence.
    static void lagrangeEntry(arb_ptr result, const std::deque<Ball>& values, std::int64_t row,
                              std::int64_t depth) {
        arb_zero(result);
        Rational weight, factor;
        Ball term;
        for (std::int64_t j = row - depth; j <= row; ++j) {
            fmpq_one(weight);
            for (std::int64_t l = row - depth; l <= row; ++l) {
                if (l == j) {
                    continue;
                }
                // 1 - 4^(l - j) as a fraction
                fmpz_one(fmpq_numref(static_cast<fmpq*>(factor)));
                fmpz_one(fmpq_denref(static_cast<fmpq*>(factor)));
                if (l > j) {
                    fmpz_mul_2exp(fmpq_numref(static_cast<fmpq*>(factor)),
                                  fmpq_numref(static_cast<fmpq*>(factor)),
                                  static_cast<ulong>(2 * (l - j)));
                } else {
                    fmpz_mul_2exp(fmpq_denref(static_cast<fmpq*>(factor)),
                                  fmpq_denref(static_cast<fmpq*>(factor)),
                                  static_cast<ulong>(2 * (j - l)));
                }
                fmpq_neg(factor, factor);
                fmpq_add_si(factor, factor, 1);
                fmpq_div(weight, weight, factor);
            }
            arb_mul_fmpz(term, values[static_cast<std::size_t>(j)],
                         fmpq_numref(static_cast<fmpq*>(weight)), precision);
            arb_div_fmpz(term, term, fmpq_denref(static_cast<fmpq*>(weight)), precision);
            arb_add(result, result, term, precision);
        }
    }

    // Twice the bits of the smallest remainder checked (about 10^-1500).
    static constexpr slong precision = 2 * 5200;
    static std::deque<Ball>* halfPerimeters_;
    static std::deque<Ball>* squares_; // L_k^2
};

std::deque<Ball>* Remainder::halfPerimeters_ = nullptr;
std::deque<Ball>* Remainder::squares_ = nullptr;

// error = T - limit is negative, and bound lies between |error| and 2|error|.
void expectNegativeAndBoundedWithinTwice(arb_srcptr error, mag_srcptr bound) {
    EXPECT_TRUE(arb_is_negative(error));
    Mag above, below;
    arb_get_mag(above, error);
    arb_get_mag_lower(below, error);
    EXPECT_LE(mag_cmp(above, bound), 0)
        << "bound 2^" << mag_get_d_log2_approx(bound) << " below the remainder 2^"
        << mag_get_d_log2_approx(above);
    mag_mul_2exp_si(below, below, 1);
    EXPECT_LE(mag_cmp(bound, below), 0) << "bound 2^" << mag_get_d_log2_approx(bound);
}

TEST_F(Remainder, BoundIsNeverBelowTheTrueRemainderAndAtMostTwiceIt) {
    Ball piAbove, pi, entry, tabled, error;
    certified::richardson::provenPiAbove(piAbove);
    arb_const_pi(pi, precision);
    for (std::int64_t depth = 0; depth <= deepest; ++depth) {
        for (const std::int64_t row : {depth, depth + extraRows}) {
            SCOPED_TRACE("T(" + std::to_string(row) + ", " + std::to_string(depth) + ")");
            Mag bound;
            certified::richardson::remainderBound(bound, row, depth, piAbove);
            ASSERT_LT(-mag_get_d_log2_approx(bound), static_cast<double>(precision) / 2);

            lagrangeEntry(entry, *halfPerimeters_, row, depth);
            arb_sub(error, entry, pi, precision);
            // The remainder's terms alternate and shrink, the first negative
            // (docs/richardson-remainder.md, section 9): T below pi.
            // 3.15 for pi costs (3.15/pi)^(2m+3) < 1.4 up to depth 60.
            expectNegativeAndBoundedWithinTwice(error, bound);

            // The division-free table gives the same entry.
            certified::richardson::Table table(precision);
            for (std::int64_t k = 0; k <= row; ++k) {
                table.addRow((*halfPerimeters_)[static_cast<std::size_t>(k)], k);
            }
            table.entry(tabled, depth);
            arb_sub(error, tabled, entry, precision);
            EXPECT_LT(mag_get_d_log2_approx(arb_radref(static_cast<arb_struct*>(error))),
                      mag_get_d_log2_approx(bound) - 64);
            EXPECT_TRUE(arb_contains_zero(error));
        }
    }
}

// The same for the squares of the half perimeters, whose entries tend to
// pi^2: (3.15/pi)^(2m+4) < 1.4 and the tail's ratio under 0.05 up to depth 60.
TEST_F(Remainder, SquaresBoundIsNeverBelowTheTrueRemainderAndAtMostTwiceIt) {
    Ball piAbove, piSquared, entry, error;
    certified::richardson::provenPiAbove(piAbove);
    arb_const_pi(piSquared, precision);
    arb_sqr(piSquared, piSquared, precision);
    for (std::int64_t depth = 0; depth <= deepest; ++depth) {
        for (const std::int64_t row : {depth, depth + extraRows}) {
            SCOPED_TRACE("T(" + std::to_string(row) + ", " + std::to_string(depth) + ")");
            Mag bound;
            certified::richardson::squaresRemainderBound(bound, row, depth, piAbove);
            ASSERT_LT(-mag_get_d_log2_approx(bound), static_cast<double>(precision) / 2);
            lagrangeEntry(entry, *squares_, row, depth);
            arb_sub(error, entry, piSquared, precision);
            expectNegativeAndBoundedWithinTwice(error, bound);
        }
    }
}

TEST(RemainderPlanning, TheBinary64EstimateFollowsTheProvenBound) {
    Ball piAbove;
    certified::richardson::provenPiAbove(piAbove);
    for (const std::int64_t row : {0, 1, 7, 60, 300, 600}) {
        for (const std::int64_t depth : {std::int64_t{0}, row / 2, row}) {
            SCOPED_TRACE("T(" + std::to_string(row) + ", " + std::to_string(depth) + ")");
            Mag bound;
            certified::richardson::squaresRemainderBound(bound, row, depth, piAbove);
            const double provenLog10 = log2Of(bound) * std::log10(2.0);
            EXPECT_NEAR(certified::richardson::log10SquaresRemainderBound(row, depth), provenLog10,
                        1e-6 * std::abs(provenLog10) + 1e-6);
        }
    }
}

// The closed form from the apothems and the table from the squares of the
// half perimeters of the same polygons enclose the same T(k, m).
TEST(ClosedForm, EnclosesTheTablesEntryOverTheSquares) {
    constexpr slong bits = 4000;
    struct Entry {
        std::int64_t row;
        std::int64_t depth;
    };
    for (const Entry entry : {Entry{0, 0}, Entry{3, 0}, Entry{4, 1}, Entry{5, 2}, Entry{7, 7},
                              Entry{10, 7}, Entry{43, 40}}) {
        SCOPED_TRACE("T(" + std::to_string(entry.row) + ", " + std::to_string(entry.depth) + ")");
        certified::Polygons polygons(bits + 2 * entry.row + 8);
        certified::richardson::Table table(bits);
        certified::richardson::Extrapolation closed(bits, entry.row, entry.depth);
        Ball previous, square, fromTable, fromClosedForm;
        arb_one(previous);
        arb_mul_2exp_si(previous, previous, -1); // cos(2 pi / 6)
        for (std::int64_t k = 0; k <= entry.row; ++k) {
            if (k > 0) {
                arb_set(previous, polygons.apothem());
                polygons.doubleSides();
            }
            polygons.inscribedHalfPerimeter(square);
            arb_sqr(square, square, bits);
            table.addRow(square, entry.depth);
            if (k >= entry.row - entry.depth) {
                closed.addStep(previous);
            }
        }
        table.entry(fromTable, entry.depth);
        closed.value(fromClosedForm);
        EXPECT_TRUE(arb_overlaps(fromTable, fromClosedForm));
        EXPECT_GT(arb_rel_accuracy_bits(fromClosedForm), bits - 20);
    }
}

} // namespace

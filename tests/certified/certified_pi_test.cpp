#include "certified/arb.hpp"
#include "certified/arb_values.hpp"
#include "certified/certified_pi.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace certified {
// Parameters and failures show the method by its name.
void PrintTo(Method method, std::ostream* out) {
    *out << nameOf(method);
}
} // namespace certified

namespace {

using certified::Ball;
using certified::Bounds;
using certified::Integer;
using certified::Method;

constexpr Method allMethods[] = {Method::Doubling, Method::Huygens, Method::Richardson};

// "3.1415" with decimals 4 -> 31415: the bound in units of its last decimal.
void unitsOf(fmpz* units, std::string bound, int decimals) {
    const auto at = bound.find('.');
    ASSERT_NE(at, std::string::npos) << bound;
    ASSERT_EQ(bound.size() - at - 1, static_cast<std::size_t>(decimals)) << bound;
    bound.erase(at, 1);
    ASSERT_EQ(fmpz_set_str(units, bound.c_str(), 10), 0) << bound;
}

// lower < pi < upper, with pi from the library's own constant, computed by
// another algorithm than the polygons.
::testing::AssertionResult containsPi(const Bounds& bounds) {
    const int decimals = bounds.decimals;
    Integer lower, upper;
    unitsOf(lower, bounds.lower, decimals);
    unitsOf(upper, bounds.upper, decimals);
    const slong precision = static_cast<slong>(decimals) * 4 + 64;
    Ball pi, scale, low, high;
    arb_const_pi(pi, precision);
    arb_set_ui(scale, 10);
    arb_pow_ui(scale, scale, static_cast<ulong>(decimals), precision);
    arb_mul(pi, pi, scale, precision); // pi in units of the last decimal
    arb_set_fmpz(low, lower);
    arb_set_fmpz(high, upper);
    if (!arb_lt(low, pi)) {
        return ::testing::AssertionFailure() << "lower bound not below pi: " << bounds.lower;
    }
    if (!arb_gt(high, pi)) {
        return ::testing::AssertionFailure() << "upper bound not above pi: " << bounds.upper;
    }
    return ::testing::AssertionSuccess();
}

// upper - lower in units of the last decimal.
long unitsApart(const Bounds& bounds) {
    Integer lower, upper;
    unitsOf(lower, bounds.lower, bounds.decimals);
    unitsOf(upper, bounds.upper, bounds.decimals);
    fmpz_sub(upper, upper, lower);
    return fmpz_fits_si(upper) ? fmpz_get_si(upper) : -1;
}

class Certified : public ::testing::TestWithParam<std::tuple<Method, int>> {};

// Containing pi and one unit apart: lower is pi truncated to the decimals.
TEST_P(Certified, BracketIsPiTruncatedAndOneUnitOfTheLastDecimalAbove) {
    const auto [method, digits] = GetParam();
    const Bounds bounds = certified::certifyPi(method, digits);
    EXPECT_EQ(bounds.decimals, digits);
    EXPECT_TRUE(containsPi(bounds));
    EXPECT_EQ(unitsApart(bounds), 1);
    EXPECT_GE(bounds.settledDecimals, digits);
}

INSTANTIATE_TEST_SUITE_P(MethodsAndDigits, Certified,
                         ::testing::Combine(::testing::ValuesIn(allMethods),
                                            ::testing::Values(1, 10, 100, 1000, 2000)),
                         [](const auto& instance) {
                             return std::string(certified::nameOf(std::get<0>(instance.param))) +
                                    "_" + std::to_string(std::get<1>(instance.param));
                         });

// Where pi's next decimals are near a boundary of the last one, a bracket
// under 10^-digits may still straddle it: 28 of these did before the
// refinement. The six nines from decimal 762 need seven decimals more.
TEST(CertifyPi, SettlesTheLastDecimalUpToTwoHundredAndThroughTheSixNines) {
    std::vector<int> cases;
    for (int digits = 1; digits <= 200; ++digits) {
        cases.push_back(digits);
    }
    for (int digits = 755; digits <= 770; ++digits) {
        cases.push_back(digits);
    }
    for (const int digits : cases) {
        SCOPED_TRACE(digits);
        const Bounds bounds = certified::certifyPi(Method::Richardson, digits);
        EXPECT_TRUE(containsPi(bounds));
        EXPECT_EQ(unitsApart(bounds), 1) << bounds.lower << " " << bounds.upper;
    }
    const Bounds one = certified::certifyPi(Method::Richardson, 1);
    EXPECT_EQ(one.lower, "3.1");
    EXPECT_EQ(one.upper, "3.2");
}

// Seconds, not milliseconds: run by scripts/check-long-digits.sh.
TEST(CertifyPi, DISABLED_HundredThousandDigits) {
    const Bounds bounds = certified::certifyPi(Method::Richardson, 100000);
    EXPECT_TRUE(containsPi(bounds));
    EXPECT_EQ(unitsApart(bounds), 1);
}

// Minutes: run by scripts/check-long-digits.sh 1000000.
TEST(CertifyPi, DISABLED_MillionDigits) {
    const Bounds bounds = certified::certifyPi(Method::Richardson, certified::maximumDigits);
    EXPECT_EQ(bounds.decimals, 1000000);
    EXPECT_TRUE(containsPi(bounds));
    EXPECT_EQ(unitsApart(bounds), 1);
}

// The closed form at its largest in the tests, against Arb's own pi.
TEST(CertifyPi, TwentyThousandDigitsHoldPi) {
    const Bounds bounds = certified::certifyPi(Method::Richardson, 20000);
    EXPECT_TRUE(containsPi(bounds));
    EXPECT_EQ(unitsApart(bounds), 1);
}

TEST(BrokenProof, ARemainderBoundTooSmallLetsTheBracketMissPi) {
    // The same run with the remainder bound a tenth of the proven one:
    // the plan then stops rows or columns early and the containment check
    // must notice for some number of digits.
    int missed = 0;
    for (int digits = 1; digits <= 100; ++digits) {
        SCOPED_TRACE(digits);
        const certified::Plan honest = certified::planFor(Method::Richardson, digits);
        ASSERT_TRUE(containsPi(certified::bracketAfter(honest, digits)));
        const certified::Plan broken = certified::planFor(Method::Richardson, digits, 0.1);
        EXPECT_LE(broken.steps, honest.steps);
        if (!containsPi(certified::bracketAfter(broken, digits))) {
            ++missed;
        }
    }
    EXPECT_GT(missed, 0);
}

// Doubling and Huygens plan for a quarter of 10^-digits, which may cost a
// step more than needed; Richardson's table is the smallest there is.
TEST(Plans, RichardsonTakesTheFewestRowsAndColumnsThatReachTheDigits) {
    for (int digits : {1, 2, 5, 10, 30, 100, 250, 500, 2000}) {
        SCOPED_TRACE(digits);
        const certified::Plan plan = certified::planFor(Method::Richardson, digits);
        EXPECT_TRUE(certified::bracketAfter(plan, digits).narrowerThanLastDecimal);
        if (plan.steps > 1) {
            // One row fewer, even with the deepest table it allows.
            certified::Plan fewer = plan;
            fewer.steps -= 1;
            fewer.depth = fewer.steps - 1;
            EXPECT_FALSE(certified::bracketAfter(fewer, digits).narrowerThanLastDecimal);
        }
        if (plan.depth > 0) {
            certified::Plan shallower = plan;
            shallower.depth -= 1;
            EXPECT_FALSE(certified::bracketAfter(shallower, digits).narrowerThanLastDecimal);
        }
    }
}

TEST(Plans, NeedNoSecondAttemptForAnyDigitsUpToTwoHundred) {
    for (const Method method : allMethods) {
        for (int digits = certified::minimumDigits; digits <= 200; ++digits) {
            SCOPED_TRACE(std::string(certified::nameOf(method)) + " " + std::to_string(digits));
            const auto plan = certified::planFor(method, digits);
            EXPECT_TRUE(certified::bracketAfter(plan, digits).narrowerThanLastDecimal);
        }
    }
}

TEST(Plans, RefuseDigitsOutOfRangeAndARemainderFactorThatIsNotPositive) {
    for (const Method method : allMethods) {
        EXPECT_THROW(certified::planFor(method, 0), std::invalid_argument);
        EXPECT_THROW(certified::planFor(method, 1000001), std::invalid_argument);
        EXPECT_NO_THROW(certified::planFor(method, 1000000));
    }
    EXPECT_THROW(certified::planFor(Method::Richardson, 10, 0.0), std::invalid_argument);
    EXPECT_THROW(certified::planFor(Method::Richardson, 10, -1.0), std::invalid_argument);
}

TEST(Polygons, TheNinetySixGonGivesArchimedesAndHuygensBounds) {
    // Archimedes: 223/71 < L and U < 22/7, compared in integers.
    const auto doubling = certified::bracketAfter({Method::Doubling, 5, 0, 64}, 12);
    EXPECT_EQ(doubling.lower, "3.141031950890");
    EXPECT_EQ(doubling.upper, "3.142714599646");
    Integer lower, upper, left, right;
    unitsOf(lower, doubling.lower, 12);
    unitsOf(upper, doubling.upper, 12);
    fmpz_mul_ui(left, lower, 71);
    fmpz_set_ui(right, 223);
    fmpz_mul_ui(right, right, 1000000000000u);
    EXPECT_GT(fmpz_cmp(left, right), 0) << doubling.lower << " not above 223/71";
    fmpz_mul_ui(left, upper, 7);
    fmpz_set_ui(right, 22);
    fmpz_mul_ui(right, right, 1000000000000u);
    EXPECT_LT(fmpz_cmp(left, right), 0) << doubling.upper << " not below 22/7";

    // Snell's 3L/(2 + a) and Huygens' (2L + U)/3 for the same polygon:
    // 3.14159263357... and 3.14159283380..., rounded outward.
    const auto huygens = certified::bracketAfter({Method::Huygens, 5, 0, 64}, 10);
    EXPECT_EQ(huygens.lower, "3.1415926335");
    EXPECT_EQ(huygens.upper, "3.1415928339");
}

// Richardson's apothems carry the bits its last step loses whatever the
// plan's precision, so only the polygons' own bounds can be starved.
TEST(Polygons, APrecisionTooSmallForTheStepsThrowsInsteadOfAborting) {
    for (const Method method : {Method::Doubling, Method::Huygens}) {
        SCOPED_TRACE(std::string(certified::nameOf(method)));
        EXPECT_THROW(certified::bracketAfter({method, 40, 0, 2}, 10), std::domain_error);
    }
}

TEST(Polygons, StillBracketPiWhereRoundingErrorsDwarfTheGap) {
    // At 40 steps and 64 bits the rounding errors (about 1e-18) dwarf the
    // gap between the polygons and pi (about 1e-25): only the enclosures'
    // outer ends, rounded outward, still bracket it.
    const auto bounds = certified::bracketAfter({Method::Doubling, 40, 0, 64}, 30);
    EXPECT_FALSE(bounds.narrowerThanLastDecimal);
    EXPECT_GT(unitsApart(bounds), 1000) << "the radii were lost";
    EXPECT_TRUE(containsPi(bounds));
}

// 761 digits end on the six nines from decimal 762: the first plan's last
// step straddles the boundary and the plan aimed further settles that same
// step, which must be the race's last row, once.
TEST(Race, EndsOnTheRowThatSettlesAfterAPlanStartedAgain) {
    const auto rows = certified::race(Method::Richardson, 761);
    EXPECT_GE(rows.back().provenDigits, 761);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].step, static_cast<std::int64_t>(i) + 1);
    }
}

// A row's digits are those both printed ends share: at that many decimals
// the bracket of the same polygons and the same series is one unit wide and holds pi, at one more
// it straddles a boundary.
TEST(Race, RowsCountTheDecimalsBothEndsShare) {
    for (const Method method : allMethods) {
        SCOPED_TRACE(std::string(certified::nameOf(method)));
        const int digits = 60;
        const certified::Plan plan = certified::planFor(method, digits);
        const auto rows = certified::race(method, digits);
        EXPECT_GE(rows.back().provenDigits, digits);
        EXPECT_LT(rows[rows.size() - 2].provenDigits, digits) << "the race goes on too long";
        for (const certified::RaceRow& row : rows) {
            SCOPED_TRACE(row.step);
            certified::Plan at = plan;
            at.steps = row.step;
            at.depth = method == Method::Richardson ? row.step - 1 : 0;
            at.series = certified::Plan::Series::HalfPerimeters;
            const Bounds proven = certified::bracketAfter(at, row.provenDigits);
            EXPECT_TRUE(containsPi(proven));
            if (row.provenDigits > 0) { // else not even the units may agree
                EXPECT_EQ(unitsApart(proven), 1) << proven.lower << " " << proven.upper;
            }
            EXPECT_GE(unitsApart(certified::bracketAfter(at, row.provenDigits + 1)), 2);
        }
    }
    // Under 10^-35 wide, but from ...950287 to ...950289: 34 settled.
    EXPECT_EQ(certified::race(Method::Richardson, 300).at(7).provenDigits, 34);
}

// The race computes each row's table at the fewest bits its digits and the
// later rows need, and its decimals on ends cut short: every row must prove
// what the whole table at the plan's precision proves.
TEST(Race, RichardsonRowsAreThoseOfTheTableAtFullPrecision) {
    const int digits = 3000;
    const certified::Plan plan = certified::planFor(Method::Richardson, digits);
    for (const certified::RaceRow& row : certified::race(Method::Richardson, digits)) {
        SCOPED_TRACE(row.step);
        certified::Plan at = plan;
        at.steps = row.step;
        at.depth = row.step - 1;
        at.series = certified::Plan::Series::HalfPerimeters;
        EXPECT_EQ(certified::bracketAfter(at, 0).settledDecimals, row.provenDigits);
    }
}

TEST(Race, EachMethodBuysDigitsAtItsOwnPace) {
    // 0.6 digits a doubling, 1.2, and ever more: after the 96-gon (step 5)
    // and after the 6144-gon (step 11), where Huygens' bracket is under
    // 10^-13 wide but runs from ...897920 to ...898040: 12 decimals.
    struct Expected {
        Method method;
        int atHexagon;
        int at96;
        int at6144;
    };
    for (const Expected& e :
         {Expected{Method::Doubling, 0, 2, 6}, Expected{Method::Huygens, 1, 6, 12},
          Expected{Method::Richardson, 0, 15, 60}}) {
        SCOPED_TRACE(std::string(certified::nameOf(e.method)));
        const auto rows = certified::race(e.method, 200);
        ASSERT_GE(rows.size(), 11u);
        EXPECT_EQ(rows[0].provenDigits, e.atHexagon);
        EXPECT_EQ(rows[4].provenDigits, e.at96);
        EXPECT_EQ(rows[10].provenDigits, e.at6144);
    }
}

} // namespace

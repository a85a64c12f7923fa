#include "archimede/table.hpp"
#include "certified/arb_values.hpp"
#include "certified/certified_pi.hpp"
#include "tests/archimede/run_archimede.hpp"

#include <gtest/gtest.h>

#include <arb.h>
#include <cstdint>
#include <string>

namespace {

using archimede::testing::linesOf;
using archimede::testing::runArchimede;

using certified::Ball;
using certified::Integer;

// The integer written in decimal digits.
void setDigits(fmpz* integer, const std::string& digits) {
    EXPECT_EQ(fmpz_set_str(integer, digits.c_str(), 10), 0) << digits;
}

// "3,1415" with decimals 4 -> 31415: the bound in units of its last decimal.
std::string unitsOf(std::string bound, char separator, int decimals) {
    const auto at = bound.find(separator);
    EXPECT_NE(at, std::string::npos) << bound;
    EXPECT_EQ(bound.size() - at - 1, static_cast<std::size_t>(decimals)) << bound;
    bound.erase(at, 1);
    return bound;
}

// Whether units * 10^-decimals is certainly below (sign -1) or above (+1)
// pi, with pi from the library's own constant, not from the polygons.
bool certainlyOnSideOfPi(const std::string& units, int decimals, int sign) {
    const slong precision = static_cast<slong>(decimals) * 4 + 64;
    Ball pi, bound, scale;
    arb_const_pi(pi, precision);
    Integer exact;
    setDigits(exact, units);
    arb_set_fmpz(bound, exact);
    arb_set_ui(scale, 10);
    arb_pow_ui(scale, scale, static_cast<ulong>(decimals), precision);
    arb_div(bound, bound, scale, precision);
    return sign < 0 ? arb_lt(bound, pi) != 0 : arb_gt(bound, pi) != 0;
}

class CertifiedBracket : public ::testing::TestWithParam<int> {};

TEST_P(CertifiedBracket, ContainsPiAndIsAtMostTwoUnitsOfTheLastDecimalWide) {
    const int digits = GetParam();
    const std::string digitsText = std::to_string(digits);
    const auto outcome = runArchimede({"--cifre", digitsText}, ",");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), 3u);
    const std::string separator = " < costante < ";
    const auto at = lines[2].find(separator);
    ASSERT_NE(at, std::string::npos);
    const std::string lower = unitsOf(lines[2].substr(0, at), ',', digits);
    const std::string upper = unitsOf(lines[2].substr(at + separator.size()), ',', digits);

    EXPECT_TRUE(certainlyOnSideOfPi(lower, digits, -1)) << "lower bound not below pi";
    EXPECT_TRUE(certainlyOnSideOfPi(upper, digits, +1)) << "upper bound not above pi";
    Integer low, high, width;
    setDigits(low, lower);
    setDigits(high, upper);
    fmpz_sub(width, high, low);
    EXPECT_LE(fmpz_get_si(width), 2);
    EXPECT_GE(fmpz_get_si(width), 1);
}

INSTANTIATE_TEST_SUITE_P(Digits, CertifiedBracket, ::testing::Values(1, 10, 100, 1000),
                         [](const auto& digits) {
                             return "Digits" + std::to_string(digits.param);
                         });

TEST(CertifiedPlan, NeedsNoSecondAttemptForAnyDigitsUpToTwoHundred) {
    for (int digits = certified::minimumDigits; digits <= 200; ++digits) {
        SCOPED_TRACE(digits);
        const auto plan = certified::planFor(digits);
        const auto bounds = certified::bracketAfter(plan, digits);
        EXPECT_TRUE(bounds.narrowerThanLastDecimal);
    }
}

TEST(CertifiedPolygons, TheNinetySixGonLiesInsideArchimedesOwnBracket) {
    // 223/71 < lower and upper < 22/7, compared in integers.
    const auto bounds = certified::bracketAfter({5, 64}, 12);
    Integer lower, upper;
    setDigits(lower, unitsOf(bounds.lower, '.', 12));
    setDigits(upper, unitsOf(bounds.upper, '.', 12));
    Integer left, right;
    fmpz_mul_ui(left, lower, 71);
    fmpz_set_ui(right, 223);
    fmpz_mul_ui(right, right, 1000000000000u);
    EXPECT_GT(fmpz_cmp(left, right), 0) << bounds.lower << " not above 223/71";
    fmpz_mul_ui(left, upper, 7);
    fmpz_set_ui(right, 22);
    fmpz_mul_ui(right, right, 1000000000000u);
    EXPECT_LT(fmpz_cmp(left, right), 0) << bounds.upper << " not below 22/7";
    EXPECT_EQ(bounds.lower, "3.141031950890");
    EXPECT_EQ(bounds.upper, "3.142714599646");
}

TEST(CertifiedPolygons, StillBracketPiWhereTheBinary64BoundsNoLongerDo) {
    const auto rows = archimede::stepRows(26);
    const auto belowPi = [](double value) {
        Ball pi, bound;
        arb_const_pi(pi, 128);
        arb_set_d(bound, value); // exact
        return arb_lt(bound, pi) != 0;
    };
    EXPECT_TRUE(belowPi(rows[24].lowerBound)) << "step 25";
    EXPECT_FALSE(belowPi(rows[25].lowerBound)) << "step 26";

    // At 40 steps and 64 bits the rounding errors (about 1e-18) dwarf the
    // gap between the polygons and pi (about 1e-25): only the enclosures'
    // outer ends, rounded outward, still bracket it.
    const auto bounds = certified::bracketAfter({40, 64}, 30);
    EXPECT_TRUE(certainlyOnSideOfPi(unitsOf(bounds.lower, '.', 30), 30, -1)) << bounds.lower;
    EXPECT_TRUE(certainlyOnSideOfPi(unitsOf(bounds.upper, '.', 30), 30, +1)) << bounds.upper;
    EXPECT_FALSE(bounds.narrowerThanLastDecimal);
}

} // namespace

#include "calc/digits.hpp"
#include "calc/step_rows.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <mpfr.h>
#include <vector>

namespace {

// -log10 |value - pi| with pi and the arithmetic at 256 bits.
double referenceDigits(double value) {
    mpfr_t pi;
    mpfr_t x;
    mpfr_inits2(256, pi, x, static_cast<mpfr_ptr>(nullptr));
    mpfr_const_pi(pi, MPFR_RNDN);
    mpfr_set_d(x, value, MPFR_RNDN);
    mpfr_sub(x, x, pi, MPFR_RNDN);
    mpfr_abs(x, x, MPFR_RNDN);
    mpfr_log10(x, x, MPFR_RNDN);
    const double digits = -mpfr_get_d(x, MPFR_RNDN);
    mpfr_clears(pi, x, static_cast<mpfr_ptr>(nullptr));
    return digits;
}

class Binary64Digits : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() { rows = calc::stepRows(500); }
    static std::vector<calc::StepRow> rows;
};
std::vector<calc::StepRow> Binary64Digits::rows;

// At step 26 the lower bound is a few ulps from pi, where a pi of binary64
// alone would be wrong in the first digit of the distance.
TEST_P(Binary64Digits, AreThoseOfTheBoundsDistanceFromAnExactPi) {
    const int step = GetParam();
    const calc::StepRow& row = rows[static_cast<std::size_t>(step - 1)];
    const std::vector<calc::DigitSeries> series = calc::binary64Series(rows);
    ASSERT_EQ(series.size(), 3u);
    const auto pointAt = [&](const calc::DigitSeries& line) {
        for (const calc::DigitPoint& point : line.points) {
            if (point.step == step) {
                return point.digits;
            }
        }
        ADD_FAILURE() << line.name << " has no point at step " << step;
        return 0.0;
    };
    EXPECT_NEAR(pointAt(series[0]), referenceDigits(row.lowerBound), 1e-12);
    EXPECT_NEAR(pointAt(series[1]), referenceDigits(row.upperBound), 1e-12);
    EXPECT_NEAR(pointAt(series[2]), -std::log10(row.difference), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Steps, Binary64Digits, ::testing::Values(1, 10, 26),
                         [](const auto& test) { return "step" + std::to_string(test.param); });

TEST_F(Binary64Digits, GrowBySixTenthsOfADigitAStepUntilBinary64RunsOut) {
    const std::vector<calc::DigitSeries> series = calc::binary64Series(rows);
    // Each doubling divides the error by four: log10(4) = 0.602 digits.
    const double step1 = series[0].points[0].digits;
    const double step10 = series[0].points[9].digits;
    EXPECT_NEAR(step1, 0.849, 0.001) << "|3 - pi| = 0.1416";
    EXPECT_NEAR((step10 - step1) / 9.0, 0.602, 0.005);
    for (const calc::DigitSeries& line : series) {
        for (const calc::DigitPoint& point : line.points) {
            EXPECT_LT(point.digits, 16.5) << line.name << " at step " << point.step;
        }
    }
}

TEST_F(Binary64Digits, EndTheWidthWhereTheBoundsMeet) {
    const std::vector<calc::DigitSeries> series = calc::binary64Series(rows);
    EXPECT_EQ(series[0].points.size(), 500u);
    EXPECT_EQ(series[1].points.size(), 500u);
    ASSERT_FALSE(series[2].points.empty());
    const int lastWidth = series[2].points.back().step;
    EXPECT_GT(rows[static_cast<std::size_t>(lastWidth - 1)].difference, 0.0);
    EXPECT_EQ(rows[static_cast<std::size_t>(lastWidth)].difference, 0.0)
        << "the width series stops at the last step with a positive width";
}

TEST_F(Binary64Digits, MarkStep26WhereTheLowerBoundFirstExceedsPi) {
    EXPECT_EQ(calc::firstStepPastPi(rows), 26);
    EXPECT_EQ(calc::firstStepPastPi(std::span(rows).first(25)), std::nullopt);
}

struct DistanceCase {
    const char* name;
    double value;
};

// Values whose distance from pi binary64 arithmetic alone gets wrong.
TEST(DistanceFromPi, IsExactToTheLastDigitsNearPi) {
    const DistanceCase cases[] = {
        {"pi rounded", 3.141592653589793116},
        {"next above", std::nextafter(3.141592653589793116, 4.0)},
        {"next below", std::nextafter(3.141592653589793116, 3.0)},
        {"3", 3.0},
        {"2 sqrt 3", 2.0 * std::sqrt(3.0)},
    };
    for (const DistanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(calc::correctDigits(c.value), referenceDigits(c.value), 1e-13);
    }
    EXPECT_LT(calc::distanceFromPi(3.141592653589793116), 0.0) << "binary64 pi is below pi";
    EXPECT_GT(calc::distanceFromPi(std::nextafter(3.141592653589793116, 4.0)), 0.0);
}

} // namespace

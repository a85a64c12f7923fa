#include "pictures/certified_series.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each certified line runs from step 1 without a gap until its race proves
// the digits asked for, or stops at the last step asked for.
TEST(CertifiedSeries, FollowTheRaceToItsEndOrTheLastStep) {
    const std::vector<calc::DigitSeries> series = pictures::certifiedSeries(30, 20);
    ASSERT_EQ(series.size(), 3u);
    for (const calc::DigitSeries& line : series) {
        SCOPED_TRACE(line.name);
        ASSERT_FALSE(line.points.empty());
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            EXPECT_EQ(line.points[i].step, static_cast<int>(i) + 1);
        }
    }
    EXPECT_EQ(series[0].points.size(), 20u) << "doubling needs some 50 steps for 30 digits";
    EXPECT_LT(series[2].points.size(), 20u);
    EXPECT_GE(series[2].points.back().digits, 30.0);
}

} // namespace

#include "calc/proven_series.hpp"
#include "calc/step_range.hpp"
#include "certified/certified_pi.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Each proven line runs from step 1 without a gap until its race proves the
// digits aimed at, or stops at the chart's last step.
TEST(ProvenSeries, FollowTheRaceToItsEndOrTheLastStep) {
    const std::vector<calc::DigitSeries>& series = calc::provenSeries();
    ASSERT_EQ(series.size(), 3u);
    for (const calc::DigitSeries& line : series) {
        SCOPED_TRACE(line.name);
        ASSERT_FALSE(line.points.empty());
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            EXPECT_EQ(line.points[i].step, static_cast<int>(i) + 1);
        }
    }
    EXPECT_EQ(series[0].points.size(), static_cast<std::size_t>(calc::maximumSteps))
        << "doubling needs some 500 steps for 300 digits";
    EXPECT_LT(series[2].points.size(), 100u);
    EXPECT_GE(series[2].points.back().digits, calc::chartProvenDigits);
}

// The data the build compiled in are the races themselves, point for point.
TEST(ProvenSeries, AreTheRacesOfTheCertifiedMethods) {
    const struct {
        certified::Method method;
        const char* name;
    } rows[] = {
        {certified::Method::Doubling, "Dimostrate: raddoppi"},
        {certified::Method::Huygens, "Dimostrate: Huygens"},
        {certified::Method::Richardson, "Dimostrate: Richardson"},
    };
    const std::vector<calc::DigitSeries>& series = calc::provenSeries();
    ASSERT_EQ(series.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(series[i].name, rows[i].name);
        const std::vector<certified::RaceRow> race =
            certified::race(rows[i].method, calc::chartProvenDigits);
        const std::size_t shown =
            std::min(race.size(), static_cast<std::size_t>(calc::maximumSteps));
        ASSERT_EQ(series[i].points.size(), shown);
        for (std::size_t step = 0; step < shown; ++step) {
            EXPECT_EQ(series[i].points[step].digits, race[step].provenDigits)
                << "step " << race[step].step;
        }
    }
}

} // namespace

#include "archimede/progress.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(DurationText, SecondsThenMinutesThenHoursFromNinetyMinutes) {
    struct Case {
        double seconds;
        const char* text;
    };
    for (const Case c : {Case{0.0, "0 s"}, Case{41.2, "42 s"}, Case{59.5, "1 min 0 s"},
                         Case{5399.0, "89 min 59 s"}, Case{5400.0, "1 h 30 min"},
                         Case{5700.5, "1 h 36 min"}, Case{1617.0 * 60.0, "26 h 57 min"}}) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(archimede::durationText(c.seconds), c.text);
    }
}

// A step of the table's race does one square root, a division and the
// decimal bounds, then one long subtraction for each column before it:
// its work is 1 + columnShare * (step - 1) in square roots.
TEST(RemainingTime, PredictsTheWorkLeftOfStepsOfConstantOrGrowingWork) {
    constexpr std::int64_t total = 1800;
    for (const double columnShare : {0.0, 0.02, 0.5}) {
        const auto work = [columnShare](std::int64_t step) {
            return 1.0 + columnShare * static_cast<double>(step - 1);
        };
        archimede::RemainingTime remaining;
        double left = 0.0;
        for (std::int64_t step = 1; step <= total; ++step) {
            left += work(step);
        }
        for (std::int64_t done = 1; done <= total; ++done) {
            remaining.add(done, work(done));
            left -= work(done);
            if (done == 1) {
                EXPECT_FALSE(remaining.after(done, total).has_value());
            } else if (done == 2 || done % 450 == 0) {
                SCOPED_TRACE("share " + std::to_string(columnShare) + ", step " +
                             std::to_string(done));
                ASSERT_TRUE(remaining.after(done, total).has_value());
                EXPECT_NEAR(*remaining.after(done, total), left, 1e-9 * (left + 1.0));
            }
        }
    }
}

} // namespace

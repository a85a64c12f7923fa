// The convergence chart's figures that the desktop and the page both draw:
// the axes for the points shown, and the step ticks for the plot's width.

#include "calc/chart_figures.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One series rising a digit a step, as the bounds roughly do.
const std::vector<calc::DigitSeries> risingSeries = {
    {"lower", {{1, 0.5}, {2, 1.5}, {3, 2.5}, {30, 29.5}, {500, 0.0}}}};

TEST(ChartFigures, AxesFitThePointsShownAndThePlotsWidth) {
    const struct {
        std::string name;
        int shown;
        double plotWidth;
        double lastStep;
        double stepInterval;
        double topDigits;
        std::size_t gridLines;
        bool pointsMarked;
    } cases[] = {
        // One step still spans 1 to 2; the digits reach a decade over 1: grid
        // lines at 0.2 to 0.9, 1 to 9 and 10.
        {"one step", 1, 600.0, 2.0, 1.0, 10.0, 18, true},
        {"three steps", 3, 600.0, 3.0, 1.0, 10.0, 18, true},
        // 30 steps: 29.5 digits and half as much again, with lines at 10 to
        // 40 too; ten intervals of 5.
        {"thirty steps", 30, 600.0, 30.0, 5.0, 44.25, 21, true},
        // A narrow plot: at most 150 / 40 = 3 intervals, of 10.
        {"thirty steps, narrow", 30, 150.0, 30.0, 10.0, 44.25, 21, true},
        // Not laid out yet: ten intervals. The 0 digits of step 500 are left out.
        {"all steps", 500, 0.0, 500.0, 50.0, 44.25, 21, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<calc::DigitSeries> shown = calc::shownSeries(risingSeries, c.shown);
        const calc::ChartAxes axes = calc::chartAxes(shown, c.shown, c.plotWidth);
        EXPECT_EQ(axes.lastStep, c.lastStep);
        EXPECT_EQ(axes.stepInterval, c.stepInterval);
        EXPECT_DOUBLE_EQ(axes.topDigits, c.topDigits);
        EXPECT_EQ(axes.digitGrid.size(), c.gridLines);
        EXPECT_EQ(axes.pointsMarked, c.pointsMarked);
        for (const calc::DigitGridLine& line : axes.digitGrid) {
            EXPECT_GE(line.digits, calc::lowestDigits);
            EXPECT_LE(line.digits, axes.topDigits);
        }
    }
}

} // namespace

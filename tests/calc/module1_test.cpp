#include "calc/module1.hpp"
#include "runtime/errors.hpp"
#include "runtime/number_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <ostream>
#include <string>

namespace {

using calc::Module1;
using runtime::ErrorNumber;
using runtime::RuntimeError;

Module1 afterSteps(std::int32_t steps) {
    Module1 state;
    state.sideCount = calc::startSideCount;
    state.sideLength = calc::startSideLength;
    state.iterationCount = steps;
    state.DoublePolygons();
    return state;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct DisplayRow {
    std::int32_t steps;
    const char* sides;
    const char* lower;
    const char* upper;
};

void PrintTo(const DisplayRow& row, std::ostream* os) {
    *os << row.steps << " steps -> " << row.sides << ", " << row.lower << " < pi < " << row.upper;
}

class PolygonDoubling : public ::testing::TestWithParam<DisplayRow> {};

TEST_P(PolygonDoubling, GivesTheBoundsOfTheResultsTable) {
    const DisplayRow& row = GetParam();
    const Module1 state = afterSteps(row.steps);
    EXPECT_EQ(runtime::formatNumber(state.sideCount / 2.0, "0.000E+00", "."), row.sides);
    EXPECT_EQ(runtime::formatNumber(state.lowerBound, "0.00000000", "."), row.lower);
    EXPECT_EQ(runtime::formatNumber(state.upperBound, "0.00000000", "."), row.upper);
}

INSTANTIATE_TEST_SUITE_P(Steps, PolygonDoubling,
                         ::testing::Values(DisplayRow{1, "6.000E+00", "3.00000000", "3.46410162"},
                                           DisplayRow{2, "1.200E+01", "3.10582854", "3.21539031"},
                                           DisplayRow{3, "2.400E+01", "3.13262861", "3.15965994"},
                                           DisplayRow{4, "4.800E+01", "3.13935020", "3.14608622"},
                                           DisplayRow{5, "9.600E+01", "3.14103195", "3.14271460"},
                                           DisplayRow{10, "3.072E+03", "3.14159211", "3.14159375"},
                                           DisplayRow{15, "9.830E+04", "3.14159265", "3.14159265"},
                                           DisplayRow{100, "3.803E+30", "3.14159265", "3.14159265"},
                                           DisplayRow{500, "9.820E+150", "3.14159265",
                                                      "3.14159265"}),
                         [](const auto& row) { return "Steps" + std::to_string(row.param.steps); });

TEST(PolygonDoublingValues, OneStepGivesTheHexagonAndTheTwelveGon) {
    const Module1 state = afterSteps(1);
    EXPECT_EQ(state.lowerBound, 3.0);
    EXPECT_DOUBLE_EQ(state.upperBound, 2.0 * std::sqrt(3.0));
    EXPECT_EQ(state.sideCount, 12.0);
    EXPECT_NEAR(state.sideLength, 2.0 * std::sin(std::numbers::pi / 12.0), 1e-15);
    EXPECT_EQ(state.stepIndex, 2);
}

TEST(PolygonDoublingValues, FiveHundredStepsStayExactAndFinite) {
    const Module1 state = afterSteps(500);
    EXPECT_EQ(state.sideCount, 6.0 * std::ldexp(1.0, 500));
    EXPECT_EQ(state.stepIndex, 501);
    EXPECT_GT(state.sideLength, 0.0);
    EXPECT_TRUE(std::isnormal(state.sideLength * state.sideLength));
    EXPECT_LT(std::fabs(state.lowerBound - std::numbers::pi), 1e-8);
    EXPECT_LT(std::fabs(state.upperBound - std::numbers::pi), 1e-8);
}

TEST(PolygonDoublingValues, BoundsBracketPiWhileThePolygonIsCoarse) {
    for (std::int32_t steps = 1; steps <= 12; ++steps) {
        SCOPED_TRACE(steps);
        const Module1 state = afterSteps(steps);
        EXPECT_LT(state.lowerBound, std::numbers::pi);
        EXPECT_GT(state.upperBound, std::numbers::pi);
    }
}

TEST(PolygonDoublingLimit, ZeroOrNegativeMakesNoStepAndTouchesNothingElse) {
    for (std::int32_t limit : {0, -1, -2147483647 - 1}) {
        SCOPED_TRACE(limit);
        Module1 state = afterSteps(3);
        const Module1 before = state;
        state.iterationCount = limit;
        state.DoublePolygons();
        EXPECT_EQ(state.stepIndex, 1);
        EXPECT_EQ(state.sideCount, before.sideCount);
        EXPECT_EQ(state.sideLength, before.sideLength);
        EXPECT_EQ(state.apothem, before.apothem);
        EXPECT_EQ(state.outerSide, before.outerSide);
        EXPECT_EQ(state.lowerBound, before.lowerBound);
        EXPECT_EQ(state.upperBound, before.upperBound);
        EXPECT_EQ(state.sagitta, before.sagitta);
    }
}

TEST(PolygonDoublingLimit, ContinuesFromThePolygonItIsGiven) {
    Module1 state = afterSteps(2);
    state.iterationCount = 3;
    state.DoublePolygons();
    const Module1 straight = afterSteps(5);
    EXPECT_TRUE(sameBits(state.lowerBound, straight.lowerBound));
    EXPECT_TRUE(sameBits(state.upperBound, straight.upperBound));
    EXPECT_EQ(state.sideCount, straight.sideCount);
}

TEST(PolygonDoublingRepeat, TwoRunsAreBitIdentical) {
    for (std::int32_t steps : {1, 24, 500}) {
        SCOPED_TRACE(steps);
        const Module1 first = afterSteps(steps);
        const Module1 second = afterSteps(steps);
        EXPECT_TRUE(sameBits(first.sideLength, second.sideLength));
        EXPECT_TRUE(sameBits(first.apothem, second.apothem));
        EXPECT_TRUE(sameBits(first.outerSide, second.outerSide));
        EXPECT_TRUE(sameBits(first.lowerBound, second.lowerBound));
        EXPECT_TRUE(sameBits(first.upperBound, second.upperBound));
        EXPECT_TRUE(sameBits(first.sagitta, second.sagitta));
    }
}

// Starting values that no click can produce drive the checks.
TEST(PolygonDoublingFaults, ADiameterSideDividesByZeroAfterSettingTheApothem) {
    Module1 state;
    state.sideCount = 6.0;
    state.sideLength = 2.0; // apothem 0: the circumscribed side is infinite
    state.iterationCount = 1;
    try {
        state.DoublePolygons();
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::DivisionByZero);
    }
    EXPECT_EQ(state.apothem, 0.0);
    EXPECT_EQ(state.outerSide, 0.0);
    EXPECT_EQ(state.lowerBound, 0.0);
    EXPECT_EQ(state.sideLength, 2.0);
    EXPECT_EQ(state.stepIndex, 1);
}

TEST(PolygonDoublingFaults, AHugeSideOverflowsBeforeAnyAssignment) {
    Module1 state;
    state.sideCount = 6.0;
    state.sideLength = 1e200;
    state.iterationCount = 5;
    try {
        state.DoublePolygons();
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::Overflow);
    }
    EXPECT_EQ(state.apothem, 0.0);
    EXPECT_EQ(state.sideLength, 1e200);
}

TEST(PolygonDoublingFaults, ASideLongerThanTheDiameterHasNoApothem) {
    Module1 state;
    state.sideCount = 6.0;
    state.sideLength = 3.0;
    state.iterationCount = 1;
    EXPECT_THROW(state.DoublePolygons(), RuntimeError);
    EXPECT_EQ(state.apothem, 0.0);
}

TEST(PolygonDoublingFaults, AnOverflowingSideCountStopsAfterTheBounds) {
    Module1 state;
    state.sideCount = 1e308;
    state.sideLength = 1e-10;
    state.iterationCount = 1;
    try {
        state.DoublePolygons();
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::Overflow);
    }
    EXPECT_EQ(state.lowerBound, 1e308 * 1e-10 / 2.0);
    EXPECT_DOUBLE_EQ(state.sideLength, 5e-11);
    EXPECT_EQ(state.sideCount, 1e308);
}

} // namespace

#include "calc/compute_command.hpp"
#include "runtime/errors.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using calc::runComputeCommand;

struct CommandCase {
    const char* text;
    const char* sides; // nullptr: refused with warning
    const char* lower;
    const char* upper;
    const char* warning;
};

void PrintTo(const CommandCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ComputeCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ComputeCommand, TurnsTheTypedTextIntoResultsOrAWarning) {
    const CommandCase& c = GetParam();
    calc::Module1 module;
    const calc::ComputeOutcome outcome = calc::runComputeCommand(module, c.text, ",");
    if (c.sides != nullptr) {
        ASSERT_TRUE(outcome.computed);
        EXPECT_EQ(outcome.sides, c.sides);
        EXPECT_EQ(outcome.lowerBound, c.lower);
        EXPECT_EQ(outcome.upperBound, c.upper);
    } else {
        ASSERT_FALSE(outcome.computed);
        EXPECT_EQ(outcome.warning, c.warning);
        EXPECT_EQ(module.warningText, c.warning);
        EXPECT_EQ(module.stepIndex, 0) << "no step may run";
    }
}

constexpr const char* tooMany = "Risultati inattendibili!";
constexpr const char* tooFew = "Inserire un numero di iterazioni da 1 a 500.";

INSTANTIATE_TEST_SUITE_P(
    Texts, ComputeCommand,
    ::testing::Values(CommandCase{"1", "6,000E+00", "3,00000000", "3,46410162", nullptr},
                      CommandCase{"5", "9,600E+01", "3,14103195", "3,14271460", nullptr},
                      CommandCase{"500", "9,820E+150", "3,14159265", "3,14159265", nullptr},
                      CommandCase{"500.5", "9,820E+150", "3,14159265", "3,14159265", nullptr},
                      CommandCase{"2,5", "1,200E+01", "3,10582854", "3,21539031", nullptr},
                      CommandCase{" 1.4", "6,000E+00", "3,00000000", "3,46410162", nullptr},
                      CommandCase{"4 9 9", "4,910E+150", "3,14159265", "3,14159265", nullptr},
                      CommandCase{"&H 1F4", "9,820E+150", "3,14159265", "3,14159265", nullptr},
                      CommandCase{"- 4", nullptr, nullptr, nullptr, tooFew},
                      CommandCase{"501", nullptr, nullptr, nullptr, tooMany},
                      CommandCase{"501.5", nullptr, nullptr, nullptr, tooMany},
                      CommandCase{"2147483647", nullptr, nullptr, nullptr, tooMany},
                      CommandCase{"0", nullptr, nullptr, nullptr, tooFew},
                      CommandCase{"0.5", nullptr, nullptr, nullptr, tooFew},
                      CommandCase{"-3", nullptr, nullptr, nullptr, tooFew},
                      CommandCase{"", nullptr, nullptr, nullptr, tooFew},
                      CommandCase{"abc", nullptr, nullptr, nullptr, tooFew}));

TEST(ComputeCommandErrors, ACountBeyondThirtyTwoBitsRaisesOverflow) {
    for (const char* text : {"3000000000", "-3000000000", "1e999"}) {
        SCOPED_TRACE(text);
        calc::Module1 module;
        try {
            calc::runComputeCommand(module, text, ",");
            ADD_FAILURE() << "no error raised";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.code(), 6);
        }
    }
}

TEST(ComputeCommandRepeat, ResetsTheStartPolygonOnEveryRun) {
    calc::Module1 module;
    const auto first = calc::runComputeCommand(module, "7", ".");
    const auto refused = calc::runComputeCommand(module, "900", ".");
    const auto second = calc::runComputeCommand(module, "7", ".");
    EXPECT_FALSE(refused.computed);
    EXPECT_EQ(first.sides, second.sides);
    EXPECT_EQ(first.lowerBound, second.lowerBound);
    EXPECT_EQ(first.upperBound, second.upperBound);
    EXPECT_EQ(module.sideCount, 6.0 * 128.0);
}

} // namespace

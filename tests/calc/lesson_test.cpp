#include "calc/digits.hpp"
#include "calc/lesson.hpp"
#include "calc/step_range.hpp"
#include "calc/step_rows.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace {

// The numbers written in text, in order ("√(1 − 0.5²)" holds 1 and 0.5:
// a superscript is no digit).
std::vector<double> numbersIn(const std::string& text) {
    static const std::regex number(R"([0-9]+(\.[0-9]+)?([eE][+-]?[0-9]+)?)");
    std::vector<double> found;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), number);
         match != std::sregex_iterator(); ++match) {
        found.push_back(std::stod(match->str()));
    }
    return found;
}

double valueOf(const std::string& text) {
    const std::vector<double> numbers = numbersIn(text);
    EXPECT_EQ(numbers.size(), 1u) << text;
    return numbers.empty() ? NAN : numbers.front();
}

// Each formula's value is what its numbers give in binary64, each operation
// rounded as the doubling rounds it; the bounds are the table's and the new
// side the next step's side, so the lesson's numbers are the core's.
TEST(Lesson, FormulasShowTheCoresNumbersAtEachStep) {
    using Operands = const std::vector<double>&;
    const std::function<double(Operands)> recomputed[] = {
        [](Operands x) { return x[0] / x[1]; },                          // h = s / 2
        [](Operands x) { return std::sqrt(x[0] - x[1] * x[1]); },        // a = √(1 − h²)
        [](Operands x) { return x[0] / x[1]; },                          // t = s / a
        [](Operands x) { return x[0] * x[1] / x[2]; },                   // p = n · s / 2
        [](Operands x) { return x[0] * x[1] / x[2]; },                   // P = n · t / 2
        [](Operands x) { return x[0] - x[1]; },                          // g = 1 − a
        [](Operands x) { return std::sqrt(x[0] * x[0] + x[1] * x[1]); }, // s′
        [](Operands x) { return x[0] * x[1]; },                          // n′ = 2 · n
    };
    const std::vector<calc::StepRow> rows = calc::stepRows(calc::maximumSteps);
    for (const int step : {1, 5, 26, 100, 500}) {
        SCOPED_TRACE(step);
        const std::vector<calc::LessonSection> sections = calc::lessonSections(step, 26, {}, ".");
        const std::vector<calc::LessonFormula>& formulas = sections.at(2).formulas;
        ASSERT_EQ(formulas.size(), std::size(recomputed));
        for (std::size_t i = 0; i < formulas.size(); ++i) {
            SCOPED_TRACE(formulas[i].symbols);
            EXPECT_EQ(valueOf(formulas[i].value), recomputed[i](numbersIn(formulas[i].numbers)))
                << formulas[i].numbers << " = " << formulas[i].value;
        }
        const calc::StepRow& row = rows[static_cast<std::size_t>(step - 1)];
        EXPECT_EQ(valueOf(formulas[3].value), row.lowerBound);
        EXPECT_EQ(valueOf(formulas[4].value), row.upperBound);
        EXPECT_EQ(valueOf(sections.at(3).arguments.at(1)), row.lowerBound);
        EXPECT_EQ(valueOf(sections.at(3).arguments.at(2)), row.upperBound);
        EXPECT_EQ(std::string(sections.at(3).pattern).find("%2\u00a0<\u00a0π\u00a0< %3") ==
                      std::string::npos,
                  calc::distanceFromPi(row.lowerBound) > 0.0)
            << "lower < pi < upper written only where the computed bounds hold it";
        if (step < calc::maximumSteps) {
            EXPECT_EQ(valueOf(formulas[6].value), calc::stepValues(step + 1).side);
        }
    }
}

// 223/71 < pi < 22/7 beside the program's 96-gons, the step the table
// shows for 96 sides, and both brackets contain each other as they should.
TEST(Lesson, SetsArchimedesResultBesideTheProgramsForThe96Gons) {
    const calc::StepRow row = calc::stepRows(calc::archimedesStep).back();
    ASSERT_EQ(row.sides, 96.0);
    const calc::LessonSection archimedes = calc::lessonSections(40, 26, {}, ",").back();
    const std::vector<std::string>& shown = archimedes.arguments;
    ASSERT_EQ(shown.size(), 7u);
    EXPECT_EQ(shown[0], "5");
    EXPECT_EQ(shown[1], "3,140845070422535");
    EXPECT_EQ(shown[2], "3,1428571428571428");
    EXPECT_EQ(shown[3], calc::exactNumber(row.lowerBound, ","));
    EXPECT_EQ(shown[4], calc::exactNumber(row.upperBound, ","));
    EXPECT_LT(calc::archimedesLower, row.lowerBound);
    EXPECT_GT(calc::archimedesUpper, row.upperBound);
}

} // namespace

// A formula never breaks across lines before a relation or around an
// operation, nor inside a mixed number ("3 1/7" read as 3 and 1/7); a line
// may end after "<" where a number of 17 digits follows.
TEST(Lesson, FormulasHoldTogether) {
    const std::regex breakable(R"( (<|=|·|\+|/|−)|(=|·|\+|/|−) |< (?!%)|\b3 1)");
    for (const int step : {3, 26}) {
        for (const calc::LessonSection& section : calc::lessonSections(step, 26, {}, ",")) {
            SCOPED_TRACE(section.title);
            EXPECT_FALSE(std::regex_search(std::string(section.pattern), breakable))
                << section.pattern;
        }
    }
}

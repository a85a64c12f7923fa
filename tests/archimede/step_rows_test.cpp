#include "calc/compute_command.hpp"
#include "calc/module1.hpp"
#include "calc/step_rows.hpp"
#include "certified/arb.hpp"
#include "certified/arb_values.hpp"
#include "tests/archimede/run_archimede.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

using archimede::testing::linesOf;
using archimede::testing::runArchimede;
using archimede::testing::sameBits;
using calc::StepRow;

std::vector<std::string> fieldsOf(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream stream(line);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

double parsed(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc()) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

// What the window computes and shows for a count typed in its text box.
struct WindowResult {
    calc::Module1 module;
    calc::ComputeOutcome outcome;
};

WindowResult windowAfter(int steps, const char* separator) {
    WindowResult result;
    result.outcome = calc::runComputeCommand(result.module, std::to_string(steps), separator);
    return result;
}

TEST(TextTable, EveryRowOfFiveHundredShowsWhatTheWindowShowsForThatCount) {
    const auto outcome = runArchimede({"500", "--tabella"}, ",");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), 501u);
    EXPECT_EQ(wordsOf(lines[0]), (std::vector<std::string>{"Passo", "Lati", "Limite", "inferiore",
                                                           "Limite", "superiore", "Differenza"}));
    for (int step = 1; step <= 500; ++step) {
        SCOPED_TRACE(step);
        const WindowResult window = windowAfter(step, ",");
        ASSERT_TRUE(window.outcome.computed);
        const auto words = wordsOf(lines[static_cast<std::size_t>(step)]);
        ASSERT_EQ(words.size(), 5u);
        EXPECT_EQ(words[0], std::to_string(step));
        EXPECT_EQ(words[1], window.outcome.sides);
        EXPECT_EQ(words[2], window.outcome.lowerBound);
        EXPECT_EQ(words[3], window.outcome.upperBound);
    }
}

TEST(CsvTable, EveryRowOfFiveHundredReadsBackAsTheWindowsDoubles) {
    const auto outcome = runArchimede({"500", "--tabella", "--formato", "csv"}, ",");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), 501u);
    EXPECT_EQ(lines[0], "passo,lati,inferiore,superiore,differenza");
    for (int step = 1; step <= 500; ++step) {
        SCOPED_TRACE(step);
        const WindowResult window = windowAfter(step, ".");
        const auto fields = fieldsOf(lines[static_cast<std::size_t>(step)], ',');
        ASSERT_EQ(fields.size(), 5u);
        EXPECT_EQ(fields[0], std::to_string(step));
        EXPECT_TRUE(sameBits(parsed(fields[1]), window.module.sideCount / 2.0));
        EXPECT_TRUE(sameBits(parsed(fields[2]), window.module.lowerBound));
        EXPECT_TRUE(sameBits(parsed(fields[3]), window.module.upperBound));
        EXPECT_TRUE(
            sameBits(parsed(fields[4]), window.module.upperBound - window.module.lowerBound));
    }
}

TEST(JsonTable, ParsesIntoOneObjectPerStepWithTheSameDoubles) {
    const auto outcome = runArchimede({"500", "--tabella", "--formato=json"}, ",");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const nlohmann::json document = nlohmann::json::parse(outcome.out);
    const std::vector<calc::StepRow> rows = calc::stepRows(500);
    ASSERT_TRUE(document.is_array());
    ASSERT_EQ(document.size(), rows.size());
    for (std::size_t index = 0; index < rows.size(); ++index) {
        SCOPED_TRACE(index + 1);
        const auto& object = document[index];
        ASSERT_EQ(object.size(), 5u);
        EXPECT_EQ(object.at("passo").get<int>(), rows[index].step);
        EXPECT_TRUE(sameBits(object.at("lati").get<double>(), rows[index].sides));
        EXPECT_TRUE(sameBits(object.at("inferiore").get<double>(), rows[index].lowerBound));
        EXPECT_TRUE(sameBits(object.at("superiore").get<double>(), rows[index].upperBound));
        EXPECT_TRUE(sameBits(object.at("differenza").get<double>(), rows[index].difference));
    }
}

TEST(MachineFormats, GiveTheOneResultFormAsASingleRow) {
    const auto csv = runArchimede({"5", "--formato", "csv"}, ",");
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, "passo,lati,inferiore,superiore,differenza\n"
                       "5,96,3.1410319508905098,3.1427145996453683,0.0016826487548584623\n");
    const auto json = runArchimede({"1", "--formato", "json"}, ",");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, "[\n{\"passo\":1,\"lati\":6,\"inferiore\":3,\"superiore\":"
                        "3.4641016151377553,\"differenza\":0.46410161513775527}\n]\n");
}

TEST(ExactNumber, KeepsSeventeenSignificantDigitsAndDropsTrailingZeros) {
    struct Case {
        double value;
        const char* separator;
        const char* text;
    };
    for (const Case& c : {Case{3.0, ",", "3"}, Case{0.1, ".", "0.10000000000000001"},
                          Case{0.1, ",", "0,10000000000000001"},
                          Case{3.0 * 0x1p500, ".", "9.8201718236884256e+150"},
                          Case{-4.4408920985006262e-16, ",", "-4,4408920985006262e-16"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(calc::exactNumber(c.value, c.separator), c.text);
    }
}

// Columns are as wide as their characters, whatever their bytes: headers in
// French or Greek line up with the numbers under them.
TEST(TextColumns, LineUpByCharactersNotBytes) {
    const struct {
        const char* name;
        std::vector<std::string_view> header;
        std::string expected;
    } cases[] = {
        {"ASCII", {"Passo", "Lati"}, "Passo  Lati\n    1     6\n   12   768\n"},
        {"French", {"Étape", "Côtés"}, "Étape  Côtés\n    1      6\n   12    768\n"},
        {"Greek", {"Βήμα", "Πλευρές"}, "Βήμα  Πλευρές\n   1        6\n  12      768\n"},
    };
    const std::vector<std::vector<std::string>> lines = {{"1", "6"}, {"12", "768"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out;
        calc::writeColumns(out, c.header, lines);
        EXPECT_EQ(out.str(), c.expected);
    }
}

TEST(StepRows, TheLowerBoundPassesPiAtStepTwentySix) {
    // What --cifre exists for: from step 26 the binary64 rounding errors
    // push the inscribed half perimeter above pi.
    const auto rows = calc::stepRows(26);
    const auto belowPi = [](double value) {
        certified::Ball pi, bound;
        arb_const_pi(pi, 128);
        arb_set_d(bound, value); // exact
        return arb_lt(bound, pi) != 0;
    };
    EXPECT_TRUE(belowPi(rows[24].lowerBound)) << "step 25";
    EXPECT_FALSE(belowPi(rows[25].lowerBound)) << "step 26";
}

} // namespace

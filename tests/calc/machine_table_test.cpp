#include "calc/machine_table.hpp"
#include "calc/step_range.hpp"
#include "calc/step_rows.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using calc::MachineTable;
using calc::OutputFormat;

TEST(MachineTable, QuotesNamesAsEachFormatNeeds) {
    const struct {
        std::string_view name;
        std::string csv;
        std::string json;
    } cases[] = {
        {"passo", "passo", R"("passo")"},
        {"a,b", R"("a,b")", R"("a,b")"},
        {R"(dice "sì")", R"("dice ""sì""")", R"("dice \"sì\"")"},
        {"a\nb\\c\x01", "\"a\nb\\c\x01\"", R"("a\nb\\c\u0001")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(calc::csvField(c.name), c.csv);
        EXPECT_EQ(calc::jsonString(c.name), c.json);
    }
}

TEST(MachineTable, WritesCountsAsTheyAreAndDoublesToReadBackTheSame) {
    const std::string_view columns[] = {"n", "x"};
    const struct {
        OutputFormat format;
        std::string text;
    } cases[] = {
        {OutputFormat::Csv, "n,x\n-9223372036854775808,0.10000000000000001\n3,-0.5\n"},
        {OutputFormat::Json, "[\n{\"n\":-9223372036854775808,\"x\":0.10000000000000001},\n"
                             "{\"n\":3,\"x\":-0.5}\n]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::ostringstream out;
        MachineTable table(out, c.format, columns);
        table.write({std::numeric_limits<std::int64_t>::min(), 0.1});
        table.write({3, -0.5});
        table.finish(true);
        EXPECT_EQ(out.str(), c.text);
    }
}

// Rows go out with their lines ended (a progress line redrawn under them
// never erases one); a table stopped short keeps them and its array open.
TEST(MachineTable, JsonRowsEndTheirLinesAndAStoppedArrayStaysOpen) {
    const std::string_view columns[] = {"passo"};
    std::ostringstream out;
    MachineTable table(out, OutputFormat::Json, columns);
    table.write({1});
    EXPECT_EQ(out.str(), "[\n");
    table.write({2});
    EXPECT_EQ(out.str(), "[\n{\"passo\":1},\n");
    table.finish(false);
    EXPECT_EQ(out.str(), "[\n{\"passo\":1},\n{\"passo\":2}\n");

    std::ostringstream empty;
    MachineTable(empty, OutputFormat::Json, columns).finish(true);
    EXPECT_EQ(empty.str(), "[\n]\n");
}

// The page's table file (written into a string, with no stream) and
// archimede's --formato csv (written to a stream) are the same bytes.
TEST(MachineTable, AStringGetsWhatAStreamGets) {
    const std::vector<calc::StepRow> rows = calc::stepRows(calc::maximumSteps);
    std::ostringstream stream;
    calc::writeRows(stream, rows, OutputFormat::Csv, false, ".");
    EXPECT_EQ(calc::csvText(rows), stream.str());
}

} // namespace

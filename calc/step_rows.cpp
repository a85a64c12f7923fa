#include "calc/step_rows.hpp"

#include "calc/compute_command.hpp"
#include "runtime/arithmetic.hpp"
#include "runtime/number_format.hpp"
#include "runtime/printable.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <array>
#include <cstddef>

namespace calc {
namespace {

// Put in the user's language where written; the machine formats' names never are.
constexpr std::array<const char*, stepColumnCount> textHeader = {
    LAVORO1_TRANSLATABLE("calc", "Passo"), LAVORO1_TRANSLATABLE("calc", "Lati"),
    LAVORO1_TRANSLATABLE("calc", "Limite inferiore"),
    LAVORO1_TRANSLATABLE("calc", "Limite superiore"), LAVORO1_TRANSLATABLE("calc", "Differenza")};
constexpr std::string_view machineHeader[] = {"passo", "lati", "inferiore", "superiore",
                                              "differenza"};

void writeText(std::ostream& out, std::span<const StepRow> rows, bool exact,
               std::string_view decimalSeparator) {
    // The difference is small and of either sign: it takes the scientific
    // pattern of the sides, the bounds the fixed one.
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const StepRow& row : rows) {
        if (exact) {
            cells.push_back({std::to_string(row.step), exactNumber(row.sides, decimalSeparator),
                             exactNumber(row.lowerBound, decimalSeparator),
                             exactNumber(row.upperBound, decimalSeparator),
                             exactNumber(row.difference, decimalSeparator)});
        } else {
            const StepCells shown = stepRowCells(row, decimalSeparator);
            cells.emplace_back(shown.begin(), shown.end());
        }
    }
    const StepCells header = stepTableHeadings();
    writeColumns(out, std::vector<std::string_view>(header.begin(), header.end()), cells);
}

// To a stream, or to a string (the page's core, which carries no iostreams).
template <typename Target>
void writeMachine(Target& out, std::span<const StepRow> rows, OutputFormat format) {
    MachineTable table(out, format, machineHeader);
    for (const StepRow& row : rows) {
        table.write({row.step, row.sides, row.lowerBound, row.upperBound, row.difference});
    }
    table.finish(true);
}

} // namespace

StepCells stepTableHeadings() {
    StepCells headings;
    std::transform(textHeader.begin(), textHeader.end(), headings.begin(),
                   [](const char* name) { return runtime::translated("calc", name); });
    return headings;
}

StepCells stepRowCells(const StepRow& row, std::string_view decimalSeparator) {
    // The difference is small and of either sign: it takes the scientific
    // pattern of the sides, the bounds the fixed one.
    return {std::to_string(row.step),
            runtime::formatNumber(row.sides, sidesFormat, decimalSeparator),
            formatBound(row.lowerBound, decimalSeparator),
            formatBound(row.upperBound, decimalSeparator),
            runtime::formatNumber(row.difference, sidesFormat, decimalSeparator)};
}

StepRow rowOf(const Module1& module, std::int32_t step) {
    StepRow row;
    row.step = step;
    row.sides = runtime::checked(module.sideCount / 2.0);
    row.lowerBound = module.lowerBound;
    row.upperBound = module.upperBound;
    row.difference = runtime::checked(module.upperBound - module.lowerBound);
    return row;
}

std::vector<StepRow> stepRows(std::int32_t steps) {
    // One step at a time from the previous state: the same operations on the
    // same values as a single run of all the steps.
    Module1 module;
    module.sideCount = startSideCount;
    module.sideLength = startSideLength;
    module.iterationCount = 1;
    std::vector<StepRow> rows;
    rows.reserve(static_cast<std::size_t>(std::max(steps, 0)));
    for (std::int32_t step = 1; step <= steps; ++step) {
        module.DoublePolygons();
        rows.push_back(rowOf(module, step));
    }
    return rows;
}

std::string csvText(std::span<const StepRow> rows) {
    std::string text;
    writeMachine(text, rows, OutputFormat::Csv);
    return text;
}

void writeRows(std::ostream& out, std::span<const StepRow> rows, OutputFormat format, bool exact,
               std::string_view decimalSeparator) {
    switch (format) {
    case OutputFormat::Text:
        writeText(out, rows, exact, decimalSeparator);
        return;
    case OutputFormat::Csv:
    case OutputFormat::Json:
        writeMachine(out, rows, format);
        return;
    }
}

void writeColumns(std::ostream& out, std::span<const std::string_view> header,
                  std::span<const std::vector<std::string>> lines) {
    std::vector<std::size_t> widths(header.size());
    for (std::size_t column = 0; column < widths.size(); ++column) {
        widths[column] = runtime::displayWidth(header[column]);
        for (const auto& line : lines) {
            widths[column] = std::max(widths[column], runtime::displayWidth(line.at(column)));
        }
    }
    const auto writeLine = [&](const auto& line) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            const std::string_view cell = line[column];
            out << (column == 0 ? "" : "  ")
                << std::string(widths[column] - runtime::displayWidth(cell), ' ') << cell;
        }
        out << '\n';
    };
    writeLine(header);
    for (const auto& line : lines) {
        writeLine(line);
    }
}

} // namespace calc

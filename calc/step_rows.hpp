#pragma once

// The results of every step, and how they are written: for people in the
// window's formats and the user's decimal separator, for machines in CSV or
// JSON with a point and digits enough to read back the same binary64.

#include "calc/machine_table.hpp"
#include "calc/module1.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

struct StepRow {
    std::int32_t step = 0;
    double sides = 0.0; // sides of the polygons the bounds belong to
    double lowerBound = 0.0;
    double upperBound = 0.0;
    double difference = 0.0; // upperBound - lowerBound, rounded to binary64
};

// The results module holds after a run of steps steps.
StepRow rowOf(const Module1& module, std::int32_t step);

// Rows for steps 1 to steps, each the state DoublePolygons reaches from the
// start polygon after that many steps; a floating-point fault raises
// runtime::RuntimeError.
std::vector<StepRow> stepRows(std::int32_t steps);

// The columns of the table of the steps, in every face's order.
inline constexpr std::size_t stepColumnCount = 5;
using StepCells = std::array<std::string, stepColumnCount>;

// The column headings, in the user's language (runtime::translated).
StepCells stepTableHeadings();

// row in the window's formats, with the given decimal separator: the cells
// Esplora's table and the text of --tabella show.
StepCells stepRowCells(const StepRow& row, std::string_view decimalSeparator);

// Text: a header and aligned columns, in the window's formats or, when exact,
// with exactNumber; the decimal separator applies to text only. CSV and
// JSON go through MachineTable.
void writeRows(std::ostream& out, std::span<const StepRow> rows, OutputFormat format, bool exact,
               std::string_view decimalSeparator);

// The CSV that writeRows writes, as a string: header, then one line a row.
std::string csvText(std::span<const StepRow> rows);

// header and lines as right-aligned columns, two spaces apart, each as wide
// as its widest cell in characters: the text tables of every kind of run.
void writeColumns(std::ostream& out, std::span<const std::string_view> header,
                  std::span<const std::vector<std::string>> lines);

} // namespace calc

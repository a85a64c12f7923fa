#pragma once

// Tables for machines, never translated: CSV (a line of column names, then
// one line a row) or one JSON array with one object a line, so that line
// tools work on it too. Numbers take a point: a count as it is, a binary64
// with exactNumber's 17 significant digits, which read back as the same
// double. Each row goes out as it is written, its line ended, so that a
// progress line redrawn under it never erases it.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace calc {

enum class OutputFormat { Text, Csv, Json };

// value with 17 significant digits (fewer when the rest are zeros), which
// read back as the same binary64, and the given decimal separator.
std::string exactNumber(double value, std::string_view decimalSeparator);

// One cell of a row: a count, or a binary64 written with exactNumber.
struct MachineCell {
    MachineCell(int count) : value(std::int64_t{count}) {}
    MachineCell(std::int64_t count) : value(count) {}
    MachineCell(double number) : value(number) {}
    std::variant<std::int64_t, double> value;
};

class MachineTable {
public:
    // Writes the CSV line of the columns' names, or the array's opening;
    // format is Csv or Json.
    MachineTable(std::ostream& out, OutputFormat format, std::span<const std::string_view> columns);
    // The same table appended to text: no stream, so that the page's core,
    // which writes its files into strings, carries no iostreams.
    MachineTable(std::string& text, OutputFormat format, std::span<const std::string_view> columns);
    MachineTable(const MachineTable&) = delete;
    MachineTable& operator=(const MachineTable&) = delete;

    // One cell a column, in the columns' order. A JSON object waits for the
    // next, or for finish, to learn whether a comma follows it.
    void write(std::initializer_list<MachineCell> cells);

    // The last row written out; complete, the JSON array closed. A table
    // stopped short keeps every row written and leaves the array open.
    void finish(bool complete);

private:
    MachineTable(std::function<void(std::string_view)> emit, OutputFormat format,
                 std::span<const std::string_view> columns);

    std::function<void(std::string_view)> emit_; // each piece of text, in order
    bool json_;
    std::vector<std::string> keys_; // JSON: each name quoted, with its colon
    std::string pending_;
};

// text as one CSV field: in double quotes, each doubled, where it holds a
// comma, a quote or a line break.
std::string csvField(std::string_view text);

// text as a JSON string, quotes included: a quote, a backslash and the
// control characters escaped, every other byte kept.
std::string jsonString(std::string_view text);

} // namespace calc

#pragma once

// The table of the steps as a spreadsheet, an OpenDocument file (.ods):
// every number a typed cell holding its exact binary64 value, so that a
// spreadsheet in any language reads numbers where a CSV with a point reads
// text under a decimal comma. Esplora and the page save the same bytes.

#include "calc/step_rows.hpp"

#include <span>
#include <string>
#include <string_view>

namespace calc {

inline constexpr std::string_view spreadsheetMediaType =
    "application/vnd.oasis.opendocument.spreadsheet";

// Rows under the table's headings in the user's language (runtime::translated),
// on a sheet named for the steps. Each cell holds its value in the shortest
// text that reads back as the same binary64, shown in the table's formats;
// decimalSeparator is that of the text each cell carries for readers that
// do not format numbers themselves.
std::string stepTableSpreadsheet(std::span<const StepRow> rows, std::string_view decimalSeparator);

} // namespace calc

#include "calc/spreadsheet.hpp"

#include "calc/compute_command.hpp"
#include "runtime/charconv.hpp"
#include "runtime/printable.hpp"
#include "runtime/stored_zip.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <vector>

namespace calc {
namespace {

// The sheet's name, in the user's language.
constexpr const char* sheetName = LAVORO1_TRANSLATABLE("calc", "Passi");

std::string escaped(std::string_view text) {
    std::string xml;
    for (const char c : text) {
        switch (c) {
        case '&':
            xml += "&amp;";
            break;
        case '<':
            xml += "&lt;";
            break;
        case '>':
            xml += "&gt;";
            break;
        case '"':
            xml += "&quot;";
            break;
        default:
            xml += c;
        }
    }
    return xml;
}

std::string shortest(double value) {
    std::array<char, 32> text{};
    const auto written = runtime::toChars(text.data(), text.data() + text.size(), value);
    return {text.data(), written.ptr};
}

// Each column as wide as its widest text: about 0.2 cm a character in a
// spreadsheet's default 10-point type, and a margin.
std::string columnWidth(std::size_t characters) {
    std::array<char, 32> text{};
    const double centimetres = 0.2 * static_cast<double>(characters) + 0.4;
    const auto written = runtime::toChars(text.data(), text.data() + text.size(), centimetres,
                                          std::chars_format::fixed, 2);
    return std::string(text.data(), written.ptr) + "cm";
}

// The table's two patterns as number styles: "0.000E+00" for the sides and
// the difference, "0.00000000" for the bounds. A style names no language,
// so the spreadsheet writes them with the reader's own decimal separator.
std::string numberStyles() {
    return R"(<number:number-style style:name="sides"><number:scientific-number number:decimal-places=")" +
           std::to_string(sidesFormat.fractionDigits) +
           R"(" number:min-integer-digits="1" number:min-exponent-digits="2"/></number:number-style>)"
           R"(<number:number-style style:name="bound"><number:number number:decimal-places=")" +
           std::to_string(boundFormat.fractionDigits) +
           R"(" number:min-integer-digits="1"/></number:number-style>)"
           R"(<style:style style:name="sidesCell" style:family="table-cell" style:data-style-name="sides"/>)"
           R"(<style:style style:name="boundCell" style:family="table-cell" style:data-style-name="bound"/>)";
}

std::string textCell(std::string_view text) {
    return R"(<table:table-cell office:value-type="string"><text:p>)" + escaped(text) +
           "</text:p></table:table-cell>";
}

std::string numberCell(std::string_view style, double value, std::string_view shown) {
    std::string cell = "<table:table-cell";
    if (!style.empty()) {
        cell += R"( table:style-name=")" + std::string(style) + '"';
    }
    return cell + R"( office:value-type="float" office:value=")" + shortest(value) +
           R"("><text:p>)" + escaped(shown) + "</text:p></table:table-cell>";
}

std::string contentXml(std::span<const StepRow> rows, std::string_view decimalSeparator) {
    const StepCells headings = stepTableHeadings();
    std::vector<StepCells> shown;
    shown.reserve(rows.size());
    std::array<std::size_t, stepColumnCount> widest{};
    for (std::size_t column = 0; column < stepColumnCount; ++column) {
        widest[column] = runtime::displayWidth(headings[column]);
    }
    for (const StepRow& row : rows) {
        shown.push_back(stepRowCells(row, decimalSeparator));
        for (std::size_t column = 0; column < stepColumnCount; ++column) {
            widest[column] = std::max(widest[column], runtime::displayWidth(shown.back()[column]));
        }
    }

    std::string xml =
        R"(<?xml version="1.0" encoding="UTF-8"?>)"
        "\n"
        R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
        R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
        R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
        R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
        R"( xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0")"
        R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
        R"( office:version="1.2"><office:automatic-styles>)";
    xml += numberStyles();
    for (std::size_t column = 0; column < stepColumnCount; ++column) {
        xml +=
            R"(<style:style style:name="column)" + std::to_string(column) +
            R"(" style:family="table-column"><style:table-column-properties style:column-width=")" +
            columnWidth(widest[column]) + R"("/></style:style>)";
    }
    xml +=
        R"(</office:automatic-styles><office:body><office:spreadsheet><table:table table:name=")" +
        escaped(runtime::translated("calc", sheetName)) + R"(">)";
    for (std::size_t column = 0; column < stepColumnCount; ++column) {
        xml +=
            R"(<table:table-column table:style-name="column)" + std::to_string(column) + R"("/>)";
    }
    xml += "<table:table-header-rows><table:table-row>";
    for (const std::string& heading : headings) {
        xml += textCell(heading);
    }
    xml += "</table:table-row></table:table-header-rows>\n";
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const StepRow& row = rows[index];
        const StepCells& cells = shown[index];
        xml += "<table:table-row>" + numberCell("", row.step, cells[0]) +
               numberCell("sidesCell", row.sides, cells[1]) +
               numberCell("boundCell", row.lowerBound, cells[2]) +
               numberCell("boundCell", row.upperBound, cells[3]) +
               numberCell("sidesCell", row.difference, cells[4]) + "</table:table-row>\n";
    }
    xml += "</table:table></office:spreadsheet></office:body></office:document-content>\n";
    return xml;
}

std::string manifestXml() {
    return R"(<?xml version="1.0" encoding="UTF-8"?>)"
           "\n"
           R"(<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">)"
           R"(<manifest:file-entry manifest:full-path="/" manifest:version="1.2" manifest:media-type=")" +
           std::string(spreadsheetMediaType) +
           R"("/><manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>)"
           "</manifest:manifest>\n";
}

} // namespace

std::string stepTableSpreadsheet(std::span<const StepRow> rows, std::string_view decimalSeparator) {
    const std::string content = contentXml(rows, decimalSeparator);
    const std::string manifest = manifestXml();
    // The media type first and stored, where a reader looks for it at a
    // fixed offset of the file.
    const std::array<runtime::ZipEntry, 3> entries{{{"mimetype", spreadsheetMediaType},
                                                    {"content.xml", content},
                                                    {"META-INF/manifest.xml", manifest}}};
    return runtime::storedZip(entries);
}

} // namespace calc

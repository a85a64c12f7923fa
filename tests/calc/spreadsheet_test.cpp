#include "calc/spreadsheet.hpp"
#include "calc/step_range.hpp"
#include "calc/step_rows.hpp"
#include "runtime/translatable.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using calc::StepRow;

// A reader of stored zip archives written for the test, apart from the
// writer: every local entry, checked against the central directory.
struct Entry {
    std::size_t offset = 0; // of its local header
    std::string name;
    std::string contents;
};

std::uint32_t read16(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes.at(at)) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(at + 1))) << 8;
}

std::uint32_t read32(const std::string& bytes, std::size_t at) {
    return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

// Bit by bit, as ISO 3309 defines it.
std::uint32_t bitwiseCrc(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ ((crc & 1U) != 0 ? 0xEDB88320U : 0U);
        }
    }
    return ~crc;
}

std::vector<Entry> storedEntries(const std::string& zip) {
    std::vector<Entry> entries;
    std::size_t at = 0;
    while (read32(zip, at) == 0x04034B50U) {
        Entry entry;
        entry.offset = at;
        EXPECT_EQ(read16(zip, at + 8), 0U) << "stored";
        const std::uint32_t size = read32(zip, at + 18);
        EXPECT_EQ(read32(zip, at + 22), size);
        const std::size_t nameLength = read16(zip, at + 26);
        const std::size_t extraLength = read16(zip, at + 28);
        entry.name = zip.substr(at + 30, nameLength);
        entry.contents = zip.substr(at + 30 + nameLength + extraLength, size);
        EXPECT_EQ(entry.contents.size(), size) << entry.name;
        EXPECT_EQ(read32(zip, at + 14), bitwiseCrc(entry.contents)) << entry.name;
        at += 30 + nameLength + extraLength + size;
        entries.push_back(entry);
    }
    // The end record, then each entry of the central directory.
    const std::size_t end = zip.size() - 22;
    EXPECT_EQ(read32(zip, end), 0x06054B50U);
    EXPECT_EQ(read16(zip, end + 10), entries.size());
    EXPECT_EQ(read32(zip, end + 16), at) << "directory right after the entries";
    EXPECT_EQ(at + read32(zip, end + 12), end);
    for (const Entry& entry : entries) {
        EXPECT_EQ(read32(zip, at), 0x02014B50U);
        EXPECT_EQ(read32(zip, at + 16), bitwiseCrc(entry.contents));
        EXPECT_EQ(read32(zip, at + 42), entry.offset);
        const std::size_t nameLength = read16(zip, at + 28);
        EXPECT_EQ(zip.substr(at + 46, nameLength), entry.name);
        at += 46 + nameLength + read16(zip, at + 30) + read16(zip, at + 32);
    }
    EXPECT_EQ(at, end);
    return entries;
}

double parsed(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc()) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

std::array<double, calc::stepColumnCount> valuesOf(const StepRow& row) {
    return {static_cast<double>(row.step), row.sides, row.lowerBound, row.upperBound,
            row.difference};
}

std::vector<std::string> matches(const std::string& text, const std::regex& pattern, int group) {
    std::vector<std::string> found;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), pattern);
         match != std::sregex_iterator(); ++match) {
        found.push_back((*match)[group].str());
    }
    return found;
}

const std::regex rowPattern(R"(<table:table-row[^>]*>(.*?)</table:table-row>)");

std::string translatedAsMarkup(const char*, const char* source) {
    return std::string("<b>") + source + " & \"co\"</b>";
}

// The value of each cell of a row LibreOffice wrote, empty where it is not
// a float; a run of equal cells it writes once, with their number.
std::vector<std::string> floatsOf(const std::string& row) {
    const std::regex cellPattern(R"(<table:table-cell([^>]*)>)");
    const std::regex repeatedPattern(R"re(table:number-columns-repeated="(\d+)")re");
    const std::regex floatPattern(R"re(office:value-type="float" office:value="([^"]+)")re");
    std::vector<std::string> values;
    for (const std::string& attributes : matches(row, cellPattern, 1)) {
        std::smatch repeated;
        std::smatch value;
        const bool isFloat = std::regex_search(attributes, value, floatPattern);
        const int count = std::regex_search(attributes, repeated, repeatedPattern)
                              ? std::stoi(repeated[1].str())
                              : 1;
        values.insert(values.end(), static_cast<std::size_t>(count),
                      isFloat ? value[1].str() : std::string());
    }
    return values;
}

class Spreadsheet : public ::testing::Test {
protected:
    void SetUp() override { runtime::setTextTranslator(nullptr); }
    void TearDown() override { runtime::setTextTranslator(nullptr); }
};

// A package a spreadsheet opens: the media type first, stored at the fixed
// offset where readers look for it, then the contents and their manifest.
TEST_F(Spreadsheet, IsAStoredZipWithTheMediaTypeFirst) {
    const std::string ods = calc::stepTableSpreadsheet(calc::stepRows(8), ",");
    ASSERT_EQ(ods.substr(30, 8), "mimetype");
    EXPECT_EQ(ods.substr(38, calc::spreadsheetMediaType.size()), calc::spreadsheetMediaType);
    const std::vector<Entry> entries = storedEntries(ods);
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[1].name, "content.xml");
    EXPECT_EQ(entries[2].name, "META-INF/manifest.xml");
    EXPECT_NE(entries[2].contents.find(R"(manifest:full-path="content.xml")"), std::string::npos);
}

// Every cell of every row a float whose value reads back as the row's
// binary64, in the shortest text, and shows the table's own text.
TEST_F(Spreadsheet, CellsAreFloatsOfTheExactValues) {
    const std::vector<StepRow> rows = calc::stepRows(calc::maximumSteps);
    const std::string content = storedEntries(calc::stepTableSpreadsheet(rows, ",")).at(1).contents;
    const std::vector<std::string> lines = matches(content, rowPattern, 1);
    ASSERT_EQ(lines.size(), rows.size() + 1);
    const calc::StepCells headings = calc::stepTableHeadings();
    EXPECT_EQ(matches(lines[0], std::regex(R"(<text:p>([^<]*)</text:p>)"), 1),
              std::vector<std::string>(headings.begin(), headings.end()));
    const std::regex cellPattern(
        R"re(<table:table-cell[^>]* office:value-type="float" office:value="([^"]+)"><text:p>([^<]*)</text:p>)re");
    for (std::size_t index = 0; index < rows.size(); ++index) {
        SCOPED_TRACE("step " + std::to_string(index + 1));
        const std::vector<std::string> values = matches(lines[index + 1], cellPattern, 1);
        const std::vector<std::string> texts = matches(lines[index + 1], cellPattern, 2);
        const calc::StepCells shown = calc::stepRowCells(rows[index], ",");
        ASSERT_EQ(values.size(), calc::stepColumnCount);
        for (std::size_t column = 0; column < values.size(); ++column) {
            const double value = valuesOf(rows[index])[column];
            EXPECT_EQ(parsed(values[column]), value);
            std::array<char, 32> shortest{};
            EXPECT_LE(
                values[column].size(),
                static_cast<std::size_t>(
                    std::to_chars(shortest.begin(), shortest.end(), value).ptr - shortest.begin()));
            EXPECT_EQ(texts[column], shown[column]);
        }
    }
}

// A translation may hold any character: the headings and the sheet's name
// reach the XML escaped.
TEST_F(Spreadsheet, EscapesTranslatedTexts) {
    runtime::setTextTranslator(&translatedAsMarkup);
    const std::string content =
        storedEntries(calc::stepTableSpreadsheet(calc::stepRows(1), ".")).at(1).contents;
    EXPECT_NE(content.find(R"(table:name="&lt;b&gt;Passi &amp; &quot;co&quot;&lt;/b&gt;")"),
              std::string::npos);
    EXPECT_NE(
        content.find("<text:p>&lt;b&gt;Limite inferiore &amp; &quot;co&quot;&lt;/b&gt;</text:p>"),
        std::string::npos);
    EXPECT_EQ(content.find("<b>"), std::string::npos);
}

// LibreOffice, when installed, reads every cell as the number it holds
// under an Italian and an English locale alike; a fresh profile each run.
// It writes what it read with 15 significant digits and at most 20
// decimals (7.4), so that its values are compared to as many: the exact
// ones are the file's own, and far closer than the texts the cells show.
TEST_F(Spreadsheet, LibreOfficeReadsNumbersInEveryLocale) {
#if defined(__SANITIZE_ADDRESS__)
    // The file is the same bytes in every build, and LibreOffice's own run
    // is what takes the time: the build without the sanitizer reads it.
    GTEST_SKIP() << "read by LibreOffice in the build without the sanitizer";
#endif
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "soffice is not installed (Debian: libreoffice-calc-nogui)";
    }
    char folderName[] = "/tmp/lavoro1-spreadsheet-XXXXXX";
    ASSERT_NE(mkdtemp(folderName), nullptr);
    const std::filesystem::path folder = folderName;
    const std::vector<StepRow> rows = calc::stepRows(calc::maximumSteps);
    std::ofstream(folder / "passi.ods", std::ios::binary) << calc::stepTableSpreadsheet(rows, ",");
    for (const std::string locale : {"it_IT.UTF-8", "en_US.UTF-8"}) {
        SCOPED_TRACE(locale);
        const std::filesystem::path out = folder / locale;
        const std::string command =
            "cd " + folder.string() + " && LANG=" + locale + " LC_ALL=" + locale +
            " soffice --headless -env:UserInstallation=file://" + (out / "profile").string() +
            " --convert-to fods --outdir " + out.string() + " passi.ods >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ifstream read(out / "passi.fods");
        const std::string flat((std::istreambuf_iterator<char>(read)), {});
        // One line a row, as the rows of the file written.
        const std::vector<std::string> lines =
            matches(std::regex_replace(flat, std::regex(">\\s+<"), "><"), rowPattern, 1);
        ASSERT_GE(lines.size(), rows.size() + 1);
        EXPECT_EQ(floatsOf(lines[0]), std::vector<std::string>(calc::stepColumnCount, ""))
            << "headings are texts";
        for (std::size_t index = 0; index < rows.size(); ++index) {
            SCOPED_TRACE("step " + std::to_string(index + 1));
            const std::vector<std::string> values = floatsOf(lines[index + 1]);
            ASSERT_EQ(values.size(), calc::stepColumnCount);
            for (std::size_t column = 0; column < values.size(); ++column) {
                const double value = valuesOf(rows[index])[column];
                EXPECT_NEAR(parsed(values[column]), value,
                            std::max(1e-14 * std::abs(value), 1e-20));
            }
        }
    }
    std::filesystem::remove_all(folder);
}

} // namespace

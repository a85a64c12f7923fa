#include "archimede/options.hpp"
#include "tests/archimede/run_archimede.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

using archimede::Mode;
using archimede::testing::runArchimede;
using calc::OutputFormat;

archimede::Options parsed(std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> list(arguments);
    return archimede::parseOptions(list);
}

TEST(ParseOptions, ReadsEachFormOfTheCommandLine) {
    const auto table = parsed({"--tabella", "30", "--formato", "csv", "--esatto"});
    EXPECT_EQ(table.mode, Mode::Steps);
    EXPECT_EQ(table.stepsText, "30");
    EXPECT_TRUE(table.table);
    EXPECT_TRUE(table.exact);
    EXPECT_EQ(table.format, calc::OutputFormat::Csv);

    EXPECT_EQ(parsed({"--formato=json", "2"}).format, calc::OutputFormat::Json);
    EXPECT_EQ(parsed({"--formato", "testo", "2"}).format, calc::OutputFormat::Text);

    const auto digits = parsed({"--cifre=250"});
    EXPECT_EQ(digits.mode, Mode::Digits);
    EXPECT_EQ(digits.digits, 250);
    EXPECT_EQ(digits.method, certified::Method::Richardson);
    EXPECT_EQ(parsed({"--cifre", "1000000"}).digits, 1000000);
    const auto race = parsed({"--metodo=huygens", "--cifre", "300", "--tabella"});
    EXPECT_EQ(race.mode, Mode::Digits);
    EXPECT_EQ(race.method, certified::Method::Huygens);
    EXPECT_TRUE(race.table);
    EXPECT_EQ(parsed({"--cifre", "5", "--metodo", "raddoppi"}).method, certified::Method::Doubling);

    // Counts are passed through as typed, for the window's conversion.
    EXPECT_EQ(parsed({"-3"}).stepsText, "-3");
    EXPECT_EQ(parsed({"-.5"}).stepsText, "-.5");
    EXPECT_EQ(parsed({"--", "--tabella"}).stepsText, "--tabella");
    EXPECT_EQ(parsed({" 12abc"}).stepsText, " 12abc");

    EXPECT_EQ(parsed({"--version", "--bogus"}).mode, Mode::Version);
    EXPECT_EQ(parsed({"-h"}).mode, Mode::Help);
}

struct BadLine {
    std::vector<std::string_view> arguments;
    const char* message;
};

TEST(BadCommandLines, GiveOneItalianLineAndStatusTwo) {
    const std::vector<BadLine> lines = {
        {{}, "manca PASSI, il numero di passi da 1 a 500"},
        {{"--bogus", "5"}, "opzione sconosciuta '--bogus'"},
        {{"-x"}, "opzione sconosciuta '-x'"},
        {{"5", "6"}, "troppi argomenti: '5' e '6'"},
        {{"5", "--formato"}, "manca il valore di --formato"},
        {{"5", "--formato", "xml"}, "formato sconosciuto 'xml': usare testo, csv o json"},
        {{"--tabella=si", "5"}, "--tabella non accetta un valore"},
        {{"--cifre"}, "manca il valore di --cifre"},
        {{"--cifre", "0"}, "--cifre richiede un numero intero da 1 a 1000000, non '0'"},
        {{"--cifre", "1000001"}, "--cifre richiede un numero intero da 1 a 1000000, non '1000001'"},
        {{"--cifre", "12x"}, "--cifre richiede un numero intero da 1 a 1000000, non '12x'"},
        {{"--cifre="}, "--cifre richiede un numero intero da 1 a 1000000, non ''"},
        {{"--cifre", "10", "5"}, "--cifre sceglie da sé i passi: togliere '5'"},
        {{"--cifre", "10", "--esatto"},
         "--cifre non si combina con --esatto, né con --formato senza --tabella"},
        {{"--cifre", "10", "--formato", "testo"},
         "--cifre non si combina con --esatto, né con --formato senza --tabella"},
        {{"--cifre", "10", "--metodo", "archimede"},
         "metodo sconosciuto 'archimede': usare raddoppi, huygens o richardson"},
        {{"--cifre", "10", "--metodo"}, "manca il valore di --metodo"},
        {{"5", "--metodo", "huygens"}, "--metodo vale solo con --cifre"},
    };
    for (const BadLine& line : lines) {
        std::string shown;
        for (const auto argument : line.arguments) {
            shown += std::string(argument) + ' ';
        }
        SCOPED_TRACE(shown);
        EXPECT_THROW(archimede::parseOptions(line.arguments), archimede::UsageError);

        archimede::Environment environment;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(archimede::run(line.arguments, out, err, environment), 2);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(),
                  "archimede: " + std::string(line.message) + ". Vedere 'archimede --help'.\n");
    }
}

} // namespace

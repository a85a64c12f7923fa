#include "archimede/command.hpp"
#include "archimede/options.hpp"
#include "calc/compute_command.hpp"
#include "calc/module1.hpp"
#include "lavoro1/project_info.hpp"
#include "tests/archimede/run_archimede.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <csignal>
#include <cstring>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

using archimede::testing::linesOf;
using archimede::testing::runArchimede;
using archimede::testing::sameBits;

struct OneResultCase {
    const char* steps;
    int status;
    const char* out; // with a point; the comma run expects a comma in its place
    const char* err;
};

void PrintTo(const OneResultCase& c, std::ostream* os) {
    *os << "archimede " << c.steps;
}

class OneResult : public ::testing::TestWithParam<OneResultCase> {};

TEST_P(OneResult, PrintsWhatTheWindowShowsOrRefusesAsItDoesWithEitherSeparator) {
    const OneResultCase& c = GetParam();
    for (const char separator : {'.', ','}) {
        SCOPED_TRACE(std::string("separator ") + separator);
        std::string expected = c.out;
        std::replace(expected.begin(), expected.end(), '.', separator);
        const auto outcome = runArchimede({c.steps}, std::string(1, separator));
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.out, expected);
        EXPECT_EQ(outcome.err, c.err);
    }
}

constexpr const char* tooMany = "Risultati inattendibili!\n";
constexpr const char* tooFew = "Inserire un numero di iterazioni da 1 a 500.\n";

INSTANTIATE_TEST_SUITE_P(
    Counts, OneResult,
    ::testing::Values(OneResultCase{"1", 0,
                                    "Numero lati poligono inscritto e circoscritto: 6.000E+00\n"
                                    "3.00000000 < costante < 3.46410162\n",
                                    ""},
                      OneResultCase{"5", 0,
                                    "Numero lati poligono inscritto e circoscritto: 9.600E+01\n"
                                    "3.14103195 < costante < 3.14271460\n",
                                    ""},
                      OneResultCase{"500", 0,
                                    "Numero lati poligono inscritto e circoscritto: 9.820E+150\n"
                                    "3.14159265 < costante < 3.14159265\n",
                                    ""},
                      OneResultCase{"500.5", 0,
                                    "Numero lati poligono inscritto e circoscritto: 9.820E+150\n"
                                    "3.14159265 < costante < 3.14159265\n",
                                    ""},
                      OneResultCase{"501", 2, "", tooMany}, OneResultCase{"abc", 2, "", tooFew},
                      OneResultCase{"-3", 2, "", tooFew},
                      OneResultCase{"3000000000", 1, "", "Errore di run-time '6': Overflow\n"}));

double readBack(std::string text, char separator) {
    if (const auto at = text.find(separator); at != std::string::npos) {
        text[at] = '.';
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc()) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

TEST(ExactOneResult, ReadsBackAsTheWindowsDoublesWithEitherSeparator) {
    for (const char* separator : {",", "."}) {
        for (const char* steps : {"1", "5", "24", "500"}) {
            SCOPED_TRACE(std::string(steps) + " with '" + separator + "'");
            calc::Module1 module;
            ASSERT_TRUE(calc::runComputeCommand(module, steps, separator).computed);

            const auto outcome = runArchimede({steps, "--esatto"}, separator);
            ASSERT_EQ(outcome.status, 0);
            const auto lines = linesOf(outcome.out);
            ASSERT_EQ(lines.size(), 2u);
            const std::string caption = "Numero lati poligono inscritto e circoscritto: ";
            ASSERT_TRUE(lines[0].starts_with(caption));
            EXPECT_TRUE(sameBits(readBack(lines[0].substr(caption.size()), *separator),
                                 module.sideCount / 2.0));

            const auto lessThan = lines[1].find(" < costante < ");
            ASSERT_NE(lessThan, std::string::npos);
            EXPECT_TRUE(
                sameBits(readBack(lines[1].substr(0, lessThan), *separator), module.lowerBound));
            EXPECT_TRUE(
                sameBits(readBack(lines[1].substr(lessThan + 14), *separator), module.upperBound));
            if (std::string(separator) == ",") {
                EXPECT_EQ(lines[1].find('.'), std::string::npos) << "a point in " << lines[1];
            }
        }
    }
}

TEST(HelpAndVersion, GoToStandardOutputWithStatusZero) {
    const auto version = runArchimede({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("archimede ") + lavoro1::applicationVersion + '\n');
    EXPECT_EQ(version.err, "");

    // --help wins over whatever else is on the line, even a bad option.
    const auto help = runArchimede({"5", "--bogus", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Uso: archimede PASSI")) << help.out;
    EXPECT_NE(help.out.find("Esempi:"), std::string::npos);
    EXPECT_NE(help.out.find("archimede --cifre 1000"), std::string::npos);
    EXPECT_EQ(help.err, "");
}

// An argument is quoted back on one line, whatever control characters it holds.
TEST(UsageErrors, QuoteTheArgumentOnOneLine) {
    const auto refused = runArchimede({"--cifre", "5\n\x1b[2J"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("'5\\n\\x1B[2J'"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.err.find('\n'), refused.err.size() - 1) << refused.err;
}

struct DigitsCase {
    const char* method; // nullptr: the default
    std::vector<std::string> lines;
};

TEST(CertifiedDigits, WritesStepsSidesAndTheBracketWithTheLocalesSeparator) {
    const std::string bracket = "3,1415926535 < costante < 3,1415926536";
    const std::string sides = "Numero lati poligono inscritto e circoscritto: ";
    const std::vector<DigitsCase> cases = {
        {"raddoppi", {"Numero iterazioni: 19", sides + "6*2^18 = 1572864", bracket}},
        {"huygens", {"Numero iterazioni: 9", sides + "6*2^8 = 1536", bracket}},
        {"richardson",
         {"Numero iterazioni: 5", sides + "6*2^4 = 96", "Profondità dell'estrapolazione: 3",
          bracket}},
        {nullptr,
         {"Numero iterazioni: 5", sides + "6*2^4 = 96", "Profondità dell'estrapolazione: 3",
          bracket}},
    };
    for (const DigitsCase& c : cases) {
        SCOPED_TRACE(c.method == nullptr ? "default" : c.method);
        const auto outcome = c.method == nullptr
                                 ? runArchimede({"--cifre", "10"}, ",")
                                 : runArchimede({"--cifre", "10", "--metodo", c.method}, ",");
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(linesOf(outcome.out), c.lines);
    }
}

TEST(CertifiedDigits, TabellaWritesWhatEachStepProves) {
    const auto outcome = runArchimede({"--cifre", "100", "--metodo", "richardson", "--tabella"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto lines = linesOf(outcome.out);
    ASSERT_EQ(lines.size(), 16u) << outcome.out;
    // As wide as the 16 steps planned need, written before the run ends.
    EXPECT_EQ(lines[0], "Passo    Lati  Cifre dimostrate  Guadagno");
    EXPECT_EQ(lines[1], "    1       6                 0         0");
    EXPECT_EQ(lines[5], "    5      96                15         5");
    EXPECT_EQ(lines[15], "   15   98304               104        12");

    // Past 2^60 sides the count is written as a power.
    const auto doubling = runArchimede({"--cifre", "40", "--metodo", "raddoppi", "--tabella"});
    ASSERT_EQ(doubling.status, 0) << doubling.err;
    const auto rows = linesOf(doubling.out);
    ASSERT_GE(rows.size(), 64u);
    EXPECT_NE(rows[61].find(" 6917529027641081856 "), std::string::npos) << rows[61];
    EXPECT_NE(rows[62].find(" 6*2^61 "), std::string::npos) << rows[62];
}

// The same rows for machines: what the page's chart reads at build time.
TEST(CertifiedDigits, TabellaForMachinesHasTheSameRows) {
    const struct {
        std::string_view format;
        std::vector<std::string> lines;
    } cases[] = {
        {"json",
         {"[", R"({"passo":1,"cifre":0,"guadagno":0},)", R"({"passo":2,"cifre":2,"guadagno":2},)",
          R"({"passo":3,"cifre":6,"guadagno":4},)", R"({"passo":4,"cifre":10,"guadagno":4})", "]"}},
        {"csv", {"passo,cifre,guadagno", "1,0,0", "2,2,2", "3,6,4", "4,10,4"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        const auto outcome = runArchimede({"--cifre", "10", "--tabella", "--formato", c.format});
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(linesOf(outcome.out), c.lines);
    }
}

// archimede hands --cifre to archimede-cifre in its place: only that run
// reaches environment.runDigits, with its options read and nothing written
// before, which would be lost with the process.
TEST(CertifiedDigits, HandedOverWithTheirOptionsAndNothingWritten) {
    std::ostringstream out;
    std::ostringstream err;
    std::vector<archimede::Options> handed;
    archimede::Environment environment;
    environment.runDigits = [&](const archimede::Options& options, std::ostream&, std::ostream&,
                                const archimede::Environment&) {
        EXPECT_EQ(out.str() + err.str(), "");
        handed.push_back(options);
        return 7;
    };
    const std::string_view digits[] = {"--metodo", "huygens", "--cifre=25", "--tabella"};
    EXPECT_EQ(archimede::run(digits, out, err, environment), 7);
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].digits, 25);
    EXPECT_EQ(handed[0].method, certified::Method::Huygens);
    EXPECT_TRUE(handed[0].table);
    for (const std::vector<std::string_view>& others :
         {std::vector<std::string_view>{"5"}, {"--cifre", "0"}, {"--cifre", "5", "--help"}}) {
        SCOPED_TRACE(others.front());
        archimede::run(others, out, err, environment);
    }
    EXPECT_EQ(handed.size(), 1u);
}

TEST(CertifiedDigits, StopsAtTheFirstStepOnceInterrupted) {
    const volatile std::sig_atomic_t interrupted = SIGINT;
    archimede::Environment environment;
    environment.runDigits = archimede::runDigits;
    environment.interrupted = &interrupted;
    const std::string_view arguments[] = {"--cifre", "10000"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(archimede::run(arguments, out, err, environment), 130);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "archimede: interrotto\n");
}

// Standard output that asks for Ctrl+C once it has taken a number of lines.
// Without a buffer of its own: every character comes through overflow.
class InterruptingAfterLines : public std::streambuf {
public:
    InterruptingAfterLines(int lines, volatile std::sig_atomic_t& flag)
        : linesLeft_(lines), flag_(flag) {}
    const std::string& text() const { return text_; }

protected:
    int_type overflow(int_type c) override {
        text_ += traits_type::to_char_type(c);
        if (traits_type::to_char_type(c) == '\n' && --linesLeft_ == 0) {
            flag_ = SIGINT;
        }
        return c;
    }

private:
    std::string text_;
    int linesLeft_;
    volatile std::sig_atomic_t& flag_;
};

TEST(CertifiedDigits, TabellaKeepsTheRowsProvenBeforeCtrlC) {
    volatile std::sig_atomic_t interrupted = 0;
    InterruptingAfterLines buffer(4, interrupted);
    std::ostream out(&buffer);
    std::ostringstream err;
    archimede::Environment environment;
    environment.runDigits = archimede::runDigits;
    environment.interrupted = &interrupted;
    const std::string_view arguments[] = {"--cifre", "100000", "--tabella"};
    EXPECT_EQ(archimede::run(arguments, out, err, environment), 130);
    const auto lines = linesOf(buffer.text());
    ASSERT_EQ(lines.size(), 4u) << buffer.text();
    EXPECT_EQ(lines[3].substr(0, 5), "    3");
    EXPECT_EQ(err.str(), "archimede: interrotto\n");
}

// Standard output on a terminal, flushed after every row so that the
// progress line can be drawn under it: what it holds at each flush.
class FlushedTexts : public std::stringbuf {
public:
    std::vector<std::string> flushed;

protected:
    int sync() override {
        flushed.push_back(str());
        return 0;
    }
};

// The progress line rewrites the terminal's last line: a row still without
// its line break when it is drawn is erased (a JSON row showed as ",").
TEST(CertifiedDigits, TabellaOnATerminalEndsEveryRowItFlushes) {
    for (const std::string_view format : {"json", "csv", "testo"}) {
        SCOPED_TRACE(format);
        FlushedTexts buffer;
        std::ostream out(&buffer);
        std::ostringstream err;
        archimede::Environment environment;
        environment.runDigits = archimede::runDigits;
        environment.resultsOnTerminal = true;
        const std::string_view arguments[] = {"--cifre", "10", "--tabella", "--formato", format};
        ASSERT_EQ(archimede::run(arguments, out, err, environment), 0) << err.str();
        ASSERT_EQ(buffer.flushed.size(), 4u) << "one flush a row";
        for (const std::string& text : buffer.flushed) {
            EXPECT_TRUE(text.ends_with('\n')) << text;
        }
        if (format == "json") {
            EXPECT_EQ(nlohmann::json::parse(buffer.str()).size(), 4u);
        }
    }
}

TEST(CertifiedDigits, RefusedAtOnceWithoutTheMemoryTheyNeed) {
    struct Case {
        std::vector<std::string_view> arguments;
        const char* err;
    };
    const Case cases[] = {
        {{"--cifre", "1000000"},
         "archimede: memoria insufficiente per 1000000 cifre (servono almeno 10 MB, disponibili 1 "
         "MB)\n"},
        {{"--cifre", "300000", "--tabella"},
         "archimede: memoria insufficiente per 300000 cifre con la tabella (servono almeno 121 MB, "
         "disponibili 1 MB)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        archimede::Environment environment;
        environment.runDigits = archimede::runDigits;
        environment.memoryAvailable = 1 << 20;
        bool guarded = false;
        environment.endOnAllocationFailure = [&guarded](const std::string&) { guarded = true; };
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(archimede::run(c.arguments, out, err, environment), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_EQ(err.str(), c.err);
        EXPECT_FALSE(guarded);
    }
    // What fits is computed, with the line for a failed allocation given
    // beforehand.
    archimede::Environment environment;
    environment.runDigits = archimede::runDigits;
    environment.memoryAvailable = 1 << 20;
    std::string line;
    environment.endOnAllocationFailure = [&line](std::string given) { line = std::move(given); };
    const std::string_view arguments[] = {"--cifre", "100", "--tabella"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(archimede::run(arguments, out, err, environment), 0);
    EXPECT_EQ(line, "archimede: memoria insufficiente per 100 cifre con la tabella\n");
}

} // namespace

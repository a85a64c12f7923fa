#include "runtime/errors.hpp"
#include "runtime/number_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

using runtime::formatNumber;

struct FormatCase {
    double value;
    const char* pattern;
    const char* withPoint; // the same text under a comma locale has ',' instead
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " as " << c.pattern << " -> " << c.withPoint;
}

std::string withComma(std::string text) {
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

class FormatNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WritesTheLocaleSeparator) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern, "."), c.withPoint);
    EXPECT_EQ(formatNumber(c.value, c.pattern, ","), withComma(c.withPoint));
}

INSTANTIATE_TEST_SUITE_P(
    SidesPattern, FormatNumber,
    ::testing::Values(
        FormatCase{6.0, "0.000E+00", "6.000E+00"}, FormatCase{3.0, "0.000E+00", "3.000E+00"},
        FormatCase{3072.0, "0.000E+00", "3.072E+03"}, FormatCase{12288.0, "0.000E+00", "1.229E+04"},
        FormatCase{98304.0, "0.000E+00", "9.830E+04"},
        FormatCase{3.0 * std::ldexp(1.0, 500), "0.000E+00", "9.820E+150"},
        FormatCase{9999.5, "0.000E+00", "1.000E+04"}, FormatCase{0.0, "0.000E+00", "0.000E+00"},
        FormatCase{0.00125, "0.000E+00", "1.250E-03"}, FormatCase{-6.0, "0.000E+00", "-6.000E+00"},
        FormatCase{1e-300, "0.000E+00", "1.000E-300"}));

INSTANTIATE_TEST_SUITE_P(
    EsploraPatterns, FormatNumber,
    ::testing::Values(FormatCase{12.5, "0.0", "12.5"}, FormatCase{999.96, "0.0", "1000.0"},
                      FormatCase{0.25, "0.0", "0.2"}, // exact half: to even
                      FormatCase{0.75, "0.0", "0.8"}, // exact half: to even
                      FormatCase{0.35, "0.0", "0.3"}, // binary value is below the half
                      FormatCase{2.5e12, "0.0E+00", "2.5E+12"},
                      FormatCase{1.5e-17, "0.0E+00", "1.5E-17"},
                      FormatCase{1250.0, "0.0E+00", "1.2E+03"})); // exact half: to even

INSTANTIATE_TEST_SUITE_P(
    BoundsPattern, FormatNumber,
    ::testing::Values(FormatCase{3.4641016151377553, "0.00000000", "3.46410162"},
                      FormatCase{3.0, "0.00000000", "3.00000000"},
                      FormatCase{0.0, "0.00000000", "0.00000000"},
                      FormatCase{3.141592653589793, "0.00000000", "3.14159265"},
                      FormatCase{-3.141592653589793, "0.00000000", "-3.14159265"},
                      FormatCase{1234567.0, "0.00000000", "1234567.00000000"},
                      FormatCase{1e20, "0.00000000", "100000000000000000000.00000000"}));

TEST(FormatNumberSeparator, CanBeLongerThanOneByte) {
    EXPECT_EQ(formatNumber(3.0, "0.0", "\xD9\xAB"), "3\xD9\xAB"
                                                    "0");
}

TEST(FormatNumberSeparator, OfAnyLengthGivesTheWholeText) {
    // The longest texts: 309 integer digits, a sign, and the exponent's 3 digits.
    constexpr double lowest = std::numeric_limits<double>::lowest();
    const std::string boundWithPoint = formatNumber(lowest, "0.00000000", ".");
    ASSERT_EQ(boundWithPoint.size(), 1 + 309 + 1 + 8);
    for (const std::size_t length : {1, 2, 160, 161, 200, 504, 505, 512, 4096}) {
        SCOPED_TRACE(length);
        const std::string separator(length, ',');
        std::string bound = boundWithPoint;
        bound.replace(bound.find('.'), 1, separator);
        EXPECT_EQ(formatNumber(lowest, "0.00000000", separator), bound);
        EXPECT_EQ(formatNumber(lowest, "0.000E+00", separator), "-1" + separator + "798E+308");
    }
}

TEST(FormatNumberPatterns, RefusesWhatItDoesNotSupport) {
    for (const char* pattern : {"",
                                ".",
                                "0.",
                                "0",
                                "000",
                                ".00",
                                "00.00",
                                "#.##",
                                "0.00%",
                                "0,000",
                                "0.0.0",
                                "0.000E+",
                                "0.000E",
                                "0.000E+0",
                                "0.000E+000",
                                "0.000E-00",
                                "0.000e+00",
                                "0.E+00",
                                ".00E+00",
                                "00.0E+00",
                                "0.00 ",
                                "E+00",
                                "0.00000000000000000000000000000000000000000"}) {
        SCOPED_TRACE(pattern);
        try {
            formatNumber(1.0, pattern, ".");
            ADD_FAILURE() << "no error raised";
        } catch (const runtime::RuntimeError& error) {
            EXPECT_EQ(error.number(), runtime::ErrorNumber::InvalidProcedureCall);
        }
    }
}

TEST(FormatNumberNonFinite, IsWrittenAsAWord) {
    constexpr double overflowed = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatNumber(overflowed, "0.00000000", "."), "Inf");
    EXPECT_EQ(formatNumber(-overflowed, "0.000E+00", "."), "-Inf");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "0.0", "."), "NaN");
}

} // namespace

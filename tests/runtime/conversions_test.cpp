#include "runtime/charconv.hpp"
#include "runtime/conversions.hpp"
#include "runtime/errors.hpp"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace {

using runtime::ErrorNumber;
using runtime::roundToInt32;
using runtime::RuntimeError;
using runtime::toCharsThroughPrintf;
using runtime::valueOfText;

constexpr double infinity = std::numeric_limits<double>::infinity();

struct TextCase {
    const char* text;
    double value;
};

TEST(ValueOfText, ReadsTheNumberAtTheStartOfTheText) {
    const TextCase cases[] = {
        {"1", 1.0},
        {"500", 500.0},
        {"500.5", 500.5},
        {"  \t42", 42.0},
        {"\r\n7", 7.0},
        {"+12", 12.0},
        {"-3", -3.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"2,5", 2.0},
        {"12abc", 12.0},
        {"1e3", 1000.0},
        {"1E+3", 1000.0},
        {"25e-1", 2.5},
        {"1D2", 100.0},
        {"1d-2", 0.01},
        {"3E", 3.0},
        {"3e+", 3.0},
        {"3e+x", 3.0},
        {"0.1", 0.1},
        {"3000000000", 3000000000.0},
        {"&H10", 16.0},
        {"&hff", 255.0},
        {"&HFFFF", -1.0},
        {"&H8000", -32768.0},
        {"&H10000", 65536.0},
        {"&HFFFFFFFF", -1.0},
        {"&O17", 15.0},
        {"&o777", 511.0},
        {"&O8", 0.0},
        {"&H", 0.0},
        // Blanks are skipped wherever they stand, not only at the start.
        {"1 0 0", 100.0},
        {"&H 1F4", 500.0},
        {"- 4", -4.0},
        {"4 9\t9\n", 499.0},
        {"1 e 3", 1000.0},
        {"& H 10", 16.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(valueOfText(c.text), c.value);
    }
}

TEST(ValueOfText, GivesZeroWhenTheTextDoesNotStartWithANumber) {
    for (const char* text : {"", " ", "abc", "-", "+", ".", "-.", "e5", "&", "&X1", "- x5", "x1",
                             "\xE2\x80\x93"
                             "5"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(valueOfText(text), 0.0);
    }
}

TEST(ValueOfText, RoundsCorrectlyFromAnyNumberOfDigits) {
    EXPECT_EQ(valueOfText("3.4641016151377553"), 3.4641016151377553);
    EXPECT_EQ(valueOfText("0.30000000000000004"), 0.30000000000000004);
    EXPECT_EQ(valueOfText("2.2250738585072014e-308"), 2.2250738585072014e-308);
    EXPECT_EQ(valueOfText("4.9e-324"), 4.9e-324);
    EXPECT_EQ(valueOfText("1.7976931348623157e308"), 1.7976931348623157e308);
    // Halfway between 1 and the next double, then just above it: only the
    // last of very many digits decides.
    const std::string halfway = "1.00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(valueOfText(halfway), 1.0);
    EXPECT_EQ(valueOfText(halfway + std::string(2000, '0') + "1"), std::nextafter(1.0, 2.0));
    EXPECT_EQ(valueOfText("0." + std::string(400, '0') + "1e401"), 1.0);
    // append, not +: GCC 12 at -O2 takes the string that + moves out of
    // std::string(400, '0') for a short one (-Warray-bounds, a false alarm).
    EXPECT_EQ(valueOfText(std::string(400, '0').append("7")), 7.0);
}

// The standard library's conversion as the oracle, on random mantissas of 1
// to 40 digits across the whole range, subnormals and overflow included,
// and on the midpoints between neighbouring doubles, where only the last
// digit or the digits beyond the 800 kept decide.
TEST(ValueOfText, RoundsAsTheStandardLibraryDoes) {
    std::mt19937_64 random(20261207);
    const auto expected = [](const std::string& text) {
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        (void)end;
        return error == std::errc::result_out_of_range
                   ? (text.find("e-") != std::string::npos ? 0.0 : infinity)
                   : value;
    };
    for (int i = 0; i < 20000; ++i) {
        std::string text = std::to_string(random() % 9 + 1);
        for (auto digits = random() % 40; digits > 0; --digits) {
            text += static_cast<char>('0' + random() % 10);
        }
        text += 'e' + std::to_string(static_cast<int>(random() % 700) - 360);
        SCOPED_TRACE(text);
        ASSERT_EQ(valueOfText(text), expected(text));
    }
    if (std::numeric_limits<long double>::digits <= 53) {
        return; // no exact midpoints to write
    }
    for (const double low : {1.0, 3.0, 0.1, 1e300, 1.7e308, 2.2250738585072014e-308, 1e-310}) {
        // The midpoint of low and the next double, exact in long double, in
        // all its digits; then just above it.
        const long double midpoint =
            (static_cast<long double>(low) + std::nextafter(low, infinity)) / 2;
        std::array<char, 1200> digits{};
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), midpoint,
                                           std::chars_format::scientific, 1100);
        const std::string exact(digits.data(), written.ptr);
        const std::size_t e = exact.find('e');
        for (const std::string& text : {exact, exact.substr(0, e) + "1" + exact.substr(e)}) {
            SCOPED_TRACE(text);
            EXPECT_EQ(valueOfText(text), expected(text));
        }
    }
}

TEST(ValueOfText, GivesInfinityOrZeroBeyondTheRangeOfBinary64) {
    EXPECT_EQ(valueOfText("1e999"), infinity);
    EXPECT_EQ(valueOfText("-1e999"), -infinity);
    EXPECT_EQ(valueOfText("1e99999999999999999999999"), infinity);
    EXPECT_EQ(valueOfText(std::string(400, '9')), infinity);
    EXPECT_EQ(valueOfText("&H100000000"), infinity);
    EXPECT_EQ(valueOfText("1e-999"), 0.0);
    EXPECT_EQ(valueOfText("1e-99999999999999999999999"), 0.0);
    EXPECT_EQ(valueOfText("0e999999"), 0.0);
    EXPECT_TRUE(std::signbit(valueOfText("-0")));
}

TEST(ValueOfText, HandlesAMillionCharacters) {
    EXPECT_EQ(valueOfText("1" + std::string(1'000'000, '0')), infinity);
    EXPECT_EQ(valueOfText("0." + std::string(1'000'000, '3')), 1.0 / 3.0);
    EXPECT_EQ(valueOfText(std::string(1'000'000, ' ').append("5")), 5.0);
    EXPECT_EQ(valueOfText("&H" + std::string(1'000'000, '0') + "1"), 1.0);
}

struct RoundCase {
    double value;
    std::int32_t rounded;
};

TEST(RoundToInt32, RoundsHalvesToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {0.0, 0},
        {-0.0, 0},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999999999999996, 2},
        {2.5000000000000004, 3},
        {-0.4, 0},
        {500.5, 500},
        {501.5, 502},
        {1e-300, 0},
        {2147483647.4, 2147483647},
        {2147483646.5, 2147483646},
        {-2147483648.5, -2147483648},
        {-2147483647.5, -2147483648},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundToInt32(c.value), c.rounded);
    }
}

TEST(RoundToInt32, RaisesOverflowOutOfRange) {
    for (double value :
         {2147483647.5, 2147483648.0, -2147483649.0, -2147483648.5000005, 3000000000.0, 1e300,
          infinity, -infinity, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(value);
        try {
            roundToInt32(value);
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::Overflow);
        }
    }
}

TEST(RoundToInt32, ConvertsTypedTextLikeTheWindowDoes) {
    EXPECT_EQ(roundToInt32(valueOfText("500.5")), 500);
    EXPECT_EQ(roundToInt32(valueOfText("501.5")), 502);
    EXPECT_EQ(roundToInt32(valueOfText("2,5")), 2);
    EXPECT_THROW(roundToInt32(valueOfText("3000000000")), RuntimeError);
    EXPECT_THROW(roundToInt32(valueOfText("1e999")), RuntimeError);
}

// The browser's core writes its shortest numbers through snprintf: the same
// text as the standard to_chars, fixed or scientific, whichever is shorter.
TEST(ToCharsThroughPrintf, WritesWhatToCharsWrites) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0,
                                  100.0,
                                  1e-4,
                                  1e-5,
                                  123456.0,
                                  1e15,
                                  1e16,
                                  1e22,
                                  1e23,
                                  0.1,
                                  1.0 / 3.0,
                                  3.14159,
                                  -2.5e-7,
                                  5e-324,
                                  1.7976931348623157e308,
                                  1234.5678,
                                  infinity,
                                  -infinity};
    std::mt19937_64 bits(20261208);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t pattern = bits();
        double value = 0.0;
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value)) {
            values.push_back(value);
        }
        values.push_back(static_cast<double>(pattern % 100000) / 1000.0);
    }
    for (const double value : values) {
        std::array<char, 40> expected{};
        std::array<char, 40> written{};
        const auto wanted =
            std::to_chars(expected.data(), expected.data() + expected.size(), value);
        const auto got =
            toCharsThroughPrintf(written.data(), written.data() + written.size(), value);
        ASSERT_EQ(got.ec, std::errc{});
        ASSERT_EQ(std::string(written.data(), got.ptr), std::string(expected.data(), wanted.ptr))
            << value;
    }
}

} // namespace

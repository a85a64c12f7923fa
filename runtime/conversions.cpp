#include "runtime/conversions.hpp"

#include "runtime/charconv.hpp"
#include "runtime/errors.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>
#include <system_error>
#include <utility>

namespace runtime {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Significant digits kept from a long mantissa. Deciding the rounding of a
// binary64 needs at most 767; the rest only matters as "nonzero or not".
constexpr std::size_t keptDigits = 800;

// Beyond these decimal magnitudes the result is an infinity or a zero
// whatever the digits are.
constexpr std::int64_t largestMagnitude = 310;
constexpr std::int64_t smallestMagnitude = -330;

// Keeps integers that grow digit by digit far from std::int64_t's limits.
constexpr std::int64_t saturation = 1'000'000'000'000;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int radixDigit(char c, int radix) {
    int digit = -1;
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    }
    return digit < radix ? digit : -1;
}

double radixInteger(std::string_view digits, int radix) {
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = radixDigit(c, radix);
        if (digit < 0) {
            break;
        }
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFF'FFFFu) {
            return infinity;
        }
    }
    if (value <= 0xFFFFu) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}
    char peek(std::size_t ahead = 0) const {
        return position_ + ahead < text_.size() ? text_[position_ + ahead] : '\0';
    }
    void advance(std::size_t count = 1) { position_ += count; }
    std::size_t position() const { return position_; }
    void rewind(std::size_t position) { position_ = position; }
    std::string_view rest() const { return text_.substr(position_); }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// A decimal mantissa as a digit string and a power of ten, so that the final
// rounding to binary64 is done once, correctly: value = digits * 10^scale.
struct Decimal {
    std::string digits;            // significant digits, no leading zeros
    std::int64_t scale = 0;        // value = digits * 10^scale
    bool truncatedNonzero = false; // a nonzero digit beyond keptDigits
    bool sawDigit = false;

    void take(char c, bool fractional) {
        sawDigit = true;
        if (fractional) {
            --scale;
        }
        if (digits.empty() && c == '0') {
            return;
        }
        if (digits.size() < keptDigits) {
            digits.push_back(c);
        } else {
            truncatedNonzero = truncatedNonzero || c != '0';
            ++scale;
        }
    }
};

// An optional sign at the cursor; true for a minus.
bool readSign(Cursor& cursor) {
    const char sign = cursor.peek();
    if (sign == '+' || sign == '-') {
        cursor.advance();
    }
    return sign == '-';
}

// digits [. digits] at the cursor.
Decimal readMantissa(Cursor& cursor) {
    Decimal decimal;
    while (isDigit(cursor.peek())) {
        decimal.take(cursor.peek(), false);
        cursor.advance();
    }
    if (cursor.peek() == '.') {
        cursor.advance();
        while (isDigit(cursor.peek())) {
            decimal.take(cursor.peek(), true);
            cursor.advance();
        }
    }
    return decimal;
}

// (E|e|D|d) [+|-] digits at the cursor, saturated far beyond any magnitude
// that matters. Without a digit it is no exponent: 0, and the cursor stays
// ("3E" or "3E+" is just 3).
std::int64_t readExponent(Cursor& cursor) {
    const char marker = cursor.peek();
    if (marker != 'E' && marker != 'e' && marker != 'D' && marker != 'd') {
        return 0;
    }
    const std::size_t beforeExponent = cursor.position();
    cursor.advance();
    const bool negative = readSign(cursor);
    if (!isDigit(cursor.peek())) {
        cursor.rewind(beforeExponent);
        return 0;
    }
    std::int64_t exponent = 0;
    while (isDigit(cursor.peek())) {
        if (exponent < saturation) {
            exponent = exponent * 10 + (cursor.peek() - '0');
        }
        cursor.advance();
    }
    return negative ? -exponent : exponent;
}

// decimal rounded to the nearest binary64, ties to even, with its sign.
double rounded(Decimal decimal, bool negative) {
    const double zero = negative ? -0.0 : 0.0;
    if (decimal.digits.empty()) {
        return zero;
    }
    if (decimal.truncatedNonzero) {
        // A sticky digit: below the kept ones, it only breaks a tie.
        decimal.digits.push_back('1');
        --decimal.scale;
    }
    const auto magnitude = decimal.scale + static_cast<std::int64_t>(decimal.digits.size());
    if (magnitude > largestMagnitude) {
        return negative ? -infinity : infinity;
    }
    if (magnitude < smallestMagnitude) {
        return zero;
    }

    std::string& text = decimal.digits;
    text.push_back('e');
    text += std::to_string(decimal.scale);
    double value = 0.0;
    const auto [end, error] = fromChars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = magnitude > 0 ? infinity : 0.0;
    }
    return negative ? -value : value;
}

// The decimal number at the cursor: [+|-] digits [. digits] [exponent].
double decimalNumber(Cursor& cursor) {
    const bool negative = readSign(cursor);
    Decimal decimal = readMantissa(cursor);
    if (!decimal.sawDigit) {
        return 0.0;
    }
    decimal.scale += readExponent(cursor);
    return rounded(std::move(decimal), negative);
}

} // namespace

double valueOfText(std::string_view text) noexcept {
    // Blanks count nowhere in a number: "1 0 0" is 100 and "&H 1F4" is 500.
    std::string withoutBlanks;
    if (std::any_of(text.begin(), text.end(), isBlank)) {
        withoutBlanks.reserve(text.size());
        std::copy_if(text.begin(), text.end(), std::back_inserter(withoutBlanks),
                     [](char c) { return !isBlank(c); });
        text = withoutBlanks;
    }
    Cursor cursor(text);
    if (cursor.peek() == '&') {
        const char radix = cursor.peek(1);
        if (radix == 'H' || radix == 'h') {
            cursor.advance(2);
            return radixInteger(cursor.rest(), 16);
        }
        if (radix == 'O' || radix == 'o') {
            cursor.advance(2);
            return radixInteger(cursor.rest(), 8);
        }
        return 0.0;
    }
    return decimalNumber(cursor);
}

std::int32_t roundToInt32(double value) {
    const double whole = std::trunc(value);
    const double fraction = value - whole; // exact for every finite value
    double rounded = whole;
    if (std::fabs(fraction) > 0.5 || (std::fabs(fraction) == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        rounded += std::copysign(1.0, value);
    }
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        raiseOverflowError();
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace runtime

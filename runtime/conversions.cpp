#include "runtime/conversions.hpp"

#include "runtime/errors.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

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

// A natural number in base 2^32, least significant limb first: just enough
// arithmetic to round a decimal exactly. Neither the C library's strtod,
// whose 128-bit floating point was the larger part of the browser's core,
// nor fast_float, whose tables of powers of five weigh about as much; and
// the same code on every build, where std::from_chars is only on some.
class Natural {
public:
    explicit Natural(std::uint32_t value) : limbs_{value} {}

    // Times factor, plus addend.
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        }
    }
    // Times 10^exponent.
    void multiplyByPowerOfTen(std::int64_t exponent) {
        for (; exponent >= 9; exponent -= 9) {
            multiplyAdd(1'000'000'000, 0);
        }
        for (; exponent > 0; --exponent) {
            multiplyAdd(10, 0);
        }
    }
    void shiftLeft(std::int64_t bits) {
        const auto whole = static_cast<std::size_t>(bits / 32);
        const auto part = static_cast<unsigned>(bits % 32);
        limbs_.insert(limbs_.begin(), whole, 0);
        if (part != 0) {
            std::uint32_t carry = 0;
            for (std::size_t i = whole; i < limbs_.size(); ++i) {
                const std::uint32_t limb = limbs_[i];
                limbs_[i] = (limb << part) | carry;
                carry = limb >> (32 - part);
            }
            if (carry != 0) {
                limbs_.push_back(carry);
            }
        }
    }
    void shiftRightOne() {
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            limbs_[i] = (limbs_[i] >> 1) | (i + 1 < limbs_.size() ? limbs_[i + 1] << 31 : 0);
        }
        trim();
    }
    std::int64_t bitLength() const {
        return 32 * static_cast<std::int64_t>(limbs_.size() - 1) +
               static_cast<std::int64_t>(std::bit_width(limbs_.back()));
    }
    bool isZero() const { return limbs_.size() == 1 && limbs_[0] == 0; }
    bool operator<(const Natural& other) const {
        if (limbs_.size() != other.limbs_.size()) {
            return limbs_.size() < other.limbs_.size();
        }
        return std::lexicographical_compare(limbs_.rbegin(), limbs_.rend(), other.limbs_.rbegin(),
                                            other.limbs_.rend());
    }
    // Minus other, which is not greater.
    void subtract(const Natural& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::int64_t difference =
                std::int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
            limbs_[i] = static_cast<std::uint32_t>(difference);
            borrow = difference < 0 ? 1 : 0;
        }
        trim();
    }
    // The 64 bits from bit `from` up.
    std::uint64_t bitsFrom(std::int64_t from) const {
        std::uint64_t bits = 0;
        for (std::int64_t bit = std::min<std::int64_t>(from + 63, bitLength() - 1); bit >= from;
             --bit) {
            bits = (bits << 1) | ((limbs_[static_cast<std::size_t>(bit / 32)] >> (bit % 32)) & 1u);
        }
        return bits;
    }
    // Whether a bit below `below` is set.
    bool anyBitBelow(std::int64_t below) const {
        for (std::int64_t bit = 0; bit < below; ++bit) {
            if ((limbs_[static_cast<std::size_t>(bit / 32)] >> (bit % 32)) & 1u) {
                return true;
            }
        }
        return false;
    }

private:
    void trim() {
        while (limbs_.size() > 1 && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }
    std::vector<std::uint32_t> limbs_;
};

// (bits + a nonzero fraction below them when sticky) * 2^exponent, rounded
// to the nearest binary64, ties to even; bits has at most 64 bits.
double nearestBinary64(std::uint64_t bits, bool sticky, std::int64_t exponent) {
    // The weight of the leading bit and the bits binary64 keeps there: 53,
    // fewer below the normal range, whose last bit weighs 2^-1074.
    const auto width = static_cast<std::int64_t>(std::bit_width(bits));
    const std::int64_t leading = width - 1 + exponent;
    const std::int64_t kept = leading >= -1022 ? 53 : leading + 1075;
    const std::int64_t dropped = width - kept;
    if (dropped <= 0) {
        return std::ldexp(static_cast<double>(bits), static_cast<int>(exponent));
    }
    if (dropped > 64) {
        return 0.0;
    }
    const std::uint64_t rest = dropped == 64 ? bits : bits & ((std::uint64_t{1} << dropped) - 1);
    const std::uint64_t half = std::uint64_t{1} << (dropped - 1);
    std::uint64_t rounded = dropped == 64 ? 0 : bits >> dropped;
    if (rest > half || (rest == half && (sticky || (rounded & 1u) != 0))) {
        ++rounded;
    }
    return std::ldexp(static_cast<double>(rounded), static_cast<int>(exponent + dropped));
}

// digits * 10^scale rounded to the nearest binary64, ties to even; digits
// has no leading zero, and the magnitude is within a few hundred decades.
double nearestBinary64(std::string_view digits, std::int64_t scale) {
    Natural number(0);
    for (const char digit : digits) {
        number.multiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
    }
    if (scale >= 0) {
        number.multiplyByPowerOfTen(scale);
        const std::int64_t low = std::max<std::int64_t>(number.bitLength() - 64, 0);
        return nearestBinary64(number.bitsFrom(low), number.anyBitBelow(low), low);
    }
    // number / 10^-scale: 64 bits of the quotient by long division, the
    // remainder's sign as the sticky bit.
    Natural divisor(1);
    divisor.multiplyByPowerOfTen(-scale);
    const std::int64_t shift = 63 - number.bitLength() + divisor.bitLength();
    number.shiftLeft(std::max<std::int64_t>(shift, 0));
    divisor.shiftLeft(std::max<std::int64_t>(-shift, 0) + 63);
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        if (!(number < divisor)) {
            number.subtract(divisor);
            quotient |= std::uint64_t{1} << bit;
        }
        divisor.shiftRightOne();
    }
    return nearestBinary64(quotient, !number.isZero(), -shift);
}

// decimal rounded to the nearest binary64, ties to even, with its sign.
double rounded(const Decimal& decimal, bool negative) {
    const double zero = negative ? -0.0 : 0.0;
    if (decimal.digits.empty()) {
        return zero;
    }
    const auto magnitude = decimal.scale + static_cast<std::int64_t>(decimal.digits.size());
    if (magnitude > largestMagnitude) {
        return negative ? -infinity : infinity;
    }
    if (magnitude < smallestMagnitude) {
        return zero;
    }
    // A sticky digit: below the kept ones, it only breaks a tie.
    const double value = decimal.truncatedNonzero
                             ? nearestBinary64(decimal.digits + '1', decimal.scale - 1)
                             : nearestBinary64(decimal.digits, decimal.scale);
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
    return rounded(decimal, negative);
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

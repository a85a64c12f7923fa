// Random digits and methods for the proven bounds, checked against pi from
// MPFR (another library, another algorithm than the polygons) at more
// precision: the bracket certifyPi prints is pi truncated and one unit of the
// last decimal above, and it settles exactly the decimals it claims; a race
// row's digits are settled by the bracket of the same polygons. A failed
// check aborts, which libFuzzer reports with the input that caused it.
//
// Input: byte 0 the method; bytes 1 and 2 the digits, up to 2000 (400 for
// the doubling, which needs about ten times the polygons, so that one input
// stays well under a second); a byte 3, when present, picks a race row
// (0 the first, 255 near the last).

#include "certified/certified_pi.hpp"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <gmp.h>
#include <mpfr.h>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "certified_bounds: %s\n", what);
    std::abort();
}

void check(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

// An integer owned for the scope.
class Integer {
public:
    Integer() { mpz_init(value_); }
    ~Integer() { mpz_clear(value_); }
    Integer(const Integer&) = delete;
    Integer& operator=(const Integer&) = delete;
    operator mpz_ptr() { return value_; }
    operator mpz_srcptr() const { return value_; }

private:
    mpz_t value_;
};

// floor(pi 10^decimals), from MPFR's pi rounded down and up at about 40
// decimals more: the two agree unless pi's next 40 decimals are all nines or
// all zeros, which they are not.
void truncatedPi(mpz_ptr result, int decimals) {
    const auto precision = static_cast<mpfr_prec_t>(std::ceil((decimals + 40) * 3.33)) + 64;
    mpfr_t low, high;
    mpfr_init2(low, precision);
    mpfr_init2(high, precision);
    Integer scale, other;
    mpz_ui_pow_ui(scale, 10, static_cast<unsigned long>(decimals));
    mpfr_const_pi(low, MPFR_RNDD);
    mpfr_const_pi(high, MPFR_RNDU);
    mpfr_mul_z(low, low, scale, MPFR_RNDD);
    mpfr_mul_z(high, high, scale, MPFR_RNDU);
    mpfr_get_z(result, low, MPFR_RNDD);
    mpfr_get_z(other, high, MPFR_RNDD);
    mpfr_clear(low);
    mpfr_clear(high);
    check(mpz_cmp(result, other) == 0, "the oracle's pi straddles a decimal: raise its precision");
}

// "3.1415" with decimals 4 -> 31415.
void unitsOf(mpz_ptr units, std::string bound, int decimals) {
    const auto point = bound.find('.');
    check(point != std::string::npos && bound.size() - point - 1 == std::size_t(decimals),
          "a bound without its decimals");
    bound.erase(point, 1);
    check(mpz_set_str(units, bound.c_str(), 10) == 0, "a bound that is not a number");
}

// lower < pi < upper, and upper - lower in units of the last decimal.
long checkContainsPi(const certified::Bounds& bounds) {
    Integer pi, lower, upper;
    truncatedPi(pi, bounds.decimals);
    unitsOf(lower, bounds.lower, bounds.decimals);
    unitsOf(upper, bounds.upper, bounds.decimals);
    // pi is irrational: lower <= floor(pi 10^d) is lower < pi, and
    // upper > floor(pi 10^d) is upper > pi.
    check(mpz_cmp(lower, pi) <= 0, "the lower bound is not below pi");
    check(mpz_cmp(upper, pi) > 0, "the upper bound is not above pi");
    mpz_sub(upper, upper, lower);
    return mpz_fits_slong_p(upper) ? mpz_get_si(upper) : 1000;
}

void checkSettled(const certified::Bounds& bounds, const char* what) {
    check(checkContainsPi(bounds) == 1, what);
}

certified::Plan planAt(certified::Plan plan, std::int64_t step) {
    plan.steps = step;
    plan.depth = plan.method == certified::Method::Richardson ? step - 1 : 0;
    plan.series = certified::Plan::Series::HalfPerimeters; // the race's
    return plan;
}

void checkCertifiedPi(certified::Method method, int digits) {
    const certified::Bounds bounds = certified::certifyPi(method, digits);
    check(bounds.decimals == digits, "certifyPi printed other decimals than asked");
    checkSettled(bounds, "certifyPi's bounds are not pi truncated and one unit above");
    check(bounds.settledDecimals >= digits, "certifyPi claims fewer decimals than it printed");
    // The claim, exactly: settled at its decimals, not at one more.
    checkSettled(certified::bracketAfter(bounds.plan, bounds.settledDecimals),
                 "the bracket does not settle the decimals it claims");
    check(checkContainsPi(certified::bracketAfter(bounds.plan, bounds.settledDecimals + 1)) >= 2,
          "the bracket settles more decimals than it claims");
}

void checkRaceRow(certified::Method method, int digits, std::uint8_t pick) {
    const std::vector<certified::RaceRow> rows = certified::race(method, digits);
    check(!rows.empty() && rows.back().provenDigits >= digits, "the race stops short");
    const std::size_t index = pick * rows.size() / 256;
    const certified::RaceRow& row = rows[index];
    check(row.step == static_cast<std::int64_t>(index) + 1, "rows out of step");
    // More bits than the race had: a narrower enclosure of the same value
    // settles at least what the race's did.
    certified::Plan plan = planAt(certified::planFor(method, digits), row.step);
    plan.precisionBits += 64;
    const certified::Bounds bounds = certified::bracketAfter(plan, row.provenDigits);
    if (row.provenDigits > 0) {
        checkSettled(bounds, "a race row claims decimals its bracket does not settle");
    } else {
        checkContainsPi(bounds);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    constexpr certified::Method methods[] = {
        certified::Method::Doubling, certified::Method::Huygens, certified::Method::Richardson};
    const certified::Method method = methods[data[0] % 3];
    const int largest = method == certified::Method::Doubling ? 400 : 2000;
    const int digits = 1 + (data[1] | data[2] << 8) % largest;
    try {
        if (size == 3) {
            checkCertifiedPi(method, digits);
        } else {
            checkRaceRow(method, digits, data[3]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "certified_bounds: unexpected exception: %s\n", error.what());
        std::abort();
    }
    return 0;
}

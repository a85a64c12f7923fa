#include "certified/polygons.hpp"

#include <algorithm>

namespace certified {

Polygons::Polygons(slong precision, HalfPerimeters halfPerimeters)
    : precision_(precision), halfPerimeters_(halfPerimeters) {
    // The hexagon's apothem, sqrt(3) / 2.
    arb_set_ui(apothem_, 3);
    arb_sqrt(apothem_, apothem_, precision_);
    arb_mul_2exp_si(apothem_, apothem_, -1);
    arb_one(product_);
}

void Polygons::doubleSides() {
    arb_add_ui(scratch_, apothem_, 1, precision_);
    arb_mul_2exp_si(scratch_, scratch_, -1);
    arb_sqrt(apothem_, scratch_, precision_);
    ++doublings_;
    if (halfPerimeters_ == HalfPerimeters::EveryStep) {
        // Q a = Q - Q (1 - a): the subtraction a - 1 is exact, and with
        // |a - 1| < 2^e the product Q (a - 1) needs only precision + e bits
        // (a few more for the rounding) to be exact to the last bit of Q,
        // which is near 1: the product costs less and less as k grows.
        arb_sub_ui(sagitta_, apothem_, 1, precision_);
        slong bits = precision_;
        const arb_struct* const difference = sagitta_;
        if (arf_is_finite(arb_midref(difference)) && !arf_is_zero(arb_midref(difference))) {
            const slong exponent = arf_abs_bound_lt_2exp_si(arb_midref(difference));
            bits = std::min(precision_, std::max<slong>(precision_ + exponent + 16, 64));
        }
        arb_set_round(scratch_, product_, bits);
        arb_mul(scratch_, scratch_, sagitta_, bits);
        arb_add(product_, product_, scratch_, precision_);
    }
}

void Polygons::inscribedHalfPerimeter(arb_ptr result, slong bits) const {
    if (halfPerimeters_ == HalfPerimeters::EveryStep) {
        if (bits > 0 && bits < precision_) {
            // The division's cost follows the divisor's length.
            arb_set_round(result, product_, bits + 16);
            arb_ui_div(result, 3, result, bits);
            return;
        }
        arb_ui_div(result, 3, product_, precision_);
        return;
    }
    // n sin(pi/n) = 3 * 2^(k+1) * sqrt((1 - a)(1 + a)); the factor 2^(k+1)
    // is exact, and the negation turns a - 1 into 1 - a exactly.
    Ball below, above;
    arb_sub_ui(below, apothem_, 1, precision_);
    arb_neg(below, below);
    arb_add_ui(above, apothem_, 1, precision_);
    arb_mul(result, below, above, precision_);
    arb_sqrt(result, result, precision_);
    arb_mul_ui(result, result, 3, precision_);
    arb_mul_2exp_si(result, result, static_cast<slong>(doublings_) + 1);
}

void Polygons::circumscribedHalfPerimeter(arb_ptr result) const {
    inscribedHalfPerimeter(result);
    arb_div(result, result, apothem_, precision_);
}

} // namespace certified

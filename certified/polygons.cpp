#include "certified/polygons.hpp"

namespace certified {

Polygons::Polygons(slong precision) : precision_(precision) {
    arb_one(side_);
    arb_set_ui(halfSideSquared_, 1);
    arb_mul_2exp_si(halfSideSquared_, halfSideSquared_, -2);
    makeApothem();
}

// Negations are exact: x - 1 negated stands for 1 - x.
void Polygons::makeApothem() {
    arb_sub_ui(apothem_, halfSideSquared_, 1, precision_);
    arb_neg(apothem_, apothem_);
    arb_sqrt(apothem_, apothem_, precision_);
}

// The new side is the hypotenuse of half the old side and the sagitta 1 - a.
// Its square is at hand before the root: a quarter of it, exactly, is the
// next (s/2)^2, which spares squaring the side again.
void Polygons::doubleSides() {
    arb_sub_ui(sagitta_, apothem_, 1, precision_);
    arb_neg(sagitta_, sagitta_);
    arb_sqr(sagitta_, sagitta_, precision_);
    arb_add(halfSideSquared_, halfSideSquared_, sagitta_, precision_);
    arb_sqrt(side_, halfSideSquared_, precision_);
    arb_mul_2exp_si(halfSideSquared_, halfSideSquared_, -2);
    makeApothem();
    ++doublings_;
}

void Polygons::inscribedHalfPerimeter(arb_ptr result) const {
    // n s / 2 = 3 * 2^k * s: the factor 2^k is exact.
    arb_mul_ui(result, side_, 3, precision_);
    arb_mul_2exp_si(result, result, static_cast<slong>(doublings_));
}

void Polygons::circumscribedHalfPerimeter(arb_ptr result) const {
    inscribedHalfPerimeter(result);
    arb_div(result, result, apothem_, precision_);
}

} // namespace certified

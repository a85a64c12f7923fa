#pragma once

// The inscribed and circumscribed polygons of the unit circle, from the
// hexagon, in ball arithmetic: after k doublings the polygons have
// n = 6 * 2^k sides and the apothem is a_k = cos(pi/n), each doubling one
// square root of the half-angle formula a_(k+1) = sqrt((1 + a_k) / 2). The
// half perimeters follow from the apothems: L_k = n sin(pi/n) = 3 / (a_1 a_2
// ... a_k), since sin(2x) = 2 sin(x) cos(x) and L_0 = 3; or, at the last
// step only, L_k = n sqrt((1 - a_k)(1 + a_k)).

#include "certified/arb.hpp"
#include "certified/arb_values.hpp"

#include <cstdint>

namespace certified {

class Polygons {
public:
    enum class HalfPerimeters {
        // The product of the apothems, kept at every step: one
        // multiplication a step, shorter as 1 - a_k shrinks.
        EveryStep,
        // From the last apothem alone: 1 - a_k is about 4^-k / 7, so the
        // precision must carry 2k bits more than the result needs.
        LastStepOnly,
    };

    explicit Polygons(slong precision, HalfPerimeters halfPerimeters = HalfPerimeters::EveryStep);

    void doubleSides();
    std::int64_t doublings() const { return doublings_; }

    // L = n sin(pi/n) < pi; with bits, at that precision (at most the
    // polygons').
    void inscribedHalfPerimeter(arb_ptr result, slong bits = 0) const;
    // U = n tan(pi/n) = L / a > pi.
    void circumscribedHalfPerimeter(arb_ptr result) const;
    // a = cos(pi/n).
    arb_srcptr apothem() const { return apothem_; }

private:
    slong precision_;
    HalfPerimeters halfPerimeters_;
    std::int64_t doublings_ = 0;
    Ball apothem_;
    Ball product_; // a_1 a_2 ... a_k, with EveryStep
    Ball scratch_;
    Ball sagitta_;
};

} // namespace certified

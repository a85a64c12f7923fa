#pragma once

// The inscribed and circumscribed polygons of the unit circle, from the
// hexagon, by the recurrence of DoublePolygons in ball arithmetic: after k
// doublings the polygons have n = 6 * 2^k sides, the inscribed side is
// 2 sin(pi/n) and the apothem cos(pi/n), each enclosed with all its rounding
// errors.

#include "certified/arb.hpp"
#include "certified/arb_values.hpp"

#include <cstdint>

namespace certified {

class Polygons {
public:
    explicit Polygons(slong precision);

    void doubleSides();
    std::int64_t doublings() const { return doublings_; }

    // L = n sin(pi/n) < pi.
    void inscribedHalfPerimeter(arb_ptr result) const;
    // U = n tan(pi/n) = L / a > pi.
    void circumscribedHalfPerimeter(arb_ptr result) const;
    // a = cos(pi/n).
    arb_srcptr apothem() const { return apothem_; }

private:
    void makeApothem();

    slong precision_;
    std::int64_t doublings_ = 0;
    Ball side_;
    Ball halfSideSquared_;
    Ball apothem_;
    Ball sagitta_;
};

} // namespace certified

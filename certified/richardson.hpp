#pragma once

// Richardson's extrapolation of the inscribed half perimeters, as a Romberg
// table or in closed form, and the proven bound on what it leaves out. L_k is the half
// perimeter of the inscribed polygon of n_k = 6 * 2^k sides, and
//   L_k = sum over i >= 0 of (-1)^i pi^(2i+1) / (2i+1)! * n_k^(-2i),
// so the table entry T(k, m) over L_(k-m) .. L_k cancels the terms i = 1..m.
// docs/richardson-remainder.md derives the bound and its tail.

#include "certified/arb.hpp"
#include "certified/arb_values.hpp"

#include <cstdint>
#include <deque>

namespace certified::richardson {

// 63/20, after checking that the circumscribed 48-gon, enclosed at 64 bits,
// lies below it: a proven upper bound for pi.
void provenPiAbove(arb_ptr result);

// An upper bound of |T(row, depth) - pi|, for 0 <= depth <= row, given
// piAbove >= pi: the first term left out, over one minus the ratio that
// bounds every later term's ratio to the one before it.
void remainderBound(mag_ptr bound, std::int64_t row, std::int64_t depth, arb_srcptr piAbove);

// log10 of remainderBound with 3.15 for pi, in binary64, for planning.
double log10RemainderBound(std::int64_t row, std::int64_t depth);

// T(k, m) in closed form, from the apothems a_j = cos(pi/n_j) of the steps
// k - m .. k and L_k alone: with P_m = (4^1 - 1)(4^2 - 1)...(4^m - 1) and
// the Gaussian binomial coefficients [m t]_4 = P_m / (P_t P_(m-t)),
// integers,
//   T(k, m) = (1/P_m) sum_(t=0..m) w_t L_(k-m+t),
//   w_t = (-1)^(m-t) 4^(t(t+1)/2) [m t]_4,
// and L_(j-1) = a_j L_j turns the sum into L_k times a Horner scheme in the
// apothems: H = w_0, then H <- a_j H + w_t for j = k - m + t, t = 1..m. One
// multiplication a step, each only as long as w_t is large beside P_m.
// docs/richardson-remainder.md, section 10, derives the weights.
class Extrapolation {
public:
    Extrapolation(slong precision, std::int64_t depth);

    // The apothem of the next step from k - depth on (the first one is not
    // used, as L_(k-m) carries no factor).
    void addStep(arb_srcptr apothem);
    std::int64_t steps() const { return steps_; }

    // T(k, depth) from L_k, once depth + 1 steps are in.
    void value(arb_ptr result, arb_srcptr lastHalfPerimeter) const;

private:
    slong precision_;
    std::int64_t depth_;
    std::int64_t steps_ = 0;
    Integer divisor_;  // P_m
    Integer binomial_; // [m t]_4 of the last step
    Integer weight_;
    Integer factor_;
    Ball sum_; // H
    Ball rounded_;
};

// The table, one row per half perimeter, without a division: column j holds
// S(k, j) = D_j T(k, j) with D_j = (4^1 - 1)(4^2 - 1)...(4^j - 1), so that
// S(k, j) = 4^j S(k, j - 1) - S(k - 1, j - 1), a shift and a subtraction;
// the one division by D_m comes at the end.
class Table {
public:
    explicit Table(slong precision) : precision_(precision) {}

    // Adds L_k for the next k and computes S(k, j) for j up to
    // min(k, depthLimit); the next row may go one column deeper at most.
    void addRow(arb_srcptr halfPerimeter, std::int64_t depthLimit);
    std::int64_t rows() const { return rows_; }

    // T(k, depth) for the last row k, with depth no deeper than that row went.
    void entry(arb_ptr result, std::int64_t depth) const;

private:
    slong precision_;
    std::int64_t rows_ = 0;
    std::int64_t lastDepth_ = -1;
    // Deques: Ball and Integer neither copy nor move.
    std::deque<Ball> columns_;     // S(k, j) of the last row k
    std::deque<Integer> divisors_; // D_j for every column computed so far
    Ball carried_;
    Ball scratch_;
};

} // namespace certified::richardson

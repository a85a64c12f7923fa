#pragma once

// Richardson's extrapolation of the inscribed half perimeters or of their
// squares, as a Romberg table or in closed form, and the proven bounds on
// what it leaves out. L_k is the half perimeter of the inscribed polygon of
// n_k = 6 * 2^k sides, and
//   L_k = sum over i >= 0 of (-1)^i pi^(2i+1) / (2i+1)! * n_k^(-2i),
// so the table entry T(k, m) over L_(k-m) .. L_k cancels the terms i = 1..m.
// docs/richardson-remainder.md derives the bound and its tail.

#include "certified/arb.hpp"
#include "certified/arb_values.hpp"

#include <cstdint>
#include <deque>
#include <functional>

namespace certified::richardson {

// 63/20, after checking that the circumscribed 48-gon, enclosed at 64 bits,
// lies below it: a proven upper bound for pi.
void provenPiAbove(arb_ptr result);

// An upper bound of |T(row, depth) - pi|, for 0 <= depth <= row, given
// piAbove >= pi: the first term left out, over one minus the ratio that
// bounds every later term's ratio to the one before it.
void remainderBound(mag_ptr bound, std::int64_t row, std::int64_t depth, arb_srcptr piAbove);

// The same extrapolation over the squares of the half perimeters,
//   S_k = L_k^2 = n_k^2 sin^2(pi/n_k)
//       = sum over i >= 0 of (-1)^i 2^(2i+1) pi^(2i+2) / (2i+2)! * n_k^(-2i),
// an even series in 1/n_k too, whose T(k, m) tends to pi^2: an upper bound
// of |T(row, depth) - pi^2|, derived as remainderBound's (section 11 of the
// note). At depth m it is about 4^(m+1) / (m+2) times pi times
// remainderBound, so a step more may be needed for the same digits.
void squaresRemainderBound(mag_ptr bound, std::int64_t row, std::int64_t depth, arb_srcptr piAbove);

// log2 of remainderBound with 3.15 for pi, in binary64, for choosing
// precisions: an estimate, never part of a proof.
double log2RemainderBound(std::int64_t row, std::int64_t depth);

// log10 of squaresRemainderBound with 3.15 for pi, in binary64, for planning.
double log10SquaresRemainderBound(std::int64_t row, std::int64_t depth);

// T(k, m) over the squares, in closed form. S_j = n_j^2 (1 - c_j) / 2 with
// c_j = cos(2 pi/n_j), the apothem of the polygon before (1/2 before the
// hexagon): linear in the apothems, so the weighted sum
//   T(k, m) = (1/P_m) sum_(t=0..m) w_t S_(k-m+t),
//   w_t = (-1)^(m-t) 4^(t(t+1)/2) [m t]_4,
// P_m = (4^1 - 1)...(4^m - 1) and [m t]_4 = P_m / (P_t P_(m-t)), needs no
// multiplication of two long numbers: it is a Horner scheme in the ratios of
// consecutive weights,
//   w_(t-1) / w_t = -(4^t - 1) / (4^t (4^(m-t+1) - 1)),
// a shift, a subtraction and a division by a short integer a step, each
// only as long as the weight of the step is large beside the last one; one
// division by P_m at the end. docs/richardson-remainder.md, section 10.
class Extrapolation {
public:
    Extrapolation(slong precision, std::int64_t row, std::int64_t depth);

    // c_j for the next j from row - depth on. The apothem must carry about
    // 2j bits more than the result, which 1 - c_j loses.
    void addStep(arb_srcptr previousApothem);
    std::int64_t steps() const { return steps_; }

    // T(row, depth) over the squares, near pi^2, once depth + 1 steps are in.
    void value(arb_ptr result) const;

private:
    slong precision_;
    std::int64_t row_;
    std::int64_t depth_;
    std::int64_t steps_ = 0;
    Ball sum_; // the Horner sum, about 1 - c_j of the last step j
    Ball scratch_;
    Integer divisor_; // 4^(m-t+1) - 1
};

// The table, one row per half perimeter, without a division: column j holds
// S(k, j) = D_j T(k, j) with D_j = (4^1 - 1)(4^2 - 1)...(4^j - 1), so that
// S(k, j) = 4^j S(k, j - 1) - S(k - 1, j - 1), a shift and a subtraction;
// the one division by D_m comes at the end. Only the deepest column's D_j is
// kept: at a million digits the others would take a quarter of the memory.
class Table {
public:
    explicit Table(slong precision) : precision_(precision) {}

    // Adds L_k for the next k and computes S(k, j) for j up to
    // min(k, depthLimit); the next row may go one column deeper at most.
    // Column j at precision columnBits(j) where given (at most the table's):
    // the bits later rows still need of it.
    using ColumnBits = std::function<slong(std::int64_t column)>;
    void addRow(arb_srcptr halfPerimeter, std::int64_t depthLimit,
                const ColumnBits& columnBits = {});
    std::int64_t rows() const { return rows_; }

    // T(k, depth) for the last row k, with depth no deeper than that row went;
    // cheapest at the deepest column. At precision bits where given (the
    // column is rounded to them first), else at the table's.
    void entry(arb_ptr result, std::int64_t depth, slong bits = 0) const;

private:
    slong precision_;
    std::int64_t rows_ = 0;
    std::int64_t lastDepth_ = -1;
    // Deques: Ball and Integer neither copy nor move.
    std::deque<Ball> columns_; // S(k, j) of the last row k
    Integer deepestDivisor_;   // D_j for the deepest column j computed so far
    Ball carried_;
    Ball scratch_;
};

} // namespace certified::richardson

#pragma once

// Binary64 arithmetic with the checks that stand in for the floating-point
// exception state. Every check looks at the result of one operation: a NaN
// means an invalid operation, an infinity an overflow, or a division by zero
// when the divisor was zero. Underflow and inexact results pass.

#include "runtime/errors.hpp"

#include <cmath>

namespace runtime {

[[nodiscard]] inline double checked(double result) {
    if (!std::isfinite(result)) [[unlikely]] {
        raiseFloatingPointError(std::isnan(result) ? FloatingPointFault::InvalidOperation
                                                   : FloatingPointFault::Overflow);
    }
    return result;
}

[[nodiscard]] inline double checkedQuotient(double dividend, double divisor) {
    const double quotient = dividend / divisor;
    if (!std::isfinite(quotient)) [[unlikely]] {
        if (std::isnan(quotient)) {
            raiseFloatingPointError(FloatingPointFault::InvalidOperation);
        }
        raiseFloatingPointError(divisor == 0.0 ? FloatingPointFault::DivisionByZero
                                               : FloatingPointFault::Overflow);
    }
    return quotient;
}

// value to the power 2: the correctly rounded product value * value.
[[nodiscard]] inline double square(double value) {
    return value * value;
}

// The correctly rounded square root; a negative argument raises error 5.
[[nodiscard]] inline double squareRoot(double value) {
    if (value < 0.0) [[unlikely]] {
        raiseInvalidArgumentError();
    }
    return std::sqrt(value);
}

} // namespace runtime

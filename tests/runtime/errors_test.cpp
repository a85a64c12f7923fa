#include "runtime/arithmetic.hpp"
#include "runtime/errors.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

ErrorNumber errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    ADD_FAILURE() << "no error raised";
    return ErrorNumber{};
}

TEST(RuntimeError, CarriesItsNumberAndItalianDescription) {
    const RuntimeError overflow(ErrorNumber::Overflow);
    EXPECT_EQ(overflow.code(), 6);
    EXPECT_EQ(overflow.description(), "Overflow");
    EXPECT_STREQ(overflow.what(), "Errore di run-time '6': Overflow");
    EXPECT_EQ(RuntimeError(ErrorNumber::DivisionByZero).description(), "Divisione per zero");
    EXPECT_EQ(RuntimeError(ErrorNumber::InvalidProcedureCall).description(),
              "Chiamata di routine o argomento non validi");
}

TEST(CheckedArithmetic, MapsEachFaultToItsErrorNumber) {
    const double huge = std::numeric_limits<double>::max();
    EXPECT_EQ(errorOf([&] { (void)runtime::checked(huge * 2.0); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([&] { (void)runtime::checked(std::nan("")); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { (void)runtime::checkedQuotient(1.0, 0.0); }),
              ErrorNumber::DivisionByZero);
    EXPECT_EQ(errorOf([] { (void)runtime::checkedQuotient(-1.0, -0.0); }),
              ErrorNumber::DivisionByZero);
    EXPECT_EQ(errorOf([] { (void)runtime::checkedQuotient(0.0, 0.0); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([&] { (void)runtime::checkedQuotient(huge, 0.5); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { (void)runtime::squareRoot(-1.0); }), ErrorNumber::InvalidProcedureCall);
}

TEST(CheckedArithmetic, LetsUnderflowAndInexactResultsThrough) {
    EXPECT_EQ(runtime::checked(1e-300 * 1e-300), 0.0);
    EXPECT_EQ(runtime::checkedQuotient(1.0, 3.0), 1.0 / 3.0);
    EXPECT_EQ(runtime::squareRoot(-0.0), 0.0);
}

TEST(Square, IsTheCorrectlyRoundedProduct) {
    for (double x : {0.5, 0.2588190451025208, 1.0 / 3.0, 1e-150, 1e154}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(runtime::square(x), x * x);
    }
    EXPECT_EQ(runtime::squareRoot(2.0), std::sqrt(2.0));
}

} // namespace

#pragma once

// Run-time errors: the one way the calculation and the conversions report a
// failure. They carry a number and an Italian description from a single table;
// only the host layer turns them into a message for the user.

#include "runtime/translatable.hpp"

#include <exception>
#include <string>
#include <string_view>

namespace runtime {

enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
};

// The Italian description of an error number ("Overflow", "Divisione per zero"...).
std::string_view errorDescription(ErrorNumber number) noexcept;

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorNumber number);

    ErrorNumber number() const noexcept { return number_; }
    int code() const noexcept { return static_cast<int>(number_); }
    std::string_view description() const noexcept { return errorDescription(number_); }
    // "Errore di run-time '6': Overflow", in the user's language
    // (runtime::translated) when the error was raised.
    const char* what() const noexcept override { return what_.c_str(); }

private:
    ErrorNumber number_;
    std::string what_;
};

// The floating-point exceptions that the arithmetic checks catch. Underflow
// and inexact results are never faults.
enum class FloatingPointFault {
    InvalidOperation, // error 6
    DivisionByZero,   // error 11
    Overflow,         // error 6
};

// Failures that are not run-time errors of the calculation, numbered as the
// run-time errors are: running out of memory, and anything unforeseen.
inline constexpr int outOfMemoryNumber = 7;
inline constexpr const char* outOfMemoryDescription =
    LAVORO1_TRANSLATABLE("runtime", "Memoria esaurita");
inline constexpr int internalErrorNumber = 51;
inline constexpr const char* internalErrorDescription =
    LAVORO1_TRANSLATABLE("runtime", "Errore interno");

// The report of a run-time error in a message box, in the user's language
// (runtime::translated): "Errore di run-time '<number>':", a blank line and
// description, a text of context "runtime".
std::string errorReport(int number, std::string_view description);

[[noreturn]] void raiseFloatingPointError(FloatingPointFault fault);
[[noreturn]] void raiseOverflowError();
[[noreturn]] void raiseInvalidArgumentError();

} // namespace runtime

#include "runtime/errors.hpp"

#include "runtime/translatable.hpp"

namespace runtime {

std::string_view errorDescription(ErrorNumber number) noexcept {
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return LAVORO1_TRANSLATABLE("runtime", "Chiamata di routine o argomento non validi");
    case ErrorNumber::Overflow:
        return LAVORO1_TRANSLATABLE("runtime", "Overflow");
    case ErrorNumber::DivisionByZero:
        return LAVORO1_TRANSLATABLE("runtime", "Divisione per zero");
    }
    return LAVORO1_TRANSLATABLE("runtime", "Errore definito dall'applicazione o dall'oggetto");
}

RuntimeError::RuntimeError(ErrorNumber number)
    : number_(number), what_(filled(translated("runtime", "Errore di run-time '%1': %2"),
                                    {std::to_string(static_cast<int>(number)),
                                     // Every description is a whole literal: data() ends it.
                                     translated("runtime", errorDescription(number).data())})) {}

std::string errorReport(int number, std::string_view description) {
    return filled(
        translated("runtime", "Errore di run-time '%1':\n\n%2"),
        {std::to_string(number), translated("runtime", std::string(description).c_str())});
}

void raiseFloatingPointError(FloatingPointFault fault) {
    throw RuntimeError(fault == FloatingPointFault::DivisionByZero ? ErrorNumber::DivisionByZero
                                                                   : ErrorNumber::Overflow);
}

void raiseOverflowError() {
    throw RuntimeError(ErrorNumber::Overflow);
}

void raiseInvalidArgumentError() {
    throw RuntimeError(ErrorNumber::InvalidProcedureCall);
}

} // namespace runtime

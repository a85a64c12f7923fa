#include "calc/form1_view.hpp"

#include "calc/compute_command.hpp"
#include "runtime/errors.hpp"

#include <new>

namespace calc {

std::string currentErrorReport() {
    try {
        throw;
    } catch (const runtime::RuntimeError& error) {
        return runtime::errorReport(error.code(), error.description());
    } catch (const std::bad_alloc&) {
        return runtime::errorReport(runtime::outOfMemoryNumber, runtime::outOfMemoryDescription);
    } catch (...) {
        return runtime::errorReport(runtime::internalErrorNumber,
                                    runtime::internalErrorDescription);
    }
}

Form1Outcome form1Outcome(Module1& module, std::string_view text,
                          std::string_view decimalSeparator) {
    Form1Outcome outcome;
    try {
        const ComputeOutcome computed = runComputeCommand(module, text, decimalSeparator);
        if (!computed.computed) {
            outcome.message = computed.warning;
            return outcome;
        }
        outcome.computed = true;
        outcome.steps = module.iterationCount;
        outcome.sides = computed.sides;
        outcome.lowerBound = computed.lowerBound;
        outcome.upperBound = computed.upperBound;
        outcome.announcement = runtime::filled(
            runtime::translated("explore::ExploreWindow", stepBoundsPattern),
            {std::to_string(outcome.steps), outcome.sides, outcome.lowerBound, outcome.upperBound});
    } catch (...) {
        outcome = Form1Outcome{};
        outcome.message = currentErrorReport();
    }
    return outcome;
}

} // namespace calc

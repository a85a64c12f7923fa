#include "calc/compute_command.hpp"

#include "runtime/arithmetic.hpp"
#include "runtime/conversions.hpp"

namespace calc {

std::string formatSides(const Module1& module, std::string_view decimalSeparator) {
    // The bounds belong to the polygon with half the current sides.
    return runtime::formatNumber(runtime::checked(module.sideCount / 2.0), sidesFormat,
                                 decimalSeparator);
}

std::string formatBound(double bound, std::string_view decimalSeparator) {
    return runtime::formatNumber(bound, boundFormat, decimalSeparator);
}

std::string tooFewStepsWarning() {
    return filledPattern(runtime::translated("calc", tooFewStepsPattern), stepRangeText());
}

StepCount readStepCount(std::string_view text) {
    StepCount read{.count = runtime::roundToInt32(runtime::valueOfText(text)), .warning = {}};
    if (read.count > maximumSteps) {
        read.warning = runtime::translated("calc", tooManyStepsWarning);
    } else if (read.count < minimumSteps) {
        read.warning = tooFewStepsWarning();
    }
    return read;
}

ComputeOutcome runComputeCommand(Module1& module, std::string_view text,
                                 std::string_view decimalSeparator) {
    module.sideCount = startSideCount;
    module.sideLength = startSideLength;
    const StepCount read = readStepCount(text);
    module.iterationCount = read.count;

    ComputeOutcome outcome;
    if (!read.warning.empty()) {
        module.warningText = read.warning;
        outcome.warning = module.warningText;
        return outcome;
    }

    module.DoublePolygons();
    outcome.computed = true;
    outcome.sides = formatSides(module, decimalSeparator);
    outcome.lowerBound = formatBound(module.lowerBound, decimalSeparator);
    outcome.upperBound = formatBound(module.upperBound, decimalSeparator);
    return outcome;
}

} // namespace calc

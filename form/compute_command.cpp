#include "form/compute_command.hpp"

#include "runtime/arithmetic.hpp"
#include "runtime/conversions.hpp"

namespace form {

std::string formatSides(const calc::Module1& module, std::string_view decimalSeparator) {
    // The bounds belong to the polygon with half the current sides.
    return runtime::formatNumber(runtime::checked(module.sideCount / 2.0), sidesFormat,
                                 decimalSeparator);
}

std::string formatBound(double bound, std::string_view decimalSeparator) {
    return runtime::formatNumber(bound, boundFormat, decimalSeparator);
}

ComputeOutcome runComputeCommand(calc::Module1& module, std::string_view text,
                                 std::string_view decimalSeparator) {
    module.sideCount = calc::startSideCount;
    module.sideLength = calc::startSideLength;
    module.iterationCount = runtime::roundToInt32(runtime::valueOfText(text));

    ComputeOutcome outcome;
    if (module.iterationCount > maximumSteps || module.iterationCount < minimumSteps) {
        module.warningText =
            module.iterationCount > maximumSteps ? tooManyStepsWarning : tooFewStepsWarning;
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

} // namespace form

#include "calc/module1.hpp"

#include "runtime/arithmetic.hpp"
#include "runtime/errors.hpp"

#include <limits>

namespace calc {

using runtime::checked;
using runtime::checkedQuotient;
using runtime::square;
using runtime::squareRoot;

void Module1::DoublePolygons() {
    const std::int32_t limit = iterationCount;
    stepIndex = 1;
    while (stepIndex <= limit) {
        const double halfSide = checked(sideLength / 2.0);
        apothem = squareRoot(checked(1.0 - square(halfSide)));
        outerSide = checkedQuotient(sideLength, apothem);
        lowerBound = checked(checked(sideCount * sideLength) / 2.0);
        upperBound = checked(checked(sideCount * outerSide) / 2.0);
        sagitta = checked(1.0 - apothem);
        // The new side from the old half side and the sagitta (Pythagoras).
        sideLength = squareRoot(checked(square(halfSide) + square(sagitta)));
        sideCount = checked(sideCount + sideCount);
        if (stepIndex == std::numeric_limits<std::int32_t>::max()) {
            runtime::raiseOverflowError();
        }
        ++stepIndex;
    }
}

} // namespace calc

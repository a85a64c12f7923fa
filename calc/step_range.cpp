#include "calc/step_range.hpp"

#include "calc/module1.hpp"

#include <cmath>

namespace calc {

std::string stepRangeText() {
    return "da " + std::to_string(minimumSteps) + " a " + std::to_string(maximumSteps);
}

double sidesAtStep(std::int32_t step) {
    return std::ldexp(startSideCount, step - 1);
}

} // namespace calc

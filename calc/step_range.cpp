#include "calc/step_range.hpp"

#include "calc/module1.hpp"

#include <cmath>

namespace calc {

std::string stepRangeText() {
    std::string text = stepRangePattern;
    text.replace(text.find("%1"), 2, std::to_string(minimumSteps));
    text.replace(text.find("%2"), 2, std::to_string(maximumSteps));
    return text;
}

double sidesAtStep(std::int32_t step) {
    return std::ldexp(startSideCount, step - 1);
}

} // namespace calc

#include "calc/step_range.hpp"

#include "calc/module1.hpp"

#include <cmath>

namespace calc {

std::string filledPattern(std::string_view pattern, std::string_view first,
                          std::string_view second) {
    return runtime::filled(pattern, {first, second});
}

std::string stepRangeText() {
    return filledPattern(runtime::translated("calc", stepRangePattern),
                         std::to_string(minimumSteps), std::to_string(maximumSteps));
}

double sidesAtStep(std::int32_t step) {
    return std::ldexp(startSideCount, step - 1);
}

} // namespace calc

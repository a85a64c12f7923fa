#include "calc/step_range.hpp"

#include "calc/module1.hpp"

#include <cmath>

namespace calc {

std::string filledPattern(std::string_view pattern, std::string_view first,
                          std::string_view second) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                                 (pattern[i + 1] == '1' || pattern[i + 1] == '2');
        if (placeholder) {
            text += pattern[i + 1] == '1' ? first : second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string stepRangeText() {
    return filledPattern(stepRangePattern, std::to_string(minimumSteps),
                         std::to_string(maximumSteps));
}

double sidesAtStep(std::int32_t step) {
    return std::ldexp(startSideCount, step - 1);
}

} // namespace calc

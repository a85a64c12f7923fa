#include "runtime/arithmetic.hpp"

namespace runtime {

double powerOf(double base, double exponent) {
    const double result = std::pow(base, exponent);
    if (std::isnan(result) && !std::isnan(base) && !std::isnan(exponent)) {
        raiseInvalidArgumentError();
    }
    return result;
}

} // namespace runtime

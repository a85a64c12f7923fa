#include "calc/proven_series.hpp"

#include "calc/step_range.hpp"
#include "runtime/translatable.hpp"

// Written by the build: calc::proven_digits.
#include "proven_series_digits.hpp"

#include <cstddef>
#include <cstdint>
#include <span>

namespace calc {
namespace {

// A native generator left from older sources would compile in other races.
static_assert(proven_digits::aimedAt == chartProvenDigits);
static_assert(proven_digits::lastStep == maximumSteps);

// A series from the digits each step proves beyond the step before.
DigitSeries seriesOf(const char* name, std::span<const std::uint8_t> increments) {
    DigitSeries series{name, {}};
    series.points.reserve(increments.size());
    int digits = 0;
    for (std::size_t i = 0; i < increments.size(); ++i) {
        digits += increments[i];
        series.points.push_back({static_cast<int>(i) + 1, static_cast<double>(digits)});
    }
    return series;
}

} // namespace

const std::vector<DigitSeries>& provenSeries() {
    static const std::vector<DigitSeries> series{
        seriesOf(LAVORO1_TRANSLATABLE("ConvergenceChart", "Dimostrate: raddoppi"),
                 proven_digits::doubling),
        seriesOf(LAVORO1_TRANSLATABLE("ConvergenceChart", "Dimostrate: Huygens"),
                 proven_digits::huygens),
        seriesOf(LAVORO1_TRANSLATABLE("ConvergenceChart", "Dimostrate: Richardson"),
                 proven_digits::richardson),
    };
    return series;
}

} // namespace calc

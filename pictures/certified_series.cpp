#include "pictures/certified_series.hpp"

#include "certified/certified_pi.hpp"
#include "runtime/translatable.hpp"

#include <utility>

namespace pictures {

std::vector<calc::DigitSeries> certifiedSeries(int digits, int lastStep) {
    const std::pair<certified::Method, const char*> methods[] = {
        {certified::Method::Doubling,
         LAVORO1_TRANSLATABLE("ConvergenceChart", "Dimostrate: raddoppi")},
        {certified::Method::Huygens,
         LAVORO1_TRANSLATABLE("ConvergenceChart", "Dimostrate: Huygens")},
        {certified::Method::Richardson,
         LAVORO1_TRANSLATABLE("ConvergenceChart", "Dimostrate: Richardson")},
    };
    std::vector<calc::DigitSeries> series;
    for (const auto& [method, name] : methods) {
        calc::DigitSeries line{name, {}};
        for (const certified::RaceRow& row : certified::race(method, digits)) {
            if (row.step > lastStep) {
                break;
            }
            line.points.push_back(
                {static_cast<int>(row.step), static_cast<double>(row.provenDigits)});
        }
        series.push_back(std::move(line));
    }
    return series;
}

} // namespace pictures

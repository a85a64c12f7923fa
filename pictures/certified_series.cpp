#include "pictures/certified_series.hpp"

#include "certified/certified_pi.hpp"

#include <string>
#include <utility>

namespace pictures {

std::vector<calc::DigitSeries> certifiedSeries(int digits, int lastStep) {
    std::vector<calc::DigitSeries> series;
    for (const certified::Method method :
         {certified::Method::Doubling, certified::Method::Huygens, certified::Method::Richardson}) {
        calc::DigitSeries line{"Dimostrate: " + std::string(certified::nameOf(method)), {}};
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

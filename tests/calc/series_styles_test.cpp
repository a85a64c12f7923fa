#include "calc/series_styles.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double encoded(double c) {
    c = std::clamp(c, 0.0, 1.0);
    return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055);
}

// The colour as a deuteranope sees it (Viénot, Brettel and Mollon 1999, in
// linear RGB), back in sRGB.
std::array<double, 3> asDeuteranopeSees(const calc::Rgb& colour) {
    const double r = linear(colour.red);
    const double g = linear(colour.green);
    const double b = linear(colour.blue);
    const double redGreen = 0.29275 * r + 0.70725 * g;
    return {encoded(redGreen), encoded(redGreen), encoded(-0.02234 * r + 0.02234 * g + b)};
}

// Every two series differ in marker and in dashes, and their colours stay at
// least this far apart (sRGB units) for a deuteranope, on light and on dark:
// the palette before this one had three pairs between 17 and 41.
constexpr double leastDeuteranopeDistance = 50.0;

TEST(ChartSeriesStyles, DifferWithoutColourAndForDeuteranopes) {
    const auto& styles = calc::chartSeriesStyles;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        for (std::size_t j = i + 1; j < styles.size(); ++j) {
            SCOPED_TRACE(std::to_string(i) + " and " + std::to_string(j));
            EXPECT_NE(styles[i].marker, styles[j].marker);
            EXPECT_FALSE(styles[i].dashes.count == styles[j].dashes.count &&
                         styles[i].dashes.lengths == styles[j].dashes.lengths);
            for (const bool dark : {false, true}) {
                const auto a = asDeuteranopeSees(dark ? styles[i].dark : styles[i].light);
                const auto b = asDeuteranopeSees(dark ? styles[j].dark : styles[j].light);
                EXPECT_GE(std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]),
                          leastDeuteranopeDistance)
                    << (dark ? "dark" : "light");
            }
        }
    }
}

} // namespace

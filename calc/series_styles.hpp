#pragma once

// How the convergence chart tells its series apart without relying on
// colour: each has a marker shape and a dash pattern of its own, and colours
// from a palette that stays distinct for colour-blind readers (Okabe and
// Ito's), in a set for light and one for dark backgrounds. Plain C++, so
// that the page draws the same series the same way.

#include <array>
#include <cstdint>

namespace calc {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

enum class SeriesMarker { Circle, Square, TriangleUp, Diamond, TriangleDown, Cross };

// Dashes as lengths in line widths, dash then gap; none for a solid line.
struct DashPattern {
    std::array<double, 4> lengths{};
    int count = 0; // lengths used: 0 (solid), 2 or 4
};

struct SeriesStyle {
    Rgb light; // on a white background, and in every export
    Rgb dark;  // on a dark background
    SeriesMarker marker = SeriesMarker::Circle;
    DashPattern dashes;
};

// The chart's series in the order it adds them: the binary64 lower bound,
// upper bound and width, then the digits proven by doubling, Huygens and
// Richardson.
inline constexpr std::array<SeriesStyle, 6> chartSeriesStyles{{
    {{0, 114, 178}, {86, 180, 233}, SeriesMarker::Circle, {}},
    {{213, 94, 0}, {230, 159, 0}, SeriesMarker::Square, {{6.0, 3.0}, 2}},
    {{0, 158, 115}, {0, 158, 115}, SeriesMarker::TriangleUp, {{1.5, 2.5}, 2}},
    {{204, 121, 167}, {204, 121, 167}, SeriesMarker::Diamond, {{6.0, 2.5, 1.5, 2.5}, 4}},
    {{230, 159, 0}, {240, 228, 66}, SeriesMarker::TriangleDown, {{10.0, 4.0}, 2}},
    {{86, 180, 233}, {213, 94, 0}, SeriesMarker::Cross, {{3.0, 2.0, 3.0, 6.0}, 4}},
}};

} // namespace calc

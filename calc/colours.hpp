#pragma once

// The colours of the drawing and the chart, light and dark: the desktop
// paints with them, the page styles its SVG with them, and every export
// takes the light ones. Plain C++, no Qt.

#include "calc/series_styles.hpp"

#include <array>
#include <cstddef>
#include <string>

namespace calc {

// The chart's series in the order they are added, in chartSeriesStyles'
// colours for the scheme.
inline constexpr std::size_t seriesColourCount = chartSeriesStyles.size();

struct PictureColours {
    Rgb background;
    Rgb text;
    Rgb frame; // the inset's frame, the marker, the axes, the run-out line
    Rgb circle;
    Rgb inscribed;
    Rgb circumscribed;
    Rgb grid; // the chart's grid, faint in both schemes
    std::array<Rgb, seriesColourCount> series;
};

PictureColours pictureColours(bool dark);

// colour as CSS and SVG write it: "#1f6fd0".
std::string hexColour(Rgb colour);

} // namespace calc

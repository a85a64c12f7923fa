#pragma once

// The colours of the drawing and the chart, light and dark: the desktop
// paints with them, the page styles its SVG with them, and every export
// takes the light ones. Plain C++, no Qt.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace calc {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The chart's six series in the order they are added: the bounds take the
// drawing's colours of the polygons they come from; the width is green and
// the proven digits (doubling, Huygens, Richardson) purple, amber and
// magenta, lighter on a dark background.
inline constexpr std::size_t seriesColourCount = 6;

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

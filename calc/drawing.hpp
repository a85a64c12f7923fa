#pragma once

// The numbers of the drawing of one step, apart from any surface: the
// polygons' vertices in the main view, the magnified inset's lines and its
// magnifications, and the texts written with numbers. Esplora, archimede's
// pictures and the page draw from these. Plain C++, no Qt; pixels with y
// pointing down.

#include <string>
#include <string_view>
#include <vector>

namespace calc {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// Drawn sides are never shorter than this, in pixels: a polygon whose sides
// would be shorter is drawn through every 2^j-th vertex, all of them exact
// vertices of the polygon. The drawn sides, under twice this long, stray from
// the polygon by at most side^2 / (8 radius): 0.02 px at a radius of 250 px.
inline constexpr double minimumSidePixels = 3.0;

// Angle subtended by half a side, pi / sides, from the two-term pi so that it
// is correct to the last bit even when sides is 10^151.
double halfSideAngle(int step);

// The two polygons of step on a circle of radius pixels centred at (0, 0):
// vertex k at radius * (cos, -sin)(2 pi k drawnEvery / n), the circumscribed
// one at the same angles and radius / cos(pi / n).
struct DrawnPolygons {
    double drawnEvery = 1.0; // 1, or 2^j when only every 2^j-th vertex is drawn
    std::vector<Point> inscribed;
    std::vector<Point> circumscribed;
};
DrawnPolygons drawnPolygons(int step, double radius);

// Where the followed side's arc lies in the main view, from the centre: the
// middle of the arc of the side from vertex 0 to vertex 1.
Point followedArcMiddle(int step, double radius);

// The inset's magnifications at step, fixed rungs of a ladder of powers of
// ten whatever the screen: the frame is 1 / along radii wide and 1 / across
// radii high. Each is the largest power of ten (at least 1) that leaves the
// followed side, along, or the gap between the polygons, across, inside the
// frame: the side halves at every step and the gap shrinks to a quarter, so
// the inset shows them shrinking until the next rung.
struct InsetZooms {
    int alongExponent = 0;
    int acrossExponent = 0;
    double along = 1.0;  // 10^alongExponent
    double across = 1.0; // 10^acrossExponent
};
InsetZooms insetZooms(int step);

// The inset of step in a frame of width x height pixels at insetZooms(step):
// the circle's arc and the polygons' sides near the followed one (their
// vertices up to the first outside the frame either way, the followed
// side's the middle two), as open polylines in pixels from the frame's top
// left; they may leave the frame, which clips them. The circumscribed side
// touches the arc at the frame's middle, a fifth of the height from the top.
struct Inset {
    std::vector<Point> circle;
    std::vector<Point> inscribed;
    std::vector<Point> circumscribed;
    double alongZoom = 0.0;  // insetZooms(step).along
    double acrossZoom = 0.0; // insetZooms(step).across
};
Inset insetOf(int step, double width, double height);
// The page's binding still passes the main view's radius, which no longer
// changes the inset.
inline Inset insetOf(int step, double width, double height, double /*radius*/) {
    return insetOf(step, width, height);
}

// The drawing's texts: type fontPixels high on lines lineHeight apart, each
// baseline baselineLift above the bottom of its line; the legend's sample of
// each line swatchLength long and its name labelIndent from the sample's
// start. Windows and pictures write them in 13 px type.
struct DrawingText {
    double fontPixels = 13.0;
    double lineHeight = 18.0;
    double baselineLift = 4.0;
    double swatchLength = 24.0;
    double labelIndent = 32.0;
};
inline constexpr DrawingText drawingText{};
// Type for the back of a room, in full screen, on a screen roomScreenHeight
// pixels high; other screens scale it with their height, so that a
// projector's picture reads alike from the back whatever its resolution.
inline constexpr double roomScreenHeight = 1080.0;
inline constexpr double largeDrawingFontPixels = 24.0;
// The texts in type fontPixels high, spaced in proportion.
DrawingText drawingTextOf(double fontPixels);

// Where the drawing's parts stand in a picture, in pixels from its top left:
// the circle, the title and legend (four lines), the square inset and its
// captions, and where the line from the marker meets the inset.
inline constexpr double drawingMargin = 10.0;
inline constexpr double drawingLineHeight = drawingText.lineHeight;
// The inset's caption: side and gap magnifications, and why they grow.
inline constexpr int drawingCaptionLines = 3;

struct DrawingLayout {
    Point centre;
    double radius = 0.0;
    Point textOrigin;
    Point insetOrigin; // the inset's top left
    double insetSide = 0.0;
    Point captionOrigin;
    Point leaderEnd;
    // The texts' type scaled by this, where even the whole width is narrower
    // than they are.
    double textScale = 1.0;
};

// The circle as large as width x height allows, with the texts and the inset
// in a column at its right or in a row below it, whichever leaves it larger;
// the texts get at least textWidth pixels either way, and their lines are
// text.lineHeight apart.
DrawingLayout drawingLayout(double width, double height, double textWidth,
                            const DrawingText& text = drawingText);

// Under this width a picture stacks its parts one under the other, as on a
// phone: the circle across the width, the texts, the inset and its captions.
inline constexpr double stackedBelowWidth = 600.0;
// The height a stacked picture width wide needs.
double stackedDrawingHeight(double width);
// The captions stand under the inset, from its left edge, or further left
// when they need textWidth pixels; where they need more than the whole width
// between the margins, the texts' type shrinks, as a picture's texts shrink
// to fit, to no less than smallestTextScale of its size.
inline constexpr double smallestTextScale = 0.75;
DrawingLayout stackedDrawingLayout(double width, double textWidth);

// The texts at their widest, whatever the step, so that a layout made for
// them stays the same from step to step: the title at the last step whose
// sides are written in full, and the captions with three-digit exponents.
inline constexpr int lastStepWithSidesInFull = 50;
inline constexpr double widestZoom = 1e301;

// The sides of step as the drawing's title writes them: in full up to
// lastStepWithSidesInFull ("1688849860263936"), from there in the window's
// format ("1,351E+16").
std::string drawnSidesText(int step, std::string_view decimalSeparator);

// A magnification as the inset's caption writes it: "12,5" below a
// thousand and a power of ten from there, "1,23·10²⁹⁹" (UTF-8): three
// significant digits, as many as the picture can be measured to. The
// inset's, exact powers of ten, read "10,0" and "1,00·10²⁹⁹".
std::string zoomText(double zoom, std::string_view decimalSeparator);

} // namespace calc

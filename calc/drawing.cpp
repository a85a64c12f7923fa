#include "calc/drawing.hpp"

#include "calc/compute_command.hpp"
#include "calc/digits.hpp"
#include "calc/number_formats.hpp"
#include "calc/step_range.hpp"
#include "runtime/number_format.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace calc {
namespace {

constexpr double twoPi = 2.0 * piHigh;
constexpr double insetTangentLevel = 0.2; // share of the height above the tangent
constexpr int insetCirclePoints = 96;

// 1 - cos(x) without cancellation: 2 sin^2(x / 2).
double versine(double x) {
    const double s = std::sin(x / 2.0);
    return 2.0 * s * s;
}

} // namespace

double halfSideAngle(int step) {
    return std::ldexp(piHigh / 6.0 + piLow / 6.0, 1 - step);
}

DrawnPolygons drawnPolygons(int step, double radius) {
    DrawnPolygons polygons;
    int drawnStep = step;
    while (drawnStep > minimumSteps &&
           2.0 * radius * std::sin(halfSideAngle(drawnStep)) < minimumSidePixels) {
        --drawnStep;
    }
    polygons.drawnEvery = std::ldexp(1.0, step - drawnStep);
    const auto drawn = static_cast<int>(sidesAtStep(drawnStep));
    const double outerRadius = radius / std::cos(halfSideAngle(step));
    polygons.inscribed.reserve(static_cast<std::size_t>(drawn));
    polygons.circumscribed.reserve(static_cast<std::size_t>(drawn));
    for (int k = 0; k < drawn; ++k) {
        // The k-th drawn vertex is the (k * drawnEvery)-th of the polygon, at
        // the same angle, which two roundings put within 1e-15 radians of
        // 2 pi k / drawn: a billionth of a pixel.
        const double angle = twoPi * (static_cast<double>(k) / static_cast<double>(drawn));
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        polygons.inscribed.push_back({radius * c, -radius * s});
        polygons.circumscribed.push_back({outerRadius * c, -outerRadius * s});
    }
    return polygons;
}

Point followedArcMiddle(int step, double radius) {
    const double alpha = halfSideAngle(step);
    return {radius * std::cos(alpha), -radius * std::sin(alpha)};
}

namespace {

// The largest power of ten, at least 1, that draws length at most mostShare
// of the frame: it then fills between a tenth of that and that.
int insetZoomExponent(double length, double mostShare) {
    return std::max(0, static_cast<int>(std::floor(std::log10(mostShare / length))));
}

} // namespace

InsetZooms insetZooms(int step) {
    const double alpha = halfSideAngle(step);
    InsetZooms zooms;
    // The side fills up to nine tenths of the width; the gap, below the
    // tangent a fifth of the way down, up to seven tenths of the height.
    zooms.alongExponent = insetZoomExponent(2.0 * std::sin(alpha), 0.9);
    zooms.acrossExponent = insetZoomExponent(versine(alpha), 0.7);
    zooms.along = std::pow(10.0, zooms.alongExponent);
    zooms.across = std::pow(10.0, zooms.acrossExponent);
    return zooms;
}

// The inset follows the side from vertex 0 to vertex 1, centred on the
// side's middle at polar angle alpha = pi / n: x along the tangent there,
// y outwards, both in radii. The frame's width is 1 / along radii and its
// height 1 / across radii, so x and y go to pixels as products of small
// quantities (sin phi, the versine) and large powers of ten, each written
// without cancellation: at step 500 the sagitta is 5e-302, still a normal
// number, and across 10^301.
Inset insetOf(int step, double width, double height) {
    Inset inset;
    const double alpha = halfSideAngle(step);
    const InsetZooms zooms = insetZooms(step);
    inset.alongZoom = zooms.along;
    inset.acrossZoom = zooms.across;
    const double xPixels = width * zooms.along;   // pixels per radius along
    const double yPixels = height * zooms.across; // pixels per radius across
    const double halfWidth = 0.5 / zooms.along;   // radii either way of the middle
    const Point origin{width / 2.0, insetTangentLevel * height};
    // The side lies level, the centre of the circle below.
    const auto toPixels = [&](double x, double y) {
        return Point{origin.x + x * xPixels, origin.y - y * yPixels};
    };

    // A point at polar angle alpha + phi and radius r: along the tangent
    // r sin phi, outwards r cos phi - 1. On the circle the latter is
    // -versine(phi); on the circumscribed polygon's circle, r = 1 / cos alpha,
    // it is -2 sin((phi + alpha) / 2) sin((phi - alpha) / 2) / cos alpha.
    const auto onCircle = [&](double phi) { return toPixels(std::sin(phi), -versine(phi)); };
    const auto onOuter = [&](double phi) {
        const double outwards =
            -2.0 * std::sin((phi + alpha) / 2.0) * std::sin((phi - alpha) / 2.0) / std::cos(alpha);
        return toPixels(std::sin(phi) / std::cos(alpha), outwards);
    };

    for (int i = 0; i <= insetCirclePoints; ++i) {
        const double x = halfWidth * (2.0 * i / insetCirclePoints - 1.0);
        inset.circle.push_back(onCircle(std::asin(x)));
    }
    // Vertices at phi = +-alpha, +-3 alpha, ...: the followed side and its
    // neighbours, up to the first vertex either way outside the frame.
    int last = 1;
    while (last * alpha < piHigh / 2.0 && std::sin(last * alpha) < halfWidth) {
        last += 2;
    }
    for (int k = -last; k <= last; k += 2) {
        inset.inscribed.push_back(onCircle(k * alpha));
        inset.circumscribed.push_back(onOuter(k * alpha));
    }
    return inset;
}

std::string drawnSidesText(int step, std::string_view decimalSeparator) {
    if (step <= lastStepWithSidesInFull) {
        return std::to_string(static_cast<long long>(sidesAtStep(step)));
    }
    return runtime::formatNumber(sidesAtStep(step), sidesFormat, decimalSeparator);
}

std::string zoomText(double zoom, std::string_view decimalSeparator) {
    if (zoom < 1000.0) {
        return runtime::formatNumber(zoom, zoomFormat, decimalSeparator);
    }
    // "1,23E+299": the mantissa, then the exponent, positive here.
    const std::string scientific = runtime::formatNumber(zoom, largeZoomFormat, decimalSeparator);
    const std::size_t marker = scientific.rfind('E');
    static constexpr const char* superscripts[] = {"⁰", "¹", "²", "³", "⁴",
                                                   "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string power = scientific.substr(0, marker) + "·10";
    for (const char digit : std::to_string(std::atoi(scientific.c_str() + marker + 1))) {
        power += superscripts[digit - '0'];
    }
    return power;
}

namespace {

// Circumradius over inradius of the hexagon: the widest circumscribed polygon.
double hexagonSecant() {
    return 1.0 / std::cos(piHigh / 6.0);
}

// The inset of a stacked picture is never wider than this.
constexpr double stackedInsetSide = 320.0;

} // namespace

DrawingText drawingTextOf(double fontPixels) {
    const double scale = fontPixels / drawingText.fontPixels;
    return {.fontPixels = fontPixels,
            .lineHeight = scale * drawingText.lineHeight,
            .baselineLift = scale * drawingText.baselineLift,
            .swatchLength = scale * drawingText.swatchLength,
            .labelIndent = scale * drawingText.labelIndent};
}

DrawingLayout drawingLayout(double width, double height, double textWidth,
                            const DrawingText& text) {
    constexpr double margin = drawingMargin;
    const double textHeight = 4.0 * text.lineHeight;
    const double captionHeight = drawingCaptionLines * text.lineHeight;
    const double columnWidth = std::max(textWidth, std::clamp(0.34 * width, 220.0, 320.0));
    const double besideDiameter =
        std::min(height - 2.0 * margin, width - 3.0 * margin - columnWidth);
    // A row below the circle holds at least the title, the legend and, under
    // them, the captions.
    const double rowHeight =
        std::max(std::clamp(0.34 * height, 200.0, 300.0), textHeight + margin + captionHeight);
    const double belowDiameter = std::min(width - 2.0 * margin, height - 3.0 * margin - rowHeight);

    DrawingLayout layout;
    if (besideDiameter >= belowDiameter) {
        const double diameter = std::max(40.0, besideDiameter);
        layout.centre = {margin + diameter / 2.0, height / 2.0};
        layout.radius = diameter / 2.0 / hexagonSecant();
        const double left = 2.0 * margin + diameter;
        const double top = 2.0 * margin + textHeight;
        layout.insetSide = std::max(
            40.0, std::min(width - margin - left, height - top - captionHeight - 2.0 * margin));
        layout.textOrigin = {left, margin};
        layout.insetOrigin = {left, top};
        layout.captionOrigin = {left, top + layout.insetSide};
        layout.leaderEnd = {left, top + layout.insetSide / 2.0};
    } else {
        const double diameter = std::max(40.0, belowDiameter);
        layout.centre = {width / 2.0, margin + diameter / 2.0};
        layout.radius = diameter / 2.0 / hexagonSecant();
        const double top = 2.0 * margin + diameter;
        layout.insetSide = std::max(40.0, std::min({height - margin - top, width / 2.0 - margin,
                                                    width - 3.0 * margin - textWidth}));
        layout.textOrigin = {margin, top};
        layout.insetOrigin = {width - margin - layout.insetSide, top};
        layout.captionOrigin = {margin, top + textHeight + margin};
        layout.leaderEnd = {width - margin - layout.insetSide / 2.0, top};
    }
    return layout;
}

double stackedDrawingHeight(double width) {
    const double inner = width - 2.0 * drawingMargin;
    return inner + 4.0 * drawingLineHeight + std::min(inner, stackedInsetSide) +
           drawingCaptionLines * drawingLineHeight + 5.0 * drawingMargin;
}

DrawingLayout stackedDrawingLayout(double width, double textWidth) {
    const double diameter = width - 2.0 * drawingMargin;
    const double textTop = 2.0 * drawingMargin + diameter;
    const double side = std::min(diameter, stackedInsetSide);
    const double top = textTop + 4.0 * drawingLineHeight + drawingMargin;
    const double insetLeft = (width - side) / 2.0;
    const double captionLeft =
        std::max(drawingMargin, std::min(insetLeft, width - drawingMargin - textWidth));
    return {.centre = {width / 2.0, drawingMargin + diameter / 2.0},
            .radius = diameter / 2.0 / hexagonSecant(),
            .textOrigin = {drawingMargin, textTop},
            .insetOrigin = {insetLeft, top},
            .insetSide = side,
            .captionOrigin = {captionLeft, top + side},
            .leaderEnd = {width / 2.0, top},
            .textScale =
                textWidth > diameter ? std::max(smallestTextScale, diameter / textWidth) : 1.0};
}

} // namespace calc

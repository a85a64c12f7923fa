#pragma once

// The drawing of one step: the unit circle, the inscribed and circumscribed
// polygons of 6 * 2^(step - 1) sides, and an inset that follows one side's arc,
// magnified until circle and polygons are pixels apart. Built as plain
// geometry in device pixels, then painted: the window, the exports and the
// tests all use the same scene.

#include "calc/colours.hpp"
#include "calc/drawing.hpp"
#include "calc/step_range.hpp"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <string_view>

class QPainter;

namespace pictures {

// The core computes the drawing's numbers (calc/drawing.hpp); the scene
// places them and paints them.
using calc::halfSideAngle;
using calc::minimumSidePixels;

struct PolygonScene {
    int step = 0;
    double sides = 0.0;      // of both polygons
    double drawnEvery = 1.0; // 1, or 2^j when only every 2^j-th vertex is drawn
    QSizeF size;
    QPointF centre; // of the circle, in pixels
    double radius = 0.0;
    QPolygonF inscribed;     // vertex k at centre + radius * (cos, -sin)(2 pi k drawnEvery / n)
    QPolygonF circumscribed; // same angles, radius / cos(pi / n)

    calc::DrawingText text; // the type and spacing of the texts below
    QString title;          // "Passo n: m lati"
    QString legend[3];      // circle, inscribed, circumscribed
    QPointF marker;         // where the inset's side lies in the main view
    QPointF leaderEnd;      // where the line from the marker meets the inset
    QPointF textOrigin;     // top left of the title and legend
    QPointF captionOrigin;  // top left of the inset's two lines

    // The inset at the step's rungs of magnification (calc::insetZooms),
    // whatever the drawing's size: the circumscribed side touches the arc at
    // the frame's middle, and the gap to the inscribed side shrinks from
    // step to step until the next rung.
    QRectF insetFrame;
    // In inset pixels: the circle's arc, and the polygons' sides near the
    // followed one (their vertices in view only), as open polylines.
    QPolygonF insetCircle;
    QPolygonF insetInscribed;
    QPolygonF insetCircumscribed;
    double alongZoom = 0.0;                          // the frame is 1 / alongZoom radii wide
    double acrossZoom = 0.0;                         // and 1 / acrossZoom radii high
    QString insetCaption[calc::drawingCaptionLines]; // both magnifications, as powers of ten, and
                                                     // why they grow
};

// The scene of step (1 to 500) in a drawing of size pixels, its texts in
// text's type; numbers are written with decimalSeparator.
PolygonScene makeScene(int step, QSizeF size, std::string_view decimalSeparator,
                       const calc::DrawingText& text = calc::drawingText);

// A colour of the core's, for Qt.
QColor qColour(calc::Rgb colour);

struct SceneColours {
    QColor background;
    QColor text;
    QColor frame;
    QColor circle;
    QColor inscribed;
    QColor circumscribed;
};

// Dark text on white: the colours of every exported picture.
SceneColours lightColours();
// Light text on a dark background, for a dark desktop.
SceneColours darkColours();

// The font of the drawing's texts, the same on every machine.
QFont sceneFont(double pixels = calc::drawingText.fontPixels);

void paintScene(QPainter& painter, const PolygonScene& scene, const SceneColours& colours);

} // namespace pictures

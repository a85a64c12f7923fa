#include "pictures/polygon_scene.hpp"

#include "calc/compute_command.hpp"
#include "calc/digits.hpp"
#include "calc/number_formats.hpp"
#include "calc/view_texts.hpp"
#include "runtime/host/translation.hpp"
#include "runtime/number_format.hpp"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pictures {

using runtime::host::translatedText;

namespace {

QString qString(const std::string& text) {
    return QString::fromStdString(text);
}

QString sidesText(int step, std::string_view separator) {
    return qString(calc::drawnSidesText(step, separator));
}

QString zoomText(double zoom, std::string_view separator) {
    return qString(calc::zoomText(zoom, separator));
}

QString zoomCaption(int line, double zoom, std::string_view separator) {
    const QString pattern = line == 0 ? translatedText("PolygonScene", calc::alongZoomPattern)
                                      : translatedText("PolygonScene", calc::acrossZoomPattern);
    return pattern.arg(zoomText(zoom, separator));
}

// Why the magnifications climb from rung to rung.
QString zoomReason() {
    return translatedText("PolygonScene", calc::zoomReason);
}

// The parts of polyline inside frame. Clipped here rather than by the
// painter, because not every paint engine clips (SVG output does not).
QList<QPolygonF> clipped(const QPolygonF& polyline, const QRectF& frame) {
    QList<QPolygonF> pieces;
    QPolygonF piece;
    for (qsizetype i = 1; i < polyline.size(); ++i) {
        // Liang-Barsky: the part of segment a + t (b - a), 0 <= t <= 1, in frame.
        const QPointF a = polyline[i - 1];
        const QPointF d = polyline[i] - a;
        double enter = 0.0;
        double leave = 1.0;
        const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
        const double q[4] = {a.x() - frame.left(), frame.right() - a.x(), a.y() - frame.top(),
                             frame.bottom() - a.y()};
        for (int edge = 0; edge < 4 && enter <= leave; ++edge) {
            if (p[edge] == 0.0) {
                if (q[edge] < 0.0) {
                    leave = -1.0;
                }
            } else if (const double t = q[edge] / p[edge]; p[edge] < 0.0) {
                enter = std::max(enter, t);
            } else {
                leave = std::min(leave, t);
            }
        }
        if (enter > leave) {
            if (!piece.isEmpty()) {
                pieces.append(piece);
                piece.clear();
            }
            continue;
        }
        if (piece.isEmpty() || enter > 0.0) {
            if (!piece.isEmpty()) {
                pieces.append(piece);
            }
            piece = QPolygonF{a + enter * d};
        }
        piece.append(a + leave * d);
        if (leave < 1.0) {
            pieces.append(piece);
            piece.clear();
        }
    }
    if (!piece.isEmpty()) {
        pieces.append(piece);
    }
    return pieces;
}

QPolygonF polygonOf(const std::vector<calc::Point>& points, QPointF origin) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const calc::Point& point : points) {
        polygon.append(origin + QPointF(point.x, point.y));
    }
    return polygon;
}

// The main view: the two polygons through every drawnEvery-th vertex.
void addPolygons(PolygonScene& scene, int step) {
    const calc::DrawnPolygons polygons = calc::drawnPolygons(step, scene.radius);
    scene.drawnEvery = polygons.drawnEvery;
    scene.inscribed = polygonOf(polygons.inscribed, scene.centre);
    scene.circumscribed = polygonOf(polygons.circumscribed, scene.centre);
}

void addInset(PolygonScene& scene, std::string_view separator) {
    const QRectF& frame = scene.insetFrame;
    const calc::Inset inset = calc::insetOf(scene.step, frame.width(), frame.height());
    scene.alongZoom = inset.alongZoom;
    scene.acrossZoom = inset.acrossZoom;
    scene.insetCircle = polygonOf(inset.circle, frame.topLeft());
    scene.insetInscribed = polygonOf(inset.inscribed, frame.topLeft());
    scene.insetCircumscribed = polygonOf(inset.circumscribed, frame.topLeft());
    scene.insetCaption[0] = zoomCaption(0, scene.alongZoom, separator);
    scene.insetCaption[1] = zoomCaption(1, scene.acrossZoom, separator);
    scene.insetCaption[2] = zoomReason();
}

QString titleOf(int step, std::string_view separator) {
    return translatedText("PolygonScene", calc::drawingTitlePattern)
        .arg(step)
        .arg(sidesText(step, separator));
}

// The width of the widest line the texts can hold at any step. Measured
// once for each set of texts and size of type: shaping them again at every
// frame of a play would cost more than the rest of the scene.
double widestText(std::string_view separator, double fontPixels) {
    const QString lines[] = {titleOf(calc::lastStepWithSidesInFull, separator),
                             zoomCaption(0, calc::widestZoom, separator),
                             zoomCaption(1, calc::widestZoom, separator), zoomReason()};
    struct Measured {
        QString lines;
        double fontPixels = 0.0;
        double width = 0.0;
    };
    thread_local Measured last;
    const QString joined = lines[0] + QLatin1Char('\n') + lines[1] + QLatin1Char('\n') + lines[2] +
                           QLatin1Char('\n') + lines[3];
    if (joined != last.lines || fontPixels != last.fontPixels) {
        const QFontMetricsF metrics(sceneFont(fontPixels));
        double width = 0.0;
        for (const QString& line : lines) {
            width = std::max(width, metrics.horizontalAdvance(line));
        }
        last = {joined, fontPixels, width};
    }
    return last.width;
}

// The core's layout, in Qt's types.
void layOut(PolygonScene& scene, QSizeF size, double textWidth) {
    const calc::DrawingLayout layout =
        calc::drawingLayout(size.width(), size.height(), textWidth, scene.text);
    const auto point = [](calc::Point p) { return QPointF(p.x, p.y); };
    scene.centre = point(layout.centre);
    scene.radius = layout.radius;
    scene.textOrigin = point(layout.textOrigin);
    scene.insetFrame =
        QRectF(point(layout.insetOrigin), QSizeF(layout.insetSide, layout.insetSide));
    scene.captionOrigin = point(layout.captionOrigin);
    scene.leaderEnd = point(layout.leaderEnd);
}

} // namespace

PolygonScene makeScene(int step, QSizeF size, std::string_view decimalSeparator,
                       const calc::DrawingText& text) {
    PolygonScene scene;
    scene.step = std::clamp(step, calc::minimumSteps, calc::maximumSteps);
    scene.sides = calc::sidesAtStep(scene.step);
    scene.size = size;
    scene.text = text;

    layOut(scene, size, widestText(decimalSeparator, text.fontPixels));
    addPolygons(scene, scene.step);
    const calc::Point arcMiddle = calc::followedArcMiddle(scene.step, scene.radius);
    scene.marker = scene.centre + QPointF(arcMiddle.x, arcMiddle.y);

    scene.title = titleOf(scene.step, decimalSeparator);
    scene.legend[0] = translatedText("PolygonScene", calc::drawingLegend[0]);
    scene.legend[1] = translatedText("PolygonScene", calc::drawingLegend[1]);
    scene.legend[2] = translatedText("PolygonScene", calc::drawingLegend[2]);

    addInset(scene, decimalSeparator);
    return scene;
}

QColor qColour(calc::Rgb colour) {
    return {colour.red, colour.green, colour.blue};
}

SceneColours sceneColours(const calc::PictureColours& colours) {
    return {.background = qColour(colours.background),
            .text = qColour(colours.text),
            .frame = qColour(colours.frame),
            .circle = qColour(colours.circle),
            .inscribed = qColour(colours.inscribed),
            .circumscribed = qColour(colours.circumscribed)};
}

SceneColours lightColours() {
    return sceneColours(calc::pictureColours(false));
}

SceneColours darkColours() {
    return sceneColours(calc::pictureColours(true));
}

QFont sceneFont(double pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(std::lround(pixels)));
    // Hinting follows the platform's settings; without it the glyphs are
    // the same on a desktop and offscreen.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintScene(QPainter& painter, const PolygonScene& scene, const SceneColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(sceneFont(scene.text.fontPixels));
    painter.fillRect(QRectF(QPointF(0, 0), scene.size), colours.background);

    const auto pen = [](const QColor& colour, double width) {
        QPen made(colour, width);
        made.setJoinStyle(Qt::MiterJoin);
        return made;
    };
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(colours.circle, 1.5));
    painter.drawEllipse(scene.centre, scene.radius, scene.radius);
    painter.setPen(pen(colours.inscribed, 1.5));
    painter.drawPolygon(scene.inscribed);
    painter.setPen(pen(colours.circumscribed, 1.5));
    painter.drawPolygon(scene.circumscribed);

    // The marker of the followed side, and its leader to the inset.
    const QRectF& frame = scene.insetFrame;
    painter.setPen(pen(colours.frame, 1.0));
    painter.drawRect(QRectF(scene.marker - QPointF(6, 6), QSizeF(12, 12)));
    painter.drawLine(scene.marker, scene.leaderEnd);

    // Title and legend.
    const calc::DrawingText& text = scene.text;
    const double left = scene.textOrigin.x();
    double baseline = scene.textOrigin.y() + text.lineHeight - text.baselineLift;
    painter.setPen(colours.text);
    painter.drawText(QPointF(left, baseline), scene.title);
    const QColor swatches[3] = {colours.circle, colours.inscribed, colours.circumscribed};
    for (int i = 0; i < 3; ++i) {
        baseline += text.lineHeight;
        const double swatchY = baseline - text.baselineLift;
        painter.setPen(pen(swatches[i], 3.0));
        painter.drawLine(QPointF(left, swatchY), QPointF(left + text.swatchLength, swatchY));
        painter.setPen(colours.text);
        painter.drawText(QPointF(left + text.labelIndent, baseline), scene.legend[i]);
    }

    painter.setPen(pen(colours.frame, 1.0));
    painter.drawRect(frame);
    const std::pair<const QPolygonF*, QColor> lines[] = {
        {&scene.insetCircle, colours.circle},
        {&scene.insetInscribed, colours.inscribed},
        {&scene.insetCircumscribed, colours.circumscribed},
    };
    for (const auto& [line, colour] : lines) {
        painter.setPen(pen(colour, 1.5));
        for (const QPolygonF& piece : clipped(*line, frame)) {
            painter.drawPolyline(piece);
        }
    }
    painter.setPen(colours.text);
    baseline = scene.captionOrigin.y() + text.lineHeight;
    for (const QString& line : scene.insetCaption) {
        painter.drawText(QPointF(scene.captionOrigin.x(), baseline), line);
        baseline += text.lineHeight;
    }
    painter.restore();
}

} // namespace pictures

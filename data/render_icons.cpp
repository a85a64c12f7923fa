// Writes the application icon: a circle between its inscribed and its
// circumscribed hexagon, the figure every calculation starts from. The SVG and
// the PNGs come from the one geometry below, so they always agree.
// Usage: lavoro1_render_icons <data/icons folder>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

constexpr double canvas = 32.0; // icon units: the SVG view box and the 32 px image
constexpr double centre = canvas / 2.0;
constexpr double outerVertexRadius = 15.5; // circumscribed hexagon, corner to centre
constexpr int sides = 6;
const double circleRadius = outerVertexRadius * std::cos(std::numbers::pi / sides);
constexpr double strokeWidth = 1.5;

const QColor outerFill(0xc6, 0xdb, 0xf0);
const QColor outerStroke(0x1f, 0x4e, 0x8c);
const QColor circleFill(0xff, 0xff, 0xff);
const QColor circleStroke(0xc0, 0x39, 0x2b);
const QColor innerFill(0xf6, 0xd3, 0x65);
const QColor innerStroke(0x7a, 0x55, 0x00);
// Where the icon is opaque: the tile behind the figure, and how far from
// the tile's centre the figure's corners stand, a share of its width.
const QColor tileFill(0xff, 0xff, 0xff);
constexpr double tileCornerRadius = 0.4;

// Corners of a regular hexagon with corners at 0, 60, ... 300 degrees.
QPolygonF hexagon(double vertexRadius) {
    QPolygonF corners;
    for (int k = 0; k < sides; ++k) {
        const double angle = 2.0 * std::numbers::pi * k / sides;
        corners << QPointF(centre + vertexRadius * std::cos(angle),
                           centre - vertexRadius * std::sin(angle));
    }
    return corners;
}

QString svgPoints(const QPolygonF& polygon) {
    QStringList points;
    for (const QPointF& p : polygon) {
        points << QStringLiteral("%1,%2").arg(p.x(), 0, 'f', 3).arg(p.y(), 0, 'f', 3);
    }
    return points.join(QLatin1Char(' '));
}

QString svgIcon() {
    const QString stroke = QString::number(strokeWidth);
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
               "viewBox=\"0 0 %1 %1\">\n"
               "  <polygon points=\"%2\" fill=\"%3\" stroke=\"%4\" stroke-width=\"%5\" "
               "stroke-linejoin=\"round\"/>\n"
               "  <circle cx=\"%6\" cy=\"%6\" r=\"%7\" fill=\"%8\" stroke=\"%9\" "
               "stroke-width=\"%5\"/>\n"
               "  <polygon points=\"%10\" fill=\"%11\" stroke=\"%12\" stroke-width=\"%5\" "
               "stroke-linejoin=\"round\"/>\n"
               "</svg>\n")
        .arg(canvas)
        .arg(svgPoints(hexagon(outerVertexRadius - strokeWidth / 2.0)), outerFill.name(),
             outerStroke.name(), stroke)
        .arg(centre)
        .arg(circleRadius - strokeWidth / 2.0, 0, 'f', 3)
        .arg(circleFill.name(), circleStroke.name(),
             svgPoints(hexagon(circleRadius - strokeWidth / 2.0)), innerFill.name(),
             innerStroke.name());
}

// The figure on painter, whose units are icon units; pen, the outlines' width.
void drawFigure(QPainter& painter, double pen) {
    painter.setRenderHint(QPainter::Antialiasing);
    const auto draw = [&](auto shape, const QColor& fill, const QColor& stroke) {
        painter.setPen(QPen(stroke, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(fill);
        shape();
    };
    draw([&] { painter.drawPolygon(hexagon(outerVertexRadius - pen / 2.0)); }, outerFill,
         outerStroke);
    draw(
        [&] {
            painter.drawEllipse(QPointF(centre, centre), circleRadius - pen / 2.0,
                                circleRadius - pen / 2.0);
        },
        circleFill, circleStroke);
    draw([&] { painter.drawPolygon(hexagon(circleRadius - pen / 2.0)); }, innerFill, innerStroke);
}

// The outlines' width in icon units for a figure size pixels wide. Small
// images get thicker lines, so that the three outlines stay apart; large ones
// thinner, growing as the square root of the size, so that the circle shows
// between the two hexagons as it does in the drawing.
double penFor(double size) {
    if (size < canvas) {
        return strokeWidth * 1.4;
    }
    return strokeWidth * std::sqrt(canvas / size);
}

// The figure filling a transparent square of size pixels.
QImage pngIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(size / canvas, size / canvas);
    drawFigure(painter, penFor(size));
    return image;
}

// The figure on an opaque tile of size pixels, inside the circle that a home
// screen's mask (a circle, a rounded square) never cuts: phones and tablets
// show a transparent icon on black, or shrunk on white.
QImage tileIcon(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(tileFill);
    QPainter painter(&image);
    const double scale = size * tileCornerRadius / outerVertexRadius;
    painter.translate(size / 2.0, size / 2.0);
    painter.scale(scale, scale);
    painter.translate(-centre, -centre);
    drawFigure(painter, penFor(scale * canvas));
    return image;
}

// image written to file as a PNG, compressed as far as it goes.
bool save(const QImage& image, const QString& file) {
    if (image.save(file, "PNG", 0)) {
        return true;
    }
    std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s <cartella delle icone>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QStringLiteral("org.lavoro1.Lavoro1");

    QFile svg(folder + QStringLiteral("/scalable/") + name + QStringLiteral(".svg"));
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        svg.write(svgIcon().toUtf8()) < 0) {
        std::fprintf(stderr, "impossibile scrivere %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (const int size : std::array{16, 32}) {
        if (!save(pngIcon(size),
                  QStringLiteral("%1/%2x%2/%3.png").arg(folder).arg(size).arg(name))) {
            return 1;
        }
    }
    // The page's icons for home screens, beside the SVG that browsers scale:
    // the figure alone for those that take only PNGs, and on a tile where the
    // icon is masked or must be opaque (the manifest's maskable icon, and
    // the touch icon).
    const QString page = folder + QStringLiteral("/page/");
    const bool saved = save(pngIcon(192), page + QStringLiteral("icon-192.png")) &&
                       save(tileIcon(512), page + QStringLiteral("icon-maskable-512.png")) &&
                       save(tileIcon(180), page + QStringLiteral("apple-touch-icon.png"));
    return saved ? 0 : 1;
}

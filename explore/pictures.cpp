#include "explore/pictures.hpp"

#include "explore/convergence_chart.hpp"
#include "explore/polygon_scene.hpp"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <functional>

namespace explore {
namespace {

constexpr int noteHeight = 30;

QString writePicture(const QString& path, QSize size, const QString& title,
                     const std::function<void(QPainter&)>& paint) {
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    if (!format) {
        return QStringLiteral("Estensione sconosciuta in '%1': usare .svg, .png o .pdf").arg(path);
    }
    if (size.width() < 1 || size.height() < 1) {
        return QStringLiteral("Dimensioni non valide");
    }
    const QString failed = QStringLiteral("Impossibile scrivere '%1'").arg(path);
    switch (*format) {
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        // At 96 dots per inch a pixel of the picture is a pixel (CSS) of the SVG.
        svg.setResolution(96);
        svg.setTitle(title);
        svg.setDescription(QStringLiteral("Lavoro1"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return failed;
        }
        paint(painter);
        return painter.end() ? QString() : failed;
    }
    case PictureFormat::Png: {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(painter);
        painter.end();
        return image.save(path, "PNG") ? QString() : failed;
    }
    case PictureFormat::Pdf: {
        // A page of exactly the picture, a point to a pixel.
        QPdfWriter pdf(path);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Lavoro1"));
        pdf.setResolution(72);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!pdf.setPageSize(
                QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch))) {
            return failed;
        }
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return failed;
        }
        paint(painter);
        return painter.end() ? QString() : failed;
    }
    }
    return failed;
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("svg")) {
        return PictureFormat::Svg;
    }
    if (suffix == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    if (suffix == QLatin1String("pdf")) {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

void paintDrawing(QPainter& painter, int step, QSize size, std::string_view decimalSeparator) {
    paintScene(painter, makeScene(step, QSizeF(size), decimalSeparator), lightColours());
}

void paintChart(QPainter& painter, const ConvergenceChart& chart, QSize size) {
    const std::unique_ptr<ConvergenceChart> copy = copyForExport(chart);
    const SceneColours colours = lightColours();
    painter.fillRect(QRect(QPoint(0, 0), size), colours.background);
    const QRectF chartArea(0, 0, size.width(), std::max(1, size.height() - noteHeight));
    {
        QGraphicsScene scene;
        scene.addItem(copy.get());
        copy->setGeometry(chartArea);
        scene.setSceneRect(chartArea);
        scene.render(&painter, chartArea, chartArea);
        scene.removeItem(copy.get());
    }
    painter.setPen(colours.text);
    painter.setFont(sceneFont());
    painter.drawText(QRectF(10, chartArea.bottom(), size.width() - 20, noteHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, copy->note());
}

QString writeDrawing(const QString& path, int step, QSize size, std::string_view decimalSeparator) {
    return writePicture(
        path, size, QStringLiteral("Poligoni al passo %1").arg(step),
        [&](QPainter& painter) { paintDrawing(painter, step, size, decimalSeparator); });
}

QString writeChart(const QString& path, const ConvergenceChart& chart, QSize size) {
    return writePicture(path, size, QStringLiteral("Convergenza"),
                        [&](QPainter& painter) { paintChart(painter, chart, size); });
}

} // namespace explore

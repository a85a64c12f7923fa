#pragma once

// The drawing and the chart as files: SVG, PNG or PDF by the file name's
// extension, at a size in pixels (points for PDF). The window and archimede
// write them with these functions, so the picture is the same either way.
// The chart is a Qt Charts widget: a QApplication must exist.

#include "archimede/table.hpp"

#include <QSize>
#include <QString>

#include <optional>
#include <span>
#include <string_view>

class QPainter;

namespace explore {

class ConvergenceChart;

enum class PictureFormat { Svg, Png, Pdf };

// The format named by path's extension, in any case; none for another one.
std::optional<PictureFormat> pictureFormatOf(const QString& path);

inline constexpr QSize defaultPictureSize(900, 600);

// Paints the drawing of step, or chart with its note underneath, on a
// surface of size pixels.
void paintDrawing(QPainter& painter, int step, QSize size, std::string_view decimalSeparator);
void paintChart(QPainter& painter, const ConvergenceChart& chart, QSize size);

// Writes the picture to path. Returns an empty string, or what went wrong in
// one line of Italian.
QString writeDrawing(const QString& path, int step, QSize size, std::string_view decimalSeparator);
QString writeChart(const QString& path, const ConvergenceChart& chart, QSize size);

} // namespace explore

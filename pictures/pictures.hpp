#pragma once

// The drawing and the chart as files: SVG, PNG or PDF by the file name's
// extension, at a size in pixels (points for PDF). The window and archimede
// write them with these functions, so the picture is the same either way.
// The chart is a Qt Charts widget: a QApplication must exist.

#include "calc/pictures.hpp"
#include "calc/step_rows.hpp"

#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <string_view>

class QPainter;

namespace pictures {

class ConvergenceChart;

// Paints the drawing of step, or chart with its note underneath, on a
// surface of size pixels.
void paintDrawing(QPainter& painter, int step, QSize size, std::string_view decimalSeparator);
void paintChart(QPainter& painter, const ConvergenceChart& chart, QSize size);

// Told the descriptor of the temporary file a picture goes to, once it is
// open and before anything is drawn: a program ended by a signal removes that
// file, and what was at path stays.
using TemporaryFileOpened = std::function<void(int descriptor)>;

// Writes the picture to the file path leads to (links followed as the system
// follows them; links in a circle, a folder or a device refused) through a
// temporary file in its folder, renamed over it only once complete: on any
// failure what was there stays byte for byte and nothing else is left. Returns an empty string, or
// what went wrong in one line naming the file and the cause, in the user's language.
QString writeDrawing(const QString& path, int step, QSize size, std::string_view decimalSeparator,
                     const TemporaryFileOpened& opened = {});
QString writeChart(const QString& path, const ConvergenceChart& chart, QSize size,
                   const TemporaryFileOpened& opened = {});

// Writes contents, another file the window saves (the table of the steps),
// the same way and with the same errors.
QString writeFile(const QString& path, std::string_view contents);

} // namespace pictures

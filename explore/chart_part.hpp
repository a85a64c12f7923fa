#pragma once

// Esplora's convergence chart and all that needs Qt Charts, Qt Svg or the
// ball arithmetic: the chart's view, the proven series and the files the save
// buttons write. It lives in a module of its own, loaded once the window's
// first frame is on screen, so that the window opens on Qt Widgets alone: the
// dynamic linker loads every library a program links before its main() runs.
// Plain virtual calls across the module's edge, on Qt types and the core's.

#include "calc/digits.hpp"
#include "calc/step_rows.hpp"
#include "runtime/translatable.hpp"

#include <QSize>
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace pictures {
class ConvergenceChart;
}

namespace explore {

class ChartPart {
public:
    virtual ~ChartPart() = default;

    // The chart's view, a child of the parent the part was made with:
    // focusable, Left and Right move along a series' points, Up and Down to
    // the other series at the nearest step, the point in focus in a tooltip
    // and in the view's accessible description.
    virtual QWidget* view() const = 0;
    virtual const pictures::ConvergenceChart& chart() const = 0;
    // The certified methods' series of the chart: doubling, Huygens and
    // Richardson, each aimed at calc::chartProvenDigits.
    virtual std::vector<calc::DigitSeries> provenSeries() const = 0;

    virtual void setShownSteps(int count) = 0;
    // The one line written under the chart.
    virtual QString note() const = 0;
    virtual void setDark(bool dark) = 0;

    // The save buttons' files, written as pictures/pictures.hpp writes them:
    // an empty string, or what went wrong in one line.
    virtual QString writeDrawing(const QString& path, int step, QSize size) const = 0;
    virtual QString writeChart(const QString& path, QSize size) const = 0;
    virtual QString writeFile(const QString& path, std::string_view contents) const = 0;
};

// What the window hands the module.
struct ChartPartInputs {
    QWidget* parent = nullptr;                        // of the view
    const std::vector<calc::StepRow>* rows = nullptr; // steps 1 to 500
    std::string decimalSeparator;
    // The program's translator of the core's texts (runtime::translated),
    // which the module's own copy of the core asks from then on.
    runtime::TextTranslator translator = nullptr;
};

// The module's one exported function, extern "C" under this name: a new
// part, which the caller owns. It may throw.
using MakeChartPart = ChartPart* (*)(const ChartPartInputs& inputs);
inline constexpr char makeChartPartName[] = "lavoro1_make_chart_part";

// The module's file name, in libexec/lavoro1/ beside the helper programs.
inline constexpr char chartModuleName[] = "lavoro1-esplora-grafico.so";

// Where the window loads the module from: the one set here, or by default
// chartModuleName in the helper programs' folder (runtime::helperProgram).
// For programs that do not live there, the tests and the benchmarks.
void setChartModulePath(const QString& path);
QString chartModulePath();

// A part made by the module at chartModulePath(), or what went wrong, in the
// user's language. The module stays loaded for the rest of the run.
struct LoadedChartPart {
    std::unique_ptr<ChartPart> part;
    QString error;
};
LoadedChartPart loadChartPart(const ChartPartInputs& inputs);

} // namespace explore

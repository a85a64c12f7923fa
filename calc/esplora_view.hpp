#pragma once

// Esplora's view of one step, whole, for a face that only paints: the
// drawing's shapes and texts where they stand, the chart's frame, grid,
// paths, legend and note, the table's rows asked for, the lesson and the
// step's announcement. Every text is in the user's language
// (runtime::translated), every figure in pixels from the picture's top left.
// Plain C++, no Qt.

#include "calc/digits.hpp"
#include "calc/drawing.hpp"
#include "calc/lesson.hpp"
#include "calc/step_rows.hpp"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// The followed side's marker in the drawing: a square box this far from its
// centre either way, where the arc's middle is.
inline constexpr double followedMarkerHalfSide = 6.0;

// The chart's frame: under legendBelowWidth pixels its legend goes below the
// plot; the plot keeps these margins, the legend's rows their pitch.
inline constexpr double legendBelowWidth = 700.0;
struct ChartMargins {
    double left = 64.0;
    double top = 40.0;
    double right = 250.0;       // the legend's column, beside the plot
    double rightBelow = 16.0;   // with the legend below
    double bottom = 56.0;       // the step axis's labels and title
    double legendRow = 20.0;    // below the plot
    double legendBeside = 22.0; // beside it
    double edge = 8.0;          // kept free at the picture's edges
};
inline constexpr ChartMargins chartMargins{};
// The chart's type: its title, the axes' titles and the legend.
inline constexpr double chartTitlePixels = 15.0;
inline constexpr double chartAxisTitlePixels = 12.0;
inline constexpr double chartLegendPixels = 13.0;

// The height of a chart width wide whose legend has legendRows rows: the
// plot, and the legend below it when narrow, where the plot is nearly as tall
// as wide for the long titles of its axis.
double chartHeight(double width, int legendRows);

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};
struct Segment {
    Point from;
    Point to;
};
// A text from its baseline's left end, or its middle where centred; a
// picture's text fits in room pixels (its type shrinks where it is wider).
struct PlacedText {
    Point at;
    std::string text;
    double room = 0.0;
};

struct DrawingView {
    double width = 0.0;
    double height = 0.0;
    double fontPixels = drawingText.fontPixels;
    Point centre;
    double radius = 0.0;
    std::vector<Point> inscribed; // closed polygons
    std::vector<Point> circumscribed;
    Rect marker;
    std::optional<Segment> leader; // none when stacked
    // The title, the legend's three names and the inset's three captions.
    std::vector<PlacedText> texts;
    // The legend's samples: circle, inscribed, circumscribed.
    std::array<Segment, 3> swatches;
    Rect inset;
    std::vector<Point> insetCircle; // open polylines, clipped to the inset
    std::vector<Point> insetInscribed;
    std::vector<Point> insetCircumscribed;
};

struct ChartSeriesView {
    std::string name;
    std::vector<Point> path; // the points drawn, to the hundredth of a pixel
    // step, digits, x, y of each point, when asked for (a reader's).
    std::vector<double> points;
};

struct ChartLegendEntry {
    PlacedText name;
    Segment sample; // its line; the marker at its middle
};

struct ChartView {
    double width = 0.0;
    double height = 0.0;
    Rect plot;
    std::vector<PlacedText> stepLabels;  // centred under the plot
    std::vector<double> stepLines;       // x of each
    std::vector<PlacedText> digitLabels; // right-aligned at the left of the plot
    std::vector<double> majorLines;      // y of each
    std::vector<double> minorLines;
    PlacedText title;       // centred
    PlacedText stepTitle;   // centred
    PlacedText digitsTitle; // centred, turned a quarter anticlockwise
    std::vector<ChartSeriesView> series;
    bool pointsMarked = true;
    std::optional<Point> runOut;          // the marker, when among the shown steps
    std::vector<ChartLegendEntry> legend; // the series, then the run-out marker
    std::string note;
};

// A lesson's section with its numbers in it.
struct LessonView {
    std::string title;
    std::string text;
    std::vector<LessonFormula> formulas;
};

// The chart's series: binary64's, and the proven ones of the certified
// methods (doubling, Huygens, Richardson), which the page's core cannot
// compute and is given.
struct ChartData {
    std::vector<StepRow> rows; // every step's
    std::vector<DigitSeries> series;
    std::optional<int> runOutStep;
    std::span<const DigitSeries> proven() const;
};
ChartData chartData(std::vector<DigitSeries> proven);

// What a face asks for one step: each part only when it shows it.
struct EsploraRequest {
    int step = 1;
    std::string decimalSeparator = ".";
    // The drawing, width x height (height 0: the height the core gives it)
    // with texts textWidth pixels wide at their widest.
    std::optional<std::array<double, 3>> drawing{};
    // The chart, width x height (height 0: chartHeight); with the points'
    // places when pointsRead.
    std::optional<std::array<double, 2>> chart{};
    bool pointsRead = false;
    // The table's rows of steps first to last (within 1 to step), with the
    // proven digits as three more cells when proven.
    std::optional<std::array<int, 2>> rows{};
    bool proven = false;
    bool lesson = false;
};

struct EsploraView {
    int step = 1;
    std::string announcement; // the step's sides and bounds
    std::string stepText;     // "Passo 25", the slider's value
    // The names the drawing and the chart are saved under, as SVG.
    std::string drawingFileName;
    std::string chartFileName;
    std::optional<DrawingView> drawing;
    std::optional<ChartView> chart;
    int firstRow = 0; // the step of rows' first, when asked for
    std::vector<std::vector<std::string>> rows;
    std::vector<LessonView> lesson;
};

// step clamped to the range of steps.
EsploraView esploraView(const ChartData& data, const EsploraRequest& request);

// The texts of Esplora that stay from step to step, in the user's language.
struct EsploraTexts {
    std::vector<std::string> headings;       // the table's
    std::vector<std::string> provenHeadings; // with the proven digits
    // The drawing's texts at their widest, in drawingText.fontPixels type.
    std::vector<std::string> widestDrawingTexts;
    std::string stepDescription;
};
EsploraTexts esploraTexts(const ChartData& data, std::string_view decimalSeparator);

// A chart point's tooltip: "Limite inferiore, passo 3: 2,1 cifre".
std::string chartPointText(std::string_view name, int step, double digits,
                           std::string_view decimalSeparator);

} // namespace calc

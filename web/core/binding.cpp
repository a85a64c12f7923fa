// The core as the page calls it: the compute command of Form1, the reading
// of a step, the rows and digit series of Esplora, the drawing's numbers and
// the chart's figures, each from the same code as the desktop's. Texts cross
// as UTF-8, already in the user's language: the page installs its catalogue
// lookup as the core's translator.

#include "calc/chart_figures.hpp"
#include "calc/colours.hpp"
#include "calc/compute_command.hpp"
#include "calc/digits.hpp"
#include "calc/drawing.hpp"
#include "calc/lesson.hpp"
#include "calc/pictures.hpp"
#include "calc/play_speeds.hpp"
#include "calc/proven_series.hpp"
#include "calc/series_styles.hpp"
#include "calc/spreadsheet.hpp"
#include "calc/step_range.hpp"
#include "calc/step_rows.hpp"
#include "runtime/charconv.hpp"
#include "runtime/errors.hpp"
#include "runtime/number_format.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace web {
namespace {

// The module-wide state, which lives as long as the page, as the desktop's
// lives as long as the program.
calc::Module1& module() {
    static calc::Module1 state;
    return state;
}

// The page's catalogue lookup, (context, source) => text; undefined leaves
// every text in Italian.
emscripten::val& pageTranslator() {
    static emscripten::val translator = emscripten::val::undefined();
    return translator;
}

std::string translatedByPage(const char* context, const char* source) {
    return pageTranslator()(std::string(context), std::string(source)).as<std::string>();
}

void setTranslator(emscripten::val translator) {
    pageTranslator() = std::move(translator);
    runtime::setTextTranslator(pageTranslator().isUndefined() ? nullptr : &translatedByPage);
}

// The report of whatever the core raised, as the desktop's message box
// writes it; call only while an exception is being handled.
std::string currentErrorReport() {
    try {
        throw;
    } catch (const runtime::RuntimeError& error) {
        return runtime::errorReport(error.code(), error.description());
    } catch (const std::bad_alloc&) {
        return runtime::errorReport(runtime::outOfMemoryNumber, runtime::outOfMemoryDescription);
    } catch (...) {
        return runtime::errorReport(runtime::internalErrorNumber,
                                    runtime::internalErrorDescription);
    }
}

// What the button does: the three results, or the one message the window
// shows instead (a warning or a run-time error).
struct Outcome {
    bool computed = false;
    // The number of steps computed, when computed.
    int steps = 0;
    std::string sides;
    std::string lowerBound;
    std::string upperBound;
    std::string message;
};

Outcome compute(const std::string& text, const std::string& decimalSeparator) {
    Outcome outcome;
    try {
        const calc::ComputeOutcome computed =
            calc::runComputeCommand(module(), text, decimalSeparator);
        outcome.computed = computed.computed;
        outcome.steps = computed.computed ? module().iterationCount : 0;
        outcome.sides = computed.sides;
        outcome.lowerBound = computed.lowerBound;
        outcome.upperBound = computed.upperBound;
        outcome.message = computed.warning;
    } catch (...) {
        outcome.message = currentErrorReport();
    }
    return outcome;
}

// A step typed in Esplora, read as Form1 reads its text box: the step, or
// 0 and why it was refused, on one line.
struct StepReading {
    int step = 0;
    std::string refusal;
};

StepReading readStep(const std::string& text) {
    try {
        const calc::StepCount read = calc::readStepCount(text);
        if (read.warning.empty()) {
            return {.step = read.count, .refusal = {}};
        }
        return {.step = 0, .refusal = read.warning};
    } catch (const runtime::RuntimeError& error) {
        return {.step = 0, .refusal = error.what()};
    }
}

std::string internalErrorReport() {
    return runtime::errorReport(runtime::internalErrorNumber, runtime::internalErrorDescription);
}

// numbers as a Float64Array of the page's own, copied out of the core's memory.
emscripten::val numbers(const std::vector<double>& values) {
    return emscripten::val(emscripten::typed_memory_view(values.size(), values.data()))
        .call<emscripten::val>("slice");
}

emscripten::val texts(const calc::StepCells& cells) {
    emscripten::val array = emscripten::val::array();
    for (const std::string& cell : cells) {
        array.call<void>("push", cell);
    }
    return array;
}

emscripten::val tableHeadings() {
    return texts(calc::stepTableHeadings());
}

// Every step's row, computed once for all that the page asks of the steps.
const std::vector<calc::StepRow>& allStepRows() {
    static const std::vector<calc::StepRow> rows = calc::stepRows(calc::maximumSteps);
    return rows;
}

// The rows of Esplora's table for steps first to last, in the window's
// formats: the table asks only for the rows it shows.
emscripten::val tableRows(int first, int last, const std::string& decimalSeparator) {
    emscripten::val rows = emscripten::val::array();
    const std::vector<calc::StepRow>& computed = allStepRows();
    const int from = std::max(first, 1);
    const int to = std::min(last, static_cast<int>(computed.size()));
    for (int step = from; step <= to; ++step) {
        rows.call<void>("push",
                        texts(calc::stepRowCells(computed[static_cast<std::size_t>(step - 1)],
                                                 decimalSeparator)));
    }
    return rows;
}

// The chart's series: binary64's, computed here, and the proven digits,
// which the build computed with Arb and compiled into the core.
const std::vector<calc::DigitSeries>& chartSeries() {
    static const std::vector<calc::DigitSeries> series = [] {
        std::vector<calc::DigitSeries> all = calc::binary64Series(allStepRows());
        all.insert(all.end(), calc::provenSeries().begin(), calc::provenSeries().end());
        return all;
    }();
    return series;
}

// Doubling, Huygens and Richardson's proven digits.
std::span<const calc::DigitSeries> provenSeries() {
    return calc::provenSeries();
}

std::optional<int> runOutStep() {
    static const std::optional<int> step = calc::firstStepPastPi(allStepRows());
    return step;
}

emscripten::val seriesPoints(const calc::DigitSeries& line);

// The proven series for the table's columns: [{name, points}], named by
// their Italian sources (context "ConvergenceChart").
emscripten::val provenChartSeries() {
    emscripten::val series = emscripten::val::array();
    for (const calc::DigitSeries& line : provenSeries()) {
        emscripten::val entry = emscripten::val::object();
        entry.set("name", line.name);
        entry.set("points", seriesPoints(line));
        series.call<void>("push", entry);
    }
    return series;
}

int chartSeriesCount() {
    return static_cast<int>(chartSeries().size());
}

// What the chart of shown steps draws, in a plot plotWidth pixels wide.
struct ChartView {
    emscripten::val series = emscripten::val::undefined(); // [{name, points}]
    double lastStep = 2.0;
    double lowestDigits = calc::lowestDigits;
    double topDigits = calc::fewestTopDigits;
    emscripten::val stepGrid = emscripten::val::undefined();    // steps of the grid lines
    emscripten::val majorDigits = emscripten::val::undefined(); // labelled digit lines
    emscripten::val minorDigits = emscripten::val::undefined();
    bool pointsMarked = true;
    int runOutStep = 0; // 0 when binary64 never runs out
    bool runOutShown = false;
    double runOutDigits = 0.0;
    std::string runOutName;
    std::string note;
};

emscripten::val seriesPoints(const calc::DigitSeries& line) {
    std::vector<double> points;
    points.reserve(2 * line.points.size());
    for (const calc::DigitPoint& point : line.points) {
        points.push_back(point.step);
        points.push_back(point.digits);
    }
    return numbers(points);
}

ChartView chartView(int shownSteps, double plotWidth) {
    const std::vector<calc::DigitSeries> shown = calc::shownSeries(chartSeries(), shownSteps);
    const calc::ChartAxes axes = calc::chartAxes(shown, shownSteps, plotWidth);
    ChartView view;
    view.series = emscripten::val::array();
    for (const calc::DigitSeries& line : shown) {
        emscripten::val entry = emscripten::val::object();
        entry.set("name", runtime::translated("ConvergenceChart", line.name.c_str()));
        entry.set("points", seriesPoints(line));
        view.series.call<void>("push", entry);
    }
    view.lastStep = axes.lastStep;
    view.topDigits = axes.topDigits;
    std::vector<double> steps;
    for (double step = axes.stepInterval; step <= axes.lastStep; step += axes.stepInterval) {
        steps.push_back(step);
    }
    view.stepGrid = numbers(steps);
    std::vector<double> major;
    std::vector<double> minor;
    for (const calc::DigitGridLine& line : axes.digitGrid) {
        (line.major ? major : minor).push_back(line.digits);
    }
    view.majorDigits = numbers(major);
    view.minorDigits = numbers(minor);
    view.pointsMarked = axes.pointsMarked;
    if (const std::optional<int> step = runOutStep()) {
        view.runOutStep = *step;
        view.runOutShown = *step <= shownSteps;
        view.runOutDigits = calc::digitsAtStep(chartSeries().front(), *step);
        view.runOutName = calc::runOutName(*step);
    }
    view.note = calc::chartNote(runOutStep(), shownSteps);
    return view;
}

// The colours of the pictures, light or dark, as CSS writes them.
emscripten::val pictureColours(bool dark) {
    const calc::PictureColours colours = calc::pictureColours(dark);
    emscripten::val css = emscripten::val::object();
    css.set("background", calc::hexColour(colours.background));
    css.set("text", calc::hexColour(colours.text));
    css.set("frame", calc::hexColour(colours.frame));
    css.set("circle", calc::hexColour(colours.circle));
    css.set("inscribed", calc::hexColour(colours.inscribed));
    css.set("circumscribed", calc::hexColour(colours.circumscribed));
    css.set("grid", calc::hexColour(colours.grid));
    emscripten::val series = emscripten::val::array();
    for (const calc::Rgb colour : colours.series) {
        series.call<void>("push", calc::hexColour(colour));
    }
    css.set("series", series);
    return css;
}

// Points as x, y, x, y...
emscripten::val flat(const std::vector<calc::Point>& points) {
    std::vector<double> coordinates;
    coordinates.reserve(2 * points.size());
    for (const calc::Point& point : points) {
        coordinates.push_back(point.x);
        coordinates.push_back(point.y);
    }
    return numbers(coordinates);
}

struct Drawing {
    double drawnEvery = 1.0;
    emscripten::val inscribed = emscripten::val::undefined();
    emscripten::val circumscribed = emscripten::val::undefined();
    emscripten::val arcMiddle = emscripten::val::undefined();
    emscripten::val insetCircle = emscripten::val::undefined();
    emscripten::val insetInscribed = emscripten::val::undefined();
    emscripten::val insetCircumscribed = emscripten::val::undefined();
    std::string sides;
    std::string alongZoom;
    std::string acrossZoom;
};

Drawing drawing(int step, double radius, double insetWidth, double insetHeight,
                const std::string& decimalSeparator) {
    const calc::DrawnPolygons polygons = calc::drawnPolygons(step, radius);
    const calc::Inset inset = calc::insetOf(step, insetWidth, insetHeight);
    const calc::Point arcMiddle = calc::followedArcMiddle(step, radius);
    return {.drawnEvery = polygons.drawnEvery,
            .inscribed = flat(polygons.inscribed),
            .circumscribed = flat(polygons.circumscribed),
            .arcMiddle = numbers({arcMiddle.x, arcMiddle.y}),
            .insetCircle = flat(inset.circle),
            .insetInscribed = flat(inset.inscribed),
            .insetCircumscribed = flat(inset.circumscribed),
            .sides = calc::drawnSidesText(step, decimalSeparator),
            .alongZoom = calc::zoomText(inset.alongZoom, decimalSeparator),
            .acrossZoom = calc::zoomText(inset.acrossZoom, decimalSeparator)};
}

// Where the drawing's parts stand in a width x height picture whose texts
// need textWidth pixels; stacked under the stacking width.
emscripten::val drawingLayout(double width, double height, double textWidth) {
    const calc::DrawingLayout layout = width < calc::stackedBelowWidth
                                           ? calc::stackedDrawingLayout(width, textWidth)
                                           : calc::drawingLayout(width, height, textWidth);
    emscripten::val figures = emscripten::val::object();
    figures.set("stacked", width < calc::stackedBelowWidth);
    figures.set("centre", numbers({layout.centre.x, layout.centre.y}));
    figures.set("radius", layout.radius);
    figures.set("text", numbers({layout.textOrigin.x, layout.textOrigin.y}));
    figures.set("inset", numbers({layout.insetOrigin.x, layout.insetOrigin.y, layout.insetSide}));
    figures.set("caption", numbers({layout.captionOrigin.x, layout.captionOrigin.y}));
    figures.set("leaderEnd", numbers({layout.leaderEnd.x, layout.leaderEnd.y}));
    figures.set("lineHeight", calc::drawingLineHeight);
    figures.set("fontPixels", calc::drawingText.fontPixels * layout.textScale);
    return figures;
}

// What the drawing's texts hold at their widest, whatever the step: the
// step and sides of the widest title and the widest magnification; and the
// type's size, at which the page measures them for drawingLayout.
emscripten::val widestDrawingTexts(const std::string& decimalSeparator) {
    emscripten::val texts = emscripten::val::object();
    texts.set("fontPixels", calc::drawingText.fontPixels);
    texts.set("step", calc::lastStepWithSidesInFull);
    texts.set("sides", calc::drawnSidesText(calc::lastStepWithSidesInFull, decimalSeparator));
    texts.set("zoom", calc::zoomText(calc::widestZoom, decimalSeparator));
    return texts;
}

// How far a picture's text may shrink to fit in a narrow picture.
double smallestTextScale() {
    return calc::smallestTextScale;
}

// The height of a drawing width wide: in the proportions of the desktop's
// pictures, or what a stacked one needs.
double drawingHeight(double width) {
    return std::round(width < calc::stackedBelowWidth ? calc::stackedDrawingHeight(width)
                                                      : width * calc::defaultPictureSize.height /
                                                            calc::defaultPictureSize.width);
}

std::string filledPattern(const std::string& pattern, const std::string& first,
                          const std::string& second) {
    return calc::filledPattern(pattern, first, second);
}

std::string stepRangeText() {
    return calc::stepRangeText();
}
int minimumSteps() {
    return calc::minimumSteps;
}
int maximumSteps() {
    return calc::maximumSteps;
}
int pictureWidth() {
    return calc::defaultPictureSize.width;
}
int pictureHeight() {
    return calc::defaultPictureSize.height;
}
std::string pictureNotMadeText(const std::string& fileName) {
    return runtime::filled(runtime::translated("Pictures", calc::pictureNotMadePattern),
                           {fileName});
}
int longestStepText() {
    return calc::longestStepText;
}
int defaultExploreStep() {
    return calc::defaultExploreStep;
}

// The lesson and the rest of Esplora's teaching, as the desktop shows them.

// A chart series of the page's ({name, points: step, digits, ...}) as the
// core's.
calc::DigitSeries digitSeriesOf(const emscripten::val& series) {
    calc::DigitSeries read;
    read.name = series["name"].as<std::string>();
    const std::vector<double> points =
        emscripten::convertJSArrayToNumberVector<double>(series["points"]);
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        read.points.push_back({static_cast<int>(points[i]), points[i + 1]});
    }
    return read;
}

emscripten::val stringsOf(const std::vector<std::string>& texts) {
    emscripten::val array = emscripten::val::array();
    for (const std::string& text : texts) {
        array.call<void>("push", text);
    }
    return array;
}

// The sections of "How it works" at step: {title, pattern, arguments,
// formulas: [{symbols, numbers, value}]}, title and pattern Italian sources;
// the proven digits from the series the build compiled in.
emscripten::val lessonSections(int step, const std::string& decimalSeparator) {
    const std::span<const calc::DigitSeries> proven = provenSeries();
    const auto provenBy = [proven, step](std::size_t method) {
        return method < proven.size() ? static_cast<int>(calc::digitsAt(proven[method], step)) : 0;
    };
    const calc::ProvenDigits digits{.doubling = provenBy(0),
                                    .huygens = provenBy(1),
                                    .richardson = provenBy(2),
                                    .aimedAt = calc::chartProvenDigits};
    emscripten::val sections = emscripten::val::array();
    for (const calc::LessonSection& section :
         calc::lessonSections(step, runOutStep().value_or(0), digits, decimalSeparator)) {
        emscripten::val formulas = emscripten::val::array();
        for (const calc::LessonFormula& formula : section.formulas) {
            emscripten::val entry = emscripten::val::object();
            entry.set("symbols", formula.symbols);
            entry.set("numbers", formula.numbers);
            entry.set("value", formula.value);
            formulas.call<void>("push", entry);
        }
        emscripten::val entry = emscripten::val::object();
        entry.set("title", std::string(section.title));
        entry.set("pattern", std::string(section.pattern));
        entry.set("arguments", stringsOf(section.arguments));
        entry.set("formulas", formulas);
        sections.call<void>("push", entry);
    }
    return sections;
}

// pattern with %1.. filled in by arguments, an array of strings.
std::string filledWith(const std::string& pattern, const emscripten::val& arguments) {
    const auto texts = emscripten::vecFromJSArray<std::string>(arguments);
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    return runtime::filled(pattern, views);
}

// Step's sides and bounds as Esplora's table and the announcement write them.
emscripten::val stepSummary(int step, const std::string& decimalSeparator) {
    const std::vector<calc::StepRow> rows = calc::stepRows(step);
    const calc::StepRow& row = rows.back();
    emscripten::val summary = emscripten::val::object();
    summary.set("sides", calc::drawnSidesText(step, decimalSeparator));
    summary.set("lowerBound", calc::formatBound(row.lowerBound, decimalSeparator));
    summary.set("upperBound", calc::formatBound(row.upperBound, decimalSeparator));
    return summary;
}

// Steps 1 to steps as `archimede steps --tabella --formato csv` writes them.
std::string tableCsv(int steps) {
    return calc::csvText(calc::stepRows(steps));
}

// Steps 1 to steps as a spreadsheet (.ods), its bytes copied out of the
// module's memory; each cell also carries its text with decimalSeparator.
emscripten::val tableSpreadsheet(int steps, const std::string& decimalSeparator) {
    const std::string bytes = calc::stepTableSpreadsheet(calc::stepRows(steps), decimalSeparator);
    return emscripten::val(emscripten::typed_memory_view(
                               bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<emscripten::val>("slice");
}

// What a table cell says of series at step: "12", or "≥ 300".
std::string digitsAtText(const emscripten::val& series, int step) {
    return calc::digitsAtText(digitSeriesOf(series), step);
}

std::string cssColour(calc::Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + " " + std::to_string(colour.green) + " " +
           std::to_string(colour.blue) + ")";
}

// The chart's series styles in its order: {light, dark, marker, dashes},
// colours as CSS, the marker's name, dashes in line widths.
emscripten::val seriesStyles() {
    static constexpr std::array<const char*, 6> markers{"circle",  "square",        "triangle-up",
                                                        "diamond", "triangle-down", "cross"};
    emscripten::val styles = emscripten::val::array();
    for (const calc::SeriesStyle& style : calc::chartSeriesStyles) {
        std::vector<double> dashes(style.dashes.lengths.begin(),
                                   style.dashes.lengths.begin() + style.dashes.count);
        emscripten::val entry = emscripten::val::object();
        entry.set("light", cssColour(style.light));
        entry.set("dark", cssColour(style.dark));
        entry.set("marker", std::string(markers.at(static_cast<std::size_t>(style.marker))));
        entry.set("dashes", numbers(dashes));
        styles.call<void>("push", entry);
    }
    return styles;
}

// A chart point's digits as its tooltip writes them, with one decimal and
// the user's decimal separator.
std::string pointDigitsText(double digits, const std::string& decimalSeparator) {
    std::array<char, 32> text{};
    const auto written = runtime::toChars(text.data(), text.data() + text.size(), digits,
                                          std::chars_format::fixed, 1);
    std::string digitsText(text.data(), written.ptr);
    const std::size_t point = digitsText.find('.');
    if (point != std::string::npos) {
        digitsText.replace(point, 1, decimalSeparator);
    }
    return digitsText;
}

// The play's speeds in steps per second, slowest first.
emscripten::val playSpeeds() {
    emscripten::val speeds = emscripten::val::array();
    for (const int speed : calc::playSpeeds) {
        speeds.call<void>("push", speed);
    }
    return speeds;
}
int defaultPlaySpeedIndex() {
    return calc::defaultPlaySpeedIndex;
}
int reducedMotionSpeed() {
    return calc::reducedMotionSpeed;
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(lavoro1_core) {
    namespace em = emscripten;
    em::value_object<web::Outcome>("Outcome")
        .field("computed", &web::Outcome::computed)
        .field("steps", &web::Outcome::steps)
        .field("sides", &web::Outcome::sides)
        .field("lowerBound", &web::Outcome::lowerBound)
        .field("upperBound", &web::Outcome::upperBound)
        .field("message", &web::Outcome::message);
    em::value_object<web::StepReading>("StepReading")
        .field("step", &web::StepReading::step)
        .field("refusal", &web::StepReading::refusal);
    em::value_object<web::Drawing>("Drawing")
        .field("drawnEvery", &web::Drawing::drawnEvery)
        .field("inscribed", &web::Drawing::inscribed)
        .field("circumscribed", &web::Drawing::circumscribed)
        .field("arcMiddle", &web::Drawing::arcMiddle)
        .field("insetCircle", &web::Drawing::insetCircle)
        .field("insetInscribed", &web::Drawing::insetInscribed)
        .field("insetCircumscribed", &web::Drawing::insetCircumscribed)
        .field("sides", &web::Drawing::sides)
        .field("alongZoom", &web::Drawing::alongZoom)
        .field("acrossZoom", &web::Drawing::acrossZoom);
    em::function("setTranslator", &web::setTranslator);
    em::function("compute", &web::compute);
    em::function("readStep", &web::readStep);
    em::function("internalErrorReport", &web::internalErrorReport);
    em::function("tableHeadings", &web::tableHeadings);
    em::function("tableRows", &web::tableRows);
    em::value_object<web::ChartView>("ChartView")
        .field("series", &web::ChartView::series)
        .field("lastStep", &web::ChartView::lastStep)
        .field("lowestDigits", &web::ChartView::lowestDigits)
        .field("topDigits", &web::ChartView::topDigits)
        .field("stepGrid", &web::ChartView::stepGrid)
        .field("majorDigits", &web::ChartView::majorDigits)
        .field("minorDigits", &web::ChartView::minorDigits)
        .field("pointsMarked", &web::ChartView::pointsMarked)
        .field("runOutStep", &web::ChartView::runOutStep)
        .field("runOutShown", &web::ChartView::runOutShown)
        .field("runOutDigits", &web::ChartView::runOutDigits)
        .field("runOutName", &web::ChartView::runOutName)
        .field("note", &web::ChartView::note);
    em::function("provenSeries", &web::provenChartSeries);
    em::function("chartSeriesCount", &web::chartSeriesCount);
    em::function("chartView", &web::chartView);
    em::function("pictureColours", &web::pictureColours);
    em::function("drawing", &web::drawing);
    em::function("drawingLayout", &web::drawingLayout);
    em::function("drawingHeight", &web::drawingHeight);
    em::function("widestDrawingTexts", &web::widestDrawingTexts);
    em::function("smallestTextScale", &web::smallestTextScale);
    em::function("filledPattern", &web::filledPattern);
    em::function("stepRangeText", &web::stepRangeText);
    em::function("minimumSteps", &web::minimumSteps);
    em::function("maximumSteps", &web::maximumSteps);
    em::function("pictureWidth", &web::pictureWidth);
    em::function("pictureHeight", &web::pictureHeight);
    em::function("pictureNotMadeText", &web::pictureNotMadeText);
    em::function("longestStepText", &web::longestStepText);
    em::function("defaultExploreStep", &web::defaultExploreStep);
    em::function("lessonSections", &web::lessonSections);
    em::function("filledWith", &web::filledWith);
    em::function("stepSummary", &web::stepSummary);
    em::function("tableCsv", &web::tableCsv);
    em::function("tableSpreadsheet", &web::tableSpreadsheet);
    em::function("digitsAtText", &web::digitsAtText);
    em::function("seriesStyles", &web::seriesStyles);
    em::function("pointDigitsText", &web::pointDigitsText);
    em::function("playSpeeds", &web::playSpeeds);
    em::function("defaultPlaySpeedIndex", &web::defaultPlaySpeedIndex);
    em::function("reducedMotionSpeed", &web::reducedMotionSpeed);
}

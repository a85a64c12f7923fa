// The core as the page calls it: one function for each thing the user does,
// each returning that face's whole view as one object (calc/form1_view.hpp,
// calc/esplora_view.hpp), its texts already in the user's language (the page
// installs its catalogue lookup as the core's translator), every number,
// layout figure and colour in it. web/src/core.d.ts declares these objects;
// the page's test core_declarations.test.ts checks it against what this
// binding returns.

#include "calc/colours.hpp"
#include "calc/compute_command.hpp"
#include "calc/esplora_view.hpp"
#include "calc/form1_view.hpp"
#include "calc/pictures.hpp"
#include "calc/proven_series.hpp"
#include "calc/play_speeds.hpp"
#include "calc/series_styles.hpp"
#include "calc/spreadsheet.hpp"
#include "calc/step_range.hpp"
#include "calc/step_rows.hpp"
#include "runtime/errors.hpp"
#include "runtime/translatable.hpp"

#include <array>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace web {
namespace {

using emscripten::val;

// The module-wide state, which lives as long as the page, as the desktop's
// lives as long as the program.
calc::Module1& module() {
    static calc::Module1 state;
    return state;
}

// The page's catalogue lookup for the language it shows, (context, source)
// => text; undefined leaves every text in Italian. Each text is asked of it
// once for the language: a step's view would otherwise call out of the core
// for every text in it.
val& pageTranslator() {
    static val translator = val::undefined();
    return translator;
}

std::unordered_map<std::string, std::string>& translatedTexts() {
    static std::unordered_map<std::string, std::string> texts;
    return texts;
}

std::string translatedByPage(const char* context, const char* source) {
    std::string key = std::string(context) + '\x04' + source;
    const auto found = translatedTexts().find(key);
    if (found != translatedTexts().end()) {
        return found->second;
    }
    std::string text =
        pageTranslator()(std::string(context), std::string(source)).as<std::string>();
    translatedTexts().emplace(std::move(key), text);
    return text;
}

// The user chose a language (or the page opened in one).
void setLanguage(val translator) {
    translatedTexts().clear();
    pageTranslator() = std::move(translator);
    runtime::setTextTranslator(pageTranslator().isUndefined() ? nullptr : &translatedByPage);
}

// What the chart, the table and the lesson draw from, the proven series
// (doubling, Huygens, Richardson) among them, compiled into the core.
const calc::ChartData& chartData() {
    static const calc::ChartData data = calc::chartData(calc::provenSeries());
    return data;
}

// Numbers as a Float64Array of the page's own, copied out of the core's memory.
val numbers(std::span<const double> values) {
    return val(emscripten::typed_memory_view(values.size(), values.data())).call<val>("slice");
}

// Points as x, y, x, y...
val points(const std::vector<calc::Point>& from) {
    std::vector<double> coordinates;
    coordinates.reserve(2 * from.size());
    for (const calc::Point& point : from) {
        coordinates.push_back(point.x);
        coordinates.push_back(point.y);
    }
    return numbers(coordinates);
}

template <class Items, class Convert> val arrayOf(const Items& items, Convert convert) {
    val array = val::array();
    for (const auto& item : items) {
        array.call<void>("push", convert(item));
    }
    return array;
}

val texts(std::span<const std::string> from) {
    return arrayOf(from, [](const std::string& text) { return val(text); });
}

val rect(const calc::Rect& from) {
    return numbers(std::array{from.left, from.top, from.width, from.height});
}

val segment(const calc::Segment& from) {
    return numbers(std::array{from.from.x, from.from.y, from.to.x, from.to.y});
}

val placed(const calc::PlacedText& from) {
    val text = val::object();
    text.set("x", from.at.x);
    text.set("y", from.at.y);
    text.set("text", from.text);
    text.set("room", from.room);
    return text;
}

std::string cssColour(calc::Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + " " + std::to_string(colour.green) + " " +
           std::to_string(colour.blue) + ")";
}

val pictureColours(bool dark) {
    const calc::PictureColours colours = calc::pictureColours(dark);
    val css = val::object();
    css.set("background", calc::hexColour(colours.background));
    css.set("text", calc::hexColour(colours.text));
    css.set("frame", calc::hexColour(colours.frame));
    css.set("circle", calc::hexColour(colours.circle));
    css.set("inscribed", calc::hexColour(colours.inscribed));
    css.set("circumscribed", calc::hexColour(colours.circumscribed));
    css.set("grid", calc::hexColour(colours.grid));
    css.set("series",
            arrayOf(colours.series, [](calc::Rgb colour) { return val(calc::hexColour(colour)); }));
    return css;
}

val seriesStyles() {
    static constexpr std::array<const char*, 6> markers{"circle",  "square",        "triangle-up",
                                                        "diamond", "triangle-down", "cross"};
    return arrayOf(calc::chartSeriesStyles, [](const calc::SeriesStyle& style) {
        val entry = val::object();
        entry.set("light", cssColour(style.light));
        entry.set("dark", cssColour(style.dark));
        entry.set("marker", std::string(markers.at(static_cast<std::size_t>(style.marker))));
        entry.set("dashes", numbers(std::span(style.dashes.lengths)
                                        .first(static_cast<std::size_t>(style.dashes.count))));
        return entry;
    });
}

val form1Layout() {
    val layout = val::object();
    layout.set("width", calc::form1Width);
    layout.set("height", calc::form1Height);
    val controls = val::object();
    for (const calc::Form1Control& control : calc::form1Controls) {
        const calc::ControlRect& at = control.geometry;
        controls.set(
            std::string(control.name),
            numbers(std::array{static_cast<double>(at.left), static_cast<double>(at.top),
                               static_cast<double>(at.width), static_cast<double>(at.height)}));
    }
    layout.set("controls", controls);
    return layout;
}

// What stays while the language does: the range of steps, Form1's layout,
// Esplora's fixed texts and figures, the pictures' colours and styles, the
// play's speeds.
val pageView(const std::string& decimalSeparator) {
    val view = val::object();
    view.set("minimumSteps", calc::minimumSteps);
    view.set("maximumSteps", calc::maximumSteps);
    view.set("defaultStep", calc::defaultExploreStep);
    view.set("longestStepText", calc::longestStepText);
    view.set("stepRange", calc::stepRangeText());
    view.set("internalError",
             runtime::errorReport(runtime::internalErrorNumber, runtime::internalErrorDescription));
    view.set("form1", form1Layout());
    const calc::EsploraTexts esplora = calc::esploraTexts(chartData(), decimalSeparator);
    view.set("headings", texts(esplora.headings));
    view.set("provenHeadings", texts(esplora.provenHeadings));
    view.set("widestDrawingTexts", texts(esplora.widestDrawingTexts));
    view.set("drawingFontPixels", calc::drawingText.fontPixels);
    view.set("stepDescription", esplora.stepDescription);
    view.set("pictureWidth", calc::defaultPictureSize.width);
    view.set("pictureHeight", calc::defaultPictureSize.height);
    view.set("smallestTextScale", calc::smallestTextScale);
    view.set("chartFontPixels",
             numbers(std::array{calc::chartTitlePixels, calc::chartAxisTitlePixels,
                                calc::chartLegendPixels}));
    view.set("lightColours", pictureColours(false));
    view.set("darkColours", pictureColours(true));
    view.set("seriesStyles", seriesStyles());
    view.set("playSpeeds", arrayOf(calc::playSpeeds, [](int speed) { return val(speed); }));
    view.set("defaultPlaySpeedIndex", calc::defaultPlaySpeedIndex);
    view.set("reducedMotionSpeed", calc::reducedMotionSpeed);
    return view;
}

// What Form1's button does.
val form1Compute(const std::string& text, const std::string& decimalSeparator) {
    const calc::Form1Outcome outcome = calc::form1Outcome(module(), text, decimalSeparator);
    val view = val::object();
    view.set("computed", outcome.computed);
    view.set("steps", outcome.steps);
    view.set("sides", outcome.sides);
    view.set("lowerBound", outcome.lowerBound);
    view.set("upperBound", outcome.upperBound);
    view.set("announcement", outcome.announcement);
    view.set("message", outcome.message);
    return view;
}

// A step typed in Esplora, read as Form1 reads its text box: {step, refusal},
// the step 0 when refused and why on one line.
val readStep(const std::string& text) {
    val reading = val::object();
    try {
        const calc::StepCount read = calc::readStepCount(text);
        reading.set("step", read.warning.empty() ? read.count : 0);
        reading.set("refusal", read.warning);
    } catch (...) {
        reading.set("step", 0);
        reading.set("refusal", calc::currentErrorReport());
    }
    return reading;
}

val drawingView(const calc::DrawingView& drawing) {
    val view = val::object();
    view.set("width", drawing.width);
    view.set("height", drawing.height);
    view.set("fontPixels", drawing.fontPixels);
    view.set("centre", numbers(std::array{drawing.centre.x, drawing.centre.y}));
    view.set("radius", drawing.radius);
    view.set("inscribed", points(drawing.inscribed));
    view.set("circumscribed", points(drawing.circumscribed));
    view.set("marker", rect(drawing.marker));
    view.set("leader", drawing.leader ? segment(*drawing.leader) : numbers({}));
    view.set("texts", arrayOf(drawing.texts, placed));
    view.set("swatches", arrayOf(drawing.swatches, segment));
    view.set("inset", rect(drawing.inset));
    view.set("insetCircle", points(drawing.insetCircle));
    view.set("insetInscribed", points(drawing.insetInscribed));
    view.set("insetCircumscribed", points(drawing.insetCircumscribed));
    return view;
}

val chartView(const calc::ChartView& chart) {
    val view = val::object();
    view.set("width", chart.width);
    view.set("height", chart.height);
    view.set("plot", rect(chart.plot));
    view.set("stepLines", numbers(chart.stepLines));
    view.set("stepLabels", arrayOf(chart.stepLabels, placed));
    view.set("majorLines", numbers(chart.majorLines));
    view.set("minorLines", numbers(chart.minorLines));
    view.set("digitLabels", arrayOf(chart.digitLabels, placed));
    view.set("title", placed(chart.title));
    view.set("stepTitle", placed(chart.stepTitle));
    view.set("digitsTitle", placed(chart.digitsTitle));
    view.set("series", arrayOf(chart.series, [](const calc::ChartSeriesView& line) {
                 val series = val::object();
                 series.set("name", line.name);
                 series.set("path", points(line.path));
                 series.set("points", numbers(line.points));
                 return series;
             }));
    view.set("pointsMarked", chart.pointsMarked);
    view.set("runOut",
             chart.runOut ? numbers(std::array{chart.runOut->x, chart.runOut->y}) : numbers({}));
    view.set("legend", arrayOf(chart.legend, [](const calc::ChartLegendEntry& entry) {
                 val legend = placed(entry.name);
                 legend.set("sample", segment(entry.sample));
                 return legend;
             }));
    view.set("note", chart.note);
    return view;
}

// Esplora's view of a step, each part only when the request asks for it:
// {step, decimalSeparator, drawing?: [width, height, textWidth],
// chart?: [width, height], pointsRead?, rows?: [first, last], proven?,
// lesson?}; a height of 0 is the one the core gives the width.
val esploraStep(const val& request) {
    calc::EsploraRequest asked;
    asked.step = request["step"].as<int>();
    asked.decimalSeparator = request["decimalSeparator"].as<std::string>();
    const auto figures = [&request](const char* name) {
        return emscripten::convertJSArrayToNumberVector<double>(request[name]);
    };
    if (!request["drawing"].isUndefined()) {
        const std::vector<double> drawing = figures("drawing");
        asked.drawing = {drawing.at(0), drawing.at(1), drawing.at(2)};
    }
    if (!request["chart"].isUndefined()) {
        const std::vector<double> chart = figures("chart");
        asked.chart = {chart.at(0), chart.at(1)};
    }
    if (!request["rows"].isUndefined()) {
        const std::vector<double> rows = figures("rows");
        asked.rows = {static_cast<int>(rows.at(0)), static_cast<int>(rows.at(1))};
    }
    asked.pointsRead = request["pointsRead"].isTrue();
    asked.proven = request["proven"].isTrue();
    asked.lesson = request["lesson"].isTrue();

    const calc::EsploraView esplora = calc::esploraView(chartData(), asked);
    val view = val::object();
    view.set("step", esplora.step);
    view.set("announcement", esplora.announcement);
    view.set("stepText", esplora.stepText);
    view.set("drawingFileName", esplora.drawingFileName);
    view.set("chartFileName", esplora.chartFileName);
    if (esplora.drawing) {
        view.set("drawing", drawingView(*esplora.drawing));
    }
    if (esplora.chart) {
        view.set("chart", chartView(*esplora.chart));
    }
    view.set("firstRow", esplora.firstRow);
    view.set("rows",
             arrayOf(esplora.rows, [](const std::vector<std::string>& row) { return texts(row); }));
    view.set("lesson", arrayOf(esplora.lesson, [](const calc::LessonView& section) {
                 val entry = val::object();
                 entry.set("title", section.title);
                 entry.set("text", section.text);
                 entry.set("formulas",
                           arrayOf(section.formulas, [](const calc::LessonFormula& formula) {
                               val written = val::object();
                               written.set("symbols", formula.symbols);
                               written.set("numbers", formula.numbers);
                               written.set("value", formula.value);
                               return written;
                           }));
                 return entry;
             }));
    return view;
}

// A chart point's tooltip, for the point the reader is on.
std::string chartPointText(const std::string& name, int step, double digits,
                           const std::string& decimalSeparator) {
    return calc::chartPointText(name, step, digits, decimalSeparator);
}

// Steps 1 to steps as a file: "csv" as `archimede steps --tabella --formato
// csv` writes them, "ods" a spreadsheet whose cells also carry their text
// with decimalSeparator; its bytes copied out of the module's memory.
val tableFile(int steps, const std::string& format, const std::string& decimalSeparator) {
    const std::vector<calc::StepRow> rows = calc::stepRows(steps);
    const std::string bytes =
        format == "ods" ? calc::stepTableSpreadsheet(rows, decimalSeparator) : calc::csvText(rows);
    return val(emscripten::typed_memory_view(bytes.size(),
                                             reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<val>("slice");
}

std::string pictureNotMadeText(const std::string& fileName) {
    return runtime::filled(runtime::translated("Pictures", calc::pictureNotMadePattern),
                           {fileName});
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(lavoro1_core) {
    namespace em = emscripten;
    em::function("setLanguage", &web::setLanguage);
    em::function("pageView", &web::pageView);
    em::function("form1Compute", &web::form1Compute);
    em::function("readStep", &web::readStep);
    em::function("esploraStep", &web::esploraStep);
    em::function("chartPointText", &web::chartPointText);
    em::function("tableFile", &web::tableFile);
    em::function("pictureNotMadeText", &web::pictureNotMadeText);
}

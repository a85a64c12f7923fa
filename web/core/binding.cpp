// The core as the page calls it: the compute command of Form1, the rows and
// digit series of Esplora and the drawing's numbers, each from the same code
// as the desktop's. Texts cross as UTF-8 and stay the core's Italian sources;
// the page translates them with the desktop's catalogues.

#include "calc/compute_command.hpp"
#include "calc/digits.hpp"
#include "calc/drawing.hpp"
#include "calc/step_range.hpp"
#include "calc/step_rows.hpp"
#include "runtime/errors.hpp"
#include "runtime/number_format.hpp"

#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <new>
#include <string>
#include <vector>

namespace web {
namespace {

// The module-wide state, which lives as long as the page, as the desktop's
// lives as long as the program.
calc::Module1& module() {
    static calc::Module1 state;
    return state;
}

// What the button does: results, a warning, or a run-time error, numbered
// with its Italian description (0 when there was none).
struct Outcome {
    bool computed = false;
    // The number of steps computed, when computed.
    int steps = 0;
    std::string sides;
    std::string lowerBound;
    std::string upperBound;
    std::string warning;
    int errorNumber = 0;
    std::string errorDescription;
};

// The numbers the host layer gives the failures that are not run-time errors
// of the calculation.
constexpr int outOfMemoryNumber = 7;

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
        outcome.warning = computed.warning;
    } catch (const runtime::RuntimeError& error) {
        outcome.errorNumber = error.code();
        outcome.errorDescription = std::string(error.description());
    } catch (const std::bad_alloc&) {
        outcome.errorNumber = outOfMemoryNumber;
        outcome.errorDescription = "Memoria esaurita";
    }
    return outcome;
}

// numbers as a Float64Array of the page's own, copied out of the core's memory.
emscripten::val numbers(const std::vector<double>& values) {
    return emscripten::val(emscripten::typed_memory_view(values.size(), values.data()))
        .call<emscripten::val>("slice");
}

// Every step's row of Esplora's table, in the window's formats: cells
// separated by tabs, rows ended by line breaks.
std::string tableText(int steps, const std::string& decimalSeparator) {
    std::string text;
    for (const calc::StepRow& row : calc::stepRows(steps)) {
        text += std::to_string(row.step);
        text += '\t';
        text += runtime::formatNumber(row.sides, calc::sidesFormat, decimalSeparator);
        text += '\t';
        text += calc::formatBound(row.lowerBound, decimalSeparator);
        text += '\t';
        text += calc::formatBound(row.upperBound, decimalSeparator);
        text += '\t';
        text += runtime::formatNumber(row.difference, calc::sidesFormat, decimalSeparator);
        text += '\n';
    }
    return text;
}

// The chart's binary64 series for steps 1 to steps: per series, its name
// and its points as step, digits, step, digits...
emscripten::val binary64Series(int steps) {
    emscripten::val series = emscripten::val::array();
    for (const calc::DigitSeries& line : calc::binary64Series(calc::stepRows(steps))) {
        std::vector<double> points;
        for (const calc::DigitPoint& point : line.points) {
            points.push_back(point.step);
            points.push_back(point.digits);
        }
        emscripten::val entry = emscripten::val::object();
        entry.set("name", line.name);
        entry.set("points", numbers(points));
        series.call<void>("push", entry);
    }
    return series;
}

int firstStepPastPi(int steps) {
    const std::optional<int> step = calc::firstStepPastPi(calc::stepRows(steps));
    return step.value_or(0);
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
    const calc::Inset inset = calc::insetOf(step, insetWidth, insetHeight, radius);
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

std::string filledPattern(const std::string& pattern, const std::string& first,
                          const std::string& second) {
    return calc::filledPattern(pattern, first, second);
}

std::string tooManyStepsWarning() {
    return calc::tooManyStepsWarning;
}
std::string stepRangePattern() {
    return calc::stepRangePattern;
}
int minimumSteps() {
    return calc::minimumSteps;
}
int maximumSteps() {
    return calc::maximumSteps;
}
int defaultExploreStep() {
    return calc::defaultExploreStep;
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
        .field("warning", &web::Outcome::warning)
        .field("errorNumber", &web::Outcome::errorNumber)
        .field("errorDescription", &web::Outcome::errorDescription);
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
    em::function("compute", &web::compute);
    em::function("tableText", &web::tableText);
    em::function("binary64Series", &web::binary64Series);
    em::function("firstStepPastPi", &web::firstStepPastPi);
    em::function("drawing", &web::drawing);
    em::function("filledPattern", &web::filledPattern);
    em::function("tooManyStepsWarning", &web::tooManyStepsWarning);
    em::function("stepRangePattern", &web::stepRangePattern);
    em::function("minimumSteps", &web::minimumSteps);
    em::function("maximumSteps", &web::maximumSteps);
    em::function("defaultExploreStep", &web::defaultExploreStep);
}

#include "calc/esplora_view.hpp"

#include "calc/chart_figures.hpp"
#include "calc/compute_command.hpp"
#include "calc/form1_view.hpp"
#include "calc/pictures.hpp"
#include "calc/step_range.hpp"
#include "calc/view_texts.hpp"
#include "runtime/charconv.hpp"
#include "runtime/translatable.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace calc {

namespace {

std::string drawingTitle(int step, std::string_view separator) {
    return filledPattern(runtime::translated("PolygonScene", drawingTitlePattern),
                         std::to_string(step), drawnSidesText(step, separator));
}

std::array<std::string, drawingCaptionLines> insetCaptions(double along, double across,
                                                           std::string_view separator) {
    return {filledPattern(runtime::translated("PolygonScene", alongZoomPattern),
                          zoomText(along, separator)),
            filledPattern(runtime::translated("PolygonScene", acrossZoomPattern),
                          zoomText(across, separator)),
            runtime::translated("PolygonScene", zoomReason)};
}

std::vector<Point> moved(const std::vector<Point>& points, Point by) {
    std::vector<Point> result;
    result.reserve(points.size());
    for (const Point& point : points) {
        result.push_back({point.x + by.x, point.y + by.y});
    }
    return result;
}

double drawingHeightOf(double width) {
    return std::round(width < stackedBelowWidth
                          ? stackedDrawingHeight(width)
                          : width * defaultPictureSize.height / defaultPictureSize.width);
}

DrawingView drawingView(int step, double width, double height, double textWidth,
                        std::string_view separator) {
    const DrawingLayout layout = width < stackedBelowWidth
                                     ? stackedDrawingLayout(width, textWidth)
                                     : drawingLayout(width, height, textWidth);
    const DrawnPolygons polygons = drawnPolygons(step, layout.radius);
    const Inset inset = insetOf(step, layout.insetSide, layout.insetSide);
    const Point arc = followedArcMiddle(step, layout.radius);
    const Point marker{layout.centre.x + arc.x, layout.centre.y + arc.y};
    DrawingView view;
    view.width = width;
    view.height = height;
    view.fontPixels = drawingText.fontPixels * layout.textScale;
    view.centre = layout.centre;
    view.radius = layout.radius;
    view.inscribed = moved(polygons.inscribed, layout.centre);
    view.circumscribed = moved(polygons.circumscribed, layout.centre);
    view.marker = {marker.x - followedMarkerHalfSide, marker.y - followedMarkerHalfSide,
                   2.0 * followedMarkerHalfSide, 2.0 * followedMarkerHalfSide};
    // Stacked, the texts stand between the marker and the inset: no leader across them.
    if (width >= stackedBelowWidth) {
        view.leader = Segment{marker, layout.leaderEnd};
    }
    // The title and the legend, a line each; each sample at mid-height of its name.
    const double lineHeight = drawingLineHeight;
    const Point text = layout.textOrigin;
    double baseline = text.y + lineHeight - drawingText.baselineLift;
    view.texts.push_back({text, drawingTitle(step, separator)});
    view.texts.back().at.y = baseline;
    for (std::size_t i = 0; i < drawingLegend.size(); ++i) {
        baseline += lineHeight;
        const double sampleY = baseline - drawingText.baselineLift;
        view.swatches.at(i) = {{text.x, sampleY}, {text.x + drawingText.swatchLength, sampleY}};
        view.texts.push_back({{text.x + drawingText.labelIndent, baseline},
                              runtime::translated("PolygonScene", drawingLegend.at(i))});
    }
    view.inset = {layout.insetOrigin.x, layout.insetOrigin.y, layout.insetSide, layout.insetSide};
    view.insetCircle = moved(inset.circle, layout.insetOrigin);
    view.insetInscribed = moved(inset.inscribed, layout.insetOrigin);
    view.insetCircumscribed = moved(inset.circumscribed, layout.insetOrigin);
    double captionBaseline = layout.captionOrigin.y;
    for (std::string& caption : insetCaptions(inset.alongZoom, inset.acrossZoom, separator)) {
        captionBaseline += lineHeight;
        view.texts.push_back({{layout.captionOrigin.x, captionBaseline}, std::move(caption)});
    }
    return view;
}

// A chart's coordinate to the hundredth of a pixel, halves rounded up.
double hundredths(double value) {
    return std::floor(value * 100.0 + 0.5) / 100.0;
}

// A number as a label writes it: in full when whole (the axes' are), the
// shortest text that reads back the same otherwise.
std::string numberText(double value) {
    if (value == std::floor(value) && std::abs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    std::array<char, 32> text{};
    const auto written = runtime::toChars(text.data(), text.data() + text.size(), value);
    return {text.data(), written.ptr};
}

struct Plot {
    Rect frame;
    double lastStep;
    double logLow;
    double logHigh;
    double x(double step) const {
        return frame.left + (step - 1.0) / (lastStep - 1.0) * frame.width;
    }
    double y(double digits) const {
        const double bottom = frame.top + frame.height;
        return bottom - (std::log10(digits) - logLow) / (logHigh - logLow) * frame.height;
    }
};

// The path through a series' points; unless each point is marked, a point
// inside a level run (a binary64 bound past the step where it stops
// improving) is left out: the run's ends draw the same line.
std::vector<Point> seriesPath(const Plot& plot, const DigitSeries& line, bool everyPoint,
                              std::vector<double>* read) {
    std::vector<Point> points;
    points.reserve(line.points.size());
    for (const DigitPoint& point : line.points) {
        points.push_back({hundredths(plot.x(point.step)), hundredths(plot.y(point.digits))});
        if (read != nullptr) {
            read->insert(read->end(), {static_cast<double>(point.step), point.digits,
                                       points.back().x, points.back().y});
        }
    }
    if (everyPoint) {
        return points;
    }
    std::vector<Point> kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool inside = i > 0 && i + 1 < points.size() && points[i - 1].y == points[i].y &&
                            points[i + 1].y == points[i].y;
        if (!inside) {
            kept.push_back(points[i]);
        }
    }
    return kept;
}

ChartView chartView(const ChartData& data, int shownSteps, double width, double height,
                    bool pointsRead) {
    constexpr ChartMargins m = chartMargins;
    const bool below = width < legendBelowWidth;
    const int legendRows = static_cast<int>(data.series.size()) + 1;
    ChartView view;
    view.width = width;
    view.height = height;
    const double right = width - (below ? m.rightBelow : m.right);
    const double bottom = height - m.bottom - (below ? legendRows * m.legendRow + 8.0 : 0.0);
    view.plot = {m.left, m.top, right - m.left, bottom - m.top};
    const std::vector<DigitSeries> shown = shownSeries(data.series, shownSteps);
    const ChartAxes axes = chartAxes(shown, shownSteps, right - m.left);
    const Plot plot{view.plot, axes.lastStep, std::log10(lowestDigits), std::log10(axes.topDigits)};

    for (double step = axes.stepInterval; step <= axes.lastStep; step += axes.stepInterval) {
        view.stepLines.push_back(plot.x(step));
        if (step > 1.0) {
            view.stepLabels.push_back({{plot.x(step), bottom + 16.0}, numberText(step)});
        }
    }
    view.stepLabels.push_back({{plot.x(1.0), bottom + 16.0}, "1"});
    for (const DigitGridLine& line : axes.digitGrid) {
        (line.major ? view.majorLines : view.minorLines).push_back(plot.y(line.digits));
        if (line.major) {
            view.digitLabels.push_back(
                {{m.left - 6.0, plot.y(line.digits) + 4.0}, numberText(line.digits)});
        }
    }
    view.title = {{width / 2.0, 24.0},
                  runtime::translated("ConvergenceChart", chartTitle),
                  width - 2.0 * m.edge};
    view.stepTitle = {{(m.left + right) / 2.0, bottom + 38.0},
                      runtime::translated("ConvergenceChart", stepAxisTitle)};
    // Along the plot, and 8 px past its ends: under the chart's title, above
    // the step axis's labels.
    view.digitsTitle = {{18.0, (m.top + bottom) / 2.0},
                        runtime::translated("ConvergenceChart", digitAxisTitle),
                        bottom - m.top + 16.0};

    view.pointsMarked = axes.pointsMarked;
    std::vector<std::string> names;
    for (const DigitSeries& line : shown) {
        ChartSeriesView& drawn = view.series.emplace_back();
        drawn.name = runtime::translated("ConvergenceChart", line.name.c_str());
        drawn.path =
            seriesPath(plot, line, axes.pointsMarked, pointsRead ? &drawn.points : nullptr);
        names.push_back(drawn.name);
    }
    if (data.runOutStep && *data.runOutStep <= shownSteps) {
        const double x = plot.x(*data.runOutStep);
        view.runOut = Point{x, plot.y(digitsAtStep(data.series.front(), *data.runOutStep))};
        names.push_back(runOutName(*data.runOutStep));
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const double row = static_cast<double>(i);
        const double x = below ? m.left : right + 24.0;
        const double y =
            below ? bottom + 60.0 + row * m.legendRow : m.top + 10.0 + row * m.legendBeside;
        view.legend.push_back({.name = {{x + 32.0, y}, names[i], width - m.edge - (x + 32.0)},
                               .sample = {{x, y - 4.0}, {x + 24.0, y - 4.0}}});
    }
    view.note = chartNote(data.runOutStep, shownSteps);
    return view;
}

std::vector<std::string> rowCells(const ChartData& data, int step, bool proven,
                                  std::string_view separator) {
    const StepCells cells =
        stepRowCells(data.rows.at(static_cast<std::size_t>(step - 1)), separator);
    std::vector<std::string> row(cells.begin(), cells.end());
    if (proven) {
        for (const DigitSeries& series : data.proven()) {
            row.push_back(digitsAtText(series, step));
        }
    }
    return row;
}

std::vector<LessonView> lessonView(const ChartData& data, int step, std::string_view separator) {
    const std::span<const DigitSeries> proven = data.proven();
    const auto provenBy = [proven, step](std::size_t method) {
        return method < proven.size() ? static_cast<int>(digitsAt(proven[method], step)) : 0;
    };
    const ProvenDigits digits{.doubling = provenBy(0),
                              .huygens = provenBy(1),
                              .richardson = provenBy(2),
                              .aimedAt = chartProvenDigits};
    std::vector<LessonView> lesson;
    for (LessonSection& section :
         lessonSections(step, data.runOutStep.value_or(0), digits, separator)) {
        const std::vector<std::string_view> arguments(section.arguments.begin(),
                                                      section.arguments.end());
        lesson.push_back({runtime::translated("calc", section.title),
                          runtime::filled(runtime::translated("calc", section.pattern), arguments),
                          std::move(section.formulas)});
    }
    return lesson;
}

} // namespace

double chartHeight(double width, int legendRows) {
    return width >= legendBelowWidth ? std::round(std::min(width * 0.55, 420.0))
                                     : std::round(width * 0.75 + 100.0 + legendRows * 20.0);
}

std::span<const DigitSeries> ChartData::proven() const {
    static const std::size_t binary64Count = binary64Series({}).size();
    return std::span(series).subspan(std::min(binary64Count, series.size()));
}

ChartData chartData(std::vector<DigitSeries> proven) {
    ChartData data;
    data.rows = stepRows(maximumSteps);
    data.series = binary64Series(data.rows);
    data.series.insert(data.series.end(), std::make_move_iterator(proven.begin()),
                       std::make_move_iterator(proven.end()));
    data.runOutStep = firstStepPastPi(data.rows);
    return data;
}

EsploraView esploraView(const ChartData& data, const EsploraRequest& request) {
    const int step = std::clamp(request.step, minimumSteps, maximumSteps);
    const std::string_view separator = request.decimalSeparator;
    EsploraView view;
    view.step = step;
    const StepRow& row = data.rows.at(static_cast<std::size_t>(step - 1));
    view.announcement = runtime::filled(
        runtime::translated("explore::ExploreWindow", stepBoundsPattern),
        {std::to_string(step), drawnSidesText(step, separator),
         formatBound(row.lowerBound, separator), formatBound(row.upperBound, separator)});
    view.stepText =
        runtime::translated("explore::ExploreWindow", stepName) + " " + std::to_string(step);
    view.drawingFileName = filledPattern(
        runtime::translated("explore::ExploreWindow", drawingFilePattern), std::to_string(step));
    view.chartFileName = filledPattern(
        runtime::translated("explore::ExploreWindow", chartFilePattern), std::to_string(step));
    if (request.drawing) {
        const auto [width, height, textWidth] = *request.drawing;
        view.drawing = drawingView(step, width, height > 0.0 ? height : drawingHeightOf(width),
                                   textWidth, separator);
    }
    if (request.chart) {
        const auto [width, height] = *request.chart;
        const int legendRows = static_cast<int>(data.series.size()) + 1;
        view.chart =
            chartView(data, step, width, height > 0.0 ? height : chartHeight(width, legendRows),
                      request.pointsRead);
    }
    if (request.rows) {
        const int first = std::max((*request.rows)[0], 1);
        const int last = std::min((*request.rows)[1], step);
        view.firstRow = first;
        for (int at = first; at <= last; ++at) {
            view.rows.push_back(rowCells(data, at, request.proven, separator));
        }
    }
    if (request.lesson) {
        view.lesson = lessonView(data, step, separator);
    }
    return view;
}

EsploraTexts esploraTexts(const ChartData& data, std::string_view decimalSeparator) {
    EsploraTexts texts;
    const StepCells headings = stepTableHeadings();
    texts.headings.assign(headings.begin(), headings.end());
    texts.provenHeadings = texts.headings;
    for (const DigitSeries& series : data.proven()) {
        texts.provenHeadings.push_back(
            runtime::translated("ConvergenceChart", series.name.c_str()));
    }
    texts.widestDrawingTexts.push_back(drawingTitle(lastStepWithSidesInFull, decimalSeparator));
    for (std::string& caption : insetCaptions(widestZoom, widestZoom, decimalSeparator)) {
        texts.widestDrawingTexts.push_back(std::move(caption));
    }
    texts.stepDescription = filledPattern(
        runtime::translated("explore::ExploreWindow", stepDescriptionPattern), stepRangeText());
    return texts;
}

std::string chartPointText(std::string_view name, int step, double digits,
                           std::string_view decimalSeparator) {
    std::array<char, 32> text{};
    const auto written = runtime::toChars(text.data(), text.data() + text.size(), digits,
                                          std::chars_format::fixed, 1);
    std::string digitsText(text.data(), written.ptr);
    const std::size_t point = digitsText.find('.');
    if (point != std::string::npos) {
        digitsText.replace(point, 1, decimalSeparator);
    }
    return runtime::filled(runtime::translated("ConvergenceChart", pointPattern),
                           {name, std::to_string(step), digitsText});
}

} // namespace calc

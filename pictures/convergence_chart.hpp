#pragma once

// The convergence chart: for each step, the correct decimal digits of each
// named series, on a logarithmic digit axis (binary64's 16 digits and the
// hundreds proven stay readable together), with the step where binary64
// runs out marked. Qt Charts; the window shows it and the exports render a
// copy.

#include "calc/digits.hpp"

#include <QChart>
#include <QImage>
#include <QPointF>
#include <QString>

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
class QValueAxis;

namespace pictures {

class ConvergenceChart : public QChart {
public:
    // runOutStep: the step marked as where binary64 runs out, if any; its
    // point sits on the first series (the lower bound).
    explicit ConvergenceChart(std::optional<int> runOutStep);

    // Adds a line of (step, digits) points under its name, in the legend.
    // Each series may hold steps 1 to 500; the chart shows those up to
    // shownSteps(), except points of 0 digits or fewer, which a logarithmic
    // axis has no place for. Further methods add their series the same way.
    void addDigitSeries(const calc::DigitSeries& series);

    // Shows steps 1 to count (0 to 500): the axes fit the points shown.
    void setShownSteps(int count);
    int shownSteps() const { return shown_; }

    // A point as its tooltip names it: "Limite inferiore, passo 5: 3,3 cifre"
    // with decimalSeparator (UTF-8).
    static QString pointText(const QString& series, QPointF point,
                             const std::string& decimalSeparator);

    // The separator the tooltips write, "." until set.
    void setDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }
    const std::string& decimalSeparator() const { return decimalSeparator_; }

    // The one line written under the chart.
    QString note() const;

    // Light or dark colours, for the desktop's palette; exports use light.
    void setDark(bool dark);

    const std::vector<calc::DigitSeries>& digitSeries() const { return series_; }
    const std::vector<QLineSeries*>& lines() const { return lines_; }
    std::optional<int> runOutStep() const { return runOutStep_; }

protected:
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;

private:
    void fitLegend();
    void applyColours();
    void showMarkers();
    void addMarkerSeries();
    void fitStepTicks();

    std::vector<calc::DigitSeries> series_;
    std::vector<QLineSeries*> lines_;
    std::vector<QImage> markers_; // each series' point marker, in the colours shown
    std::optional<int> runOutStep_;
    double runOutDigits_ = 0.0;
    QScatterSeries* runOutPoint_ = nullptr;
    QLineSeries* runOutLine_ = nullptr;
    QValueAxis* stepAxis_ = nullptr;
    QLogValueAxis* digitAxis_ = nullptr;
    int shown_ = 0;
    bool dark_ = false;
    std::string decimalSeparator_ = ".";
};

// The chart's series for rows (steps 1 to 500): the three binary64 ones,
// then the three proven ones the build computed (calc/proven_series.hpp).
// What the window and archimede --grafico both show.
std::unique_ptr<ConvergenceChart> makeConvergenceChart(std::span<const calc::StepRow> rows);

// A new chart with the same series, marker and steps as chart, in light colours.
std::unique_ptr<ConvergenceChart> copyForExport(const ConvergenceChart& chart);

} // namespace pictures

#include "pictures/convergence_chart.hpp"

#include "calc/chart_figures.hpp"
#include "calc/colours.hpp"
#include "pictures/certified_series.hpp"
#include "pictures/polygon_scene.hpp"

#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

// Fixed fonts and sizes, so that the chart looks the same on every machine
// and in every export.
QFont chartFont(int pixels, bool bold = false) {
    QFont font = sceneFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Each change lays the axis out again: never ask for a wide range with a
// narrow interval in between, which would lay out hundreds of ticks.
void setRangeAndTicks(QValueAxis& axis, double low, double high, double interval) {
    if (interval > axis.tickInterval()) {
        axis.setTickInterval(interval);
        axis.setRange(low, high);
    } else {
        axis.setRange(low, high);
        axis.setTickInterval(interval);
    }
}

} // namespace

ConvergenceChart::ConvergenceChart(std::optional<int> runOutStep) : runOutStep_(runOutStep) {
    setTitle(QCoreApplication::translate("ConvergenceChart", "Cifre corrette di pi greco"));
    setTitleFont(chartFont(15, true));
    legend()->setFont(chartFont(12));
    legend()->setAlignment(Qt::AlignRight);
    setMargins(QMargins(4, 4, 4, 4));

    stepAxis_ = new QValueAxis(this);
    stepAxis_->setTitleText(QCoreApplication::translate("ConvergenceChart", "Passo"));
    stepAxis_->setLabelFormat(QStringLiteral("%d"));
    stepAxis_->setTickType(QValueAxis::TicksDynamic);
    stepAxis_->setTickAnchor(0.0);
    digitAxis_ = new QLogValueAxis(this);
    digitAxis_->setTitleText(
        QCoreApplication::translate("ConvergenceChart", "Cifre corrette (scala logaritmica)"));
    digitAxis_->setLabelFormat(QStringLiteral("%g"));
    digitAxis_->setBase(10.0);
    digitAxis_->setMinorTickCount(8);
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{stepAxis_, digitAxis_}) {
        axis->setLabelsFont(chartFont(11));
        axis->setTitleFont(chartFont(12));
    }
    addAxis(stepAxis_, Qt::AlignBottom);
    addAxis(digitAxis_, Qt::AlignLeft);

    if (runOutStep_) {
        runOutLine_ = new QLineSeries(this);
        runOutPoint_ = new QScatterSeries(this);
        runOutPoint_->setName(QString::fromStdString(calc::runOutName(*runOutStep_)));
        runOutPoint_->setMarkerSize(10.0);
        addMarkerSeries();
    }
    applyColours();
    // The plot's width, known once the chart is laid out, decides how many
    // step labels fit.
    connect(this, &QChart::plotAreaChanged, this, [this] { fitStepTicks(); });
}

void ConvergenceChart::fitStepTicks() {
    const double lastStep = std::max(shown_, 2);
    setRangeAndTicks(*stepAxis_, 1.0, lastStep,
                     calc::stepTickInterval(lastStep, plotArea().width()));
}

void ConvergenceChart::addDigitSeries(const calc::DigitSeries& series) {
    auto* line = new QLineSeries(this);
    // Series names come marked for translation in this context from where
    // the series are made: calc/digits.cpp, pictures/certified_series.cpp.
    line->setName(QCoreApplication::translate("ConvergenceChart", series.name.c_str()));
    line->setMarkerSize(4.0);
    if (runOutStep_) {
        // The legend lists series in the order they were added: the marker last.
        removeSeries(runOutLine_);
        removeSeries(runOutPoint_);
    }
    addSeries(line);
    line->attachAxis(stepAxis_);
    line->attachAxis(digitAxis_);
    if (runOutStep_) {
        addMarkerSeries();
    }
    series_.push_back(series);
    lines_.push_back(line);
    if (series_.size() == 1 && runOutStep_) {
        runOutDigits_ = calc::digitsAtStep(series, *runOutStep_);
    }
    applyColours();
    setShownSteps(shown_);
}

void ConvergenceChart::addMarkerSeries() {
    for (QXYSeries* marker : std::initializer_list<QXYSeries*>{runOutLine_, runOutPoint_}) {
        addSeries(marker);
        marker->attachAxis(stepAxis_);
        marker->attachAxis(digitAxis_);
    }
    legend()->markers(runOutLine_).front()->setVisible(false);
}

void ConvergenceChart::setShownSteps(int count) {
    shown_ = std::clamp(count, 0, calc::maximumSteps);
    const std::vector<calc::DigitSeries> shown = calc::shownSeries(series_, shown_);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(shown[i].points.size()));
        for (const calc::DigitPoint& point : shown[i].points) {
            points.append(QPointF(point.step, point.digits));
        }
        lines_[i]->replace(points);
        // A lone point (one step shown) has no line to draw without its mark.
        lines_[i]->setPointsVisible(shown_ <= calc::markedPointsUpTo);
    }
    const double top = calc::chartAxes(shown, shown_, 0.0).topDigits;
    fitStepTicks();
    digitAxis_->setRange(calc::lowestDigits, top);

    if (runOutStep_) {
        const bool marked = *runOutStep_ <= shown_;
        runOutLine_->setVisible(marked);
        runOutPoint_->setVisible(marked);
        legend()->markers(runOutPoint_).front()->setVisible(marked);
        legend()->markers(runOutLine_).front()->setVisible(false);
        runOutLine_->replace(
            QList<QPointF>{QPointF(*runOutStep_, calc::lowestDigits), QPointF(*runOutStep_, top)});
        runOutPoint_->replace(QList<QPointF>{QPointF(*runOutStep_, runOutDigits_)});
    }
}

QString ConvergenceChart::note() const {
    return QString::fromStdString(calc::chartNote(runOutStep_, shown_));
}

void ConvergenceChart::setDark(bool dark) {
    dark_ = dark;
    setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    // A theme resets fonts and colours: set them again.
    setTitleFont(chartFont(15, true));
    legend()->setFont(chartFont(12));
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{stepAxis_, digitAxis_}) {
        axis->setLabelsFont(chartFont(11));
        axis->setTitleFont(chartFont(12));
    }
    applyColours();
}

void ConvergenceChart::applyColours() {
    const calc::PictureColours colours = calc::pictureColours(dark_);
    for (std::size_t i = 0; i < lines_.size() && i < colours.series.size(); ++i) {
        lines_[i]->setPen(QPen(qColour(colours.series.at(i)), 2.0));
    }
    // The dark theme draws the eight minor lines of each decade as bright as
    // the major ones: keep them faint, as the light theme does.
    digitAxis_->setMinorGridLinePen(QPen(qColour(colours.grid), 1.0, Qt::DashLine));
    if (runOutStep_) {
        QPen dashed(qColour(colours.frame), 1.0, Qt::DashLine);
        runOutLine_->setPen(dashed);
        runOutPoint_->setColor(qColour(colours.text));
        runOutPoint_->setBorderColor(qColour(colours.text));
    }
}

std::unique_ptr<ConvergenceChart> makeConvergenceChart(std::span<const calc::StepRow> rows) {
    auto chart = std::make_unique<ConvergenceChart>(calc::firstStepPastPi(rows));
    for (const calc::DigitSeries& series : calc::binary64Series(rows)) {
        chart->addDigitSeries(series);
    }
    for (const calc::DigitSeries& series : certifiedSeries(certifiedDigits, calc::maximumSteps)) {
        chart->addDigitSeries(series);
    }
    return chart;
}

std::unique_ptr<ConvergenceChart> copyForExport(const ConvergenceChart& chart) {
    auto copy = std::make_unique<ConvergenceChart>(chart.runOutStep());
    for (const calc::DigitSeries& series : chart.digitSeries()) {
        copy->addDigitSeries(series);
    }
    copy->setShownSteps(chart.shownSteps());
    return copy;
}

} // namespace pictures

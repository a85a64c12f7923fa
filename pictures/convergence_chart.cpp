#include "pictures/convergence_chart.hpp"

#include "calc/chart_figures.hpp"
#include "calc/colours.hpp"
#include "calc/proven_series.hpp"
#include "calc/series_styles.hpp"
#include "calc/view_texts.hpp"
#include "pictures/polygon_scene.hpp"
#include "runtime/host/translation.hpp"

#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPen>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace pictures {

using runtime::host::translatedText;

namespace {

// Fixed fonts and sizes, so that the chart looks the same on every machine
// and in every export.
QFont chartFont(int pixels, bool bold = false) {
    QFont font = sceneFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

constexpr double lineWidth = 2.0;
constexpr int markerPixels = 9;
// Qt Charts gives a legend beside the plot at most this share of the width
// inside the chart's margins, and elides the names that do not fit.
constexpr double legendShare = 0.4;

// text in lines no wider than width where it has spaces to break at, as the
// legend's rich text: a word wider than width stays whole.
QString wrapped(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString longer = lines.isEmpty() ? word : lines.constLast() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= width) {
            lines.last() = longer;
        } else {
            lines.append(word);
        }
    }
    for (QString& line : lines) {
        line = line.toHtmlEscaped();
    }
    return lines.join(QStringLiteral("<br>"));
}

// The series' point marker, drawn in colour on a transparent square, so
// that each series keeps its shape in the plot and not only its colour.
QImage markerImage(calc::SeriesMarker marker, const QColor& colour) {
    constexpr int scale = 4; // drawn larger, then shrunk by Qt Charts
    const double size = markerPixels * scale;
    QImage image(QSize(markerPixels, markerPixels) * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double m = size / 2.0;
    const double e = 0.1 * size; // margin
    switch (marker) {
    case calc::SeriesMarker::Circle:
        painter.drawEllipse(QPointF(m, m), m - e, m - e);
        break;
    case calc::SeriesMarker::Square:
        painter.drawRect(QRectF(e, e, size - 2 * e, size - 2 * e));
        break;
    case calc::SeriesMarker::TriangleUp:
        painter.drawPolygon(QPolygonF{{m, e}, {size - e, size - e}, {e, size - e}});
        break;
    case calc::SeriesMarker::TriangleDown:
        painter.drawPolygon(QPolygonF{{e, e}, {size - e, e}, {m, size - e}});
        break;
    case calc::SeriesMarker::Diamond:
        painter.drawPolygon(QPolygonF{{m, 0}, {size, m}, {m, size}, {0, m}});
        break;
    case calc::SeriesMarker::Cross:
        painter.setPen(QPen(colour, 0.22 * size, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(e, e), QPointF(size - e, size - e));
        painter.drawLine(QPointF(size - e, e), QPointF(e, size - e));
        break;
    }
    return image;
}

QPen seriesPen(const calc::SeriesStyle& style, bool dark) {
    QPen pen(qColour(dark ? style.dark : style.light), lineWidth);
    if (style.dashes.count > 0) {
        pen.setDashPattern(QList<qreal>(style.dashes.lengths.begin(),
                                        style.dashes.lengths.begin() + style.dashes.count));
    }
    return pen;
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
    setTitle(translatedText("ConvergenceChart", calc::chartTitle));
    setTitleFont(chartFont(15, true));
    legend()->setFont(chartFont(12));
    legend()->setAlignment(Qt::AlignRight);
    // Each series' line and marker in the legend, not a patch of its colour.
    legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    setMargins(QMargins(4, 4, 4, 4));

    stepAxis_ = new QValueAxis(this);
    stepAxis_->setTitleText(translatedText("ConvergenceChart", calc::stepAxisTitle));
    stepAxis_->setLabelFormat(QStringLiteral("%d"));
    stepAxis_->setTickType(QValueAxis::TicksDynamic);
    stepAxis_->setTickAnchor(0.0);
    digitAxis_ = new QLogValueAxis(this);
    digitAxis_->setTitleText(translatedText("ConvergenceChart", calc::digitAxisTitle));
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

void ConvergenceChart::resizeEvent(QGraphicsSceneResizeEvent* event) {
    QChart::resizeEvent(event);
    fitLegend();
}

// Names longer than the legend's room are broken into lines rather than
// elided: in some languages a method's name is wider than a narrow chart
// gives its legend.
void ConvergenceChart::fitLegend() {
    const QList<QLegendMarker*> markers = legend()->markers();
    const QFontMetricsF metrics(legend()->font());
    double widestName = 0.0;
    for (QLegendMarker* marker : markers) {
        marker->setLabel(marker->series()->name().toHtmlEscaped());
        widestName = std::max(widestName, metrics.horizontalAdvance(marker->series()->name()));
    }
    if (size().isEmpty()) {
        return; // not laid out yet
    }
    // The legend keeps its size from before the names changed until told.
    legend()->layout()->invalidate();
    // What an entry needs beside its name: its sample, its spaces and the
    // legend's margins.
    const double besideName = legend()->effectiveSizeHint(Qt::PreferredSize).width() - widestName;
    qreal left = 0.0;
    qreal top = 0.0;
    qreal right = 0.0;
    qreal bottom = 0.0;
    layout()->getContentsMargins(&left, &top, &right, &bottom);
    const double inside = size().width() - left - right - margins().left() - margins().right();
    const double room = legendShare * inside - besideName - 1.0; // a pixel spare for rounding
    if (widestName <= room) {
        return;
    }
    for (QLegendMarker* marker : markers) {
        marker->setLabel(wrapped(marker->series()->name(), metrics, room));
    }
}

void ConvergenceChart::fitStepTicks() {
    const double lastStep = std::max(shown_, 2);
    setRangeAndTicks(*stepAxis_, 1.0, lastStep,
                     calc::stepTickInterval(lastStep, plotArea().width()));
}

void ConvergenceChart::addDigitSeries(const calc::DigitSeries& series) {
    auto* line = new QLineSeries(this);
    // Series names come marked for translation in this context from where
    // the series are made: calc/digits.cpp, calc/proven_series.cpp.
    line->setName(translatedText("ConvergenceChart", series.name.c_str()));
    line->setMarkerSize(markerPixels);
    // Hovering over a point names its series, step and digits.
    connect(line, &QXYSeries::hovered, this, [this, line](const QPointF& point, bool entered) {
        if (!entered) {
            QToolTip::hideText();
            return;
        }
        QToolTip::showText(QCursor::pos(), pointText(line->name(), point, decimalSeparator_));
    });
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
    fitLegend();
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
    }
    showMarkers();
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

// Points are marked while they stand apart, and a lone point (one step
// shown) has no line to draw without its mark.
void ConvergenceChart::showMarkers() {
    const bool marked = shown_ <= calc::markedPointsUpTo;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->setPointsVisible(marked);
        lines_[i]->setLightMarker(marked && i < markers_.size() ? markers_[i] : QImage());
    }
}

QString ConvergenceChart::pointText(const QString& series, QPointF point,
                                    const std::string& decimalSeparator) {
    QString digits = QString::number(point.y(), 'f', 1);
    digits.replace(QLatin1Char('.'), QString::fromStdString(decimalSeparator));
    return translatedText("ConvergenceChart", calc::pointPattern)
        .arg(series)
        .arg(static_cast<int>(std::lround(point.x())))
        .arg(digits);
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
    fitLegend();
}

void ConvergenceChart::applyColours() {
    const calc::PictureColours colours = calc::pictureColours(dark_);
    for (std::size_t i = 0; i < lines_.size() && i < calc::chartSeriesStyles.size(); ++i) {
        const calc::SeriesStyle& style = calc::chartSeriesStyles[i];
        lines_[i]->setPen(seriesPen(style, dark_));
    }
    markers_.clear();
    for (std::size_t i = 0; i < lines_.size() && i < calc::chartSeriesStyles.size(); ++i) {
        const calc::SeriesStyle& style = calc::chartSeriesStyles[i];
        markers_.push_back(markerImage(style.marker, qColour(dark_ ? style.dark : style.light)));
    }
    showMarkers();
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
    for (const calc::DigitSeries& series : calc::provenSeries()) {
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

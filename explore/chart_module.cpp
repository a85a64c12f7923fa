// The module lavoro1-esplora-grafico: Esplora's chart part (chart_part.hpp),
// with Qt Charts, Qt Svg and the ball arithmetic, which the window loads once
// its first frame is on screen. It exports makeChartPartName alone.

#include "explore/chart_part.hpp"
#include "pictures/convergence_chart.hpp"
#include "pictures/pictures.hpp"

#include <QAccessible>
#include <QChartView>
#include <QKeyEvent>
#include <QLineSeries>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <iterator>

namespace explore {
namespace {

// The chart, focusable: Left and Right move along a series' points, Up and
// Down to the other series at the nearest step; the point in focus shows in
// a tooltip and is described to assistive technology.
class ChartView : public QChartView {
public:
    using QChartView::QChartView;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const pictures::ConvergenceChart& shown() const {
        return *static_cast<const pictures::ConvergenceChart*>(chart());
    }
    void showFocusedPoint();

    std::size_t series_ = 0;
    int index_ = -1;
};

void ChartView::keyPressEvent(QKeyEvent* event) {
    const auto& lines = shown().lines();
    if (lines.empty()) {
        QChartView::keyPressEvent(event);
        return;
    }
    const QPointF before =
        index_ >= 0 && index_ < lines[series_]->count() ? lines[series_]->at(index_) : QPointF();
    switch (event->key()) {
    case Qt::Key_Right:
        ++index_;
        break;
    case Qt::Key_Left:
        index_ = std::max(0, index_ - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const std::size_t count = lines.size();
        series_ = (series_ + (event->key() == Qt::Key_Down ? 1 : count - 1)) % count;
        // The nearest step the new series has.
        index_ = 0;
        for (int i = 0; i < lines[series_]->count(); ++i) {
            if (lines[series_]->at(i).x() <= before.x()) {
                index_ = i;
            }
        }
        break;
    }
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    index_ = std::clamp(index_, 0, std::max(0, lines[series_]->count() - 1));
    showFocusedPoint();
    event->accept();
}

void ChartView::showFocusedPoint() {
    QLineSeries* line = shown().lines()[series_];
    if (index_ < 0 || index_ >= line->count()) {
        return;
    }
    const QPointF point = line->at(index_);
    const QString text =
        pictures::ConvergenceChart::pointText(line->name(), point, shown().decimalSeparator());
    const QPoint where = mapFromScene(chart()->mapToScene(chart()->mapToPosition(point, line)));
    QToolTip::showText(mapToGlobal(where), text, this);
    setAccessibleDescription(text);
    QAccessibleValueChangeEvent changed(this, text);
    QAccessible::updateAccessibility(&changed);
}

class ConvergencePart : public ChartPart {
public:
    explicit ConvergencePart(const ChartPartInputs& inputs)
        : decimalSeparator_(inputs.decimalSeparator) {
        auto chart = pictures::makeConvergenceChart(*inputs.rows);
        chart->setDecimalSeparator(decimalSeparator_);
        chart_ = chart.get();
        view_ = new ChartView(chart.release(), inputs.parent);
        view_->setRenderHint(QPainter::Antialiasing);
    }

    QWidget* view() const override { return view_; }
    const pictures::ConvergenceChart& chart() const override { return *chart_; }

    std::vector<calc::DigitSeries> provenSeries() const override {
        // The chart's last three series are the certified methods'.
        const std::vector<calc::DigitSeries>& series = chart_->digitSeries();
        return {series.end() - std::min<std::ptrdiff_t>(3, std::ssize(series)), series.end()};
    }

    void setShownSteps(int count) override { chart_->setShownSteps(count); }
    QString note() const override { return chart_->note(); }
    void setDark(bool dark) override { chart_->setDark(dark); }

    QString writeDrawing(const QString& path, int step, QSize size) const override {
        return pictures::writeDrawing(path, step, size, decimalSeparator_);
    }
    QString writeChart(const QString& path, QSize size) const override {
        return pictures::writeChart(path, *chart_, size);
    }
    QString writeFile(const QString& path, std::string_view contents) const override {
        return pictures::writeFile(path, contents);
    }

private:
    std::string decimalSeparator_;
    pictures::ConvergenceChart* chart_ = nullptr; // owned by view_
    ChartView* view_ = nullptr;                   // owned by its parent
};

} // namespace
} // namespace explore

extern "C" Q_DECL_EXPORT explore::ChartPart*
lavoro1_make_chart_part(const explore::ChartPartInputs& inputs) {
    runtime::setTextTranslator(inputs.translator);
    return new explore::ConvergencePart(inputs);
}

#pragma once

// Esplora: the polygons of a step closing in on the circle, the table of the
// steps and the convergence of the digits, driven by one step control.

#include "calc/pictures.hpp"
#include "calc/step_range.hpp"
#include "calc/step_rows.hpp"
#include "explore/chart_part.hpp"
#include "pictures/polygon_scene.hpp"

#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTableView>
#include <QVariantMap>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QFileDialog;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QSplitter;
class QVBoxLayout;

namespace runtime::host {
class SettingsFile;
}

namespace explore {

class LessonPanel;
class PlayControls;
class StepTableModel;

// The size of the window's contents when it remembers none and the screen
// has room: the drawing beside the table and the chart, each near 640 wide.
inline constexpr QSize preferredWindowSize{1280, 800};
// Pixels of a screen's work area kept free around a window that had to be
// fitted, for the frame and title bar the window manager adds around it.
inline constexpr int screenMargin = 32;
// Type of the current bounds in full screen, for a room, on a screen
// calc::roomScreenHeight high; other screens scale it with their height.
inline constexpr int largeTypePixels = 28;

// wanted, the geometry of the window's contents, as it goes on a screen whose
// work area is available: unchanged when it lies inside; otherwise no larger
// than the work area less screenMargin on every side (less where that would
// leave no room for least, the window's least size), moved the least to lie
// within that.
QRect fitToScreen(const QRect& wanted, const QRect& available, QSize least = {});

// Where the window opens when it remembers nothing: preferredWindowSize
// centred on available, fitted to it.
QRect openingGeometry(const QRect& available);

// The dialog of the save buttons, suggesting suggestedName in the current
// folder; a name without an extension gets .svg before any question.
std::unique_ptr<QFileDialog> saveDialog(QWidget* parent, const QString& title,
                                        const QString& suggestedName);
// The same for the table: a spreadsheet (.ods, the default) or the CSV of
// archimede, the name's extension following the type chosen.
std::unique_ptr<QFileDialog> saveTableDialog(QWidget* parent, const QString& suggestedName);

// The drawing of one step, scaled to the widget, following the palette.
class PolygonView : public QWidget {
    Q_OBJECT

public:
    PolygonView(std::string decimalSeparator, QWidget* parent = nullptr);
    void setStep(int step);
    int step() const { return step_; }
    // Type for the back of a room, for full screen: scale times the type
    // set for a screen calc::roomScreenHeight high, never under the window's.
    void setLarge(bool large, double scale = 1.0);
    // What the widget shows at its size now.
    pictures::PolygonScene scene() const;
    QSize sizeHint() const override { return {640, 420}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::string decimalSeparator_;
    int step_ = 0;
    calc::DrawingText text_ = calc::drawingText;
    std::optional<pictures::PolygonScene> shown_; // scene() as last made
};

// A table view whose Ctrl+C copies the selected cells as tab-separated lines.
class StepTableView : public QTableView {
public:
    using QTableView::QTableView;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The window remembers, in the application's settings, its geometry, its
// splitters, its step and how it plays when it is closed, and takes them back
// when it opens, wholly on a screen. Settings that cannot be used are said
// once on standard error and never block the window. The chart, and the
// proven digits of the lesson and the table, come from the chart's module
// (chart_part.hpp), loaded once the first frame is painted.
class ExploreWindow : public QWidget {
    Q_OBJECT

public:
    // Opens at step, or without one at the step last closed at (calc::defaultExploreStep
    // the first time).
    explicit ExploreWindow(const QLocale& locale, std::optional<int> step = std::nullopt,
                           QWidget* parent = nullptr);
    ~ExploreWindow() override;

    // Moves the step control, and with it the drawing, table and chart.
    void setStep(int step);
    int step() const;

    // The pictures as the save buttons write them; empty, or the error.
    // Saving loads the chart's module first if it is not yet loaded.
    QString saveDrawing(const QString& path, QSize size = QSize(calc::defaultPictureSize.width,
                                                                calc::defaultPictureSize.height));
    QString saveChart(const QString& path, QSize size = QSize(calc::defaultPictureSize.width,
                                                              calc::defaultPictureSize.height));
    // Steps 1 to the step shown, as the table button writes them: archimede's
    // CSV when path ends in .csv, otherwise a spreadsheet; empty, or the error.
    QString saveTable(const QString& path);

    // Whether the chart's module has been loaded and the chart made.
    bool chartLoaded() const { return chartPart_ != nullptr; }
    // The chart, its module loaded now if it was not yet: the module must
    // be there.
    const pictures::ConvergenceChart& chart();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void createStepControls();
    void createViews();
    void layOut();
    void createConnections();
    void applyPalette();
    // Takes back the geometry, splitters and play; returns the step remembered.
    std::optional<int> restoreLayout();
    void restorePlay(const QVariantMap& remembered);
    void rememberLayout();
    QString askSavePath(std::unique_ptr<QFileDialog> dialog);
    void saveDrawingClicked();
    void saveChartClicked();
    void saveTableClicked();
    void stepChanged(int step);
    void announceStep(int step);
    // Loads the chart's module, once, and puts the chart in its place; false
    // when it cannot be loaded, chartError_ saying why. What making the
    // chart throws goes on to the caller, and the next call tries again.
    bool loadChart();
    void loadChartNow();
    void showTable();
    // Type for the back of a room, in full screen.
    void setLarge(bool large);

    std::string decimalSeparator_;
    std::shared_ptr<const std::vector<calc::StepRow>> rows_;
    std::unique_ptr<runtime::host::SettingsFile> settings_;
    std::unique_ptr<ChartPart> chartPart_;
    QString chartError_; // why the chart's module could not be loaded
    bool firstFramePainted_ = false;
    StepTableModel* model_ = nullptr;

    QLabel* stepLabel_ = nullptr;
    QSpinBox* stepBox_ = nullptr;
    QSlider* stepSlider_ = nullptr;
    QPushButton* saveDrawingButton_ = nullptr;
    QPushButton* saveChartButton_ = nullptr;
    QPushButton* saveTableButton_ = nullptr;
    PolygonView* drawing_ = nullptr;
    StepTableView* table_ = nullptr;
    QWidget* chartView_ = nullptr; // an empty place until the chart is loaded
    QVBoxLayout* chartLayout_ = nullptr;
    QLabel* note_ = nullptr;
    QCheckBox* provenBox_ = nullptr;
    PlayControls* play_ = nullptr;
    QLabel* bounds_ = nullptr; // the step's sides and bounds
    LessonPanel* lesson_ = nullptr;
    QSplitter* drawingLesson_ = nullptr; // the drawing / the lesson
    QSplitter* views_ = nullptr;         // the above | the table over the chart
    QSplitter* tableChart_ = nullptr;    // the table / the chart
};

} // namespace explore

#include "calc/digits.hpp"
#include "calc/spreadsheet.hpp"
#include "calc/step_rows.hpp"
#include "certified/certified_pi.hpp"
#include "explore/explore_window.hpp"
#include "explore/play_controls.hpp"
#include "lavoro1/project_info.hpp"
#include "pictures/convergence_chart.hpp"
#include "pictures/polygon_scene.hpp"
#include "runtime/host/translation.hpp"
#include "tests/gui_support/accessibility.hpp"
#include "tests/gui_support/modal_watchdog.hpp"
#include "tests/gui_support/screen_size.hpp"
#include "tests/gui_support/shown_texts.hpp"
#include "tests/gui_support/temporary_settings.hpp"

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// Rectangles in failure messages as x,y wxh.
void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

namespace {

// Every window here loads the chart's module from the build tree.
const bool chartModuleFound = [] {
    explore::setChartModulePath(QStringLiteral(LAVORO1_CHART_MODULE));
    return true;
}();

const QLocale italian(QLocale::Italian, QLocale::Italy);
const QLocale english(QLocale::English, QLocale::UnitedStates);

// A shown Esplora window driven with real key and mouse events, remembering
// in settings of its own.
class ExploreWindowTest : public ::testing::Test {
protected:
    void open(std::optional<int> step = calc::defaultExploreStep, const QLocale& locale = italian) {
        window = std::make_unique<explore::ExploreWindow>(locale, step);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The chart's module, loaded after the first frame.
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->chartLoaded(); }));
    }

    void TearDown() override {
        QApplication::processEvents();
        EXPECT_TRUE(watchdog.allExpectedShown());
    }

    template <class Control> Control* control(const char* name) const {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QSpinBox* stepBox() const { return control<QSpinBox>("stepBox"); }
    QSlider* stepSlider() const { return control<QSlider>("stepSlider"); }
    QTableView* table() const { return control<QTableView>("table"); }

    QString cell(int row, int column) const {
        return table()->model()->index(row, column).data().toString();
    }

    // Replaces the spin box's text by typing, then Enter.
    void typeStep(const QString& text) {
        stepBox()->setFocus();
        QTest::keyClick(stepBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(stepBox(), text);
        QTest::keyClick(stepBox(), Qt::Key_Return);
    }

    // What every view shows for the step, checked together.
    void expectAllAt(int step) const {
        EXPECT_EQ(stepBox()->value(), step);
        EXPECT_EQ(stepSlider()->value(), step);
        EXPECT_EQ(window->step(), step);
        EXPECT_EQ(table()->model()->rowCount(), step) << "a row for each step from 1";
        EXPECT_EQ(window->chart().shownSteps(), step);
        EXPECT_EQ(control<explore::PolygonView>("drawing")->step(), step);
    }

    // Closes the window as its user would, then opens a new one.
    void reopen(std::optional<int> step) {
        ASSERT_TRUE(window->close());
        open(step);
    }

    testing_support::TemporarySettings settings;
    testing_support::ModalWatchdog watchdog;
    std::unique_ptr<explore::ExploreWindow> window;
};

// --- One step control --------------------------------------------------------

TEST_F(ExploreWindowTest, OpensAtTheAskedStepWithEveryViewThere) {
    open(5);
    expectAllAt(5);
    EXPECT_EQ(window->windowTitle(), "Esplora poligoni e convergenza");
    EXPECT_TRUE(control<explore::PolygonView>("drawing")->accessibleDescription().startsWith(
        QLatin1String("Passo 5: poligoni di 96 lati")));
    EXPECT_EQ(QApplication::focusWidget(), stepBox());
}

TEST_F(ExploreWindowTest, SpinBoxAndSliderStayInSyncAndDriveTheViews) {
    open(3);
    typeStep(QStringLiteral("30"));
    expectAllAt(30);

    stepSlider()->setFocus();
    QTest::keyClick(stepSlider(), Qt::Key_PageUp);
    expectAllAt(40);
    QTest::keyClick(stepSlider(), Qt::Key_Left);
    expectAllAt(39);
    QTest::keyClick(stepSlider(), Qt::Key_End);
    expectAllAt(500);
    QTest::keyClick(stepSlider(), Qt::Key_Home);
    expectAllAt(1);

    stepBox()->setFocus();
    QTest::keyClick(stepBox(), Qt::Key_Up);
    expectAllAt(2);
    watchdog.expectMessageBox();
    typeStep(QStringLiteral("900"));
    EXPECT_LE(stepBox()->value(), 500) << "the spin box never goes past 500";
    expectAllAt(stepBox()->value());
}

// A count typed in a step box is read as Form1 and archimede read it, or
// refused in their words with the step kept: never another number (the
// keys a plain spin box dropped made "2.5" 25, "1e2" 12 and "999" 99).
TEST_F(ExploreWindowTest, StepBoxesReadATypedCountAsEveryFaceDoes) {
    open(25);
    const struct {
        const char* typed;
        int step;
        const char* refusal;
    } rows[] = {
        {"2.5", 2, nullptr},
        {"3.5", 4, nullptr},
        {"1e2", 100, nullptr},
        {"999", 100, "Risultati inattendibili!"},
        {"0", 100, "Inserire un numero di iterazioni da 1 a 500."},
        {"1e20", 100, "Errore di run-time '6':\n\nOverflow"},
        {"4 0", 40, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        const std::size_t boxes = watchdog.answered().size();
        if (row.refusal != nullptr) {
            watchdog.expectMessageBox();
        }
        typeStep(QString::fromLatin1(row.typed));
        expectAllAt(row.step);
        EXPECT_EQ(stepBox()->text(), QString::number(row.step));
        if (row.refusal != nullptr) {
            ASSERT_EQ(watchdog.answered().size(), boxes + 1);
            EXPECT_EQ(watchdog.answered().back().text, row.refusal);
        } else {
            EXPECT_EQ(watchdog.answered().size(), boxes) << "no box";
        }
    }
    auto* target = control<QSpinBox>("playTarget");
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(target, QStringLiteral("1e2"));
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_EQ(target->value(), 100);
}

// --- The table ---------------------------------------------------------------

// archimede --tabella's text: its cells, a row per line.
std::vector<std::vector<std::string>> archimedeCells(int steps, std::string_view separator) {
    std::ostringstream out;
    const std::vector<calc::StepRow> rows = calc::stepRows(steps);
    calc::writeRows(out, rows, calc::OutputFormat::Text, false, separator);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line); // the header
    std::vector<std::vector<std::string>> cells;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        cells.emplace_back(std::istream_iterator<std::string>(words),
                           std::istream_iterator<std::string>());
    }
    return cells;
}

TEST_F(ExploreWindowTest, TableRowsAreArchimedesRowsInTheLocalesFormat) {
    for (const QLocale* locale : {&italian, &english}) {
        SCOPED_TRACE(locale->name().toStdString());
        open(30, *locale);
        const auto expected =
            archimedeCells(30, locale == &italian ? std::string_view(",") : std::string_view("."));
        ASSERT_EQ(table()->model()->columnCount(), 5);
        for (const int step : {1, 5, 30}) {
            SCOPED_TRACE(step);
            const auto& row = expected[static_cast<std::size_t>(step - 1)];
            ASSERT_EQ(row.size(), 5u);
            for (int column = 0; column < 5; ++column) {
                EXPECT_EQ(cell(step - 1, column).toStdString(),
                          row[static_cast<std::size_t>(column)])
                    << "column " << column;
            }
        }
    }
    EXPECT_EQ(table()->model()->headerData(2, Qt::Horizontal).toString(), "Limite inferiore");
}

// The step's row, the last, selected and in view: at step 40 the table used to
// show rows 1 to 6.
TEST_F(ExploreWindowTest, TableShowsAndSelectsTheCurrentStepsRow) {
    open(40);
    const auto expectCurrentRowShown = [this](int step) {
        SCOPED_TRACE(step);
        const QModelIndex row = table()->model()->index(step - 1, 0);
        EXPECT_TRUE(table()->viewport()->rect().contains(table()->visualRect(row)));
        EXPECT_EQ(table()->selectionModel()->selectedRows(0), QModelIndexList{row});
        EXPECT_EQ(table()->currentIndex(), row);
    };
    expectCurrentRowShown(40);
    stepSlider()->setFocus();
    QTest::keyClick(stepSlider(), Qt::Key_End);
    expectCurrentRowShown(500);
    typeStep(QStringLiteral("120"));
    expectCurrentRowShown(120);
}

TEST_F(ExploreWindowTest, CtrlCCopiesTheSelectedRowsAsTabSeparatedText) {
    open(5);
    QGuiApplication::clipboard()->clear();
    table()->setFocus();
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                      table()->visualRect(table()->model()->index(0, 1)).center());
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      table()->visualRect(table()->model()->index(1, 1)).center());
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "1\t6,000E+00\t3,00000000\t3,46410162\t4,641E-01\n"
              "2\t1,200E+01\t3,10582854\t3,21539031\t1,096E-01\n");
}

// --- The chart ---------------------------------------------------------------

// The window is built and shown without its chart, which comes from a module
// loaded once the window is painted: the chart, its note and the proven
// digits of the table and the lesson are then those of the step shown, a
// proven-digits box ticked before included.
TEST_F(ExploreWindowTest, LoadsTheChartAfterItsFirstFrameAtTheStepShown) {
    window = std::make_unique<explore::ExploreWindow>(italian, 7);
    window->setStep(9);
    control<QCheckBox>("provenDigits")->setChecked(true);
    auto* lesson = control<QTextBrowser>("lesson");
    EXPECT_FALSE(window->chartLoaded());
    EXPECT_EQ(lesson->toPlainText(), "") << "no proven digits to tell yet";

    window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->chartLoaded(); }));
    EXPECT_EQ(window->chart().shownSteps(), 9);
    EXPECT_EQ(control<QLabel>("note")->text(), window->chart().note());
    EXPECT_TRUE(control<QWidget>("chart")->isVisible());
    EXPECT_EQ(table()->model()->columnCount(), 8) << "the three proven columns";
    const int richardson = static_cast<int>(
        calc::digitsAt(*(window->chart().digitSeries().end() - 1), window->step()));
    EXPECT_TRUE(lesson->toPlainText().contains(
        QStringLiteral("ne dimostra %1. Il conteggio si ferma a 300 cifre").arg(richardson)));
    // The lesson's numbers rewritten at each step leave nothing to undo.
    for (int step = 10; step <= 20; ++step) {
        window->setStep(step);
    }
    EXPECT_EQ(lesson->document()->availableUndoSteps(), 0);
}

QLineSeries* lineNamed(const pictures::ConvergenceChart& chart, const QString& name) {
    for (QAbstractSeries* series : chart.series()) {
        if (series->name() == name) {
            return qobject_cast<QLineSeries*>(series);
        }
    }
    ADD_FAILURE() << "no series " << name.toStdString();
    return nullptr;
}

TEST_F(ExploreWindowTest, ChartShowsTheBinary64DigitsOfEachBound) {
    open(30);
    const std::vector<calc::StepRow> rows = calc::stepRows(30);
    const pictures::ConvergenceChart& chart = window->chart();
    QLineSeries* lower = lineNamed(chart, QStringLiteral("Limite inferiore"));
    QLineSeries* upper = lineNamed(chart, QStringLiteral("Limite superiore"));
    ASSERT_TRUE(lower != nullptr && upper != nullptr);
    for (const int step : {1, 10, 26}) {
        SCOPED_TRACE(step);
        const calc::StepRow& row = rows[static_cast<std::size_t>(step - 1)];
        const QPointF lowerPoint = lower->at(step - 1);
        EXPECT_EQ(lowerPoint.x(), step);
        EXPECT_DOUBLE_EQ(lowerPoint.y(), calc::correctDigits(row.lowerBound));
        EXPECT_DOUBLE_EQ(upper->at(step - 1).y(), calc::correctDigits(row.upperBound));
    }
    EXPECT_NEAR(lower->at(0).y(), 0.849, 0.001);
    EXPECT_NEAR(lower->at(25).y(), 15.5, 0.1) << "step 26: 3.2e-16 from pi";
    EXPECT_EQ(lower->count(), 30);
    window->setStep(1);
    EXPECT_EQ(lower->count(), 1) << "the hexagon's point only";
    window->setStep(500);
    EXPECT_EQ(upper->count(), 500);
}

// y at step x of a line, or nothing: points of 0 digits are left out.
std::optional<double> digitsAt(const QLineSeries& line, int step) {
    for (const QPointF& point : line.points()) {
        if (point.x() == step) {
            return point.y();
        }
    }
    return std::nullopt;
}

TEST_F(ExploreWindowTest, ChartShowsTheDigitsEachCertifiedMethodProves) {
    open(30);
    const struct {
        certified::Method method;
        const char* name;
        int step;
    } cases[] = {
        {certified::Method::Doubling, "Dimostrate: raddoppi", 5},
        {certified::Method::Huygens, "Dimostrate: Huygens", 20},
        {certified::Method::Richardson, "Dimostrate: Richardson", 10},
    };
    const std::unique_ptr<pictures::ConvergenceChart> copy =
        pictures::copyForExport(window->chart());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = certified::race(c.method, calc::chartProvenDigits);
        const int proven = rows.at(static_cast<std::size_t>(c.step - 1)).provenDigits;
        ASSERT_GT(proven, 0);
        for (const pictures::ConvergenceChart* chart :
             std::initializer_list<const pictures::ConvergenceChart*>{&window->chart(),
                                                                      copy.get()}) {
            QLineSeries* line = lineNamed(*chart, QString::fromUtf8(c.name));
            ASSERT_NE(line, nullptr);
            EXPECT_EQ(digitsAt(*line, c.step), static_cast<double>(proven));
            EXPECT_FALSE(digitsAt(*line, 31)) << "step 31 is not shown";
        }
    }
    EXPECT_GE(digitsAt(*lineNamed(window->chart(), QStringLiteral("Dimostrate: Richardson")), 28),
              calc::chartProvenDigits)
        << "the target reached, on a digit axis that binary64's 16 digits share";
}

// The chart's text alternative: ticked, the table adds the digits each
// method proves, from the race itself; past its end, at least its target.
TEST_F(ExploreWindowTest, TableShowsTheDigitsEachMethodProvesWhenAsked) {
    open(30);
    auto* proven = control<QCheckBox>("provenDigits");
    QTest::mouseClick(proven, Qt::LeftButton, {}, QPoint(8, proven->height() / 2));
    ASSERT_EQ(table()->model()->columnCount(), 8);
    const struct {
        certified::Method method;
        const char* header;
    } columns[] = {{certified::Method::Doubling, "Dimostrate: raddoppi"},
                   {certified::Method::Huygens, "Dimostrate: Huygens"},
                   {certified::Method::Richardson, "Dimostrate: Richardson"}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(columns[i].header);
        EXPECT_EQ(table()->model()->headerData(5 + i, Qt::Horizontal).toString(),
                  QString::fromUtf8(columns[i].header));
        const auto race = certified::race(columns[i].method, calc::chartProvenDigits);
        for (const int step : {1, 12, 30}) {
            const QString expected =
                static_cast<std::size_t>(step) <= race.size()
                    ? QString::number(race[static_cast<std::size_t>(step - 1)].provenDigits)
                    : QStringLiteral("≥ %1").arg(race.back().provenDigits);
            EXPECT_EQ(cell(step - 1, 5 + i), expected) << "step " << step;
        }
    }
    proven->click();
    EXPECT_EQ(table()->model()->columnCount(), 5);
}

TEST_F(ExploreWindowTest, MarksWhereBinary64RunsOutOnceThatStepIsShown) {
    open(25);
    auto* note = control<QLabel>("note");
    QAbstractSeries* marker = nullptr;
    for (QAbstractSeries* series : window->chart().series()) {
        if (series->name().startsWith(QLatin1String("binary64 esaurito"))) {
            marker = series;
        }
    }
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->name(), "binary64 esaurito (passo 26)");
    EXPECT_FALSE(marker->isVisible());
    EXPECT_TRUE(note->text().startsWith(QLatin1String("Con 26 passi")))
        << note->text().toStdString();
    window->setStep(26);
    EXPECT_TRUE(marker->isVisible());
    EXPECT_TRUE(note->text().startsWith(QLatin1String("Dal passo 26 il limite inferiore")));
}

// The keyboard reaches every point: Right and Left along a series, Down and
// Up to the next series at the nearest step, each point named with its
// step and digits for the tooltip and assistive technology.
TEST_F(ExploreWindowTest, KeyboardFocusesTheChartsPointsAndNamesThem) {
    open(5);
    auto* chart = control<QWidget>("chart");
    chart->setFocus();
    const auto described = [chart] {
        return QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description);
    };
    const std::vector<calc::DigitSeries> binary64 =
        calc::binary64Series(calc::stepRows(calc::maximumSteps));
    const auto named = [&](const char* series, int step, double digits) {
        return pictures::ConvergenceChart::pointText(QString::fromUtf8(series),
                                                     QPointF(step, digits), ",");
    };
    const struct {
        Qt::Key key;
        const char* series;
        int step;
        double digits;
    } presses[] = {
        {Qt::Key_Right, "Limite inferiore", 1, binary64[0].points[0].digits},
        {Qt::Key_Right, "Limite inferiore", 2, binary64[0].points[1].digits},
        {Qt::Key_Down, "Limite superiore", 2, binary64[1].points[1].digits},
        {Qt::Key_Up, "Limite inferiore", 2, binary64[0].points[1].digits},
        {Qt::Key_Up, "Dimostrate: Richardson", 2, 2.0},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(press.series);
        QTest::keyClick(chart, press.key);
        EXPECT_EQ(described(), named(press.series, press.step, press.digits));
    }
    // The window's decimal separator, not C's point.
    EXPECT_EQ(described(), "Dimostrate: Richardson, passo 2: 2,0 cifre");
}

// --- Play ----------------------------------------------------------------------

// Play goes on from the step shown, a step at a time, and stops at the
// chosen one; Space pauses and goes on; reduced motion caps the speed.
TEST_F(ExploreWindowTest, PlaysFromTheStepShownToTheChosenOneAndSpaceToggles) {
    open(20);
    auto* play = control<explore::PlayControls>("playControls");
    control<QComboBox>("speed")->setCurrentIndex(std::ssize(explore::playSpeeds) - 1);
    control<QSpinBox>("playTarget")->setValue(24);
    std::vector<int> shown;
    stepSlider()->setFocus();
    QTest::keyClick(stepSlider(), Qt::Key_Space);
    ASSERT_TRUE(play->playing());
    while (play->playing()) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return window->step() != (shown.empty() ? 20 : shown.back()); }, 5000));
        shown.push_back(window->step());
    }
    EXPECT_EQ(shown, (std::vector<int>{21, 22, 23, 24}));
    expectAllAt(24);

    QTest::keyClick(stepSlider(), Qt::Key_Space);
    EXPECT_TRUE(play->playing()) << "at the chosen step, from the first again";
    EXPECT_EQ(window->step(), 1);
    QTest::keyClick(stepSlider(), Qt::Key_Space);
    EXPECT_FALSE(play->playing());

    control<QCheckBox>("reducedMotion")->setChecked(true);
    EXPECT_EQ(play->stepsPerSecond(), explore::reducedMotionSpeed);
}

// The parts of a drawing that overlap another or leave it, each as the box
// it fills: the circumscribed hexagon's square, the title and legend, the
// inset and its captions.
std::string misplacedParts(const pictures::PolygonScene& scene) {
    const QFontMetricsF metrics(pictures::sceneFont(scene.text.fontPixels));
    const auto box = [&](QPointF origin, std::initializer_list<QString> lines,
                         double indent = 0.0) {
        double width = 0.0;
        for (const QString& line : lines) {
            width = std::max(width, indent + metrics.horizontalAdvance(line));
        }
        return QRectF(origin,
                      QSizeF(width, scene.text.lineHeight * static_cast<double>(lines.size())));
    };
    const double corner = scene.radius / std::cos(std::numbers::pi / 6.0);
    const QPointF legendOrigin = scene.textOrigin + QPointF(0, scene.text.lineHeight);
    const std::pair<const char*, QRectF> parts[] = {
        {"circle", QRectF(scene.centre - QPointF(corner, corner), QSizeF(2 * corner, 2 * corner))},
        {"title", box(scene.textOrigin, {scene.title})},
        {"legend", box(legendOrigin, {scene.legend[0], scene.legend[1], scene.legend[2]},
                       scene.text.labelIndent)},
        {"inset", scene.insetFrame},
        {"captions", box(scene.captionOrigin,
                         {scene.insetCaption[0], scene.insetCaption[1], scene.insetCaption[2]})},
    };
    std::string misplaced;
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        if (!QRectF(QPointF(0, 0), scene.size).contains(parts[i].second)) {
            misplaced += std::string(parts[i].first) + " leaves the drawing; ";
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (parts[i].second.intersects(parts[j].second)) {
                misplaced += std::string(parts[i].first) + " overlaps " + parts[j].first + "; ";
            }
        }
    }
    return misplaced;
}

// In front of a class: F11 fills the screen and sets the step's bounds, the
// lesson's numbers and the drawing's texts in type for the back of the room,
// at least 24 px at 1920 x 1080 and in proportion on a smaller projector,
// with every part of the drawing still in view; F11 again undoes it.
TEST_F(ExploreWindowTest, F11GoesFullScreenInTypeForARoom) {
    const std::pair<QSize, int> screens[] = {{{1920, 1080}, 24}, {{1366, 768}, 17}};
    for (const auto& [screen, leastPixels] : screens) {
        SCOPED_TRACE(screen.height());
        const testing_support::ScreenSize size(screen);
        open(50);
        auto* bounds = control<QLabel>("bounds");
        auto* lesson = control<QTextBrowser>("lesson");
        auto* drawing = control<explore::PolygonView>("drawing");
        QTest::keyClick(window.get(), Qt::Key_F11);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return window->isFullScreen() && window->size() == screen; }));
        EXPECT_GE(QFontInfo(bounds->font()).pixelSize(), leastPixels);
        EXPECT_GE(QFontInfo(lesson->document()->defaultFont()).pixelSize(), leastPixels);
        EXPECT_GE(QFontInfo(pictures::sceneFont(drawing->scene().text.fontPixels)).pixelSize(),
                  leastPixels);
        EXPECT_EQ(misplacedParts(drawing->scene()), "") << "step 50 writes the longest title";
        QTest::keyClick(window.get(), Qt::Key_F11);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
        EXPECT_LT(QFontInfo(bounds->font()).pixelSize(), leastPixels);
        EXPECT_LT(drawing->scene().text.fontPixels, leastPixels);
    }
}

// --- Keyboard, names, palette ------------------------------------------------

TEST_F(ExploreWindowTest, TabVisitsTheControlsInOrderAndAltPFindsTheStep) {
    open();
    const char* order[] = {"stepSlider", "saveDrawing", "saveChart",     "saveTable", "play",
                           "speed",      "playTarget",  "reducedMotion", "table"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), control<QWidget>(name)) << name;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), stepBox());
}

TEST_F(ExploreWindowTest, NamesEveryControlForAssistiveTechnology) {
    open();
    for (const char* name : {"stepBox", "stepSlider", "saveDrawing", "saveChart", "saveTable",
                             "drawing", "table", "chart"}) {
        SCOPED_TRACE(name);
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(control<QWidget>(name));
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty());
    }
}

using Announcement = std::pair<QObject*, QAccessible::Event>;
std::vector<Announcement>* announcements = nullptr;

void recordAnnouncement(QAccessibleEvent* event) {
    if (announcements != nullptr) {
        announcements->emplace_back(event->object(), event->type());
    }
}

// A step change is heard as sides, then lower < pi < upper, in the order it
// reads, over the accessibility tree.
TEST_F(ExploreWindowTest, AnnouncesTheSidesAndBoundsOfANewStepInReadingOrder) {
    open(3);
    testing_support::activateAccessibility();
    ASSERT_TRUE(QAccessible::isActive());
    std::vector<Announcement> seen;
    announcements = &seen;
    QAccessible::installUpdateHandler(recordAnnouncement);
    typeStep(QStringLiteral("5"));
    QAccessible::installUpdateHandler(nullptr);
    announcements = nullptr;

    auto* bounds = control<QLabel>("bounds");
    EXPECT_NE(std::find(seen.begin(), seen.end(), Announcement(bounds, QAccessible::ValueChanged)),
              seen.end());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bounds)->text(QAccessible::Description),
              "Passo 5: 96 lati, 3,14103195\u00a0<\u00a0π\u00a0<\u00a03,14271460");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(stepSlider())->text(QAccessible::Description),
              bounds->text());
}

TEST_F(ExploreWindowTest, FollowsADarkPalette) {
    open(2);
    QPalette dark = window->palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    window->setPalette(dark);
    QApplication::processEvents();
    EXPECT_EQ(window->chart().theme(), QChart::ChartThemeDark);
    const QImage drawn = control<QWidget>("drawing")->grab().toImage();
    EXPECT_LT(qGray(drawn.pixel(2, 2)), 64) << "dark background";
}

TEST_F(ExploreWindowTest, RendersToAPicture) {
    open(3);
    window->resize(1280, 800);
    QApplication::processEvents();
    const QImage picture = window->grab().toImage();
    EXPECT_EQ(picture.size(), QSize(1280, 800) * window->devicePixelRatio());
    EXPECT_TRUE(picture.save(QStringLiteral(LAVORO1_SCREENSHOT_PATH)));
}

// --- Fitting the screen, remembering -----------------------------------------

struct Placement {
    const char* name;
    QRect wanted;   // empty: the geometry when nothing is remembered
    QRect workArea; // the screen's, panels left out
    QRect expected;
    QSize least = {}; // the window's least size
};

TEST(ExploreWindowGeometry, FitsTheWorkAreaOfTheScreen) {
    const Placement placements[] = {
        {"1920x1080, room for the preferred size", {}, {0, 0, 1920, 1080}, {320, 140, 1280, 800}},
        {"1366x768 laptop, 27 px panel", {}, {0, 0, 1366, 741}, {43, 32, 1280, 677}},
        {"800x600", {}, {0, 0, 800, 600}, {32, 32, 736, 536}},
        {"second screen, right of a 1920 one", {}, {1920, 0, 1366, 741}, {1963, 32, 1280, 677}},
        {"remembered, filling the work area",
         {0, 0, 1366, 741},
         {0, 0, 1366, 741},
         {0, 0, 1366, 741}},
        {"remembered on a larger screen",
         {10, 10, 1900, 1000},
         {0, 0, 1366, 741},
         {32, 32, 1302, 677}},
        {"remembered on a screen gone",
         {2000, 100, 800, 600},
         {0, 0, 1920, 1080},
         {1088, 100, 800, 600}},
        {"remembered on a screen left of the primary",
         {-1500, 50, 1200, 700},
         {0, 0, 1920, 1080},
         {32, 50, 1200, 700}},
        {"remembered smaller than the least size, grown to it, near the corner",
         {1500, 900, 746, 405},
         {0, 0, 1920, 1080},
         {1142, 643, 746, 405},
         {746, 405}},
        {"800x600, margins narrowed to the least width",
         {-400, 100, 1900, 1000},
         {0, 0, 800, 600},
         {27, 32, 746, 536},
         {746, 405}},
    };
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.name);
        const QRect fitted = p.wanted.isEmpty()
                                 ? explore::openingGeometry(p.workArea)
                                 : explore::fitToScreen(p.wanted, p.workArea, p.least);
        EXPECT_EQ(fitted, p.expected);
        EXPECT_TRUE(p.workArea.contains(fitted));
    }
}

// The offscreen platform's screen is 800x600, smaller than the size the
// window prefers or was closed at.
TEST_F(ExploreWindowTest, OpensInsideTheWorkAreaOfItsScreen) {
    open();
    const QRect workArea = window->screen()->availableGeometry();
    EXPECT_TRUE(workArea.contains(window->frameGeometry()))
        << "fresh: " << window->width() << 'x' << window->height();
    window->setGeometry(-400, 100, 1900, 1000);
    reopen(std::nullopt);
    EXPECT_TRUE(workArea.contains(window->frameGeometry()))
        << "closed larger: " << window->width() << 'x' << window->height();
    ASSERT_TRUE(window->close());

    // Remembered smaller than the window's least size, near the screen's
    // corner: it grows to that size before it is fitted.
    QWidget small;
    small.setGeometry(700, 500, 100, 100);
    {
        const QString name = QString::fromLatin1(lavoro1::applicationName);
        QSettings written(name, name);
        written.setValue(QStringLiteral("Esplora/geometry"), small.saveGeometry());
    }
    open(std::nullopt);
    EXPECT_TRUE(workArea.contains(window->frameGeometry())) << "remembered smaller than it can be";
}

TEST_F(ExploreWindowTest, RemembersItsGeometrySplittersStepAndPlay) {
    open(40);
    window->setGeometry(20, 30, 760, 520);
    const char* splitters[] = {"viewsSplitter", "tableChartSplitter", "drawingLessonSplitter"};
    control<QSplitter>(splitters[0])->setSizes({200, 480});
    control<QSplitter>(splitters[1])->setSizes({300, 150});
    control<QSplitter>(splitters[2])->setSizes({150, 300});
    control<QComboBox>("speed")->setCurrentIndex(0);
    control<QCheckBox>("reducedMotion")->setChecked(true);
    QApplication::processEvents();
    std::vector<QList<int>> sizes;
    for (const char* splitter : splitters) {
        sizes.push_back(control<QSplitter>(splitter)->sizes());
    }

    reopen(std::nullopt);
    EXPECT_EQ(window->geometry(), QRect(20, 30, 760, 520));
    for (std::size_t i = 0; i < std::size(splitters); ++i) {
        EXPECT_EQ(control<QSplitter>(splitters[i])->sizes(), sizes[i]) << splitters[i];
    }
    EXPECT_EQ(control<explore::PlayControls>("playControls")->chosenSpeed(),
              explore::playSpeeds[0]);
    EXPECT_TRUE(control<QCheckBox>("reducedMotion")->isChecked());
    expectAllAt(40);

    reopen(7);
    expectAllAt(7);
    EXPECT_EQ(window->geometry(), QRect(20, 30, 760, 520)) << "the step asked for wins alone";
}

TEST_F(ExploreWindowTest, OpensAsNewWhenTheSettingsCannotBeRead) {
    const struct {
        const char* step;
        const char* speed;
        const char* reducedMotion;
    } rows[] = {{"abc", "abc", "abc"},
                {"0", "0", "1"},
                {"501", "7", "yes"},
                {"-3", "-5", "TRUE "},
                {"", "", ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        {
            const QString name = QString::fromLatin1(lavoro1::applicationName);
            QSettings written(name, name);
            written.beginGroup(QStringLiteral("Esplora"));
            written.setValue(QStringLiteral("geometry"), QByteArray("not a geometry"));
            written.setValue(QStringLiteral("viewsSplitter"), QByteArray::fromHex("00ff"));
            written.setValue(QStringLiteral("step"), QString::fromLatin1(row.step));
            written.setValue(QStringLiteral("playSpeed"), QString::fromLatin1(row.speed));
            written.setValue(QStringLiteral("reducedMotion"),
                             QString::fromLatin1(row.reducedMotion));
        }
        open(std::nullopt);
        expectAllAt(calc::defaultExploreStep);
        EXPECT_EQ(control<explore::PlayControls>("playControls")->chosenSpeed(),
                  explore::playSpeeds[calc::defaultPlaySpeedIndex]);
        EXPECT_FALSE(control<QCheckBox>("reducedMotion")->isChecked());
        EXPECT_EQ(window->geometry(), QRect(explore::screenMargin, explore::screenMargin,
                                            window->width(), window->height()))
            << "where a window remembering nothing opens";
    }
}

// --- Saving -----------------------------------------------------------------

// "disegno" typed where disegno.svg exists: the dialog adds .svg, then asks
// whether to replace that file (the watchdog answers no).
TEST_F(ExploreWindowTest, SaveDialogAsksBeforeReplacingTheFileATypedNameMeans) {
    open(4);
    QTemporaryDir directory;
    QFile existing(directory.filePath(QStringLiteral("disegno.svg")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly) && existing.write("OLD") == 3);
    existing.close();
    const std::unique_ptr<QFileDialog> dialog = explore::saveDialog(
        window.get(), QStringLiteral("Salva il disegno"), QStringLiteral("poligoni-passo-4.svg"));
    dialog->setDirectory(directory.path());
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->clear();
    QTest::keyClicks(name, QStringLiteral("disegno"));
    watchdog.expectMessageBox();
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(watchdog.answered().size(), 1u);
    EXPECT_TRUE(watchdog.answered()[0].text.contains(QLatin1String("disegno.svg")))
        << watchdog.answered()[0].text.toStdString();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
}

// The table's dialog: a spreadsheet unless CSV is chosen, a typed name
// taking the chosen type's extension; each file as the core writes it, of
// the steps up to the one shown.
TEST_F(ExploreWindowTest, SavesTheTableAsASpreadsheetOrAsArchimedesCsv) {
    open(8);
    QTemporaryDir directory;
    const std::vector<calc::StepRow> rows = calc::stepRows(8);
    struct Case {
        bool chooseCsv;
        const char* file;
        std::string contents;
    };
    const Case cases[] = {{false, "tabella.ods", calc::stepTableSpreadsheet(rows, ",")},
                          {true, "tabella.csv", calc::csvText(rows)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::unique_ptr<QFileDialog> dialog =
            explore::saveTableDialog(window.get(), QStringLiteral("lavoro1-8.ods"));
        dialog->setDirectory(directory.path());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        if (c.chooseCsv) {
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            QTest::keyClick(types, Qt::Key_Down);
        }
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->clear();
        QTest::keyClicks(name, QStringLiteral("tabella"));
        QTest::keyClick(name, Qt::Key_Return);
        ASSERT_EQ(dialog->result(), QDialog::Accepted);
        const QString path = dialog->selectedFiles().value(0);
        EXPECT_EQ(path, directory.filePath(QString::fromLatin1(c.file)));
        ASSERT_EQ(window->saveTable(path), "");
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().toStdString(), c.contents);
    }
    EXPECT_EQ(window->saveTable(directory.path()),
              QStringLiteral("Impossibile scrivere '%1': è una cartella").arg(directory.path()));
}

// --- The same pictures from archimede ----------------------------------------

TEST_F(ExploreWindowTest, SavesThePicturesArchimedeDrawsWithoutADisplay) {
    open(4);
    QTemporaryDir directory;
    const auto path = [&](const char* name) {
        return directory.filePath(QString::fromLatin1(name));
    };
    ASSERT_EQ(window->saveDrawing(path("finestra.png")), "");
    ASSERT_EQ(window->saveChart(path("finestra-grafico.png")), "");
    ASSERT_EQ(window->saveDrawing(path("finestra.svg")), "");

    QProcess archimede;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG", "LANGUAGE"}) {
        environment.remove(QString::fromLatin1(variable));
    }
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    archimede.setProcessEnvironment(environment);
    archimede.start(QStringLiteral(LAVORO1_ARCHIMEDE),
                    {QStringLiteral("4"), QStringLiteral("--disegno"), path("archimede.png"),
                     QStringLiteral("--grafico"), path("archimede-grafico.png")});
    ASSERT_TRUE(archimede.waitForFinished(30000));
    EXPECT_EQ(archimede.exitCode(), 0);
    EXPECT_EQ(archimede.readAllStandardError().toStdString(), "");
    EXPECT_EQ(archimede.readAllStandardOutput().toStdString(), "");
    archimede.start(QStringLiteral(LAVORO1_ARCHIMEDE),
                    {QStringLiteral("4"), QStringLiteral("--disegno"), path("archimede.svg")});
    ASSERT_TRUE(archimede.waitForFinished(30000));
    EXPECT_EQ(archimede.exitCode(), 0);

    const QImage fromWindow(path("finestra.png"));
    ASSERT_EQ(fromWindow.size(), QSize(900, 600));
    EXPECT_TRUE(fromWindow == QImage(path("archimede.png"))) << "the drawing, pixel for pixel";
    EXPECT_TRUE(QImage(path("finestra-grafico.png")) == QImage(path("archimede-grafico.png")))
        << "the chart, pixel for pixel";
    QFile windowSvg(path("finestra.svg"));
    QFile archimedeSvg(path("archimede.svg"));
    ASSERT_TRUE(windowSvg.open(QIODevice::ReadOnly) && archimedeSvg.open(QIODevice::ReadOnly));
    EXPECT_EQ(windowSvg.readAll(), archimedeSvg.readAll());
}

// --- Language ----------------------------------------------------------------

// Every text of the window, with the chart's and the drawing's.
testing_support::ShownTexts everyText(explore::ExploreWindow& window) {
    testing_support::ShownTexts texts = testing_support::shownTexts(window);
    const pictures::ConvergenceChart& chart = window.chart();
    texts["chart title"] = chart.title();
    for (const QAbstractAxis* axis : chart.axes()) {
        texts["chart axis " + std::to_string(chart.axes().indexOf(axis))] = axis->titleText();
    }
    for (const QLegendMarker* marker : chart.legend()->markers()) {
        texts["chart legend " + std::to_string(chart.legend()->markers().indexOf(marker))] =
            marker->label();
    }
    const pictures::PolygonScene scene = pictures::makeScene(window.step(), {640, 420}, ".");
    texts["drawing title"] = scene.title;
    for (int i = 0; i < 3; ++i) {
        texts["drawing legend " + std::to_string(i)] = scene.legend[i];
    }
    for (int i = 0; i < 3; ++i) {
        texts["drawing inset " + std::to_string(i)] = scene.insetCaption[i];
    }
    // One entry a paragraph, so that an untranslated one is named; the
    // formulas ("a = √(1 − h²) ...") are the same in every language.
    const QStringList lesson =
        window.findChild<QTextBrowser*>(QStringLiteral("lesson"))->toPlainText().split('\n');
    for (qsizetype i = 0; i < lesson.size(); ++i) {
        if (!lesson[i].contains(QLatin1String(" = "))) {
            texts["lesson " + std::to_string(i)] = lesson[i];
        }
    }
    return texts;
}

class ExploreWindowInEnglish : public ExploreWindowTest {
protected:
    void TearDown() override {
        ExploreWindowTest::TearDown();
        window.reset();
        translations.reset();
    }
    std::optional<runtime::host::Translations> translations;
};

// Before and after step 26, where the chart's note and marker change.
TEST_F(ExploreWindowInEnglish, LeavesNoItalianText) {
    for (const int step : {3, 26}) {
        SCOPED_TRACE(step);
        translations.emplace(runtime::host::Language::English);
        open(step, english);
        const testing_support::ShownTexts englishTexts = everyText(*window);
        translations.reset();
        open(step, italian);
        EXPECT_EQ(testing_support::untranslated(everyText(*window), englishTexts),
                  std::vector<std::string>{});
    }
    translations.emplace(runtime::host::Language::English);
    open(26, english);
    EXPECT_EQ(window->windowTitle(), "Explore polygons and convergence");
    EXPECT_EQ(table()->model()->headerData(2, Qt::Horizontal).toString(), "Lower bound");
    EXPECT_EQ(window->chart().title(), "Digits of π: correct and proven");
    EXPECT_EQ(explore::saveDialog(window.get(), {}, {})->nameFilters(),
              QStringList{"Images (*.svg *.png *.pdf)"});
    EXPECT_EQ(window->saveDrawing(QStringLiteral("/nessuna/d.svg")),
              "Cannot write '/nessuna/d.svg': the folder does not exist");
}

// The legend's entries as the chart shows them, lines joined, and its names
// whole, each sorted: they differ where Qt Charts elides a name.
std::pair<std::vector<std::string>, std::vector<std::string>>
legendShownAndWhole(const QChart& chart) {
    std::vector<std::string> shown;
    std::vector<std::string> whole;
    QList<QGraphicsItem*> items = chart.legend()->childItems();
    while (!items.isEmpty()) {
        QGraphicsItem* item = items.takeLast();
        items.append(item->childItems());
        if (const auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item);
            text && text->isVisible()) {
            shown.push_back(
                text->toPlainText().replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString());
        }
    }
    // A text item's plain text has ordinary spaces for no-break ones.
    for (QLegendMarker* marker : chart.legend()->markers()) {
        if (marker->isVisible()) {
            whole.push_back(
                marker->series()->name().replace(QChar::Nbsp, QLatin1Char(' ')).toStdString());
        }
    }
    std::sort(shown.begin(), shown.end());
    std::sort(whole.begin(), whole.end());
    return {shown, whole};
}

class ExploreWindowInEveryLanguage : public ExploreWindowInEnglish {};

// In every language the legend's names are whole in a window of the size it
// first opens at, a name too long for the legend's room in lines: step 30
// shows them all, the run-out marker's included.
TEST_F(ExploreWindowInEveryLanguage, ShowsTheChartsLegendWhole) {
    const testing_support::ScreenSize fullHd({1920, 1080});
    for (const char* code : {"it", "en", "fr", "de", "es", "el"}) {
        SCOPED_TRACE(code);
        translations.emplace(runtime::host::Language(QString::fromLatin1(code)));
        open(30);
        ASSERT_EQ(window->size(), explore::preferredWindowSize);
        QApplication::processEvents();
        const auto [shown, whole] = legendShownAndWhole(window->chart());
        EXPECT_EQ(shown, whole);
    }
}

// The speeds in each language's plural: one step a second is singular.
TEST_F(ExploreWindowInEveryLanguage, NamesTheSpeedsInTheLanguagesPlural) {
    const struct {
        const char* code;
        const char* one;
        const char* two;
    } rows[] = {
        {"it", "1 passo/s", "2 passi/s"},  {"en", "1 step/s", "2 steps/s"},
        {"fr", "1 étape/s", "2 étapes/s"}, {"de", "1 Schritt/s", "2 Schritte/s"},
        {"es", "1 paso/s", "2 pasos/s"},   {"el", "1 βήμα/s", "2 βήματα/s"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        translations.emplace(runtime::host::Language(QString::fromLatin1(row.code)));
        open();
        const auto* speed = control<QComboBox>("speed");
        EXPECT_EQ(speed->itemText(0), QString::fromUtf8(row.one));
        EXPECT_EQ(speed->itemText(1), QString::fromUtf8(row.two));
    }
}

// archimede's pictures follow the language as the window does.
TEST(ArchimedePictures, FollowTheUsersLanguage) {
    const struct {
        const char* variable;
        const char* value;
        const char* title;
    } cases[] = {
        {"LANG", "C.UTF-8", "Correct digits (log scale)"},
        {"LANGUAGE", "it", "Cifre corrette (scala logaritmica)"},
        {"LANGUAGE", "el", "Σωστά ψηφία (λογαριθμική κλίμακα)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        QTemporaryDir directory;
        const QString svg = directory.filePath(QStringLiteral("grafico.svg"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            environment.remove(QString::fromLatin1(variable));
        }
        environment.insert(QString::fromLatin1(c.variable), QString::fromLatin1(c.value));
        QProcess archimede;
        archimede.setProcessEnvironment(environment);
        archimede.start(QStringLiteral(LAVORO1_ARCHIMEDE),
                        {QStringLiteral("30"), QStringLiteral("--grafico"), svg});
        ASSERT_TRUE(archimede.waitForFinished(30000));
        ASSERT_EQ(archimede.exitCode(), 0) << archimede.readAllStandardError().toStdString();
        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QString::fromUtf8(c.title)));
    }
}

} // namespace

// The faces' views: Form1's outcome for each kind of text typed, and
// Esplora's view of a step, whose parts a face paints as they come.

#include "calc/esplora_view.hpp"
#include "calc/form1_view.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Form1Outcome, ResultsAndAnnouncementOrTheOneMessage) {
    const struct {
        const char* text;
        bool computed;
        const char* shown; // in the announcement, or the message
    } cases[] = {
        {"5", true, "Passo 5: 9,600E+01 lati, 3,14103195\u00a0<\u00a0π\u00a0<\u00a03,14271460"},
        {"0", false, "Inserire un numero di iterazioni da 1 a 500."},
        {"501", false, "Risultati inattendibili!"},
        {"1e10", false, "Errore di run-time '6':"},
    };
    calc::Module1 module;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const calc::Form1Outcome outcome = calc::form1Outcome(module, c.text, ",");
        EXPECT_EQ(outcome.computed, c.computed);
        const std::string& shown = c.computed ? outcome.announcement : outcome.message;
        EXPECT_NE(shown.find(c.shown), std::string::npos) << shown;
        EXPECT_EQ(outcome.sides.empty(), !c.computed);
    }
}

TEST(Form1Layout, EveryControlInsideTheClientArea) {
    for (const calc::Form1Control& control : calc::form1Controls) {
        SCOPED_TRACE(control.name);
        const calc::ControlRect& at = control.geometry;
        EXPECT_GE(at.left, 0);
        EXPECT_LE(at.left + at.width, calc::form1Width);
        EXPECT_LE(at.top + at.height, calc::form1Height);
    }
}

// Three proven series of made-up digits, as the page's core is given them.
const calc::ChartData& data() {
    static const calc::ChartData made = calc::chartData({
        {"Dimostrate: raddoppi", {{1, 1.0}, {2, 2.0}}},
        {"Dimostrate: Huygens", {{1, 3.0}}},
        {"Dimostrate: Richardson", {{1, 4.0}, {30, 300.0}}},
    });
    return made;
}

TEST(EsploraView, DrawingMarkerLegendAndLeaderWhereTheLayoutPutsThem) {
    for (const double width : {900.0, 360.0}) {
        SCOPED_TRACE(width);
        calc::EsploraRequest request{.step = 7, .decimalSeparator = ","};
        request.drawing = {width, 0.0, 200.0};
        const calc::DrawingView drawing = *calc::esploraView(data(), request).drawing;
        const calc::Point arc = calc::followedArcMiddle(7, drawing.radius);
        EXPECT_DOUBLE_EQ(drawing.marker.left + calc::followedMarkerHalfSide,
                         drawing.centre.x + arc.x);
        ASSERT_EQ(drawing.texts.size(), 7U); // title, legend, captions
        EXPECT_EQ(drawing.texts[0].text, "Passo 7: poligoni di 384 lati");
        // Each legend name on the line of its sample, after it.
        EXPECT_DOUBLE_EQ(drawing.swatches[2].from.y + calc::drawingText.baselineLift,
                         drawing.texts[3].at.y);
        EXPECT_GT(drawing.texts[3].at.x, drawing.swatches[2].to.x);
        EXPECT_EQ(drawing.leader.has_value(), width >= calc::stackedBelowWidth);
    }
}

TEST(EsploraView, ChartLegendHasTheRunOutMarkerOnlyOnceShown) {
    const int runOut = *data().runOutStep;
    for (const int step : {runOut - 1, runOut, 500}) {
        SCOPED_TRACE(step);
        calc::EsploraRequest request{.step = step};
        request.chart = {900.0, 0.0};
        const calc::ChartView chart = *calc::esploraView(data(), request).chart;
        EXPECT_DOUBLE_EQ(chart.height, calc::chartHeight(900.0, 7));
        EXPECT_EQ(chart.runOut.has_value(), step >= runOut);
        EXPECT_EQ(chart.legend.size(), chart.series.size() + (step >= runOut ? 1U : 0U));
        // The lower bound's line ends at the plot's right edge, its last step.
        EXPECT_NEAR(chart.series[0].path.back().x, chart.plot.left + chart.plot.width, 0.005);
        EXPECT_TRUE(chart.series[0].points.empty()); // not asked for
        EXPECT_EQ(chart.digitLabels.back().text, step < 500 ? "10" : "100");
    }
}

TEST(EsploraView, RowsAskedForWithinTheStepAndTheProvenCells) {
    calc::EsploraRequest request{.step = 30, .proven = true};
    request.rows = {25, 40};
    const calc::EsploraView view = calc::esploraView(data(), request);
    EXPECT_EQ(view.firstRow, 25);
    ASSERT_EQ(view.rows.size(), 6U);
    EXPECT_EQ(view.rows[0][0], "25");
    // Past a series' last point its digits hold from there on.
    EXPECT_EQ(view.rows[5].back(), "300");
    EXPECT_EQ(view.rows[0].back(), "4");
    EXPECT_EQ(view.rows[0].size(), calc::stepColumnCount + 3);
}

TEST(EsploraView, LessonFilledInAndPointTextInTheSeparator) {
    calc::EsploraRequest request{.step = 3, .lesson = true};
    const calc::EsploraView view = calc::esploraView(data(), request);
    ASSERT_EQ(view.lesson.size(), 7U);
    for (const calc::LessonView& section : view.lesson) {
        EXPECT_EQ(section.text.find("%"), std::string::npos) << section.title;
    }
    EXPECT_EQ(calc::chartPointText("Limite inferiore", 3, 2.06, ","),
              "Limite inferiore, passo 3: 2,1 cifre");
}

} // namespace

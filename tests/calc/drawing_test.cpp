// The drawing's layout on a phone, where its parts stand one under the
// other: the captions keep to the inset's left edge while they fit, and the
// texts shrink only when even the whole width is too narrow for them.

#include "calc/drawing.hpp"

#include <gtest/gtest.h>

namespace {

TEST(StackedDrawing, MovesCaptionsLeftThenShrinksTextsOnlyAsFarAsTheyNeed) {
    const struct {
        const char* name;
        double width;
        double textWidth;
        double captionLeft;
        double textScale;
    } cases[] = {
        // 500 px: the inset, 320 px, stands from 90; the captions too.
        {"fit under the inset", 500.0, 300.0, 90.0, 1.0},
        {"from further left", 500.0, 420.0, 70.0, 1.0},
        {"from the margin", 500.0, 480.0, 10.0, 1.0},
        // 340 px: 320 between the margins, the inset across them.
        {"shrunk to the width", 340.0, 400.0, 10.0, 0.8},
        {"shrunk no further", 340.0, 640.0, 10.0, calc::smallestTextScale},
        {"not yet measured", 340.0, 0.0, 10.0, 1.0},
    };
    for (const auto& c : cases) {
        const calc::DrawingLayout layout = calc::stackedDrawingLayout(c.width, c.textWidth);
        EXPECT_DOUBLE_EQ(layout.captionOrigin.x, c.captionLeft) << c.name;
        EXPECT_DOUBLE_EQ(layout.textScale, c.textScale) << c.name;
        EXPECT_DOUBLE_EQ(layout.insetOrigin.x, (c.width - layout.insetSide) / 2.0) << c.name;
    }
}

} // namespace

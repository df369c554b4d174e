// The kept picture and the transient drawing: the target line of the
// windows relies on Cls removing exactly what was drawn since the keep.
#include <gtest/gtest.h>

#include "forms/headless.h"
#include "forms/surface.h"

using namespace forms;

namespace {

struct SurfaceTest : ::testing::Test {
    HeadlessServices metrics;
    Surface s{metrics};
    void SetUp() override {
        s.SetInnerSize(1500, 3000);
        s.SetScale(0, 100, 7.6, 600);  // y from 100 to 600 downwards
    }
};

TEST_F(SurfaceTest, ClsGoesBackToTheKeptPictureNotTheBackground) {
    s.Line(0, 200, 7.6, 200);
    s.KeepDrawing();
    s.Line(0, 300, 7.6, 300, RGB(255, 150, 0));
    EXPECT_EQ(s.CurrentPrimitives().size(), 1u);
    s.Cls();
    EXPECT_TRUE(s.CurrentPrimitives().empty());
    ASSERT_TRUE(s.KeptLayer());
    ASSERT_EQ(s.KeptLayer()->primitives.size(), 1u);
    EXPECT_EQ(s.KeptLayer()->primitives[0].y1, 200);
}

TEST_F(SurfaceTest, AChangedBackColourShowsOnlyAtTheNextClear) {
    s.Cls();
    s.SetBackColor(RGB(1, 2, 3));
    EXPECT_EQ(s.TakeSnapshot().background, kWhite);
    s.Cls();
    EXPECT_EQ(s.TakeSnapshot().background, RGB(1, 2, 3));
}

TEST_F(SurfaceTest, KeptDrawingStaysPutWhenTheScaleMoves) {
    s.Line(0, 200, 7.6, 200);
    s.KeepDrawing();
    s.SetScaleTop(200);  // the view scrolls down by 100 units
    s.KeepDrawing();     // flatten again in the new scale
    // The line was 100 units below the old top; on screen it stays there,
    // which in the new scale is at 300.
    ASSERT_EQ(s.KeptLayer()->primitives.size(), 1u);
    EXPECT_DOUBLE_EQ(s.KeptLayer()->primitives[0].y1, 300);
}

TEST_F(SurfaceTest, AFullFilledBoxHidesWhatWasKeptBefore) {
    s.Line(0, 200, 7.6, 200);
    s.KeepDrawing();
    s.FilledBox(0, 100, 7.6, 600, kWhite);
    s.Line(0, 250, 7.6, 250);
    s.KeepDrawing();
    EXPECT_EQ(s.KeptLayer()->primitives.size(), 2u);
}

TEST_F(SurfaceTest, TextSizeIsInUserUnitsAndPrintMovesTheCursor) {
    s.FontSize = 10;
    // 10 pt: 240 twips a line; 3000 twips are 500 units, so 40 units a line.
    EXPECT_DOUBLE_EQ(s.TextHeight("x"), 40);
    s.CurrentX = 1;
    s.CurrentY = 150;
    s.Print("A");
    EXPECT_DOUBLE_EQ(s.CurrentY, 190);
    EXPECT_DOUBLE_EQ(s.CurrentX, 0);
    EXPECT_NEAR(s.ToUserY(1500), 350, 1e-9);
}

}  // namespace

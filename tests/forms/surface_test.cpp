// The kept picture and the transient drawing: the target line of the
// windows relies on Cls removing exactly what was drawn since the keep.
#include <gtest/gtest.h>

#include "forms/headless.h"
#include "forms/runtime_error.h"
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

// The old platform keeps ScaleLeft, ScaleTop, ScaleWidth and ScaleHeight in
// single precision, and the drawing compares single-precision table values
// with them: a level read from a table at a decimal view edge lies on it.
TEST_F(SurfaceTest, TheScalePropertiesAreSinglePrecisionValues) {
    s.SetScaleTop(350.1 - 250);  // a view centred on 350.1 with a range of 500
    s.SetScaleHeight(500);
    EXPECT_EQ(s.ScaleTop(), static_cast<float>(100.1));
    // The bottom edge, as the old platform sums two single values.
    EXPECT_EQ(s.ScaleTop() + s.ScaleHeight(), static_cast<float>(600.1));
    s.SetScaleTop(110.1);
    s.SetScaleHeight(20);
    EXPECT_EQ(s.ScaleTop() + s.ScaleHeight(), static_cast<float>(130.1));
    s.SetScale(0.1, 100.1, 7.7, 600.1);
    EXPECT_EQ(s.ScaleLeft(), 0.1f);
    EXPECT_EQ(s.ScaleWidth(), 7.7f - 0.1f);
    EXPECT_EQ(s.ScaleTop() + s.ScaleHeight(), static_cast<float>(600.1));
    // The pointer in user units comes from the same single values.
    EXPECT_DOUBLE_EQ(s.ToUserY(0), static_cast<float>(100.1));
}

TEST_F(SurfaceTest, AScaleBeyondSinglePrecisionIsAnOverflow) {
    try {
        s.SetScaleTop(1e39);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
    EXPECT_EQ(s.ScaleTop(), 100);
}

}  // namespace

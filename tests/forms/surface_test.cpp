// The kept picture and the transient drawing: the target line of the
// windows relies on Cls removing exactly what was drawn since the keep.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>

#include "forms/headless.h"
#include "forms/surface.h"
#include "values/runtime_error.h"

using namespace forms;
using namespace values;

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

// A picture kept into new scales with nothing drawn since is moved into them
// only when it is looked at: whenever that is, it holds the very numbers it
// holds when it is looked at after each keep.
TEST_F(SurfaceTest, AKeptPictureMovedIntoNewScalesIsTheSameWhenLookedAtLater) {
    auto draw = [](Surface& on) {
        on.SetInnerSize(1500, 3000);
        on.SetScale(0, 100, 7.6, 600);
        on.Line(0.3, 200.7, 7.1, 231.3);
        on.Circle(3.3, 411.1, 0.17, RGB(0, 0, 255));
        on.FilledBox(1, 150.2, 2.9, 170.9, RGB(9, 9, 9));
        on.KeepDrawing();
    };
    // Each keep follows a change of scale or size; the fifth of a row moves the
    // picture at once.
    const std::function<void(Surface&)> steps[] = {
        [](Surface& on) { on.SetScaleTop(183.7); },
        [](Surface& on) { on.SetScaleLeft(-1.3); },
        [](Surface& on) { on.SetScaleWidth(-9.1); },
        [](Surface& on) { on.SetInnerSize(1800, 2700); },
        [](Surface& on) { on.SetScaleHeight(777.7); },
        [](Surface& on) { on.SetScale(0, 100, 7.6, 600); },  // back to the first scale
        [](Surface& on) { on.SetScaleTop(101); },
    };
    for (size_t looks = 1; looks <= std::size(steps); ++looks) {
        Surface looked{metrics}, later{metrics};
        draw(looked);
        draw(later);
        for (size_t i = 0; i < looks; ++i) {
            steps[i](looked);
            steps[i](later);
            looked.KeepDrawing();
            later.KeepDrawing();
            ASSERT_TRUE(looked.KeptLayer());
        }
        ASSERT_TRUE(later.KeptLayer());
        EXPECT_EQ(later.KeptLayer()->primitives, looked.KeptLayer()->primitives) << looks;
        EXPECT_EQ(later.KeptLayer()->scale, looked.KeptLayer()->scale);
        EXPECT_EQ(later.TakeSnapshot().kept->primitives, looked.KeptLayer()->primitives);
    }
    // A mark drawn over a picture kept into a new scale lies over the moved
    // picture; a box over the whole surface hides the picture unmoved.
    Surface looked{metrics}, later{metrics};
    for (Surface* on : {&looked, &later}) {
        draw(*on);
        on->SetScaleTop(222.2);
        on->KeepDrawing();
    }
    ASSERT_TRUE(looked.KeptLayer());
    for (Surface* on : {&looked, &later}) {
        on->SetScaleTop(250);
        on->KeepDrawing();
        on->Line(0, 300, 7.6, 300, RGB(255, 0, 0));
        on->KeepDrawing();
    }
    EXPECT_EQ(later.KeptLayer()->primitives, looked.KeptLayer()->primitives);
    ASSERT_EQ(later.KeptLayer()->primitives.size(), 4u);
    EXPECT_EQ(later.KeptLayer()->primitives.back().y1, 300);
    later.SetScaleTop(400);
    later.KeepDrawing();
    later.FilledBox(0, 400, 7.6, 900, kWhite);
    later.KeepDrawing();
    EXPECT_EQ(later.KeptLayer()->primitives.size(), 1u);
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

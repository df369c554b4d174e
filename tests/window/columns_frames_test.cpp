// The frames of the core columns: core, no core, gaps and their crosses,
// empty bore holes, the composite column's ends, and what a redraw leaves.
#include "columns_fixture.h"
#include "window/column_drawing.h"

namespace main_test {
namespace {

using forms::PrimitiveKind;
using namespace quillory::columns;

// Bore hole A in two sections with a gap from `bottom` to `top` between them.
std::string GapModel(const std::string& bottom, const std::string& top, const std::string& end) {
    return Header() + Row("", "0", {"A-01-top", "0"}) + Row("M1", "50", {"M1", "50"}) +
           Row("", bottom, {"A-01-Bot", bottom}) + Row("", top, {"A-02-top", "0"}) + Row("", end, {"A-02-Bot", "100"});
}

bool HasCross(const std::vector<forms::Primitive>& list, double y1, double y2) {
    return ColumnsTest::Of(list, PrimitiveKind::Line, kDarkGrey).size() >= 2 &&
           std::any_of(list.begin(), list.end(), [&](const forms::Primitive& p) {
               return p.kind == PrimitiveKind::Line && p.colour == kDarkGrey && p.y1 == y1 && p.y2 == y2;
           });
}

TEST_F(ColumnsTest, GapsBetweenSectionsAreGreyAndOnlyShortOnesCrossed) {
    Load(GapModel("995.3", "1002.1", "1102.1"));
    GoTo("1000");
    const auto& a = Kept(1);
    EXPECT_TRUE(HasBand(a, kGrey, 995.3f, 1002.1f));
    EXPECT_TRUE(HasCross(a, 995.3f, 1002.1f));
}

TEST_F(ColumnsTest, GapOfExactlyTheCrossThresholdIsNotCrossed) {
    Load(GapModel("1000", "3000", "3100"));
    GoTo("1500");
    const auto& a = Kept(1);
    EXPECT_TRUE(HasBand(a, kGrey, 1000, 3000));
    EXPECT_FALSE(HasCross(a, 1000, 3000));
}

TEST_F(ColumnsTest, GapEndingExactlyAtTheViewTopIsNotDrawn) {
    Load(GapModel("100", "200", "1000"));
    GoTo("450");  // the view runs from 200 to 700
    EXPECT_FALSE(HasBand(Kept(1), kGrey, 100, 200));
    GoTo("449");
    EXPECT_TRUE(HasBand(Kept(1), kGrey, 100, 200));
    EXPECT_TRUE(HasCross(Kept(1), 100, 200));
}

TEST_F(ColumnsTest, BoreHoleWithoutSectionsIsGreyedAndDisabled) {
    Load();
    GoTo("320");
    auto& f = Main();
    EXPECT_TRUE(q.main.gBoreHoleEmpty[3]);
    EXPECT_TRUE(q.main.gBoreHoleEmpty[4]);
    EXPECT_FALSE(q.main.gBoreHoleEmpty[1]);
    EXPECT_FALSE(f.BoreHole(3).Enabled());
    EXPECT_FALSE(f.Label1(4).Enabled());
    EXPECT_TRUE(f.BoreHole(1).Enabled());
    // Nothing of the empty column shows but grey and the target horizon.
    for (const forms::Primitive& p : Kept(3))
        EXPECT_TRUE(p.colour == kGrey || p.colour == kTargetHorizon) << p.colour;
}

TEST_F(ColumnsTest, BoreHoleHeadIsGreyAndCrossedAboveItsFirstSection) {
    Load();
    GoTo("320");  // the view runs from 70 to 570; B begins at 100
    EXPECT_TRUE(HasBand(Kept(2), kGrey, 70, 100));
    EXPECT_TRUE(HasCross(Kept(2), 70, 100));
}

// Rows that close a single bore hole carry no composite depth; the composite
// column still shows core between its first and last tie with one.
TEST_F(ColumnsTest, CompositeColumnEndsAtItsTiesWithACompositeDepth) {
    Import(Main().Command1, "model_20240209.csv",
           Header() + Row("", "---", {"A-01-top", "0"}) + Row("M1", "10", {"M1", "10"}) +
               Row("M2", "90", {"M2", "90"}) + Row("", "---", {"A-01-Bot", "100"}));
    services.messages.clear();
    GoTo("50");  // the view runs from -200 to 300
    const auto& c = Kept(0);
    ASSERT_FALSE(c.empty());
    EXPECT_EQ(c.front().colour, kLightCyan);
    EXPECT_TRUE(HasBand(c, kGrey, -200, 10));
    EXPECT_TRUE(HasCross(c, -200, 10));
    EXPECT_TRUE(HasBand(c, kGrey, 90, 300));
    EXPECT_FALSE(HasBand(c, kGrey, -200, 9999));
}

TEST_F(ColumnsTest, BoreHoleWhoseBottomIsTheDeepestGetsCoreDownToIt) {
    Load();
    GoTo("320");
    EXPECT_TRUE(HasBand(Kept(1), kLightCyan, 500, 700));
    EXPECT_TRUE(Of(Kept(2), PrimitiveKind::FilledBox, kLightCyan).empty());
}

TEST_F(ColumnsTest, RedrawClearsPanelsAndKeepsTheLevelShown) {
    Load();
    GoTo("320");
    auto& f = Main();
    for (int k = 0; k <= 4; ++k) {
        const auto& drawn = f.Picture1(k).Draw().CurrentPrimitives();
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn[0].kind, PrimitiveKind::FilledBox);
        EXPECT_EQ(drawn[0].colour, f.Picture1(k).BackColor());
        EXPECT_EQ(f.Picture1(k).Draw().ScaleTop(), 70);
    }
    EXPECT_EQ(q.main.shown.texts[1], "320");
    // Each column's finished drawing is its kept picture; nothing is left over it.
    for (int i = 0; i <= 5; ++i) EXPECT_TRUE(f.BoreHole(i).Draw().CurrentPrimitives().empty());
}

}  // namespace
}  // namespace main_test

// The marked intervals of the bore-hole columns: the stretches between the
// ties of rows named after a bore hole, the rows after a gap, and the shift
// by the position in the section that a gap row brings.
#include "columns_fixture.h"
#include "window/column_drawing.h"

namespace main_test {
namespace {

using forms::PrimitiveKind;
using namespace quillory::columns;

// Bore hole A only, one section from 0 to 400; a row without a composite
// depth (row 5) lies between the gap row and the next row named A.
std::string IntervalsModel() {
    return Header() + Row("", "0", {"A-01-top", "0"}) + Row("A", "100", {"x1", "100"}) +
           Row("M", "150", {"x2", "150"}) + Row("Gap", "200", {"x3", "200"}) + Row("A", "9999", {"x4", "290"}) +
           Row("A", "350", {"x5", "340"}) + Row("", "400", {"A-01-Bot", "400"});
}

std::vector<std::pair<double, double>> CyanBands(const std::vector<forms::Primitive>& list) {
    std::vector<std::pair<double, double>> out;
    for (const forms::Primitive& p : ColumnsTest::Of(list, PrimitiveKind::FilledBox, kLightCyan))
        out.emplace_back(p.y1, p.y2);
    return out;
}

TEST_F(ColumnsTest, MarkedIntervalsFollowTheRowsNamedAfterTheBoreHoleAndShiftAfterAGap) {
    Load(IntervalsModel());
    GoTo("300");  // the view runs from 50 to 550
    // From the first composite depth (100) on: A's own row, the row after it
    // that names no bore hole, nothing at the gap, then the stretch after the
    // gap starting at the depth shifted by the positions (350 - 340 + 290 =
    // 300, not the last depth 200), and core down to the deepest bottom.
    EXPECT_EQ(CyanBands(Kept(1)), (std::vector<std::pair<double, double>>{
                                      {0, 100}, {100, 150}, {300, 350}, {350, 400}}));
}

TEST_F(ColumnsTest, AGapRowRightAfterARowOfTheBoreHoleClosesItsStretch) {
    Load(Header() + Row("", "0", {"A-01-top", "0"}) + Row("A", "100", {"x1", "100"}) +
         Row("Void", "200", {"x2", "200"}) + Row("", "400", {"A-01-Bot", "400"}));
    GoTo("300");
    // At the void row: a box from the last depth to the depth of the row
    // before it (here both 100); the void itself is then a stretch after A.
    EXPECT_EQ(CyanBands(Kept(1)), (std::vector<std::pair<double, double>>{
                                      {0, 100}, {100, 100}, {100, 200}, {200, 400}}));
}

TEST_F(ColumnsTest, MarkedStretchesOutsideTheViewAreLeftOut) {
    Load(IntervalsModel());
    Main().mnuCM(200).UserChoose();
    GoTo("350");  // the view runs from 250 to 450: the stretches above it stay out
    EXPECT_EQ(CyanBands(Kept(1)), (std::vector<std::pair<double, double>>{{300, 350}, {350, 400}}));
}

}  // namespace
}  // namespace main_test

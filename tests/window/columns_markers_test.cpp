// Markers and labels over the columns: tie lines and their colours, labels,
// pins, the composite column's names, age points, the target horizon, and
// the font-size item that turns labels off.
#include "columns_fixture.h"
#include "window/column_drawing.h"

namespace main_test {
namespace {

using forms::PrimitiveKind;
using forms::RGB;
using namespace quillory::columns;

class MarkersTest : public ColumnsTest {
protected:
    void SetUp() override {
        ColumnsTest::SetUp();
        Load();
        GoTo("320");  // the view runs from 70 to 570
    }
};

TEST_F(MarkersTest, TieLinesTakeTheirColourFromLabelAndLaminaName) {
    EXPECT_TRUE(HasLine(Kept(1), 0, 100, 7.6, 100, kTie));
    EXPECT_TRUE(HasLine(Kept(1), 0, 300, 7.6, 300, kSectionTie));
    EXPECT_TRUE(HasLine(Kept(2), 0, 100, 7.6, 100, kSectionTie));
    // Labels stand one label height above their line.
    const double h6 = 500.0 / 60 * 7 / 6;
    const auto& a = Kept(1);
    auto label = std::find_if(a.begin(), a.end(), [](const forms::Primitive& p) { return p.text == "M1 (100 cm)"; });
    ASSERT_NE(label, a.end());
    EXPECT_DOUBLE_EQ(label->x1, 0.2);
    EXPECT_NEAR(label->y1, 100 - h6, 1e-9);
}

TEST_F(MarkersTest, PinGetsAPointAndALabelInsteadOfALine) {
    const auto& b = Kept(2);
    const auto pins = Of(b, PrimitiveKind::Circle, kPin);
    ASSERT_EQ(pins.size(), 1u);
    EXPECT_EQ(pins[0].x1, 0.1);
    EXPECT_EQ(pins[0].y1, 200);
    EXPECT_EQ(pins[0].x2, 0.2);
    EXPECT_EQ(pins[0].fillColour, kPin);
    EXPECT_FALSE(HasLine(b, 0, 200, 7.6, 200, kTie));
    auto label = Of(b, PrimitiveKind::Text, kLabel);
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].text, "Pin-1 (100 cm)");
    EXPECT_EQ(label[0].x1, 0.5);
}

// A tie row without a lamina name keeps the no-value marker as its name;
// the composite column draws its line but never the marker as text.
TEST_F(MarkersTest, CompositeColumnNamesOnlyRowsThatHaveAName) {
    const auto names = Texts(Kept(0));
    EXPECT_EQ(names, (std::vector<std::string>{"M1", "M1b", "M2"}));
    EXPECT_TRUE(HasLine(Kept(0), 0, 300, 7.6, 300, kTie));
    const auto n = Of(Kept(0), PrimitiveKind::Text, kLabel);
    ASSERT_FALSE(n.empty());
    EXPECT_NEAR(n[0].x1, 1.02 * 7.6f - 2 * 7 / 11.0, 1e-9);  // from the single ScaleWidth
    EXPECT_NEAR(n[0].y1, 100 + 500 / 400.0 * 7 / 5.0, 1e-9);
}

TEST_F(MarkersTest, TiePointsItemGovernsOnlyTheCompositeColumn) {
    Main().mnuShowTiePoints->UserChoose();
    EXPECT_TRUE(Of(Kept(0), PrimitiveKind::Line, kTie).empty());
    EXPECT_TRUE(Texts(Kept(0)).empty());
    EXPECT_TRUE(HasLine(Kept(1), 0, 100, 7.6, 100, kTie));
}

TEST_F(MarkersTest, FontItemDashesTurnEveryLabelOffButKeepTheLines) {
    Main().mnuSize(1).UserChoose();
    for (int i = 0; i <= 4; ++i) EXPECT_TRUE(Texts(Kept(i)).empty()) << i;
    EXPECT_TRUE(HasLine(Kept(1), 0, 100, 7.6, 100, kTie));
    EXPECT_EQ(Of(Kept(2), PrimitiveKind::Circle, kPin).size(), 1u);
    // The ruler keeps its axis and ten-unit ticks only.
    for (const forms::Primitive& p : Kept(5)) {
        if (p.kind != PrimitiveKind::Line || p.colour != forms::kBlack) continue;
        EXPECT_TRUE(p.x1 == 9 || p.x1 == 8.5) << p.x1;
    }
}

TEST_F(MarkersTest, TargetHorizonCrossesTheMiddleOfEveryColumnWhileChecked) {
    for (int i = 0; i <= 4; ++i) EXPECT_TRUE(HasLine(Kept(i), 0, 320, 7.6, 320, kTargetHorizon)) << i;
    Main().mnuHorizontalBH->UserChoose();
    for (int i = 0; i <= 4; ++i) EXPECT_TRUE(Of(Kept(i), PrimitiveKind::Line, kTargetHorizon).empty()) << i;
}

TEST_F(ColumnsTest, SingleLetterLaminaGivesMagentaTiesAndNothingOnTheComposite) {
    Load(Header() + Row("", "0", {"A-01-top", "0"}) + Row("x", "100", {"x", "100"}) +
         Row("", "300", {"A-01-Bot", "300"}));
    GoTo("150");
    EXPECT_TRUE(HasLine(Kept(1), 0, 100, 7.6, 100, kSingleLetterTie));
    EXPECT_FALSE(HasLine(Kept(0), 0, 100, 7.6, 100, kTie));
    EXPECT_TRUE(Texts(Kept(0)).empty());
}

TEST_F(MarkersTest, DatedPointsAndLabCodesOnTheCompositeColumn) {
    Import(Main().Command3, "events.csv", EventList());
    Import(Main().Command4, "ages.csv", AgeModel());
    GoTo("320");
    const auto points = Of(Kept(0), PrimitiveKind::Circle, RGB(100, 100, 255));
    // The rows drawn run from the last above the view to the first below it.
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].y1, 0);
    EXPECT_EQ(points[2].y1, 700);
    EXPECT_EQ(points[1].x1, 0.6);
    EXPECT_EQ(points[1].y1, 300);
    EXPECT_EQ(points[1].x2, 0.3);
    // The rows' bore hole is "---": no point on a bore-hole column.
    for (int b = 1; b <= 4; ++b) EXPECT_TRUE(Of(Kept(b), PrimitiveKind::Circle, RGB(100, 100, 255)).empty());
    const auto& c = Kept(0);
    auto code = std::find_if(c.begin(), c.end(), [](const forms::Primitive& p) { return p.text == "L2"; });
    ASSERT_NE(code, c.end());
    EXPECT_EQ(code->x1, 1.1);
    EXPECT_NEAR(code->y1, 300 - 500 * 7 / 700.0, 1e-9);
    Main().mnuShowLabCodes->UserChoose();
    EXPECT_TRUE(std::none_of(Kept(0).begin(), Kept(0).end(), [](const forms::Primitive& p) { return p.text == "L2"; }));
}

class VarveRunsTest : public MarkersTest {
protected:
    // An age-depth model of rows {composite depth, type}; ages follow the depths.
    void LoadAges(const std::vector<std::pair<std::string, std::string>>& rows) {
        Import(Main().Command3, "events.csv", EventList());
        std::string ages =
            "Label,Bore hole,Section,PSP,Composite depth (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 95.4,Type,Unit,"
            "Remark\n";
        int n = 0;
        for (const auto& [depth, type] : rows)
            ages += "L" + std::to_string(++n) + ",---,---,---," + depth + ",5," + depth + ",5," + type + ",yr BP,\n";
        Import(Main().Command4, "ages.csv", ages);
        ASSERT_TRUE(services.messages.empty());
        GoTo("320");
    }
    // The runs drawn on the composite column, from and to which level; each
    // stands at the column's left edge.
    using Spans = std::vector<std::pair<double, double>>;
    Spans Runs() {
        Spans out;
        for (const forms::Primitive& p : Of(Kept(0), PrimitiveKind::FilledBox, kVarveRun)) {
            EXPECT_EQ(p.x1, 0);
            EXPECT_EQ(p.x2, 0.8);
            out.emplace_back(p.y1, p.y2);
        }
        return out;
    }
};

TEST_F(VarveRunsTest, VarveCountedRunIsOneBoxAtTheLeftEdge) {
    LoadAges({{"10", "C1"}, {"20", "C1"}, {"30", "C1"}, {"100", "V"}, {"150", "V"}, {"200", "V"}, {"250", "V"},
              {"300", "V"}, {"350", "V"}, {"500", "C1"}});
    EXPECT_EQ(Runs(), (Spans{{100, 350}}));
}

// Fault: the walk began at the second row, so a run from the first row was
// never drawn, and a run left out of view was joined to the next run's start.
TEST_F(VarveRunsTest, ARunFromTheFirstRowIsDrawnFromItsFirstToItsLastRow) {
    LoadAges({{"100", "V"}, {"150", "V"}, {"200", "V"}, {"500", "C1"}});
    EXPECT_EQ(Runs(), (Spans{{100, 200}}));
}

TEST_F(VarveRunsTest, EveryRunIsABoxOfItsOwnAndARunOutOfViewIsJoinedToNone) {
    // A one-row run at the first row, a run below the view, then one inside it.
    LoadAges({{"90", "V"}, {"95", "C1"}, {"600", "V"}, {"650", "V"}, {"660", "C1"}, {"150", "V"}, {"250", "V"},
              {"400", "C1"}});
    EXPECT_EQ(Runs(), (Spans{{90, 90}, {150, 250}}));
}

}  // namespace
}  // namespace main_test

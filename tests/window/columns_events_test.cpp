// Event layers on the columns: what is visible, the stacking of the kinds,
// tephra names on the composite column only, and a layer in a bore hole the
// model does not have.
#include "columns_fixture.h"
#include "window/column_drawing.h"

namespace main_test {
namespace {

using forms::PrimitiveKind;
using namespace quillory::columns;

// A tephra in A at 50 to 60, a void in B at 250 to 260, a turbidite in A at
// 370 to 380 and a slump in A at 400 to 440 (composite depth).
std::string Events() {
    return "Bore hole,Section,Top,Bottom,Type\n"
           "A,01,50,60,Tephra AT\n"
           "B,01,150,160,Void\n"
           "A,02,20,30,Turbidite\n"
           "A,02,50,90,Slump\n";
}

class EventsTest : public ColumnsTest {
protected:
    void SetUp() override {
        ColumnsTest::SetUp();
        Load();
        Import(Main().Command3, "events.csv", Events());
        ASSERT_TRUE(services.messages.empty());
        GoTo("300");  // the view runs from 50 to 550
    }
    bool HasLayer(int column, forms::Colour colour, double top, double bottom) {
        const auto boxes = Of(Kept(column), PrimitiveKind::FilledBox, colour);
        return std::any_of(boxes.begin(), boxes.end(),
                           [&](const forms::Primitive& p) { return p.y1 == top && p.y2 == bottom; });
    }
};

TEST_F(EventsTest, LayersAreDrawnOnTheirBoreHoleAndTheCompositeColumn) {
    EXPECT_TRUE(HasLayer(2, kGrey, 250, 260));
    EXPECT_TRUE(HasLayer(0, kGrey, 250, 260));
    // The diagonals end at the column's ScaleWidth, a single value.
    EXPECT_TRUE(HasLine(Kept(2), 0, 250, 7.6f, 260, kDarkGrey));
    EXPECT_TRUE(HasLine(Kept(0), 0, 260, 7.6f, 250, kDarkGrey));
    EXPECT_TRUE(HasLayer(1, kOtherEvent, 370, 380));
    EXPECT_TRUE(HasLayer(0, kOtherEvent, 370, 380));
    EXPECT_EQ(q.main.gEventDepthCol, 6);
}

TEST_F(EventsTest, LayerStartingAtTheViewTopAndEndingBelowItIsNotDrawn) {
    Main().mnuCM(20).UserChoose();
    GoTo("410");  // view 400 to 420 inside the slump from 400 to 440
    EXPECT_FALSE(HasLayer(1, kOtherEvent, 400, 440));
    GoTo("411");  // view 401 to 421: the slump covers it whole
    EXPECT_TRUE(HasLayer(1, kOtherEvent, 400, 440));
    EXPECT_TRUE(HasLayer(0, kOtherEvent, 400, 440));
}

TEST_F(EventsTest, TephraIsNamedOnTheCompositeColumnOnly) {
    EXPECT_TRUE(HasLayer(1, kTephra, 50, 60));
    EXPECT_TRUE(HasLayer(0, kTephra, 50, 60));
    const auto names = Of(Kept(0), PrimitiveKind::Text, forms::kBlack);
    auto at = std::find_if(names.begin(), names.end(), [](const forms::Primitive& p) { return p.text == "AT"; });
    ASSERT_NE(at, names.end());
    EXPECT_EQ(at->x1, 0.2);
    EXPECT_NEAR(at->y1, 60 - 500 / 60.0 * 7 / 6.0, 1e-4);
    EXPECT_TRUE(std::none_of(Kept(1).begin(), Kept(1).end(), [](const forms::Primitive& p) { return p.text == "AT"; }));
    Main().mnuSize(1).UserChoose();
    EXPECT_TRUE(HasLayer(0, kTephra, 50, 60));
    EXPECT_TRUE(Texts(Kept(0)).empty());
}

// A layer whose bore hole is none of the model's has no column to be drawn
// on; it is passed over and the redraw goes on to the markers.
TEST_F(EventsTest, LayerOfAnUnknownBoreHoleIsSkippedAndTheRedrawCompletes) {
    q.main.model.gEventList(1, 2) = "X";
    Main().DrawLamina();
    EXPECT_FALSE(HasLayer(0, kGrey, 250, 260));
    EXPECT_TRUE(HasLayer(1, kTephra, 50, 60));
    EXPECT_TRUE(HasLayer(1, kOtherEvent, 370, 380));
    EXPECT_TRUE(HasLine(Kept(1), 0, 100, 7.6, 100, kTie));
    EXPECT_TRUE(HasLine(Kept(0), 0, 300, 7.6, 300, kTargetHorizon));
}

// The columns' scale properties are single precision, as the list's depths
// are when they are drawn: at a decimal view edge a layer's top or bottom
// lies on the edge, and the strict tests leave it out.
TEST_F(EventsTest, AtDecimalViewEdgesALayerFromAnEdgeToBeyondTheViewIsNotDrawn) {
    Main().mnuCM(20).UserChoose();
    auto slump = [this](const char* top, const char* bottom) {
        q.main.model.gEventList(6, 4) = top;
        q.main.model.gEventList(7, 4) = bottom;
        Main().DrawLamina();
    };
    GoTo("410.1");  // view 400.1 to 420.1
    slump("400.1", "440");
    EXPECT_FALSE(HasLayer(1, kOtherEvent, 400.1f, 440));
    slump("390", "420.1");
    EXPECT_FALSE(HasLayer(1, kOtherEvent, 390, 420.1f));
    slump("400", "440");
    EXPECT_TRUE(HasLayer(1, kOtherEvent, 400, 440));
    // View 110.1 to 130.1: the bottom edge is the single-precision sum of
    // ScaleTop and ScaleHeight, which a double sum would put just above 130.1.
    GoTo("120.1");
    slump("100", "130.1");
    EXPECT_FALSE(HasLayer(1, kOtherEvent, 100, 130.1f));
    EXPECT_FALSE(HasLayer(0, kOtherEvent, 100, 130.1f));
}

}  // namespace
}  // namespace main_test

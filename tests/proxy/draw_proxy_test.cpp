// The drawing of a proxy panel in the main window.
#include <gtest/gtest.h>

#include "proxy_window_fixture.h"

namespace proxy_test {
namespace {

using forms::PrimitiveKind;

constexpr forms::Colour kTephra = forms::RGB(150, 150, 255);
constexpr forms::Colour kOther = forms::RGB(225, 225, 125);
constexpr forms::Colour kCross = forms::RGB(100, 100, 100);

// Samples 2 (no value) and 4 (above sample 3) break the curve; every marker
// in the view stays, the one at 9999 lies beyond the axis and is not drawn.
TEST_F(ProxyWindowTest, NoValuesAndRisingPositionsBreakTheCurveNotTheMarkers) {
    LoadModel();
    LoadProxy(0, TrinityFile({"15", "45", "75", "60", "105", "135", "165", "195"},
                             {"1", "9999", "3", "4", "5", "6", "7", "8"}, {"1", "1", "1", "1", "1", "1", "1", "1"}));
    const std::vector<forms::Primitive> lines = KeptOf(0, PrimitiveKind::Line, kBlue);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].y1, 60);  // from sample 4 on
    EXPECT_EQ(lines[3].y2, 195);
    const std::vector<forms::Primitive> markers = KeptOf(0, PrimitiveKind::Circle, kBlue);
    ASSERT_EQ(markers.size(), 7u);
    EXPECT_EQ(markers.back().y1, 195);  // the last sample's too
    EXPECT_DOUBLE_EQ(markers[0].x2, 8.0 / 67);
    EXPECT_EQ(markers[0].fillStyle, 0);
    EXPECT_EQ(markers[0].fillColour, kBlue);
    for (const forms::Primitive& m : markers) EXPECT_NE(m.x1, 9999);
    // With every sample above the view: no curve and no marker.
    Type(Main().Text2, "600");
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Line, kBlue).empty());
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Circle, kBlue).empty());
}

// A panel of one sample has no start row; its marker, the last one, is drawn.
TEST_F(ProxyWindowTest, APanelOfOneSampleShowsItsMarker) {
    LoadModel();
    LoadProxy(0, "Composite depth,Ti\n150,5\n");
    Select().Command1.UserClick();
    std::vector<forms::Primitive> markers = KeptOf(0, PrimitiveKind::Circle, kBlue);
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].x1, 5);
    EXPECT_EQ(markers[0].y1, 150);
    EXPECT_EQ(markers[0].fillColour, kBlue);
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Line, kBlue).empty());
    // Without "Marker" nothing of it shows.
    Choose(Main().panelMenu[0].marker);
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Circle, kBlue).empty());
}

// Grey above the first and below the last tie row that has a composite
// depth, on the example model, whose first and last rows have none.
TEST_F(ProxyWindowTest, BandsGreyWhatLiesBeyondTheModel) {
    const std::string examples = std::string(QUILLORY_SOURCE_DIR) + "/examples/";
    services.fileAnswers.push_back(examples + "QL22_correlation_20240209.csv");
    Main().Command1.UserClick();
    services.fileAnswers.push_back(examples + "QL22_XRF_scan_for_QY.csv");
    Main().Command6(0).UserClick();
    const std::vector<forms::Primitive> bands = KeptOf(0, PrimitiveKind::FilledBox, kGrey);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].y1, -10);
    EXPECT_FLOAT_EQ(bands[0].y2, 6);
    EXPECT_EQ(KeptOf(0, PrimitiveKind::Line, kCross).size(), 2u);
    Type(Main().Text2, "2300");
    const std::vector<forms::Primitive> lower = KeptOf(0, PrimitiveKind::FilledBox, kGrey);
    ASSERT_FALSE(lower.empty());
    EXPECT_FLOAT_EQ(lower.back().y1, 2379.7f);
    EXPECT_FLOAT_EQ(lower.back().y2, 2550);
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Line, kCross).empty());
}

// Other layers first, then tephras, then voids with their cross; on the
// event-free scale a layer is a line.
TEST_F(ProxyWindowTest, EventLayersLieInTheirOrder) {
    LoadModel();
    Import(Main().Command3, "events.csv",
           "Bore hole,Section,Top,Bottom,Type\nA,01,50,60,Tephra AT\nA,01,20,25,Void\nA,01,100,110,Turbidite\n");
    LoadProxy(0, EvenTrinityFile(8));
    std::vector<std::pair<forms::Colour, double>> layers;
    for (const forms::Primitive& p : Kept(0))
        if (p.kind == PrimitiveKind::FilledBox && p.colour != forms::kWhite) layers.emplace_back(p.colour, p.y1);
    const std::vector<std::pair<forms::Colour, double>> expected{
        {kGrey, -10}, {kOther, 100}, {kTephra, 50}, {kGrey, 20}};
    EXPECT_EQ(layers, expected);
    EXPECT_EQ(KeptOf(0, PrimitiveKind::Line, kCross).size(), 4u);  // the band's cross and the void's
    Main().Option2(2).SetValue(true);
    for (const forms::Primitive& p : KeptOf(0, PrimitiveKind::FilledBox, kTephra)) EXPECT_EQ(p.y1, p.y2);
}

TEST_F(ProxyWindowTest, TheRunningMeanIsRedAndTwoPixelsWide) {
    LoadModel();
    LoadProxy(1, EvenTrinityFile(9));
    Choose(Main().panelMenu[1].flat3);
    const std::vector<forms::Primitive> mean = KeptOf(1, PrimitiveKind::Line, kRed);
    ASSERT_EQ(mean.size(), 5u);
    EXPECT_DOUBLE_EQ(mean[0].x1, 2);
    EXPECT_DOUBLE_EQ(mean[0].y1, 45);
    EXPECT_DOUBLE_EQ(mean[0].y2, 75);
    EXPECT_EQ(mean[0].drawWidth, 2);
    EXPECT_EQ(Drawing(1).DrawWidth, 1);
    EXPECT_EQ(KeptOf(1, PrimitiveKind::Line, kBlue)[0].drawWidth, 1);
}

// Swapped ends mirror the axis; ends that give it no width end the drawing
// at its finishing steps, and the panel keeps what it showed.
TEST_F(ProxyWindowTest, AMirroredAxisAndAnAxisWithoutWidth) {
    LoadModel();
    LoadProxy(0, EvenTrinityFile(8));
    Main().Text5(0).SetText("10");
    Main().Text6(0).SetText("0");
    EXPECT_EQ(Drawing(0).ScaleLeft(), 10);
    EXPECT_EQ(Drawing(0).ScaleWidth(), -10);
    EXPECT_DOUBLE_EQ(KeptOf(0, PrimitiveKind::Circle, kBlue)[0].x2, 10.0 / 67);
    const auto kept = Kept(0);
    Main().Text6(0).SetText("10");
    Choose(Main().panelMenu[0].flipH);
    EXPECT_EQ(Kept(0), kept);
    EXPECT_FALSE(Main().ProgressBar1.Visible());
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
}

// Samples in several runs down the section (as one file holds one bore hole
// after another), a no-value among them, a view of 100 cm: every segment and
// marker inside the view is drawn, whichever run it belongs to, and the
// values plotted for the panel's file are the ones the drawing after a new
// file plots anew.
TEST_F(ProxyWindowTest, EverySampleInTheViewIsDrawnWhicheverRunItLiesIn) {
    LoadModel();
    std::vector<std::string> psp, ti, fe;
    for (auto [from, step] : {std::pair{0, 5}, std::pair{10, 7}, std::pair{3, 11}})
        for (int d = from; d <= 295; d += step) {
            psp.push_back(std::to_string(d));
            ti.push_back(d == 157 ? "9999" : std::to_string(d % 13));
            fe.push_back("1");
        }
    LoadProxy(0, TrinityFile(psp, ti, fe));
    ASSERT_TRUE(Main().mnuCM(100).UserChoose());
    Type(Main().Text2, "150");
    const forms::Surface& s = Drawing(0);
    const double top = s.ScaleTop(), bottom = top + s.ScaleHeight();
    ASSERT_EQ(top, 100);
    size_t segments = 0, markers = 0;
    for (size_t i = 0; i < psp.size(); ++i) {
        const double y = std::stod(psp[i]);
        markers += top < y && y < bottom && ti[i] != "9999";  // a no-value's marker lies beyond the axis
        if (i + 1 < psp.size()) {
            const double next = std::stod(psp[i + 1]);
            segments += next > top && y < bottom && y <= next && ti[i] != "9999" && ti[i + 1] != "9999";
        }
    }
    // Segments reaching into the view, the ones across its edges included.
    auto inside = [&](const std::vector<forms::Primitive>& all, bool segment) {
        size_t n = 0;
        for (const forms::Primitive& p : all) n += (segment ? p.y2 : p.y1) > top && p.y1 < bottom;
        return n;
    };
    EXPECT_EQ(inside(KeptOf(0, PrimitiveKind::Line, kBlue), true), segments);
    EXPECT_EQ(inside(KeptOf(0, PrimitiveKind::Circle, kBlue), false), markers);
    EXPECT_GT(segments, 20u);

    LoadProxy(0, EvenTrinityFile(8));
    EXPECT_EQ(Main().Text6(0).Text(), "8");  // not the 12 of the file before
    EXPECT_EQ(Main().state.proxyDrawing[0].gPlotX.size(), 9u);
}

// A drawing clears every panel back to its kept picture and keeps every
// panel's image: the others show what they showed, without target lines.
TEST_F(ProxyWindowTest, ADrawingKeepsTheOtherPanelsAndTakesTheTargetLinesAway) {
    LoadModel();
    LoadProxy(0, EvenTrinityFile(8));
    LoadProxy(1, EvenTrinityFile(9));
    const auto other = Kept(1);
    Main().Picture1(1).UserMouseMove(0, 0, 3, 100);
    ASSERT_EQ(Drawing(1).CurrentPrimitives().size(), 2u);  // the target line and the mid line
    Choose(Main().panelMenu[0].marker);
    EXPECT_EQ(Kept(1), other);
    ASSERT_EQ(Drawing(1).CurrentPrimitives().size(), 1u);
    EXPECT_EQ(Drawing(1).CurrentPrimitives()[0].colour, kGreen);
    EXPECT_TRUE(KeptOf(0, PrimitiveKind::Circle, kBlue).empty());
}

}  // namespace
}  // namespace proxy_test

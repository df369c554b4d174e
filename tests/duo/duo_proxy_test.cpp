// The Duo window's proxy panels: the main window's panels over the Duo's
// store, read with its bore-hole names, drawn on its own composite depth or
// fitted to the master core, and asked about through frm2Select.
#include <gtest/gtest.h>

#include "duo_window_fixture.h"
#include "proxy/frm_select.h"

namespace duo_test {
namespace {

constexpr forms::Colour kBlue = forms::RGB(0, 0, 255);
constexpr forms::Colour kRed = forms::RGB(255, 0, 0);

// n samples placed by one value, 10 cm apart from 10 cm down, all with Ti = ti.
std::string DepthFile(int n, int ti) {
    std::string file = "Composite depth,Ti\n";
    for (int i = 1; i <= n; ++i) file += std::to_string(10 * i) + "," + std::to_string(ti) + "\n";
    return file;
}

size_t CountOf(const forms::Surface& panel, forms::Colour colour) {
    size_t n = 0;
    for (const forms::Primitive& p : panel.KeptLayer()->primitives)
        n += p.kind == forms::PrimitiveKind::Line && p.colour == colour;
    return n;
}

std::vector<float> CurveDepths(const forms::Surface& panel) {
    std::vector<float> y;
    for (const forms::Primitive& p : panel.KeptLayer()->primitives)
        if (p.kind == forms::PrimitiveKind::Line && p.colour == kBlue) y.push_back(static_cast<float>(p.y1));
    return y;
}

TEST_F(DuoWindowTest, ItsPanelsReadItsNamesAndDrawOnEitherDepth) {
    LoadAll();
    std::string file = "Bore hole,Section,PSP,Ti\n";
    for (int i = 0; i < 8; ++i) file += "E,1," + std::to_string(20 + 20 * i) + "," + std::to_string(i + 1) + "\n";
    Import(Duo().Command6(0), "duo proxy.csv", file);
    EXPECT_TRUE(Duo().Enabled());
    EXPECT_TRUE(Duo().state.gProxyLoaded[0]);
    EXPECT_FALSE(Main().state.gProxyLoaded[0]);
    const model::ProxyPanelData& p = Duo().state.proxy[0];
    ASSERT_EQ(p.gProxyRows, 8);
    EXPECT_FLOAT_EQ(p.gProxyY(0, 1), 20);  // E-01 has a cm of composite depth per cm of PSP
    EXPECT_FLOAT_EQ(p.gProxyY(1, 1), q.duoSide.link.DuoToMainCD(20));

    Duo().Option4(1).SetValue(true);
    ASSERT_FALSE(CurveDepths(Duo().Picture1(0).Draw()).empty());
    EXPECT_FLOAT_EQ(CurveDepths(Duo().Picture1(0).Draw())[0], p.gProxyY(0, 1));
    Duo().Option4(0).SetValue(true);
    EXPECT_FLOAT_EQ(CurveDepths(Duo().Picture1(0).Draw())[0], p.gProxyY(1, 1));

    // By one value: frm2Select asks, the Duo window waits, OK places the
    // samples through the Duo's own model and the master core's link.
    Import(Duo().Command6(1), "duo depths.csv", "Composite depth,Ti\n30,1\n40,2\n50,3\n60,4\n70,5\n80,6\n90,7\n100,8\n");
    EXPECT_FALSE(Duo().Enabled());
    ASSERT_TRUE(q.frm2Select().Visible());
    EXPECT_EQ(q.frm2Select().Text1(1).Text(), "30");
    q.frm2Select().Command1.UserClick();
    EXPECT_TRUE(Duo().Enabled());
    EXPECT_TRUE(Main().Enabled());
    EXPECT_FLOAT_EQ(Duo().state.proxy[1].gProxyY(1, 1), q.duoSide.link.DuoToMainCD(30));
    // The green mid line spans the panel.
    const forms::Surface& s = Duo().Picture1(1).Draw();
    ASSERT_FALSE(s.CurrentPrimitives().empty());
    EXPECT_EQ(s.CurrentPrimitives().back().x1, s.ScaleLeft());
    EXPECT_EQ(s.CurrentPrimitives().back().x2, s.ScaleLeft() + s.ScaleWidth());
}

// Each window's panel pop-ups, captions in order ("-" a separator): the Duo
// window's lack the separator before "Copy" in panel 1 and before "Export".
TEST_F(DuoWindowTest, EachWindowsPanelMenusHaveTheirOwnSeparators) {
    auto captions = [](const forms::Menu& menu) {
        std::vector<std::string> out;
        for (const forms::Menu* item : menu.Items()) out.push_back(item->Caption());
        return out;
    };
    for (const bool duo : {false, true}) {
        quillory::SideWindow& w = duo ? static_cast<quillory::SideWindow&>(Duo()) : Main();
        for (int k = 0; k <= 4; ++k) {
            std::vector<std::string> expected;
            if (k == 0) expected.push_back("Multiple colour");
            expected.push_back("Flip horizontal");
            if (!duo || k != 1) expected.push_back("-");
            for (const char* c : {"Copy", "-", "Curve", "Marker", "Target horizon", "File name", "-", "Smoothing"})
                expected.push_back(c);
            if (k < 4 && !duo) expected.push_back("-");
            if (k < 4) expected.push_back("Export");
            EXPECT_EQ(captions(*w.panelMenu[k].popup), expected) << (duo ? "Duo panel " : "main panel ") << k;
        }
        // Panel 4's "Export" closes the ruler's pop-up, after a separator.
        EXPECT_EQ(captions(*w.mnuRBdepth), (std::vector<std::string>{"Depth", "Age", "-", "Copy", "-", "Export"}));
    }
}

// A Duo panel of one sample shows its marker, on either depth.
TEST_F(DuoWindowTest, APanelOfOneSampleShowsItsMarker) {
    LoadAll();
    Import(Duo().Command6(2), "one sample.csv", "Composite depth,Ti\n60,5\n");
    q.frm2Select().Command1.UserClick();
    const model::ProxyPanelData& p = Duo().state.proxy[2];
    // Option 0 fits the panels to the master core, option 1 keeps the Duo's own depth.
    for (int option : {0, 1}) {
        Duo().Option4(option).SetValue(true);
        std::vector<forms::Primitive> markers;
        for (const forms::Primitive& m : Duo().Picture1(2).Draw().KeptLayer()->primitives)
            if (m.kind == forms::PrimitiveKind::Circle && m.colour == kBlue) markers.push_back(m);
        ASSERT_EQ(markers.size(), 1u) << option;
        EXPECT_EQ(markers[0].x1, 5);
        EXPECT_FLOAT_EQ(static_cast<float>(markers[0].y1), p.gProxyY(option == 0 ? 1 : 0, 1));
    }
}

// Cancel and the close box of frm2Select give the Duo window back with the
// values as read taken as its own composite depth, converted to the master
// core's, so that fitted to the master core the panel draws them there too
// (never at 0 or at an earlier file's depths); a file that cannot be read
// gives the window back as well.
TEST_F(DuoWindowTest, EveryWayOutOfItsQuestionLeavesAPanelThatDrawsOnEitherDepth) {
    LoadAll();
    Duo().Text2.SetText("60");
    const model::ProxyPanelData& p = Duo().state.proxy[2];
    for (bool closeBox : {false, true}) {
        Import(Duo().Command6(2), "duo depths.csv", DepthFile(8, closeBox ? 2 : 1));
        ASSERT_FALSE(Duo().Enabled());
        if (closeBox) q.frm2Select().UserClose();
        else q.frm2Select().Command2.UserClick();
        EXPECT_TRUE(Duo().Enabled()) << closeBox;
        EXPECT_FALSE(Duo().ProgressBar1.Visible());
        EXPECT_FALSE(q.frm2Select.IsLoaded());
        for (long i = 1; i <= 8; ++i) {
            EXPECT_EQ(p.gProxyY(0, i), 10.0f * i);
            EXPECT_EQ(p.gProxyY(1, i), q.duoSide.link.DuoToMainCD(10.0f * i)) << i;
        }
    }
    Duo().Option4(0).SetValue(true);
    ASSERT_FALSE(CurveDepths(Duo().Picture1(2).Draw()).empty());
    EXPECT_EQ(CurveDepths(Duo().Picture1(2).Draw())[0], q.duoSide.link.DuoToMainCD(10));
    Duo().Option4(1).SetValue(true);
    EXPECT_EQ(CurveDepths(Duo().Picture1(2).Draw())[0], 10);

    Import(Duo().Command6(2), "cut short.csv", "Composite depth,Ti,Fe\n10,1,2\n20,3,4\n30,5\n");
    EXPECT_EQ(TakeMessage(), "File format error.");
    EXPECT_TRUE(Duo().Enabled());
    EXPECT_EQ(p.gProxyRows, 8);
}

// The Duo's store holds what each file holds and nothing before a file: a
// shorter file after a longer one in the same panel leaves no cell of it in
// the preview or in a running mean, which never reads past the last sample.
TEST_F(DuoWindowTest, ItsStoreIsSizedToEachFile) {
    LoadAll();
    Duo().Text2.SetText("60");
    for (const model::ProxyPanelData& p : Duo().state.proxy) {
        EXPECT_EQ(p.gProxyValue.Columns() * p.gProxyValue.Rows(), 0);
        EXPECT_EQ(p.gProxyY.Rows(), 0);
    }
    Import(Duo().Command6(3), "long.csv", DepthFile(20, 5));
    q.frm2Select().Command1.UserClick();
    // Eleven samples and "11": the mean's one window reaches row 12.
    ASSERT_TRUE(Duo().panelMenu[3].flat11->UserChoose());
    EXPECT_EQ(CountOf(Duo().Picture1(3).Draw(), kRed), 8u);
    Import(Duo().Command6(3), "eleven.csv", DepthFile(11, 7));
    q.frm2Select().Command1.UserClick();
    const model::ProxyPanelData& p = Duo().state.proxy[3];
    EXPECT_EQ(p.gProxyRows, 11);
    EXPECT_EQ(p.gProxyY.Rows(), 12);
    EXPECT_EQ(p.gProxyValue.Rows(), 12);
    EXPECT_EQ(CountOf(Duo().Picture1(3).Draw(), kRed), 0u);

    Import(Duo().Command6(3), "five.csv", DepthFile(5, 9));
    EXPECT_EQ(q.frm2Select().Text1(5).Text(), "50");
    for (int i = 6; i <= 8; ++i)
        EXPECT_EQ(q.frm2Select().Text1(i).Text() + q.frm2Select().Text2(i).Text(), "") << i;
    q.frm2Select().Command1.UserClick();
    EXPECT_EQ(Duo().state.proxy[3].gProxyY.Rows(), 6);
}

}  // namespace
}  // namespace duo_test

// The Duo window's proxy panels: the main window's panels over the Duo's
// store, read with its bore-hole names, drawn on its own composite depth or
// fitted to the master core, and asked about through frm2Select.
#include <gtest/gtest.h>

#include "duo_window_fixture.h"
#include "proxy/frm_select.h"

namespace duo_test {
namespace {

constexpr forms::Colour kBlue = forms::RGB(0, 0, 255);

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

}  // namespace
}  // namespace duo_test

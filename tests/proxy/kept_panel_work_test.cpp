// What a panel keeps from one drawing to the next: the running mean summed
// once for its file, columns, width and positions, and the pictures of other
// panels, which a drawing moves into the new scale only when they are not
// drawn anew.
#include <gtest/gtest.h>

#include <cmath>

#include "proxy/draw_proxy.h"
#include "proxy_window_fixture.h"

namespace proxy_test {
namespace {

using forms::Primitive;
using forms::PrimitiveKind;

// n samples 7 cm apart from 12 cm down, Ti and Fe wandering apart.
std::string WanderingFile(int n, int seed) {
    std::vector<std::string> psp, ti, fe;
    for (int i = 0; i < n; ++i) {
        psp.push_back(std::to_string(12 + 7 * i));
        ti.push_back(std::to_string((i * 37 + seed) % 23 + 1));
        fe.push_back(std::to_string((i * 11 + 3 * seed) % 17 + 2));
    }
    return TrinityFile(psp, ti, fe);
}

class KeptPanelWorkTest : public ProxyWindowTest {
protected:
    std::vector<Primitive> Mean(int k) { return KeptOf(k, PrimitiveKind::Line, kRed); }
    // The mean the panel shows is the one it shows when nothing it kept is
    // used; and the change before made it another.
    void ExpectSummedAnew(int k, const std::vector<Primitive>& before, const std::string& change) {
        const std::vector<Primitive> shown = Mean(k);
        EXPECT_FALSE(shown.empty()) << change;
        EXPECT_FALSE(shown == before) << change << " changed nothing";
        Main().state.proxyDrawing[static_cast<size_t>(k)].Forget();
        quillory::DrawProxy(Main(), static_cast<int16_t>(k));
        EXPECT_TRUE(Mean(k) == shown) << change;
    }
};

// Each change the running mean depends on gives the mean summed anew: its
// width, the column, the divisor, the drawn scale, the event layers and the
// age model the positions of that scale come from, and a new file; and the
// answer to the vertical-axis question of a file by one value, even when a
// redraw came between the import and the answer.
TEST_F(KeptPanelWorkTest, TheKeptRunningMeanGoesWithEachChangeItDependsOn) {
    LoadModel();
    LoadProxy(0, WanderingFile(40, 1));
    Choose(Main().panelMenu[0].flat5);
    std::vector<Primitive> before = Mean(0);
    Type(Main().Text2, "180");
    EXPECT_EQ(Mean(0).size(), before.size());  // the same pairs, from the kept sums, at another level
    auto change = [&](const std::string& what, const std::function<void()>& act) {
        before = Mean(0);
        act();
        ASSERT_TRUE(services.messages.empty()) << what << ": " << services.messages[0].request.text;
        ExpectSummedAnew(0, before, what);
    };
    change("width", [&] { Choose(Main().panelMenu[0].flat3); });
    change("column", [&] { Main().Combo3(0).UserChoose(1); });
    change("divisor", [&] {
        Main().Check1(0).UserClick();
        Main().Combo4(0).UserChoose(0);
    });
    change("file", [&] { LoadProxy(0, WanderingFile(40, 5)); });
    // Event layers read after the panel: on their scale the samples below a
    // layer lie higher up.
    Import(Main().Command3, "events.csv", main_test::EventList());
    change("event-free scale", [&] { Main().Option2(2).SetValue(true); });
    Import(Main().Command4, "ages.csv", main_test::AgeModel());
    change("age scale", [&] { Main().Option2(3).SetValue(true); });
    change("composite scale", [&] { Main().Option2(1).SetValue(true); });

    // A file by one value: drawn once before the question is answered (by a
    // redraw of the columns), then on the answer's positions.
    LoadProxy(1, ValueFile({"100", "110", "120", "130", "140", "150", "160", "170", "180", "190"}));
    Select().Command1.UserClick();
    Choose(Main().panelMenu[1].flat3);
    before = Mean(1);
    LoadProxy(1, ValueFile({"5", "6", "7", "8", "9", "10", "11", "12", "13", "14"}));
    ASSERT_TRUE(Select().Visible());
    Main().DrawLamina();
    Select().Option1(1).SetValue(true);  // ages, in years
    Select().Command1.UserClick();
    ExpectSummedAnew(1, before, "answered positions");
}

// A panel whose drawing stops at its axis (its two ends equal) while the
// columns are redrawn at a new level keeps its last picture where it was on
// the panel; the panels drawn anew around it show the new level.
TEST_F(KeptPanelWorkTest, APanelWhoseDrawingStopsPartwayStaysWhereItWas) {
    LoadModel();
    for (int k = 0; k <= 2; ++k) LoadProxy(k, EvenTrinityFile(9));
    Main().Text5(1).SetText(Main().Text6(1).Text());  // the panel only clears
    const forms::Surface& panel = Drawing(1);
    const forms::Scale shown = panel.GetScale();
    const std::vector<Primitive> picture = Kept(1);
    ASSERT_GT(picture.size(), 10u);
    Type(Main().Text2, "150");
    const forms::Scale now = panel.GetScale();
    ASSERT_NE(now.top, shown.top);
    ASSERT_NE(now.left, shown.left);  // the left end was taken before the width failed
    const std::vector<Primitive> kept = Kept(1);
    // Beyond the picture, the mid lines drawn since, kept by the drawings of
    // the other panels.
    ASSERT_GT(kept.size(), picture.size());
    for (size_t i = picture.size(); i < kept.size(); ++i) EXPECT_EQ(kept[i].colour, kGreen);
    // Pixels from the panel's top left corner, in each drawing's own scale.
    const double w = panel.InnerWidthTwips() / 15.0, h = panel.InnerHeightTwips() / 15.0;
    auto px = [&](const forms::Scale& s, double x) { return (x - s.left) * w / s.width; };
    auto py = [&](const forms::Scale& s, double y) { return (y - s.top) * h / s.height; };
    for (size_t i = 0; i < picture.size(); ++i) {
        EXPECT_NEAR(px(now, kept[i].x1), px(shown, picture[i].x1), 1e-6) << i;
        EXPECT_NEAR(py(now, kept[i].y1), py(shown, picture[i].y1), 1e-6) << i;
        if (kept[i].kind != PrimitiveKind::Circle) {
            EXPECT_NEAR(py(now, kept[i].y2), py(shown, picture[i].y2), 1e-6) << i;
        }
        EXPECT_EQ(kept[i].colour, picture[i].colour);
    }
    for (int k : {0, 2}) {
        EXPECT_EQ(Drawing(k).GetScale().top, now.top) << k;
        EXPECT_EQ(Kept(k).front().y1, now.top) << k;  // the panel's background, from the new top
    }
}

}  // namespace
}  // namespace proxy_test

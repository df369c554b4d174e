// The correlator: its ruler as tall as 100 cm of the main window's columns,
// the size rules, the stretch it reports and what it draws.
#include <gtest/gtest.h>

#include "main/main_window_fixture.h"
#include "tools/frm_rx93.h"

namespace main_test {
namespace {

using forms::Primitive;
using forms::PrimitiveKind;
using quillory::FrmRX93;

// The main window's composite column is 9735 twips high.
class CorrelatorTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Import(Main().Command1, "model_20240209.csv", CorrelationModel());
    }
    FrmRX93& Rx() { return q.frmRX93(); }
    std::vector<Primitive> Drawn(PrimitiveKind kind) {
        std::vector<Primitive> out;
        for (const Primitive& p : Rx().Picture1.Draw().CurrentPrimitives())
            if (p.kind == kind) out.push_back(p);
        return out;
    }
};

TEST_F(CorrelatorTest, TheImportSizesTheRulerHidden) {
    FrmRX93& rx = Rx();
    EXPECT_FALSE(rx.Visible());
    EXPECT_EQ(rx.Picture1.Height(), 1947);  // 100 of 500 cm
    EXPECT_EQ(rx.Label2.Caption(), "1947");
    EXPECT_EQ(rx.Label3.Caption(), "100 %");
    EXPECT_EQ(rx.Height(), 1947 + 1190);
    EXPECT_EQ(rx.Width(), 1320);
    EXPECT_EQ(rx.Picture1.Draw().ScaleTop(), 100);
    EXPECT_EQ(rx.Picture1.Draw().ScaleHeight(), -100);
}

// 100 cm of a 5000 cm range take 195 twips; the window cannot be that small,
// and the reference stays 195 so the stretch shows true.
TEST_F(CorrelatorTest, AClampedRulerShowsItsTrueStretch) {
    Main().mnuCM(5000).UserChoose();
    FrmRX93& rx = Rx();
    EXPECT_EQ(rx.Picture1.Height(), 410);
    EXPECT_EQ(rx.Label2.Caption(), "195");
    EXPECT_EQ(rx.Label3.Caption(), "210.3 %");
}

TEST_F(CorrelatorTest, PositionsAreLinesAndTheLengthAFrame) {
    FrmRX93& rx = Rx();
    rx.Show();
    Type(rx.Text1(3), "50");
    EXPECT_EQ(rx.Label4.Caption(), "3");
    std::vector<Primitive> lines = Drawn(PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[2].y1, 50);
    EXPECT_EQ(lines[2].colour, forms::RGB(0, 0, 255));
    EXPECT_EQ(lines[0].y1, 0);
    EXPECT_EQ(lines[0].colour, forms::RGB(255, 0, 0));
    EXPECT_EQ(lines[0].x2 - lines[0].x1, rx.Picture1.Draw().ScaleWidth());

    Type(rx.Text2, "80");
    std::vector<Primitive> frame = Drawn(PrimitiveKind::Box);
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].y1, 100);
    EXPECT_EQ(frame[0].y2, 80);
    EXPECT_EQ(frame[0].colour, forms::RGB(150, 150, 150));

    rx.Command1.UserClick();
    EXPECT_TRUE(rx.Picture1.Draw().CurrentPrimitives().empty());
    EXPECT_EQ(rx.Text1(3).Text(), "");
    EXPECT_EQ(rx.Text2.Text(), "80");
    Type(rx.Text1(1), "1");
    EXPECT_EQ(Drawn(PrimitiveKind::Box).size(), 1u);
}

}  // namespace
}  // namespace main_test

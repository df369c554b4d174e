// The main window's start state and the shut-down of every window.
#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace main_test {
namespace {

using forms::vbDefault;

TEST_F(MainWindowTest, StartsWithOnlyTheCorrelationImportUsable) {
    quillory::FrmMain& f = Main();
    const quillory::SideState& s = q.main;
    EXPECT_EQ(f.Text1.Text(), "0");
    EXPECT_EQ(f.Text2.Text(), "---");
    EXPECT_EQ(f.Combo1.Text(), "A");
    EXPECT_EQ(f.Combo2.Text(), "01");
    EXPECT_TRUE(f.mnuCM(500).Checked());
    EXPECT_EQ(f.Width(), 9840);
    EXPECT_EQ(f.Height(), 11055);
    EXPECT_EQ(s.gLayoutA, 11055);
    EXPECT_EQ(s.gFoldedWidth, 9840);
    // The last height of the start-up lays the columns out again.
    EXPECT_EQ(s.gCentreY, 5108);
    EXPECT_EQ(s.gDrivenBy, quillory::DrivenBy::kHolding);
    EXPECT_EQ(s.gDriveIndex, 1);
    EXPECT_EQ(s.gRange, 500);
    EXPECT_EQ(s.gEventDepthCol, 6);
    EXPECT_EQ(q.shared.precision.gDepthPrecision, 2);
    EXPECT_EQ(q.shared.precision.gAgePrecision, 0);
    EXPECT_EQ(s.model.gVerticalScale, 1);
    EXPECT_EQ(s.model.gEventCount, -9999);
    EXPECT_EQ(s.model.gMergedEventCount, -9999);
    EXPECT_EQ(q.shared.gActionCount.Get(), 0);
    EXPECT_FALSE(q.shared.gDuoModelLoaded);

    // The design texts and places the level read-outs and the divider rely on.
    EXPECT_EQ(f.Label2.Caption(), "Composite depth");
    EXPECT_EQ(f.Label2.Top(), 4320);
    EXPECT_EQ(f.Label7.Caption(), "Age (unspecified unit)");
    EXPECT_EQ(f.Label8.Caption(), "Error:  --- ");
    EXPECT_EQ(f.Label1(9).Caption(), "Event free depth (cm):");
    EXPECT_EQ(f.Label3.Caption(), "Event free depth (EFD)");
    EXPECT_EQ(f.Label11.Caption(), "Vertical scale for drawing");
    // The logo, and the import buttons below it where a click reaches them.
    EXPECT_EQ(f.Image1.Left(), 240);
    EXPECT_EQ(f.Image1.Top(), 300);
    EXPECT_EQ(f.Image1.Width(), 1920);
    EXPECT_EQ(f.Image1.Height(), 915);
    EXPECT_GE(f.Frame4.Top() + f.Command1.Top(), f.Image1.Top() + f.Image1.Height());
    EXPECT_LE(f.Frame4.Top() + f.Frame4.Height(), f.Frame5.Top());

    EXPECT_TRUE(f.Command1.Enabled());
    for (forms::Control* c : std::initializer_list<forms::Control*>{&f.Command2, &f.Command3, &f.Command4, &f.Command7,
                                                                    &f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Frame5,
                                                                    &f.Combo1})
        EXPECT_FALSE(c->Enabled()) << c->QualifiedName();
    EXPECT_TRUE(f.mnuPrecision->Choosable());
    EXPECT_FALSE(f.mnuRange->Enabled());
    EXPECT_FALSE(f.mnuTool->Enabled());
    for (int k = 0; k <= 4; ++k) {
        EXPECT_FALSE(f.Command6(k).Enabled());
        EXPECT_FALSE(f.Text5(k).Visible());
        EXPECT_EQ(f.Combo3(k).Text(), "---");
        EXPECT_FALSE(f.panelMenu[k].horizontal->Enabled());
        EXPECT_TRUE(f.panelMenu[k].flat11->Enabled());
    }
    // The first focus loads the Duo window without showing it.
    ASSERT_NE(q.frm2Main.IfLoaded(), nullptr);
    EXPECT_FALSE(q.frm2Main.IfLoaded()->Visible());
}

TEST_F(MainWindowTest, ProgramWritesDuringStartUpMoveNothing) {
    // Before a model the holy-trinity handlers do nothing, whoever writes.
    RecordLevelHandlers();
    Main().Text1.SetText("12");
    EXPECT_EQ(Main().Text2.Text(), "---");
    EXPECT_EQ(Count("Text2"), 0);
}

TEST_F(MainWindowTest, ClosingTheMainWindowUnloadsEveryWindowInOrderAndEnds) {
    std::vector<std::string> order;
    auto watch = [&order](forms::Form& f) {
        f.Unload_ = [&order, &f, old = f.Unload_](int& cancel) {
            order.push_back(f.Name());
            if (old) old(cancel);
        };
    };
    q.shared.photo[0].gPhotoOpen = true;
    q.shared.photo[2].gPhotoOpen = true;
    watch(q.frmVersion());
    watch(q.frmPhoto());
    watch(q.frm3Photo());
    watch(q.frmDivider());
    watch(q.frm2Main());
    watch(q.frmTest());
    Main().UserClose();
    EXPECT_EQ(order, (std::vector<std::string>{"frm2Main", "frm3Photo", "frmDivider", "frmPhoto", "frmTest",
                                               "frmVersion"}));
    EXPECT_FALSE(q.shared.photo[0].gPhotoOpen);
    EXPECT_FALSE(q.shared.photo[2].gPhotoOpen);
    EXPECT_TRUE(app.Ended());
    EXPECT_TRUE(app.LoadedForms().empty());
}

TEST_F(MainWindowTest, ClosingTheDuoWindowEndsTheProgramToo) {
    q.frm2Main().UserClose();
    EXPECT_TRUE(app.Ended());
    EXPECT_TRUE(app.LoadedForms().empty());
}

TEST_F(MainWindowTest, ActivationClosesTheLevelDivider) {
    q.frmDivider().Show();
    q.main.gDividerOpen = true;
    Main().SetEnabled(false);
    Main().UserActivate();
    EXPECT_EQ(q.frmDivider.IfLoaded(), nullptr);
    EXPECT_FALSE(q.main.gDividerOpen);
    EXPECT_TRUE(Main().Enabled());
}

TEST(ActionCount, SaturatesInsteadOfWrapping) {
    quillory::ActionCount c;
    c.Set(std::numeric_limits<int32_t>::max() - 1);
    c.Increment();
    c.Increment();
    EXPECT_EQ(c.Get(), std::numeric_limits<int32_t>::max());
}

}  // namespace
}  // namespace main_test

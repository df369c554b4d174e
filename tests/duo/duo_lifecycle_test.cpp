// The Duo window's life: loaded hidden at start-up with its defaults, opened
// beside the main window between the main event list and its own model, the
// window placement both windows share, and closing.
#include "duo_window_fixture.h"

namespace duo_test {
namespace {

using quillory::DrivenBy;

TEST_F(DuoWindowTest, StartsHiddenWithTheDuoDefaults) {
    ASSERT_NE(q.frm2Main.IfLoaded(), nullptr);
    quillory::Frm2Main& d = Duo();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Caption(), " QuilloryDuo ");
    EXPECT_EQ(d.Text2.Text(), "---");
    EXPECT_EQ(d.Text1.Text(), "0");
    EXPECT_EQ(d.Combo1.Text(), "E");
    EXPECT_EQ(d.Combo2.Text(), "01");
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kHolding);
    EXPECT_EQ(q.duo.gRange, q.main.gRange);
    EXPECT_EQ(q.duo.model.gVerticalScale, 1);
    EXPECT_EQ(q.duo.model.gEventCount, -9999);
    EXPECT_EQ(d.Width(), d.Picture1(0).Left() + 120);
    EXPECT_TRUE(d.Option4(1).Value());
    EXPECT_FALSE(d.Frame2.Visible());
    EXPECT_TRUE(d.Command1.Enabled());
    for (forms::Control* c : std::initializer_list<forms::Control*>{&d.Frame5, &d.Option4(0), &d.Command2, &d.Command3,
                                                                    &d.Combo2, &d.BoreHole(1)})
        EXPECT_FALSE(c->Enabled()) << c->QualifiedName();
    EXPECT_FALSE(d.mnuTool->Enabled());
    EXPECT_FALSE(d.Shape1.Visible());
    EXPECT_EQ(d.Timer1.Interval(), 0);
    EXPECT_FALSE(q.shared.photo[1].gPhotoOpen);
}

TEST_F(DuoWindowTest, OpensBesideTheMainWindowOnlyBetweenTheEventListAndItsModel) {
    Main().Image1.UserClick();  // no event list yet
    EXPECT_FALSE(Duo().Visible());
    LoadMain(false);
    quillory::FrmMain& m = Main();
    quillory::Frm2Main& d = Duo();
    ASSERT_TRUE(d.Visible());
    // Before its model the ruler takes no press: the window neither folds nor
    // pops up the ruler's menu.
    const int width = d.Width();
    services.popupAnswers.push_back("");
    d.BoreHole(5).UserMouseDown(1, 0, 5, 300);
    d.BoreHole(5).UserMouseDown(2, 0, 5, 300);
    EXPECT_EQ(d.Width(), width);
    EXPECT_EQ(services.popupAnswers.size(), 1u);
    services.popupAnswers.clear();
    EXPECT_EQ(d.Left(), m.Left() + m.Width() - 60);
    EXPECT_EQ(d.Top(), m.Top());
    EXPECT_EQ(d.Height(), m.Height());
    // The scale frames end at one height; the conversion button goes with them.
    EXPECT_EQ(d.Frame1.Top() + d.Frame1.Height(), m.Frame2.Top() + m.Frame2.Height());
    EXPECT_EQ(d.Command2.Top(), m.Command2.Top());

    // Too far right for the Duo to fit: it stays 60 twips short of the edge.
    m.Move(app.ScreenWidth - 2000, 300, m.Width(), m.Height());
    m.Image1.UserClick();
    EXPECT_EQ(d.Left(), app.ScreenWidth - d.Width() - 60);
    EXPECT_EQ(d.Top(), 300);

    // Once the Duo has its model the window stays where the user put it.
    LoadDuo(false);
    EXPECT_TRUE(d.BoreHole(5).Enabled());
    d.Move(500, 700, d.Width(), d.Height());
    m.mnuQYDuo->UserChoose();
    EXPECT_EQ(d.Left(), 500);
    EXPECT_EQ(d.Top(), 700);
}

// gFormMouse: (1) holds the other window's bottom edge from the focus on, and
// a window resized from its top keeps the other's bottom edge there; (2) a
// window's own bottom edge at the last move over its background.
TEST_F(DuoWindowTest, AWindowResizedFromItsTopKeepsTheOtherWindowsBottomEdge) {
    LoadMain(false);
    quillory::FrmMain& m = Main();
    quillory::Frm2Main& d = Duo();
    if (d.GotFocus) d.GotFocus();
    EXPECT_EQ(q.shared.gFormMouse[1], m.Top() + m.Height());
    EXPECT_EQ(q.shared.gFormMouse[0], 0);
    if (m.GotFocus) m.GotFocus();
    const int duoBottom = d.Top() + d.Height();
    EXPECT_EQ(q.shared.gFormMouse[1], duoBottom);

    m.UserResize(m.Width(), 8000);  // from its top edge, just focused
    EXPECT_EQ(d.Height(), 8000);
    EXPECT_EQ(d.Top() + d.Height(), duoBottom);

    // A pointer low over the background: a resize now keeps the Duo's top.
    m.UserMouseMove(0, 0, 3000, 3000);
    EXPECT_EQ(q.shared.gFormMouse[2], m.Top() + m.Height());
    EXPECT_EQ(q.shared.gFormMouse[0], 3000);
    const int top = d.Top();
    m.UserResize(m.Width(), 7000);
    EXPECT_EQ(d.Height(), 7000);
    EXPECT_EQ(d.Top(), top);
}

TEST_F(DuoWindowTest, ClosingTheDuoWindowWithItsModelEndsEverything) {
    LoadAll(false);
    q.frmDivider().Show();
    Duo().UserClose();
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(q.shared.gDuoModelLoaded);
    EXPECT_TRUE(app.LoadedForms().empty());
}

}  // namespace
}  // namespace duo_test

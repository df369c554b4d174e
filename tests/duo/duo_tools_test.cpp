// The Duo window's divider, version and export windows: the main window's
// components with the Duo's captions, layout and owner.
#include <gtest/gtest.h>

#include "duo_window_fixture.h"
#include "tools/frm_divider.h"
#include "tools/frm_export.h"
#include "tools/frm_version.h"

namespace duo_test {
namespace {

// "Fix sampling" hides the target's actual-scale label in the Duo's divider;
// the main window's leaves it.
TEST_F(DuoWindowTest, ItsDividerHidesTheTargetLabelWhileFixingTheSampling) {
    LoadAll();
    q.duo.gDivLamina0Depth = 10;
    q.duo.gDivTargetDepth = 14;
    q.duo.gDivLamina1Depth = 20;
    Duo().Text1.SetFocus();
    ASSERT_TRUE(Duo().mnuDivider->UserChoose());
    quillory::FrmDivider& d = q.frm2Divider();
    ASSERT_TRUE(d.Option2.Value());
    EXPECT_FALSE(d.Label1.Visible());
    d.Option1.UserClick();
    EXPECT_TRUE(d.Label1.Visible());
    d.Option2.UserClick();
    EXPECT_FALSE(d.Label1.Visible());
    Type(d.Text2, "15");
    EXPECT_EQ(Duo().Text1.Text(), "15");
    d.UserClose();

    quillory::FrmDivider& main = q.frmDivider();
    main.Show();
    main.Option1.UserClick();
    main.Option2.UserClick();
    EXPECT_TRUE(main.Label1.Visible());
}

TEST_F(DuoWindowTest, ItsVersionWindowHasItsLabelAndFocusOrder) {
    LoadAll();
    quillory::FrmVersion& v = q.frm2Version();
    // Loaded by the Duo import's first version label, before the import
    // named the window after its file.
    EXPECT_EQ(v.Label4.Caption(), "yDuo ");

    // The focus goes to "List of event layers", then "Varve counts", then
    // "Photo": the Duo's "Age-depth model" is passed over.
    Duo().Command3.SetEnabled(true);
    v.UserClose();
    EXPECT_EQ(Duo().ActiveControl(), &Duo().Command3);
    Duo().Command3.SetEnabled(false);
    Duo().Command4.SetEnabled(true);
    Duo().Command4.SetVisible(true);
    Duo().Command7.SetEnabled(true);
    q.frm2Version().Show();
    const std::string& caption = Duo().Caption();
    EXPECT_EQ(q.frm2Version().Label4.Caption(), caption.substr(caption.size() - 5));
    q.frm2Version().UserClose();
    EXPECT_EQ(Duo().ActiveControl(), &Duo().Command7);
}

TEST_F(DuoWindowTest, ItsExportWindowOffersTheMasterDepthAndGivesBothWindowsBack) {
    LoadAll();
    // The window's frame and button follow from its boxes: the Duo's six
    // and the main window's five.
    quillory::FrmExport& e = q.frm2Export();
    EXPECT_EQ(e.ScaleHeight(), 3345);
    EXPECT_EQ(e.Check1(2).Top(), 1440);
    EXPECT_EQ(q.frmExport().ScaleHeight(), 2985);
    EXPECT_EQ(q.frmExport().Command1.Top(), 2400);
    q.frmExport.Unload();

    // A panel's "Export" holds both main windows until the window goes.
    Duo().panelMenu[2].exportItem->SetEnabled(true);
    ASSERT_TRUE(Duo().panelMenu[2].exportItem->UserChoose());
    EXPECT_EQ(e.Label1.Caption(), "2");
    EXPECT_FALSE(Main().Enabled());
    EXPECT_FALSE(Duo().Enabled());
    e.UserClose();
    EXPECT_TRUE(Main().Enabled());
    EXPECT_TRUE(Duo().Enabled());
    // Loading it gives them back too.
    Main().SetEnabled(false);
    EXPECT_EQ(q.frm2Export().Caption(), "Export Duo");
    EXPECT_TRUE(Main().Enabled());
}

}  // namespace
}  // namespace duo_test

// The version window after each import and on closing, and the export
// placeholder opened from a panel and from the ruler.
#include <gtest/gtest.h>

#include "main/main_window_fixture.h"
#include "tools/frm_export.h"
#include "tools/frm_version.h"

namespace main_test {
namespace {

using quillory::FrmExport;
using quillory::FrmVersion;

TEST_F(MainWindowTest, TheVersionWindowShowsEachLoadedFile) {
    FrmVersion& v = q.frmVersion();
    for (int i : {1, 3, 4, 5}) EXPECT_EQ(v.Label2(i).Caption(), "n/a") << i;
    EXPECT_EQ(v.Label4.Caption(), " 7.7.4");
    v.UserClose();

    Import(Main().Command1, "model_20240209.csv", CorrelationModel());
    EXPECT_EQ(q.frmVersion().Label2(1).Caption(), "09 Feb. 2024");
    for (int i : {3, 4, 5}) EXPECT_EQ(q.frmVersion().Label2(i).Caption(), "n/a") << i;
    // Reloaded, it shows what the import added to the main window's caption.
    q.frmVersion.Unload();
    Main().mnuVersion->UserChoose();
    EXPECT_TRUE(q.frmVersion().Visible());
    EXPECT_EQ(q.frmVersion().Label4.Caption(), " 7.7.4   [model_20240209]");
    EXPECT_EQ(q.frmVersion().Label2(1).Caption(), "09 Feb. 2024");

    Import(Main().Command3, "events_20240212.csv", EventList());
    Import(Main().Command4, "ages_20240215.csv", AgeModel());
    services.fileAnswers.push_back(WriteFile("varves_20240220.csv", "Composite depth,Varves\n0,0\n300,1000\n"));
    Main().Command5.Press();
    EXPECT_EQ(q.frmVersion().Label2(3).Caption(), "12 Feb. 2024");
    EXPECT_EQ(q.frmVersion().Label2(4).Caption(), "15 Feb. 2024");
    EXPECT_EQ(q.frmVersion().Label2(5).Caption(), "20 Feb. 2024");
}

TEST_F(MainWindowTest, TheVersionWindowKeepsItsHeight) {
    FrmVersion& v = q.frmVersion();
    v.Show();
    v.UserResize(5000, 4000);
    EXPECT_EQ(v.Height(), 2100);
    EXPECT_EQ(v.Width(), 5000);
}

TEST_F(MainWindowTest, ClosingTheVersionWindowFocusesTheNextImport) {
    Import(Main().Command1, "model_20240209.csv", CorrelationModel());
    Import(Main().Command3, "events.csv", EventList());
    q.frmVersion().Show();
    q.frmVersion().UserClose();
    EXPECT_EQ(Main().ActiveControl(), &Main().Command4);
    Import(Main().Command4, "ages.csv", AgeModel());
    q.frmVersion().Show();
    q.frmVersion().UserClose();
    EXPECT_EQ(Main().ActiveControl(), &Main().Command7);
}

class ExportTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Import(Main().Command1, "model_20240209.csv", CorrelationModel());
        // As a proxy import into the panel would.
        for (int k = 0; k <= 4; ++k) Main().panelMenu[k].exportItem->SetEnabled(true);
    }
    void ExpectMainWindowsEnabled(bool enabled) {
        EXPECT_EQ(Main().Enabled(), enabled);
        EXPECT_EQ(q.frm2Main().Enabled(), enabled);
    }
};

TEST_F(ExportTest, APanelsExportOnlySaysItIsNotThereYet) {
    ASSERT_TRUE(Main().panelMenu[1].exportItem->UserChoose());
    FrmExport& e = q.frmExport();
    EXPECT_TRUE(e.Visible());
    EXPECT_EQ(e.Label1.Caption(), "1");
    ExpectMainWindowsEnabled(false);
    e.Command1.UserClick();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "Sorry, this function is under construction.");
    EXPECT_EQ(services.messages[0].request.title, "Quillory");
    EXPECT_EQ(services.messages[0].request.style, forms::vbOKOnly);
    EXPECT_EQ(q.frmExport.IfLoaded(), nullptr);
    ExpectMainWindowsEnabled(true);
}

TEST_F(ExportTest, TheRulersExportIsPanelFourAndClosingGivesTheWindowsBack) {
    services.popupAnswers.push_back("mnuExport_4");
    Main().BoreHole(5).UserMouseDown(forms::kRightButton, 0, 1, 300);
    EXPECT_EQ(q.frmExport().Label1.Caption(), "4");
    ExpectMainWindowsEnabled(false);
    q.frmExport().UserClose();
    ExpectMainWindowsEnabled(true);
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace main_test

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

// The varve counts have no visible button; their label still shows.
TEST_F(MainWindowTest, TheVersionWindowShowsTheVarveCounts) {
    ImportAll();
    EXPECT_EQ(q.frmVersion().Label2(5).Caption(), "n/a");
    services.fileAnswers.push_back(WriteFile("varves_20240220.csv", "Composite depth,Varves\n0,0\n300,1000\n"));
    Main().Command5.Press();
    EXPECT_EQ(q.frmVersion().Label2(5).Caption(), "20 Feb. 2024");
    q.frmVersion.Unload();
    EXPECT_EQ(q.frmVersion().Label2(5).Caption(), "20 Feb. 2024");
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
    // While the export window holds the main window, the focus stays put.
    Main().Text2.SetFocus();
    Main().SetEnabled(false);
    q.frmVersion().Show();
    EXPECT_NO_THROW(q.frmVersion().UserClose());
    EXPECT_EQ(Main().ActiveControl(), &Main().Text2);
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

}  // namespace
}  // namespace main_test

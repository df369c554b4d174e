// The import buttons: enabling in the order of use, Cancel, format errors.
#include <gtest/gtest.h>

#include "main_window_fixture.h"

namespace main_test {
namespace {

using forms::vbExclamation;

TEST_F(MainWindowTest, EachImportOpensTheNextStepOnce) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "model_20240209.csv", CorrelationModel());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.fileRequests.back().filter, "DataFile(*.csv)|*.csv");
    EXPECT_EQ(f.Caption(), "Quillory 7.7.4   [model_20240209]");
    EXPECT_EQ(q.frmVersion().Label2(1).Caption(), "09 Feb. 2024");
    EXPECT_FALSE(f.Command1.Enabled());
    EXPECT_TRUE(f.Command3.Enabled());
    EXPECT_FALSE(f.Command4.Enabled());
    EXPECT_TRUE(f.Command2.Enabled());
    EXPECT_TRUE(f.Text2.Enabled());
    EXPECT_TRUE(f.Combo1.Enabled());
    EXPECT_FALSE(f.Text3.Enabled());
    EXPECT_TRUE(f.mnuTool->Enabled());
    EXPECT_FALSE(f.mnuQYDuo->Enabled());
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
    // The view opens at 240 cm, in section 01 of bore hole A.
    EXPECT_EQ(f.Text2.Text(), "240");
    EXPECT_EQ(f.Label1(8).Caption(), "240");
    EXPECT_EQ(f.Combo1.Text(), "A");
    EXPECT_EQ(f.Text1.Text(), "240");
    EXPECT_EQ(f.Slider1.Max(), 700);
    EXPECT_EQ(f.Slider1.Value(), 240);
    EXPECT_EQ(f.Label1(1).Caption(), "Bore hole A");
    EXPECT_TRUE(f.mnuBH(1).Enabled());
    EXPECT_TRUE(f.mnuBH(2).Enabled());
    EXPECT_FALSE(f.mnuBH(3).Enabled());
    EXPECT_EQ(f.Combo1.ListCount(), 4);

    Import(f.Command3, "events.csv", EventList());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(f.Command3.Enabled());
    EXPECT_TRUE(f.Command4.Enabled());
    EXPECT_TRUE(f.mnuQYDuo->Enabled());
    EXPECT_TRUE(f.mnuAlign->Enabled());
    EXPECT_TRUE(f.Text3.Enabled());
    EXPECT_EQ(f.Text3.Text(), "230");  // 240 less the 10 cm tephra above it
    EXPECT_EQ(f.Label1(10).Caption(), "230");

    Import(f.Command4, "ages.csv", AgeModel());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(f.Command4.Enabled());
    EXPECT_TRUE(f.Text4.Enabled());
    EXPECT_TRUE(f.mnuAge->Enabled());
    EXPECT_EQ(f.Text4.Text(), "793");  // 230 / 290 of the way from 0 to 1000
    EXPECT_EQ(f.Label7.Caption(), "Age (yr BP)");
    EXPECT_EQ(f.Label8.Caption(), "Error:  +/- 18 (95.4 %)");
}

TEST_F(MainWindowTest, CancelInTheDialogChangesNothing) {
    quillory::FrmMain& f = Main();
    const std::string caption = f.Caption();
    services.fileAnswers.push_back(std::nullopt);
    f.Command1.UserClick();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(f.Caption(), caption);
    EXPECT_TRUE(f.Command1.Enabled());
    EXPECT_FALSE(f.Command3.Enabled());
    EXPECT_EQ(q.main.model.gRowCount, 0);
}

TEST_F(MainWindowTest, UnreadableCorrelationModelKeepsWhatWasReadAndTheButton) {
    quillory::FrmMain& f = Main();
    // A header alone: the layout test reads past the end.
    Import(f.Command1, "first_20240101.csv", Record({"Lamina name", "Bore hole (A)", "PSP", "Depth", "Bore hole (B)",
                                                     "PSP", "Depth", "Bore hole (C)", "PSP", "Depth", "Bore hole (D)",
                                                     "PSP", "Depth", "Composite depth"}));
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "File format error.");
    EXPECT_EQ(services.messages[0].request.title, "Error");
    EXPECT_EQ(services.messages[0].request.style, vbExclamation);
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_EQ(app.MousePointer(), forms::vbDefault);
    EXPECT_TRUE(f.Command1.Enabled());
    EXPECT_FALSE(f.Command3.Enabled());
    EXPECT_EQ(q.frmVersion().Label2(1).Caption(), "01 Jan. 2024");

    // The button can be used again; the caption then carries both titles.
    Import(f.Command1, "model_20240209.csv", CorrelationModel());
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(f.Caption(), "Quillory 7.7.4   [first_20240101]   [model_20240209]");
    EXPECT_FALSE(f.Command1.Enabled());
}

// A failed event import leaves the event list unloaded and the Duo and
// alignment commands as they were.
TEST_F(MainWindowTest, FailedEventImportEnablesNothing) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "model_20240209.csv", CorrelationModel());
    Import(f.Command3, "events.csv", "Bore hole,Section,Top,Bottom,Type\nA,01,50\n");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "File format error.");
    EXPECT_FALSE(q.main.model.gEventsLoaded);
    EXPECT_EQ(q.main.model.gEventCount, -9999);
    EXPECT_FALSE(f.mnuQYDuo->Enabled());
    EXPECT_FALSE(f.mnuAlign->Enabled());
    EXPECT_TRUE(f.Command3.Enabled());
    EXPECT_FALSE(f.Command4.Enabled());

    // A fault while the layers are combined (a top beyond the single range)
    // comes after the list was read whole: still nothing is enabled.
    Import(f.Command3, "events.csv", "Bore hole,Section,Top,Bottom,Type\nA,01,1e40,60,Tephra AT\n");
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1].request.text, "File format error.");
    EXPECT_FALSE(q.main.model.gEventsLoaded);
    EXPECT_FALSE(f.mnuQYDuo->Enabled());
    EXPECT_FALSE(f.mnuAlign->Enabled());
    EXPECT_FALSE(f.Label5.Enabled());
    EXPECT_TRUE(f.Command3.Enabled());
    EXPECT_FALSE(f.Command4.Enabled());
}

// The varve counts are loaded only when the whole file was read; the version
// window shows the file's label as soon as its header was read.
TEST_F(MainWindowTest, FailedVarveImportLeavesTheVarvesUnloaded) {
    ImportAll();
    services.fileAnswers.push_back(WriteFile("varves_20240220.csv", "Depth,Count\n"));
    Main().Command5.Press();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "File format error.");
    EXPECT_FALSE(q.main.model.gVarvesLoaded);
    EXPECT_EQ(q.frmVersion().Label2(5).Caption(), "20 Feb. 2024");
}

// The age read-outs follow the input mode as soon as the points are read,
// even when an undefined bore hole then stops the import.
TEST_F(MainWindowTest, AgeReadOutsAreEnabledBeforeAnUndefinedBoreHoleStopsTheImport) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "model_20240209.csv", CorrelationModel());
    Import(f.Command3, "events.csv", EventList());
    ASSERT_FALSE(f.Text4.Enabled());
    const std::string ages = AgeModel() + "L4,Q,---,---,---,30,3000,30,C1,yr BP,\n";
    Import(f.Command4, "ages.csv", ages);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text,
              "Bore hole name 'Q' has not been defined. Import parallel correlation model to Quillory Duo.");
    for (forms::Control* c : std::initializer_list<forms::Control*>{&f.Label7, &f.Label8, &f.Label9, &f.Text4})
        EXPECT_TRUE(c->Enabled()) << c->Name();
    EXPECT_FALSE(q.main.model.gAgeModelLoaded);
}

TEST_F(MainWindowTest, DeclinedVersionWarningLeavesTheAgeImportUsable) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "model_20240301.csv", CorrelationModel());
    Import(f.Command3, "events.csv", EventList());
    services.messageAnswers.push_back(forms::vbNo);
    Import(f.Command4, "ages.csv", AgeModel());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.title, "WARNING!!");
    EXPECT_TRUE(f.Command4.Enabled());
    EXPECT_FALSE(q.main.model.gAgeModelLoaded);
    EXPECT_FALSE(f.ProgressBar1.Visible());
}

}  // namespace
}  // namespace main_test

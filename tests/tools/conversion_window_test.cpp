// "Convert from data file" and the conversion window: what the scenarios
// cannot see (the dialogs asked, where the focus goes, the window's
// parameters for the Duo side). The converted files themselves are checked
// byte for byte by the conversion scenarios.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "main/main_window_fixture.h"
#include "odd_files.h"
#include "tools/frm_conversion.h"

namespace main_test {
namespace {

using quillory::FrmConversion;

// Composite depths 100, 200 and 400 in bore hole A (event-free 90, 190, 390).
std::string CompositeDepths() { return "Sample,Composite depth (cm)\nS1,100\nS2,200\nS3,400\n"; }

class ConversionWindowTest : public MainWindowTest {
protected:
    void Read(const std::string& name, const std::string& text) { Import(Main().Command2, name, text); }
    FrmConversion& Window() { return q.frmConversion(); }
    std::string Save() {
        const std::string path = WriteFile("converted.csv", "");
        std::filesystem::remove(path);
        services.fileAnswers.push_back(path);
        Window().Command1.UserClick();
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
};

TEST_F(ConversionWindowTest, TheDialogsAskForDataFilesAndTheSaveDialogBeforeReplacingOne) {
    ImportAll();
    Read("samples.csv", CompositeDepths());
    Save();
    ASSERT_EQ(services.fileRequests.size(), 5u);
    const forms::FileRequest& open = services.fileRequests[3];
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.filter, "DataFile(*.csv)|*.csv");
    const forms::FileRequest& save = services.fileRequests[4];
    EXPECT_TRUE(save.save);
    EXPECT_TRUE(save.overwritePrompt);
    EXPECT_EQ(save.filter, "DataFile(*.csv)|*.csv");
    // No name is proposed and none is changed: the name is used as typed.
    EXPECT_EQ(save.fileName, "");
    EXPECT_TRUE(services.messages.empty());
}

// The refusal also closes a conversion window open over the file before.
TEST_F(ConversionWindowTest, TheOneValueRefusalHandsTheFocusToTheEventListButton) {
    Import(Main().Command1, "model_20240209.csv", CorrelationModel());
    Read("positions.csv", "Sample,Bore hole,Section,PSP\nX1,A,01,50\n");
    ASSERT_TRUE(Window().Visible());
    Main().Text2.SetFocus();
    Read("samples.csv", CompositeDepths());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.style, forms::vbExclamation);
    EXPECT_EQ(Main().ActiveControl(), &Main().Command3);
    EXPECT_FALSE(q.frmConversion.IsLoaded());
}

// A chosen file that cannot be read closes the window of the file read
// before, as a format error does, so that "Convert and Save" cannot write
// that file under the new choice; a cancelled dialog leaves it.
TEST_F(ConversionWindowTest, AChosenFileThatCannotBeReadClosesTheWindowOfTheOneBefore) {
    const test_files::OddFiles odd;
    const test_files::Deadline deadline(10);
    std::vector<std::string> unreadable{odd.Pipe(), odd.Device(), odd.Folder(), odd.Missing(), odd.Huge()};
    if (geteuid() != 0) {  // nothing is unreadable to the superuser
        unreadable.push_back(odd.Write("locked.csv", CompositeDepths()));
        chmod(unreadable.back().c_str(), 0);
    }
    ImportAll();
    for (const std::string& path : unreadable) {
        Read("samples.csv", CompositeDepths());
        ASSERT_TRUE(Window().Visible());
        services.fileAnswers.push_back(std::nullopt);
        Main().Command2.UserClick();
        EXPECT_TRUE(q.frmConversion.IsLoaded());
        services.fileAnswers.push_back(path);
        Main().Command2.UserClick();
        ASSERT_EQ(services.messages.size(), 1u) << path;
        EXPECT_EQ(services.messages[0].request.text, "File format error.") << path;
        services.messages.clear();
        EXPECT_FALSE(q.frmConversion.IsLoaded()) << path;
    }
    EXPECT_TRUE(services.messages.empty());
}

// The window closes after saving and hands the focus to the next import
// of its own window, then to "Photo".
TEST_F(ConversionWindowTest, ClosingFocusesTheNextImportOfItsWindow) {
    Import(Main().Command1, "model_20240209.csv", CorrelationModel());
    Import(Main().Command3, "events.csv", EventList());
    Read("samples.csv", CompositeDepths());
    Save();
    EXPECT_FALSE(q.frmConversion.IsLoaded());
    EXPECT_EQ(Main().ActiveControl(), &Main().Command4);
    Import(Main().Command4, "ages.csv", AgeModel());
    Read("samples.csv", CompositeDepths());
    Window().UserClose();
    EXPECT_EQ(Main().ActiveControl(), &Main().Command7);

    // The Duo window's own passes over its age-depth model button.
    quillory::Frm2Main& duo = q.frm2Main();
    duo.Show();
    duo.Command3.SetEnabled(false);
    duo.Command4.SetEnabled(true);
    duo.Command5.SetVisible(false);
    duo.Command7.SetEnabled(true);
    q.frm2Conversion().Show();
    q.frm2Conversion().UserClose();
    EXPECT_EQ(duo.ActiveControl(), &duo.Command7);
}

TEST_F(ConversionWindowTest, TheDuoWindowsOwnDiffersOnlyByItsParameters) {
    FrmConversion& duo = q.frm2Conversion();
    EXPECT_EQ(duo.Caption(), "Conversion (Duo)");
    EXPECT_EQ(duo.Option1(1).Caption(), "Holy trinity ");
    EXPECT_EQ(Window().Option1(1).Caption(), "Holy trinity");
    EXPECT_EQ(duo.Option1(2).Caption(), Window().Option1(2).Caption());

    // A window over a side with a master core writes its column after the
    // side's own composite depth.
    Import(Main().Command1, "model_20240209.csv", CorrelationModel());
    Import(Main().Command3, "events.csv", EventList());
    Read("samples.csv", CompositeDepths());
    q.frmConversion.Unload();
    quillory::ConversionDesign design{"Conversion", "Holy trinity", {}, [] {
                                          return model::MasterColumn{"Composite depth (Master)",
                                                                     [](float depth) { return depth + 1000; }};
                                      }};
    forms::FormSlot<FrmConversion> slot{app, "frmConversionUnderTest", [&] {
        return std::make_unique<FrmConversion>(app, "frmConversionUnderTest", design, quillory::SideRef(q.frmMain),
                                               q.main, q.shared);
    }};
    slot().Show();
    slot().Check1(4).UserClick();
    const std::string path = WriteFile("master.csv", "");
    services.fileAnswers.push_back(path);
    slot().Command1.UserClick();
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), {}),
              "\"Sample\",\"Composite depth (cm)\",\"Composite depth (Master)\"\r\n"
              "\"S1\",\"100\",1100\r\n\"S2\",\"200\",1200\r\n\"S3\",\"400\",1400\r\n");
}

// Ticking a box recomputes the targets and moves the focus to "Convert and
// Save"; a window loaded before any reading selects nothing.
TEST_F(ConversionWindowTest, TheBoxesKeepTheTargetsAndTheFocus) {
    EXPECT_NO_THROW(Window());
    for (int k : {1, 2, 4, 8}) EXPECT_FALSE(Window().Option1(k).Value());
    q.frmConversion.Unload();

    ImportAll();
    Read("samples.csv", CompositeDepths());
    EXPECT_EQ(q.main.gConvMask, 2 + 4 + 8);
    Window().Check1(8).UserClick();
    EXPECT_EQ(q.main.gConvMask, 2 + 4);
    EXPECT_EQ(Window().ActiveControl(), &Window().Command1);
}

}  // namespace
}  // namespace main_test

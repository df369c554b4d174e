// The password lock behind the logo and the debugging window's buttons.
#include <gtest/gtest.h>

#include "main/main_window_fixture.h"
#include "tools/frm_pass.h"
#include "tools/frm_test.h"

namespace main_test {
namespace {

using quillory::FrmPass;
using quillory::FrmTest;

class DebugLockTest : public MainWindowTest {
protected:
    FrmPass& OpenLock() {
        Main().Image1.UserDblClick();
        return q.frmPass();
    }
};

TEST_F(DebugLockTest, OnlyAStaffPasswordAsTypedEnablesOK) {
    Main().Move(600, 300, Main().Width(), Main().Height());
    FrmPass& pass = OpenLock();
    EXPECT_TRUE(pass.Visible());
    EXPECT_EQ(pass.Caption(), "Staff only");
    EXPECT_EQ(pass.Top(), 300 + 7200);
    EXPECT_EQ(pass.Left(), 600 + 360);
    EXPECT_FALSE(pass.Command1.Enabled());

    Type(pass.Text1, "Corva");
    EXPECT_FALSE(pass.Command1.Enabled());
    EXPECT_EQ(pass.ActiveControl(), &pass.Text1);
    pass.Text1.UserKeyChar('n');
    EXPECT_TRUE(pass.Command1.Enabled());
    EXPECT_EQ(pass.ActiveControl(), &pass.Command1);
    for (const char* near : {"Corvan ", "CORVAN", "mopa7152", " tanvel4817"}) {
        pass.Text1.SetText(near);
        EXPECT_FALSE(pass.Command1.Enabled()) << near;
    }
    // Pasted as a whole.
    pass.Text1.SetText("tanvel4817");
    EXPECT_TRUE(pass.Command1.Enabled());
}

// The refusal names no person and no address, and repeats nothing typed.
TEST_F(DebugLockTest, AWrongPasswordIsRefusedWithoutAnAddress) {
    FrmPass& pass = OpenLock();
    Type(pass.Text1, "Secret1");
    pass.Command1.Press();
    ASSERT_EQ(services.messages.size(), 1u);
    const forms::MessageRequest& m = services.messages[0].request;
    EXPECT_EQ(m.title, "Unauthorised");
    EXPECT_EQ(m.style, forms::vbOKOnly);
    EXPECT_EQ(m.text.rfind("Incorrect password. Contact project manager. (", 0), 0u);
    EXPECT_EQ(m.text.find('@'), std::string::npos);
    EXPECT_EQ(m.text.find("Secret1"), std::string::npos);
    EXPECT_EQ(pass.Text1.Text(), "");
    EXPECT_FALSE(q.shared.gDebugUnlocked);
}

class DebuggingWindowTest : public MainWindowTest {
protected:
    FrmTest& Test() { return q.frmTest(); }
};

TEST_F(DebuggingWindowTest, ItsButtonsShowTheVersionsAndClearTheTrace) {
    FrmTest& t = Test();
    t.Show();
    // Nothing read yet: no age model to take a date from, no correlation label.
    t.Command1.UserClick();
    EXPECT_EQ(t.Text6.Text(), "Text6");
    t.Command2.UserClick();
    EXPECT_EQ(t.Text7.Text(), "");

    ImportAll();
    t.Command1.UserClick();
    EXPECT_EQ(t.Text6.Text(), "09 Feb. 2024");
    t.Command2.UserClick();
    EXPECT_EQ(t.Text7.Text(), "09 Feb. 2024");

    q.shared.gDebugUnlocked = true;
    Type(Main().Text2, "120");
    EXPECT_EQ(Printed(t).front(), "frmMain.Text2_Change");
    EXPECT_EQ(Printed(t).size(), 7u);
    t.Command3.UserClick();
    EXPECT_TRUE(Printed(t).empty());
}

// A month without a full stop still gives the date, without its bracket.
TEST_F(DebuggingWindowTest, TheAgeModelDateIsReadAsItsImportReadsIt) {
    Import(Main().Command1, "model_20240509.csv", CorrelationModel());
    Import(Main().Command3, "events.csv", EventList());
    std::string ages = AgeModel();
    ages.replace(ages.find("09 Feb. 2024"), 12, "09 May 2024");
    Import(Main().Command4, "ages.csv", ages);
    ASSERT_TRUE(services.messages.empty());
    Test().Command1.Press();
    EXPECT_EQ(Test().Text6.Text(), "09 May 2024");
}

}  // namespace
}  // namespace main_test

// The firing rules decide whether the level synchronisation of the windows
// terminates, so each rule is pinned here on a small test window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/headless.h"
#include "values/runtime_error.h"

using namespace forms;
using namespace values;

namespace {

class TestForm : public Form {
public:
    explicit TestForm(Application& a) : Form(a, "frmTest") {
        Add<OptionButton>(Opt, "Opt", 0);
        Add<OptionButton>(Opt, "Opt", 1);
        Add<OptionButton>(Opt, "Opt", 2, &Frame1);
        Add<OptionButton>(Opt, "Opt", 3, &Frame1);
        Caption1.SetCaption("design");
        Load = [this] { log.push_back("Load"); };
        Resize = [this] {
            log.push_back("Resize " + NumberText(Width()));
            // A resize handler that sets the size again re-enters at once.
            if (Width() < 3000) SetWidth(3000);
        };
    }
    std::vector<std::string> log;
    TextBox& Text1 = Add<TextBox>("Text1");
    TextBox& Text2 = Add<TextBox>("Text2");
    Label& Caption1 = Add<Label>("Caption1");
    ComboBox& Combo1 = Add<ComboBox>("Combo1");
    Frame& Frame1 = Add<Frame>("Frame1");
    ControlArray<OptionButton> Opt;
    Slider& Slider1 = Add<Slider>("Slider1");
    ProgressBar& Bar = Add<ProgressBar>("Bar");
    CommonDialog& Dialog = Add<CommonDialog>("Dialog");
};

struct Fixture : ::testing::Test {
    HeadlessServices services;
    Application app{services};
    FormSlot<TestForm> slot{app, "frmTest", [this] { return std::make_unique<TestForm>(app); }};
    TestForm& f() { return slot(); }
    std::vector<std::string>& log() { return f().log; }
};

using FiringRules = Fixture;

TEST_F(FiringRules, AWriteThatChangesNothingFiresNothing) {
    f().Text1.Change = [this] { log().push_back("Text1"); };
    f().Caption1.Change = [this] { log().push_back("Caption1"); };
    f().Combo1.Change = [this] { log().push_back("Combo1"); };
    log().clear();
    f().Text1.SetText("");
    f().Caption1.SetCaption("design");
    f().Combo1.SetText("");
    EXPECT_TRUE(log().empty());
    f().Text1.SetText("a");
    f().Text1.SetText("a");
    f().Caption1.SetCaption("new");
    EXPECT_EQ(log(), (std::vector<std::string>{"Text1", "Caption1"}));
}

TEST_F(FiringRules, HandlersRunInsideTheWriteThatCausedThem) {
    f().Text1.Change = [this] {
        log().push_back("Text1 begin");
        f().Text2.SetText(f().Text1.Text() + "!");
        log().push_back("Text1 end");
    };
    f().Text2.Change = [this] { log().push_back("Text2 sees " + f().Text2.Text()); };
    log().clear();
    f().Text1.SetText("x");
    log().push_back("after write");
    EXPECT_EQ(log(), (std::vector<std::string>{"Text1 begin", "Text2 sees x!", "Text1 end", "after write"}));
}

TEST_F(FiringRules, KeystrokesRunKeyDownKeyPressThenChange) {
    auto& t = f().Text1;
    t.KeyDown = [this](int& code, int) { log().push_back("KeyDown " + std::to_string(code)); };
    t.KeyPress = [this](int& ascii) {
        log().push_back("KeyPress " + std::to_string(ascii));
        if (ascii == 'x') ascii = 0;  // swallowed
    };
    t.Change = [this] { log().push_back("Change " + f().Text1.Text()); };
    log().clear();
    t.UserSelectAll();
    t.UserKeyChar('7');
    t.UserKeyChar('x');
    t.UserKey(kKeyReturn);
    EXPECT_EQ(log(), (std::vector<std::string>{"KeyDown 55", "KeyPress 55", "Change 7", "KeyDown 88", "KeyPress 120",
                                               "KeyDown 13", "KeyPress 13"}));
    EXPECT_EQ(t.Text(), "7");
}

// Home, End and the arrows move the caret; typed keys, Backspace and Delete act there; each raises KeyDown.
TEST_F(FiringRules, BoxAndComboEditWhereTheCaretIs) {
    for (TextField* field : std::vector<TextField*>{&f().Text1, &f().Combo1}) {
        log().clear();
        f().Text1.KeyDown = f().Combo1.KeyDown = [this](int& code, int) { log().push_back(std::to_string(code)); };
        field->SetText("15");
        for (int key : {kKeyEnd, kKeyHome, kKeyRight, kKeyLeft}) field->UserKey(key);
        field->UserKeyChar('0');
        EXPECT_EQ(field->Text(), "015");
        field->UserKey(kKeyDelete);
        EXPECT_EQ(field->Text(), "05");
        field->UserKey(kKeyRight);
        field->UserKey(kKeyBack);
        EXPECT_EQ(field->Text(), "0");
        EXPECT_EQ(log(), (std::vector<std::string>{"35", "36", "39", "37", "48", "46", "39", "8"}));
        // The caret steps over a whole character; a selection goes at once.
        field->SetText("a\xC3\xA9" "b");
        field->UserKey(kKeyEnd);
        field->UserKey(kKeyLeft);
        field->UserKey(kKeyLeft);
        EXPECT_EQ(field->SelStart(), 1);
        field->SetSelLength(3);
        field->UserKeyChar('x');
        EXPECT_EQ(field->Text(), "ax");
        // A text of the old code page, no UTF-8, is a character a byte.
        field->SetText("(\xB5\xB0)");
        for (int key : {kKeyEnd, kKeyLeft, kKeyBack}) field->UserKey(key);
        EXPECT_EQ(field->Text(), "(\xB5)");
    }
}

// Shift with Home, End and the arrows selects (with Ctrl by words), Ctrl+C,
// Ctrl+X and Ctrl+V use the program's clipboard, a paste its first line: no
// more than one Change for each cut or paste, none when KeyPress refuses it.
TEST_F(FiringRules, BoxAndComboSelectCutCopyAndPasteAlike) {
    for (TextField* field : std::vector<TextField*>{&f().Text1, &f().Combo1}) {
        f().Text1.Change = f().Combo1.Change = [this, field] { log().push_back(field->Text()); };
        field->SetText("Tai 15");
        log().clear();
        field->UserKey(kKeyEnd);
        field->UserKey(kKeyLeft, kShiftMask | kCtrlMask);
        field->UserKey(kKeyLeft, kShiftMask);
        field->UserKey(kKeyRight, kShiftMask);
        field->UserKey('C', kCtrlMask);
        EXPECT_EQ(services.clipboardText, "15");
        field->UserKey(kKeyHome);
        for (int i = 0; i < 3; ++i) field->UserKey(kKeyRight, kShiftMask);
        field->UserKey('X', kCtrlMask);
        EXPECT_EQ(services.clipboardText, "Tai");
        field->UserKey(kKeyEnd);
        field->UserKey('V', kCtrlMask);
        field->UserKey('Q', kCtrlMask);
        services.clipboardText = "4.5\r\nmore";
        field->UserKey('A', kCtrlMask);
        field->UserKey(kKeyInsert, kShiftMask);
        EXPECT_EQ(log(), (std::vector<std::string>{" 15", " 15Tai", "4.5"}));
        field->KeyPress = [](int& ascii) { ascii = 0; };
        field->UserSelectAll();
        field->UserKey('X', kCtrlMask);
        EXPECT_EQ(field->Text(), "4.5");
    }
}

TEST_F(FiringRules, ComboPickFiresClickOnlyAndListWritesFireNothing) {
    auto& c = f().Combo1;
    c.Change = [this] { log().push_back("Change " + f().Combo1.Text()); };
    c.Click = [this] { log().push_back("Click " + f().Combo1.Text()); };
    log().clear();
    c.AddItem("A");
    c.AddItem("B");
    c.UserChoose("B");
    c.SetListIndex(0);
    c.SetText("C");
    c.Clear();
    EXPECT_EQ(log(), (std::vector<std::string>{"Click B", "Click A", "Change C"}));
    EXPECT_EQ(c.ListCount(), 0);
}

TEST_F(FiringRules, OptionGroupsFollowTheContainerAndClickOnlyWhenNewlySelected) {
    auto& o = f().Opt;
    for (auto& [i, b] : o) {
        int index = i;
        b->Click = [this, index] { log().push_back("Click " + std::to_string(index)); };
    }
    log().clear();
    o(0).SetValue(true);
    o(0).SetValue(true);
    o(2).SetValue(true);  // another container: option 0 stays
    o(1).UserClick();
    EXPECT_EQ(log(), (std::vector<std::string>{"Click 0", "Click 2", "Click 1"}));
    EXPECT_FALSE(o(0).Value());
    EXPECT_TRUE(o(2).Value());
}

TEST_F(FiringRules, SliderFiresOnlyForTheUserAndRefusesOutOfRangeWrites) {
    auto& s = f().Slider1;
    s.SetMax(100);
    s.Change = [this] { log().push_back("Change " + std::to_string(f().Slider1.Value())); };
    log().clear();
    s.SetValue(40);
    s.UserMove(60);
    EXPECT_EQ(log(), (std::vector<std::string>{"Change 60"}));
    try {
        s.SetValue(101);
        FAIL() << "write beyond Max accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    try {
        s.SetValue(-1);
        FAIL() << "write below Min accepted";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_EQ(s.Value(), 60);
    f().Bar.SetMin(2);
    f().Bar.SetMax(10);
    f().Bar.SetValue(12);
    EXPECT_EQ(f().Bar.Value(), 10);
    f().Bar.SetValue(-5);
    EXPECT_EQ(f().Bar.Value(), 2);
}

// By the slider's own steps, within its range, as a drag moves it; Tab
// moves the focus on.
TEST_F(FiringRules, SliderKeysMoveTheThumbAsADragDoes) {
    auto& s = f().Slider1;
    s.SmallChange = 2;
    s.Scroll = [this] { log().push_back("Scroll"); };
    s.Change = [this] { log().push_back(std::to_string(f().Slider1.Value())); };
    log().clear();
    for (int key : {kKeyDown, kKeyPageDown, kKeyEnd, kKeyEnd, kKeyLeft, kKeyPageUp, kKeyHome, kKeyTab}) s.UserKey(key);
    EXPECT_EQ(log(), (std::vector<std::string>{"Scroll", "2", "Scroll", "7", "Scroll", "10", "Scroll", "8", "Scroll",
                                               "3", "Scroll", "0"}));
    EXPECT_EQ(f().ActiveControl(), &f().Opt(0));
}

TEST_F(FiringRules, AHandlerThatKeepsSettingOffItselfRunsOutOfStackAsATrappableError) {
    int depth = 0, trapped = 0;
    f().Text1.Change = [&] {
        ++depth;
        try {
            f().Text1.SetText(f().Text1.Text() + "x");
        } catch (const RuntimeError& e) {
            if (e.number() != kErrOutOfStack) throw;
            ++trapped;
        }
    };
    f().Text1.SetText("x");
    EXPECT_EQ(depth, kMaxEventDepth);
    EXPECT_EQ(trapped, 1);
    // The chain unwound: events fire again from the top.
    log().clear();
    f().Text1.Change = [this] { log().push_back("Change"); };
    f().Text1.SetText("again");
    EXPECT_EQ(log(), (std::vector<std::string>{"Change"}));
}

TEST_F(FiringRules, DisabledOrHiddenControlsRefuseUserInputButNotProgramWrites) {
    f().Text1.Change = [this] { log().push_back("Change"); };
    log().clear();
    f().Frame1.SetEnabled(false);
    f().Opt(2).UserClick();
    EXPECT_FALSE(f().Opt(2).Value());
    f().Text1.SetVisible(false);
    f().Text1.UserKeyChar('1');
    EXPECT_TRUE(log().empty());
    f().Text1.SetText("1");
    EXPECT_EQ(log().size(), 1u);
    EXPECT_THROW(f().Text1.SetFocus(), RuntimeError);
}

// From a box, Tab (Shift+Tab) as a key in it, then five times more. A
// control whose index the program leaves goes where it was created; an
// option group is one stop, its selected button (else the first); labels,
// frames and what the user cannot reach are none.
TEST_F(FiringRules, TabAndShiftTabFollowTheTabIndexesRoundTheWindow) {
    auto round = [this](int shift) {
        f().Text1.SetFocus();
        f().Text1.UserKey(kKeyTab, shift);
        std::string way = f().ActiveControl()->QualifiedName();
        for (int i = 0; i < 5; ++i) f().UserTab(shift != 0), way += " " + f().ActiveControl()->QualifiedName();
        return way;
    };
    f().Combo1.TabIndex = 0;
    EXPECT_EQ(round(0), "Combo1 Text2 Slider1 Opt(0) Opt(2) Text1");
    f().Opt(3).SetValue(true);
    f().Slider1.SetEnabled(false);
    f().Text2.SetVisible(false);
    EXPECT_EQ(round(kShiftMask), "Opt(3) Opt(0) Combo1 Text1 Opt(3) Opt(0)");
}

using FormLife = Fixture;

TEST_F(FormLife, ReferenceLoadsHiddenAndUnloadGivesAFreshForm) {
    EXPECT_FALSE(slot.IsLoaded());
    f().Text1.SetText("changed");
    EXPECT_TRUE(slot.IsLoaded());
    EXPECT_FALSE(f().Visible());
    EXPECT_EQ(log(), (std::vector<std::string>{"Load"}));
    f().Unload();
    EXPECT_FALSE(slot.IsLoaded());
    EXPECT_EQ(f().Text1.Text(), "");
    EXPECT_EQ(f().Caption1.Caption(), "design");
    app.CollectRetired();
}

TEST_F(FormLife, AFormThatUnloadsItselfInAKeyPressTakesNoMoreEventsOfThatKey) {
    TestForm& form = f();
    form.Text1.KeyPress = [&form](int&) { form.Unload(); };
    form.Text1.Change = [&form] { form.log.push_back("Change"); };
    form.Text1.KeyUp = [&form](int&, int) { form.log.push_back("KeyUp"); };
    form.log.clear();
    form.Text1.UserKeyChar('7');
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(form.Text1.Text(), "");
    EXPECT_FALSE(slot.IsLoaded());
    app.CollectRetired();
}

TEST_F(FormLife, AWriteToAnUnloadedFormIsATrappableErrorAndTheNextReferenceLoadsItAgain) {
    TestForm& form = f();
    int number = 0;
    form.Text2.Change = [&form, &number] {
        form.Unload();
        try {
            form.Text1.SetText("lost");
        } catch (const RuntimeError& e) {
            number = e.number();
        }
    };
    form.Text2.SetText("close");
    EXPECT_EQ(number, kErrObjectUnloaded);
    EXPECT_THROW(form.SetCaption("lost"), RuntimeError);
    // Through its slot the window is there again, fresh.
    EXPECT_EQ(f().Text1.Text(), "");
    EXPECT_NE(&f(), &form);
    app.CollectRetired();
}

TEST_F(FormLife, AnUnloadHandlerCanRefuse) {
    f().Unload_ = [](int& cancel) { cancel = 1; };
    f().Unload();
    EXPECT_TRUE(slot.IsLoaded());
}

TEST_F(FormLife, SettingTheSizeRunsResizeAtOnceAndReentrantly) {
    log().clear();
    f().SetWidth(2000);
    EXPECT_EQ(log(), (std::vector<std::string>{"Resize 2000", "Resize 3000"}));
    EXPECT_EQ(f().ScaleWidth(), 3000 - kFrameWidth);
}

TEST_F(FormLife, CancelledFileDialogIsATrappableError) {
    f().Dialog.CancelError = true;
    services.fileAnswers.push_back(std::nullopt);
    try {
        f().Dialog.ShowOpen();
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kErrCancel);
    }
    services.fileAnswers.push_back("/data/models/corr_20240209.csv");
    f().Dialog.ShowOpen();
    EXPECT_EQ(f().Dialog.FileTitle, "corr_20240209.csv");
}

// The headless dialog asks its question before an existing file as a message
// box; No goes back to the dialog, whose next answer is taken.
TEST_F(FormLife, ASaveDialogAsksBeforeReplacingOnlyWithItsFlag) {
    const std::string existing = testing::TempDir() + "quillory-existing.csv";
    std::ofstream(existing) << "old";
    for (long flags : {0L, cdlOFNOverwritePrompt}) {
        f().Dialog.Flags = flags;
        services.fileAnswers = {existing, existing};
        f().Dialog.ShowOpen();
        f().Dialog.ShowSave();
    }
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "quillory-existing.csv already exists. Do you want to replace it?");
    services.fileAnswers = {existing, "/data/new.csv"};
    services.messageAnswers = {vbNo};
    f().Dialog.ShowSave();
    EXPECT_EQ(f().Dialog.FileName, "/data/new.csv");
    std::filesystem::remove(existing);
}

TEST(MessageBoxes, UnansweredBoxesTakeTheDefaultButtonAndAreRecorded) {
    HeadlessServices s;
    Application app(s);
    EXPECT_EQ(app.MsgBox("Go?", vbYesNo + vbDefaultButton2, "Q"), vbNo);
    s.messageAnswers.push_back(vbYes);
    EXPECT_EQ(app.MsgBox("Go?", vbYesNo, "Q"), vbYes);
    ASSERT_EQ(s.messages.size(), 2u);
    EXPECT_TRUE(s.messages[0].answeredByDefault);
    EXPECT_EQ(s.messages[1].request.title, "Q");
}

}  // namespace

// The roads of a level: typed into one of the three boxes, chosen as bore
// hole, section and PSP, or moved with the slider. Every road ends, each box
// handler runs once per keystroke, and a level below every bore hole is
// refused.
#include <gtest/gtest.h>

#include "main/main_window_fixture.h"
#include "values/values.h"

namespace main_test {
namespace {

class LevelRoadTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ImportAll();
        ASSERT_TRUE(services.messages.empty());
        RecordLevelHandlers();
    }
    double ViewTop() { return Main().BoreHole(1).Draw().ScaleTop(); }
};

TEST_F(LevelRoadTest, TypedCompositeDepthFillsEveryScale) {
    quillory::FrmMain& f = Main();
    Type(f.Text2, "320");
    // One road per keystroke; each writes the read-out and the event-free box once.
    EXPECT_EQ(Count("Text2"), 3);
    EXPECT_EQ(Count("Label1(8)"), 3);
    EXPECT_EQ(Count("Text3"), 3);
    // 320 lies in the gap between A's sections, inside B's.
    EXPECT_EQ(f.Combo1.Text(), "B");
    EXPECT_EQ(f.Text1.Text(), "220");
    EXPECT_EQ(f.Label1(8).Caption(), "320");
    EXPECT_EQ(f.Text3.Text(), "310");
    EXPECT_EQ(f.Text4.Text(), "1100");
    EXPECT_EQ(f.Combo5.Text(), "01");
    EXPECT_EQ(f.Slider1.Value(), 320);
    EXPECT_DOUBLE_EQ(ViewTop(), 70);
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(LevelRoadTest, LevelBelowEveryBottomIsRefusedAndTheBoxesRestored) {
    quillory::FrmMain& f = Main();
    Type(f.Text2, "800");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "Requested horizon is below core bottom.");
    EXPECT_EQ(services.messages[0].request.title, "Error");
    EXPECT_EQ(services.messages[0].request.style, forms::vbExclamation);
    // The boxes go back to the last level drawn: "80", typed one key earlier.
    EXPECT_EQ(f.Text2.Text(), "80");
    EXPECT_EQ(f.Text3.Text(), "70");
    EXPECT_EQ(f.Text4.Text(), "241");
    EXPECT_EQ(f.Label1(8).Caption(), "80");
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);

    // A level at the deepest bottom is accepted.
    Type(f.Text2, "700");
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(f.Label1(8).Caption(), "700");

    // A bore hole without data (bottom 9999) refuses no level up to 9999.
    q.main.model.gBoreHoleBottom[3] = 9999;
    Type(f.Text2, "800");
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(f.Label1(8).Caption(), "800");
}

// Cores that end at composite depth 200, above the first level an import
// opens at.
std::string ShortModel() {
    return Record({"Lamina name", "Bore hole (A)", "PSP", "Depth", "Bore hole (B)", "PSP", "Depth", "Bore hole (C)",
                   "PSP", "Depth", "Bore hole (D)", "PSP", "Depth", "Composite depth"}) +
           TieRow("0", "A-01-top", "0", "*", "*") + TieRow("100", "A-01-a", "100", "B-01-top", "0") +
           TieRow("200", "A-01-Bot", "200", "B-01-Bot", "100");
}

TEST_F(MainWindowTest, AStepThatGivesALevelGoesOnWhereItIsRefused) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "short_20240209.csv", ShortModel());
    ASSERT_EQ(services.messages.size(), 1u);
    // The import went on to its end at the level shown before.
    EXPECT_TRUE(f.Command3.Enabled());
    EXPECT_EQ(f.Text2.Text(), "---");
    Type(f.Text2, "150");
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(f.Text1.Text(), "150");
}

TEST_F(LevelRoadTest, SelfWrittenLevelSkipsTheBottomTest) {
    q.shared.gActionCount.Set(9999);
    q.main.gDrivenBy = quillory::DrivenBy::kTyped;
    Main().Text2.SetText("800");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(Main().Label1(8).Caption(), "800");
}

TEST_F(LevelRoadTest, TypedEventFreeDepthMovesTheComposite) {
    quillory::FrmMain& f = Main();
    Type(f.Text3, "290");
    EXPECT_EQ(f.Text2.Text(), "300");
    EXPECT_EQ(f.Text3.Text(), "290");
    EXPECT_EQ(f.Combo1.Text(), "B");
    EXPECT_EQ(f.Text1.Text(), "200");
    EXPECT_EQ(f.Text4.Text(), "1000");
    EXPECT_EQ(Count("Text2"), 3);
    EXPECT_FALSE(q.main.gText3UserEdit);
}

// A press into the event-free box marks what follows as the user's: a text
// pasted with the mouse moves the level, a program's write only shows.
TEST_F(LevelRoadTest, PressIntoTheEventFreeBoxMakesItsNextChangeMoveTheLevel) {
    quillory::FrmMain& f = Main();
    f.Text3.SetText("100");
    EXPECT_EQ(f.Text2.Text(), "240");
    f.Text3.UserMouseMove(0, 0, 10, 10);
    EXPECT_EQ(app.MousePointer(), forms::vbIbeam);
    f.Text3.UserMouseDown(1, 0, 10, 10);
    f.Text3.SetText("290");
    EXPECT_EQ(f.Text2.Text(), "300");
    EXPECT_FALSE(q.main.gText3UserEdit);
}

TEST_F(LevelRoadTest, TypedAgeKeepsItsTextAndMovesBothDepths) {
    quillory::FrmMain& f = Main();
    Type(f.Text4, "2000");
    EXPECT_EQ(f.Text4.Text(), "2000");
    EXPECT_EQ(f.Text3.Text(), "490");
    EXPECT_EQ(f.Text2.Text(), "500");
    EXPECT_EQ(f.Label7.Caption(), "Age (yr BP)");
    EXPECT_EQ(Count("Text4"), 4);
    EXPECT_TRUE(services.messages.empty());
}

// Errors that round apart show both, each with its name; points of two units
// around the level make a hybrid unit; a typed age shows its errors unnamed.
TEST_F(MainWindowTest, TheAgeReadOutNamesItsErrorsAndTheirUnits) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "model_20240209.csv", CorrelationModel());
    Import(f.Command3, "events.csv", EventList());
    Import(f.Command4, "ages.csv",
           "Label,Bore hole,Section,PSP,Composite depth (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 68.3,Type,Unit,"
           "Remark\n"
           "L1,---,---,---,0,10,0,10,C1,yr BP,\n"
           "L2,---,---,---,300,20,1000,30,C1,yr BP,\n"
           "L3,---,---,---,700,30,3000,30,C1,cal BP,\n");
    ASSERT_TRUE(services.messages.empty());
    // 240 cm lies 230 / 290 of the way from L1 to L2 in event-free depth.
    EXPECT_EQ(f.Text4.Text(), "793");
    EXPECT_EQ(f.Label7.Caption(), "Age (yr BP)");
    EXPECT_EQ(f.Label8.Caption(), "Error:  +18 (95.4 %)/ -26 (68.3 %)");
    EXPECT_EQ(f.Label9.Caption(), "(interpolated by EFD)");

    Type(f.Text2, "600");  // three quarters of the way from L2 to L3
    EXPECT_EQ(f.Text4.Text(), "2500");
    EXPECT_EQ(f.Label7.Caption(), "Age (Hybrid unit)");
    EXPECT_EQ(f.Label8.Caption(), "Error:  +28 (95.4 %)/ -30 (68.3 %)");  // 27.5 to the even 28

    Type(f.Text4, "1500");
    EXPECT_EQ(f.Text4.Text(), "1500");
    EXPECT_EQ(f.Text3.Text(), "390");
    EXPECT_EQ(f.Text2.Text(), "400");
    EXPECT_EQ(f.Label8.Caption(), "Error:  +22 / -30");  // 22.5 to the even 22
}

TEST_F(LevelRoadTest, TypedPositionInTheSectionGivesTheLevel) {
    quillory::FrmMain& f = Main();
    Type(f.Text1, "50");
    EXPECT_EQ(f.Text2.Text(), "50");
    EXPECT_EQ(f.Label1(8).Caption(), "50");
    EXPECT_EQ(f.Text3.Text(), "50");
    EXPECT_DOUBLE_EQ(ViewTop(), -200);
    EXPECT_EQ(Count("Text1"), 2);
    EXPECT_EQ(Count("Text2"), 2);
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
}

TEST_F(LevelRoadTest, ChangingTheBoreHoleShowsTheSameLevelThere) {
    quillory::FrmMain& f = Main();
    ASSERT_TRUE(f.Combo1.UserChoose("B"));
    EXPECT_EQ(f.Combo1.Text(), "B");
    EXPECT_EQ(f.Combo2.ListCount(), 1);
    EXPECT_EQ(f.Combo2.Text(), "1");
    EXPECT_EQ(f.Text1.Text(), "140");
    EXPECT_EQ(f.Text2.Text(), "240");
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
    EXPECT_EQ(q.main.gDriveIndex, 1);
    EXPECT_TRUE(services.messages.empty());
}

// Picking a section number centres the view on the section picked, also when
// the list holds the plain numbers that a change of bore hole puts there.
TEST_F(LevelRoadTest, PickedSectionNumberCentresOnThatSection) {
    quillory::FrmMain& f = Main();
    ASSERT_TRUE(f.Combo1.UserChoose("A"));
    ASSERT_TRUE(f.Combo2.UserChoose("2"));
    EXPECT_EQ(f.Combo5.Text(), "02");
    EXPECT_EQ(f.Text1.Text(), "0");
    EXPECT_EQ(f.Text2.Text(), "350");
    EXPECT_DOUBLE_EQ(ViewTop(), 100);
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
}

TEST_F(LevelRoadTest, SectionNameThatMatchesNothingChangesNothing) {
    quillory::FrmMain& f = Main();
    const std::string section = f.Combo2.Text();
    f.Combo5.SetFocus();
    f.Combo5.UserSelectAll();
    f.Combo5.UserKeyChar('z');
    EXPECT_EQ(f.Combo2.Text(), section);
    EXPECT_EQ(f.Text2.Text(), "240");
    EXPECT_EQ(Count("Text2"), 0);
}

// A section number typed beyond the bore hole's sections ends that step; the
// program goes on and the next level is taken normally.
TEST_F(LevelRoadTest, TypedSectionNumberOutsideTheTablesEndsOnlyThatStep) {
    quillory::FrmMain& f = Main();
    f.Combo2.SetFocus();
    f.Combo2.UserSelectAll();
    EXPECT_NO_THROW(f.Combo2.UserKeyChar('9'));
    EXPECT_NO_THROW(f.Combo2.UserKeyChar('9'));
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
    Type(f.Text2, "120");
    EXPECT_EQ(f.Label1(8).Caption(), "120");
    EXPECT_EQ(f.Text1.Text(), "120");
}

TEST_F(LevelRoadTest, ScaleOptionsFollowEachOtherAndRecentre) {
    quillory::FrmMain& f = Main();
    f.Option2(0).SetValue(true);  // drilling depth: the section top's drilling depth plus the PSP
    EXPECT_EQ(q.main.model.gVerticalScale, 0);
    EXPECT_EQ(q.duo.model.gVerticalScale, 0);
    EXPECT_TRUE(q.frm2Main().Option2(0).Value());
    EXPECT_DOUBLE_EQ(ViewTop(), -10);
    EXPECT_EQ(f.Text2.Text(), "240");
    f.Option2(1).SetValue(true);
    EXPECT_EQ(q.main.model.gVerticalScale, 1);
    EXPECT_TRUE(q.frm2Main().Option2(1).Value());
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
}

TEST_F(MainWindowTest, ExtrapolationChoiceBeforeAModelOnlyResetsTheProgressBar) {
    quillory::FrmMain& f = Main();
    f.ProgressBar1.SetVisible(true);
    f.ProgressBar1.SetValue(5);
    f.Option4(0).SetValue(true);
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_EQ(f.ProgressBar1.Value(), 0);
    EXPECT_EQ(f.Text2.Text(), "---");
}

TEST_F(LevelRoadTest, SliderMovesTheLevelOnTheCompositeScale) {
    quillory::FrmMain& f = Main();
    f.Slider1.UserMove(400);
    EXPECT_EQ(f.Text2.Text(), "400");
    EXPECT_EQ(f.Label1(8).Caption(), "400");
    EXPECT_EQ(Count("Text2"), 1);
    EXPECT_TRUE(f.Option2(1).Value());
    EXPECT_EQ(q.main.gDriveIndex, 6);
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
}

// A bore hole whose PSP cannot be computed at the level has no level there,
// whatever an earlier search found in another bore hole.
TEST_F(LevelRoadTest, FailedPositionSearchDisablesTheBoreHoleItem) {
    quillory::FrmMain& f = Main();
    Type(f.Text2, "500");  // the bottom of B: no section of B lies below it
    EXPECT_TRUE(f.mnuBH(1).Enabled());
    EXPECT_FALSE(f.mnuBH(2).Enabled());
    EXPECT_FALSE(f.GetPSP(2, 500));
    EXPECT_TRUE(f.GetPSP(1, 500));
    EXPECT_FLOAT_EQ(q.main.gPSP, 150);

    // A pick on bore hole B at that level leaves the PSP box alone instead of
    // writing A's position into it.
    q.main.gDrivenBy = quillory::DrivenBy::kHolding;
    f.Combo1.SetText("B");
    f.Text1.SetText("7");
    q.main.gDrivenBy = quillory::DrivenBy::kBoreHoleClick;
    f.Text2.SetText("500.0");
    EXPECT_EQ(f.Text1.Text(), "7");
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
}

// A bore hole's item is disabled below its bottom even where its position
// search still finds the level (a bottom taken from a drawn depth above the
// section's last tie).
TEST_F(LevelRoadTest, BoreHoleItemsBelowTheirBottomAreDisabled) {
    quillory::FrmMain& f = Main();
    q.main.model.gBoreHoleBottom[2] = 450;
    Type(f.Text2, "480");
    EXPECT_TRUE(f.GetPSP(2, 480));
    EXPECT_FALSE(f.mnuBH(2).Enabled());
    EXPECT_TRUE(f.mnuBH(1).Enabled());
    Type(f.Text2, "440");
    EXPECT_TRUE(f.mnuBH(2).Enabled());
}

// On the event-free scale no position is computed, yet the read-outs of the
// search are written: the rows it found (no section qualifies, so the last
// top of the bore hole, and no ties) and the tool tip of the last PSP.
TEST_F(LevelRoadTest, APositionSearchOnTheEventFreeScaleStillWritesItsReadOuts) {
    quillory::FrmMain& f = Main();
    Type(f.Text2, "150");
    f.Option2(2).SetValue(true);
    f.Label4.SetCaption("");
    f.BoreHole(1).ToolTipText.clear();
    EXPECT_FALSE(f.GetPSP(1, 120));
    EXPECT_EQ(f.Label4.Caption(), "4/0/0");
    EXPECT_EQ(f.BoreHole(1).ToolTipText, "Target depth: " + values::SingleText(q.main.gPSP) + " (cm)");
}

// A level the bottom test accepts but the slider cannot show still completes
// its road: the slider stops at its end.
TEST_F(LevelRoadTest, LevelOutsideTheSliderRangeCompletesItsRoad) {
    quillory::FrmMain& f = Main();
    Type(f.Text2, "-5");
    EXPECT_EQ(f.Label1(8).Caption(), "-5");
    EXPECT_EQ(f.Slider1.Value(), 0);
    EXPECT_DOUBLE_EQ(ViewTop(), -255);
    EXPECT_EQ(q.main.gDrivenBy, quillory::DrivenBy::kNobody);
}

TEST_F(LevelRoadTest, EachUserActionIsPushedToTheDuoWindowOnce) {
    quillory::FrmMain& f = Main();
    quillory::Frm2Main& duo = q.frm2Main();
    q.shared.gDuoModelLoaded = true;
    Type(f.Text2, "3");
    EXPECT_EQ(duo.Text2.Text(), "9999");
    EXPECT_EQ(q.shared.gActionCount.Get(), 1);
    EXPECT_EQ(q.duo.gDrivenBy, quillory::DrivenBy::kNobody);
    // A further write in the same action is not pushed again.
    duo.Text2.SetText("x");
    q.main.gDrivenBy = quillory::DrivenBy::kTyped;
    f.Text2.SetText("4");
    EXPECT_EQ(duo.Text2.Text(), "x");
}

TEST_F(LevelRoadTest, TraceGoesToTheDebuggingWindowOnlyWhenUnlocked) {
    quillory::FrmMain& f = Main();
    Type(f.Text2, "3");
    EXPECT_EQ(q.frmTest.IfLoaded(), nullptr);
    q.shared.gDebugUnlocked = true;
    Type(f.Text2, "4");
    EXPECT_EQ(Printed(q.frmTest()),
              (std::vector<std::string>{"frmMain.Text2_Change", "ActionCount: 0", "DrivenBy: 2", "DriveIndex: 2", "Y: ",
                                        "text2.text: 4", "----------"}));
}

// An age model the conversions cannot use shows "File format error." at its
// import; later levels still complete their road.
TEST_F(MainWindowTest, UnusableAgeModelDoesNotEndTheProgram) {
    quillory::FrmMain& f = Main();
    Import(f.Command1, "model_20240209.csv", CorrelationModel());
    Import(f.Command3, "events.csv", EventList());
    Import(f.Command4, "ages.csv",
           "Label,Bore hole,Section,PSP,Composite depth (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 95.4,Type,Unit,"
           "Remark\nL1,---,---,---,0,10,0,10,C1,yr BP,\n");
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].request.text, "File format error.");
    EXPECT_NO_THROW(Type(f.Text2, "120"));
    EXPECT_EQ(f.Label1(8).Caption(), "120");
    EXPECT_EQ(f.Text3.Text(), "110");
}

// The example files of examples/, loaded as a user loads them.
class ExampleRoadTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        const std::string dir = std::string(QUILLORY_SOURCE_DIR) + "/examples/";
        for (auto [button, file] : {std::pair{&Main().Command1, "QL22_correlation_20240209.csv"},
                                    std::pair{&Main().Command3, "QL22_event_layers_20240212.csv"},
                                    std::pair{&Main().Command4, "QL22_age_model_20240215.csv"}}) {
            services.fileAnswers.push_back(dir + file);
            button->UserClick();
        }
        ASSERT_TRUE(services.messages.empty()) << services.messages[0].request.text;
    }
    // The rows of a section with a position in bore hole b and a composite depth.
    int TiesIn(int16_t b, int section) {
        const model::DepthModel& m = q.main.model;
        int ties = 0;
        for (long r = m.gSectionTop(b, section); r <= m.gSectionBottom(b, section); ++r)
            ties += m.gCorrTable(0, b, 1, r) != "9999" && m.gCorrRow(1, r) != "9999";
        return ties;
    }
};

// A typed age gives the event-free depth the age conversion computes,
// rounded once: 277.66 here, where rounding its single-precision value gave
// 277.67.
TEST_F(ExampleRoadTest, ATypedAgeRoundsTheConvertedEventFreeDepthOnce) {
    Type(Main().Text4, "3117");
    EXPECT_EQ(Main().Text3.Text(), "277.66");
    EXPECT_EQ(Main().Text2.Text(), "290.84");
}

// Picking a section puts the level at its top. The column's centre, where the
// position is computed, holds that level only to a single's step; it must
// still give PSP 0 in that section of that bore hole, whichever bore hole
// was chosen before, and keep the bore hole's menu item (406.4 cm, A-05, gave
// -6.1E-06 and lost A).
TEST_F(ExampleRoadTest, EverySectionTopKeepsItsBoreHoleAndPositionZero) {
    quillory::FrmMain& f = Main();
    const model::DepthModel& m = q.main.model;
    int tops = 0;
    for (int16_t b = 1; b <= 4; ++b) {
        f.Combo1.UserChoose(m.gBoreHoleName[b]);
        for (int s = 1; s <= m.gSectionCount[b]; ++s) {
            const std::string name = m.gSectionName(b, s);
            f.Combo5.UserChoose(name);
            ASSERT_EQ(f.Combo1.Text(), m.gBoreHoleName[b]) << name;
            ASSERT_EQ(f.Combo5.Text(), name);
            EXPECT_EQ(f.Text1.Text(), "0") << m.gBoreHoleName[b] << "-" << name << " at " << f.Text2.Text();
            // A level above a section's only tie has no position (D-24).
            if (TiesIn(b, s) >= 2) {
                EXPECT_TRUE(f.mnuBH(b).Enabled()) << m.gBoreHoleName[b] << "-" << name;
            }
            // Another bore hole and back: the same section, still at its top.
            const int16_t other = b == 1 ? 2 : 1;
            f.Combo1.UserChoose(m.gBoreHoleName[other]);
            f.Combo1.UserChoose(m.gBoreHoleName[b]);
            EXPECT_EQ(f.Text1.Text(), "0") << m.gBoreHoleName[b] << "-" << name << " after a round trip";
            EXPECT_EQ(f.Combo5.Text(), name);
            ++tops;
        }
    }
    EXPECT_GT(tops, 90);
}

// The column tells 602.89996, a single below 602.9 where A-07 opens, from
// 602.9 itself: that level lies above A-07, in B-06.
TEST_F(ExampleRoadTest, ALevelASingleAboveASectionTopStaysAboveIt) {
    quillory::FrmMain& f = Main();
    auto trinity = [&] { return f.Combo1.Text() + "-" + f.Combo5.Text() + " " + f.Text1.Text(); };
    for (const char* level : {"602.8999", "602.89996"}) {
        Type(f.Text2, level);
        EXPECT_EQ(trinity(), "B-06 53.29") << level;
    }
    Type(f.Text2, "602.9");
    EXPECT_EQ(trinity(), "A-07 0");
}

}  // namespace
}  // namespace main_test

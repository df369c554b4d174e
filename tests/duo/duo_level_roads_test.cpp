// The level roads between the two windows: pushes both ways on both routes of
// the link, one push per user action, the refusals on both sides, the Duo's
// holy trinity on its own depth and fitted to the master core, and the faults
// of the roads that are mended.
#include <cmath>
#include <sstream>

#include "duo_window_fixture.h"
#include "model/age_conversion.h"
#include "model/correlation_lookup.h"
#include "model/duo_conversion.h"
#include "scenario/scenario_output.h"

namespace duo_test {
namespace {

using quillory::ActionCount;
using quillory::DrivenBy;

constexpr const char* kRefusal = "Requested horizon is below core bottom.";

class DuoRoadTest : public DuoWindowTest {
protected:
    float DuoToMain(double level) { return q.duoSide.link.DuoToMainCD(static_cast<float>(level)); }
    float MainToDuo(double level) { return q.duoSide.link.MainToDuoCD(static_cast<float>(level)); }
    // The Duo's own composite depth of its holy trinity as the window shows it.
    double TrinityLevel() {
        quillory::Frm2Main& d = Duo();
        const int16_t b = model::GetBH(q.duo.model, d.Combo1.Text());
        const int16_t s = model::GetSectionNo(q.duo.model, b, d.Combo5.Text());
        return model::TrinityToCD2(q.duo.model, b, s, static_cast<float>(Level(d.Text1)),
                                   q.duo.model.gExtrapolation);
    }
    double ColumnMiddle(quillory::CoreWindow& w) {
        const forms::Surface& s = w.BoreHole(1).Draw();
        return s.ScaleTop() + s.ScaleHeight() / 2;
    }
};

TEST_F(DuoRoadTest, LevelsPassBothWaysOnBothRoutesOfTheLink) {
    LoadAll(false);
    Type(Duo().Text2, "200");
    EXPECT_EQ(Main().Text2.Text(), "245");
    Type(Main().Text2, "240");
    EXPECT_EQ(Duo().Text2.Text(), "196.02");
    EXPECT_EQ(Duo().Label1(8).Caption(), "196.02");
    EXPECT_NEAR(TrinityLevel(), 196.02, 0.006);

    Open(Duo().Command3, "QL23_duo_event_layers_20240305.csv");
    Type(Duo().Text2, "600");
    EXPECT_EQ(Main().Text2.Text(), "717.79");
    EXPECT_EQ(Duo().Text4.Text(), "8019");
    Type(Main().Text2, "500");
    EXPECT_EQ(Duo().Text2.Text(), "404.92");
    // A typed event-free depth and a typed age take their road to the other window too.
    Type(Duo().Text3, "195.5");
    EXPECT_EQ(Duo().Text2.Text(), "200");
    EXPECT_EQ(Main().Text2.Text(), "244.99");
    Type(Main().Text4, "8007");
    EXPECT_NEAR(Level(Duo().Text2), MainToDuo(Level(Main().Text2)), 1e-4);
}

TEST_F(DuoRoadTest, EachUserActionPushesOnceAndEitherSliderRightAfterAPush) {
    LoadAll(false);
    int mainRoads = 0;
    Main().Text2.Change = [&mainRoads, old = Main().Text2.Change] {
        ++mainRoads;
        old();
    };
    Type(Main().Text2, "240");
    EXPECT_EQ(mainRoads, 3);  // one per key, none pushed back
    EXPECT_EQ(q.shared.gActionCount.Get(), ActionCount::kPushed);
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kNobody);

    // A slider move is a user action in either window: its first step right
    // after a push moves the other window too.
    Duo().Slider1.UserMove(300);
    EXPECT_EQ(Duo().Text2.Text(), "300");
    EXPECT_EQ(Main().Text2.Text(), values::SingleText(DuoToMain(300)));
    Main().Slider1.UserMove(700);
    EXPECT_EQ(Duo().Text2.Text(), values::SingleText(MainToDuo(700)));
}

TEST_F(DuoRoadTest, LevelsBelowEveryBottomOfBothModelsAreRefusedOnBothSides) {
    LoadAll(true);
    float deepest = 0;
    for (int k = 1; k <= 4; ++k) deepest = std::max({deepest, q.duo.model.gBoreHoleBottom[k], MainToDuo(q.main.model.gBoreHoleBottom[k])});

    Type(Duo().Text2, values::SingleText(deepest + 1));
    ASSERT_FALSE(services.messages.empty());
    EXPECT_EQ(services.messages.back().request.title, "Error");
    EXPECT_EQ(TakeMessage(), kRefusal);
    EXPECT_NE(Duo().Text2.Text(), values::SingleText(deepest + 1));

    // Deeper than every Duo bore hole but not than the main ones: taken.
    Type(Duo().Text2, values::SingleText(deepest));
    EXPECT_EQ(TakeMessage(), "");
    EXPECT_EQ(Duo().Text2.Text(), values::SingleText(deepest));

    // A typed age that lies below every bottom is refused without a word in
    // the Duo window, with a message in the main window.
    for (forms::TextBox* box : {&Duo().Text4, &Main().Text4}) {
        Type(*box, "9999");
        const std::string duoLevel = Duo().Text2.Text(), mainLevel = Main().Text2.Text();
        services.messages.clear();
        box->UserKeyChar('9');
        EXPECT_EQ(TakeMessage(), box == &Main().Text4 ? kRefusal : "");
        EXPECT_EQ(Duo().Text2.Text(), duoLevel);
        EXPECT_EQ(Main().Text2.Text(), mainLevel);
    }
}

TEST_F(DuoRoadTest, ALevelAtTheDeepestBottomIsTakenWithoutAMessage) {
    LoadAll(true);
    float deepest = 0;
    for (int k = 1; k <= 4; ++k)
        deepest = std::max({deepest, q.main.model.gBoreHoleBottom[k], q.duoSide.master.gBoreHoleBottomFitted[k]});
    Type(Main().Text2, values::SingleText(deepest));
    // Its event-free read-out converted back lands a little deeper; the
    // read-out only shows the level, it does not refuse it.
    EXPECT_EQ(TakeMessage(), "");
    EXPECT_EQ(Main().Label1(8).Caption(), values::SingleText(deepest));
}

TEST_F(DuoRoadTest, TheHolyTrinityOnTheDuosOwnDepthAndFittedToTheMasterCore) {
    LoadAll(true);
    quillory::Frm2Main& d = Duo();
    d.Combo1.UserChoose("G");
    d.Combo2.UserChoose("3");
    const double own = Level(d.Text2);
    EXPECT_NEAR(TrinityLevel(), own, 0.006);
    EXPECT_EQ(Main().Text2.Text(), values::SingleText(DuoToMain(own)));
    EXPECT_NEAR(ColumnMiddle(d), own, 1e-3);

    // Fitted to the master core the Duo draws the master's depth, and with
    // the main window on age, the master's age.
    d.Option4(0).UserClick();
    EXPECT_EQ(q.duo.model.gVerticalScale, 2);
    d.Combo2.UserChoose("4");
    const double fitted = DuoToMain(Level(d.Text2));
    EXPECT_NEAR(ColumnMiddle(d), fitted, 1e-3);
    Main().Option2(3).SetValue(true);
    d.Combo2.UserChoose("5");
    const double age = model::CDToAge(q.main.model, DuoToMain(Level(d.Text2)));
    EXPECT_NEAR(ColumnMiddle(d), age, 0.01);
    EXPECT_NEAR(TrinityLevel(), Level(d.Text2), 0.006);
    // Its bore-hole items go below their bottoms in the Duo's own depth,
    // whatever the drawing.
    Main().Option2(1).SetValue(true);
    Type(d.Text2, values::SingleText(q.duo.model.gBoreHoleBottom[1] + 0.5f));
    EXPECT_FALSE(d.mnuBH(1).Enabled());
    d.Option4(1).UserClick();
    EXPECT_EQ(q.duo.model.gVerticalScale, 1);
}

TEST_F(DuoRoadTest, ScaleOptionsWaitForTheModelThenFollowTheMainRange) {
    LoadMain();
    quillory::Frm2Main& d = Duo();
    d.ProgressBar1.SetVisible(true);
    d.Option4(0).SetValue(true);  // before the model only the progress bar is reset
    EXPECT_FALSE(d.ProgressBar1.Visible());
    EXPECT_EQ(q.duo.model.gVerticalScale, 1);
    d.Option4(1).SetValue(true);
    LoadDuo(false);
    Main().mnuLink->SetChecked(false);
    d.mnuLink->SetChecked(false);
    Main().mnuCM(1000).UserChoose();
    ASSERT_EQ(q.duo.gRange, 500);
    d.Option4(0).UserClick();
    EXPECT_EQ(q.duo.gRange, 1000);
    EXPECT_EQ(q.duo.model.gVerticalScale, 2);
    EXPECT_DOUBLE_EQ(d.BoreHole(1).Draw().ScaleTop(), Main().BoreHole(1).Draw().ScaleTop());
}

// A bore-hole pick fitted to the master core: the level reaches the box in
// the Duo's own depth, and the position is searched at that depth, not at the
// depth converted once more.
TEST_F(DuoRoadTest, ABoreHolePickFittedToTheMasterFindsThePositionAtTheBoxsOwnDepth) {
    LoadAll(true);
    quillory::Frm2Main& d = Duo();
    d.Option4(0).UserClick();
    Type(d.Text2, "600");
    d.Combo1.UserChoose("F");
    q.duo.gDrivenBy = DrivenBy::kBoreHoleClick;
    d.Text2.SetText("520");
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kNobody);
    EXPECT_EQ(d.Combo1.Text(), "F");
    EXPECT_NEAR(TrinityLevel(), 520, 0.02);
}

// A run-time error in the Duo's level road ends the road on its short way,
// and nobody is left holding the level.
TEST_F(DuoRoadTest, AFaultInTheDuosLevelRoadLeavesTheTrinityWorking) {
    LoadAll(false);
    quillory::Frm2Main& d = Duo();
    const std::string main = Main().Text2.Text();
    ++q.duo.model.gRowCount;  // the drawing reads a row beyond the tables
    Type(d.Text2, "300");
    --q.duo.model.gRowCount;
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kNobody);
    EXPECT_EQ(Main().Text2.Text(), main);
    EXPECT_NE(d.Label1(8).Caption(), "300");
    d.Combo2.UserChoose("2");
    EXPECT_EQ(d.Label1(8).Caption(), d.Text2.Text());
    EXPECT_EQ(Main().Text2.Text(), values::SingleText(DuoToMain(Level(d.Text2))));

    // A level the slider cannot show moves the slider to its end.
    q.shared.gActionCount.Set(ActionCount::kSelfWrite);
    q.duo.gDrivenBy = DrivenBy::kTyped;
    d.Text2.SetText("90000");
    EXPECT_EQ(d.Slider1.Value(), d.Slider1.Max());
    EXPECT_EQ(d.Label1(8).Caption(), "90000");
}

// A position search that finds nothing (on the event-free scale it computes
// none) hands no PSP of an earlier search to the bore-hole menu.
TEST_F(DuoRoadTest, AFailedPositionSearchHandsNoStalePSPOn) {
    LoadAll(true);
    quillory::Frm2Main& d = Duo();
    Type(d.Text2, "300");
    ASSERT_TRUE(d.mnuBH(1).Enabled() || d.mnuBH(2).Enabled());
    Main().Option2(2).SetValue(true);
    ASSERT_TRUE(d.Option2(2).Value());
    q.duo.gPSP = 50;
    Type(d.Text2, "310");
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(d.mnuBH(k).Enabled()) << k;
}

TEST_F(DuoRoadTest, ASectionOrBoreHoleBeyondTheTablesEndsOnlyThatStep) {
    LoadAll(false);
    quillory::Frm2Main& d = Duo();
    d.Combo1.UserChoose("F");
    d.Combo2.UserSelectAll();
    for (char c : std::string("99")) d.Combo2.UserKeyChar(c);
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kNobody);
    d.Combo1.UserSelectAll();
    d.Combo1.UserKeyChar('Q');  // no Duo bore hole
    d.Combo5.UserChoose(0);
    d.Combo2.UserChoose(1);
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kNobody);
    EXPECT_FALSE(app.Ended());
    services.messages.clear();
    d.Combo1.UserChoose("E");
    d.Combo2.UserChoose("3");
    EXPECT_EQ(d.Label1(8).Caption(), d.Text2.Text());
    EXPECT_NEAR(TrinityLevel(), Level(d.Text2), 0.006);
}

// A level that arrives while another writer holds it (here pushed from the
// other window) only shows its event-free depth, even while the user's last
// input in that window was its age box: it stays where it was put.
TEST_F(DuoRoadTest, APushedLevelStaysWhereItWasPutAfterAnAgeWasTyped) {
    LoadAll(true);
    Type(Main().Text4, "4278.8");
    Type(Duo().Text2, "44");
    EXPECT_EQ(Main().Text2.Text(), values::SingleText(DuoToMain(44)));
    Type(Duo().Text4, "5000");
    Type(Main().Text2, "700");
    EXPECT_EQ(Duo().Text2.Text(), values::SingleText(MainToDuo(700)));
}

TEST_F(DuoRoadTest, EveryKeyInABoxIsAUserActionAndOneChangingNothingFreesTheLevel) {
    LoadAll(true);
    quillory::Frm2Main& d = Duo();
    Type(Main().Text2, "500");  // the push is counted: the Duo's next road is no user action by itself
    d.Text3.UserSelectAll();
    d.Text3.UserKey(forms::kKeyDelete);
    EXPECT_EQ(Main().Text2.Text(), values::SingleText(DuoToMain(Level(d.Text2))));

    d.Text2.UserKey(forms::kKeyReturn);
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kNobody);
    d.Combo2.UserChoose("4");
    EXPECT_EQ(d.Combo2.Text(), "4");
    EXPECT_NEAR(TrinityLevel(), Level(d.Text2), 0.006);
}

// A pick in the first section of bore hole E, where the PSP equals the
// composite depth: the provisional position already gives the box the picked
// level, and the pick still reaches the main window.
TEST_F(DuoRoadTest, APickWhoseProvisionalPositionGaveTheLevelStillReachesTheMainWindow) {
    LoadAll(false);
    quillory::Frm2Main& d = Duo();
    d.Combo1.UserChoose("E");
    d.Combo2.UserChoose("1");
    Type(Main().Text2, "100");
    d.BoreHole(1).UserMouseDown(forms::kLeftButton, 0, 1, 5);
    EXPECT_EQ(d.Text2.Text(), "5");
    EXPECT_EQ(Main().Text2.Text(), values::SingleText(DuoToMain(5)));
}

// A refused level puts the saved boxes back. After a holy-trinity change the
// saved level is the one before it; the restored composite depth is pushed,
// and the event-free box put back beside it moves nothing, not even after a
// key in it that changed nothing.
TEST_F(DuoRoadTest, ARefusedLevelLeavesBothWindowsInStep) {
    LoadAll(true);
    quillory::Frm2Main& d = Duo();
    Type(d.Text2, "300");
    Type(d.Text1, "50");
    d.Text3.UserSelectAll();
    d.Text3.UserKey(forms::kKeyReturn);
    // A composite-column pick far below every bottom.
    q.shared.gActionCount.Set(ActionCount::kUserAction);
    q.duo.gDrivenBy = DrivenBy::kTyped;
    d.Text2.SetText("5000");
    EXPECT_EQ(TakeMessage(), kRefusal);
    EXPECT_NE(d.Text2.Text(), "5000");
    EXPECT_EQ(Main().Text2.Text(), values::SingleText(DuoToMain(Level(d.Text2))));
    EXPECT_EQ(q.duo.gDrivenBy, DrivenBy::kNobody);
}

// In every level box of either window a paste (Ctrl+V, Shift+Insert) gives what typing
// its text gives, a cut (Ctrl+X, Shift+Delete) what Delete gives: both windows whole.
TEST_F(DuoRoadTest, APasteIsTypingAndACutIsDeleteInEveryLevelBox) {
    LoadAll(true);
    const std::initializer_list<quillory::CoreWindow*> both{&Main(), &Duo()};
    auto from500 = [&](forms::TextBox& box, const std::string& typed, int key = 0, int shift = 0) {
        Type(Main().Text2, "500");
        Type(box, typed);
        if (key != 0) box.UserKey(key, shift);
        std::ostringstream out;
        for (quillory::CoreWindow* w : both) {
            scenario::WriteDump(out, *w);
            scenario::WriteSnapshot(out, w->BoreHole(1).Draw().TakeSnapshot());
        }
        return out.str();
    };
    for (quillory::CoreWindow* w : both)
        for (auto [box, text] : {std::pair{&w->Text2, "300"}, {&w->Text3, "286.5"}, {&w->Text4, "3000"}, {&w->Text1, "20"}}) {
            services.clipboardText = text;
            EXPECT_EQ(from500(*box, "", 'V', forms::kCtrlMask), from500(*box, text)) << box->Name();
            EXPECT_EQ(from500(*box, "", forms::kKeyInsert, forms::kShiftMask), from500(*box, text)) << box->Name();
            EXPECT_EQ(from500(*box, "", 'X', forms::kCtrlMask), from500(*box, "", forms::kKeyDelete)) << box->Name();
            EXPECT_EQ(from500(*box, "", forms::kKeyDelete, forms::kShiftMask), from500(*box, "", forms::kKeyDelete)) << box->Name();
        }
}

}  // namespace
}  // namespace duo_test

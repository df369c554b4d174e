// Holy-trinity navigation: bore hole, section number, section name and PSP
// give a level; the slider gives a composite depth.
#include "values/shown_text.h"
#include "values/values.h"
#include "tools/frm_divider.h"
#include "window/core_window.h"
#include "side/scoped_value.h"
#include "model/age_conversion.h"
#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"

namespace quillory {

using namespace forms;
using namespace values;

int16_t CoreWindow::BoreHoleIndex(const std::string& name) const {
    for (int16_t k = 1; k <= 4; ++k)
        if (SameShownText(state.model.gBoreHoleName[k], name)) return k;
    return 0;
}

// A typed bore-hole name, section number or PSP can point outside the tables;
// that ends the step instead of the program, and hands the level back.
template <class F>
void CoreWindow::Guarded(F step) {
    try {
        step();
    } catch (const RuntimeError&) {
        state.gDrivenBy = DrivenBy::kNobody;
    }
}

// The scale options of both windows are one choice: the window chosen in
// hands it to the other without running the other's handler, each takes it
// (the Duo window drilling and composite depth only), and each re-centres
// once on its holy trinity, the master core's window first.
void CoreWindow::Option2_Click() {
    if (followingScale_) return;
    int16_t k = 0;
    while (k < 3 && !Option2(k).Value()) ++k;
    const bool mainScale = IsMaster() || k <= 1;
    if (mainScale) {
        CoreWindow& other = Other();
        const ScopedValue<bool> following(other.followingScale_, true);
        other.Option2(k).SetValue(true);
        MasterWindow().state.model.gVerticalScale = k;
        if (k <= 1) DuoWindow().state.model.gVerticalScale = k;
    }
    CoreWindow& master = MasterWindow();
    if (master.state.model.gRowCount > 1) master.RecentreOnTrinity();
    CoreWindow& duo = DuoWindow();
    if (shared.gDuoModelLoaded && duo.state.model.gRowCount > 1) duo.RecentreOnTrinity();
}

void CoreWindow::RecentreOnTrinity() {
    SearchCoreTop();
    OfferLevel([this] { GetCompositDepth(); });
}

void CoreWindow::SearchCoreTop() {
    const model::DepthModel& m = state.model;
    if (int16_t k = BoreHoleIndex(Combo1.Text())) state.gBH = k;
    const long top = m.gSectionTop(state.gBH, CInt(Val(Combo2.Text())));
    const float psp = LevelOf(Text1.Text());
    float y;
    if (m.gVerticalScale != 0) {
        int16_t section = model::GetSectionNo(m, state.gBH, Combo5.Text());
        y = TrinityLevel(LevelOf(OwnTrinityToCD(state.gBH, section, psp).value_or(0)));
    } else {
        y = LevelOf(Val(m.gCorrTable(0, state.gBH, 2, top)) + psp);
    }
    for (int j = 0; j <= 5; ++j) {
        BoreHole(j).Draw().Cls();
        BoreHole(j).Draw().SetScaleTop(y - state.gRange / 2.0);
    }
    DrawLamina();
}

float CoreWindow::TrinityLevel(float compositeDepth) {
    float y = compositeDepth;
    if (Option2(2).Value()) y = LevelOf(OwnCDToEFD(y));
    if (Option2(3).Value()) y = LevelOf(OwnCDToAge(y));
    return y;
}

void CoreWindow::GetCompositDepth() {
    const int16_t b = BoreHoleIndex(Combo1.Text());
    const int16_t section = CInt(Val(Combo2.Text()));
    float c = LevelOf(OwnTrinityToCD(b, section, LevelOf(Text1.Text())).value_or(0));
    c = static_cast<float>(Val(SingleText(c)));
    Label1(8).SetCaption(DepthText(c));
    Text2.SetText(Label1(8).Caption());
    // Text2 may not have changed, so its road may not have pushed.
    PushLevel(static_cast<float>(Val(Text2.Text())));
}

void CoreWindow::BoreHoleChange(int16_t b) {
    const model::DepthModel& m = state.model;
    const int16_t k = BoreHoleIndex(Combo1.Text());
    const std::string keptNumber = Combo2.Text(), keptName = Combo5.Text();
    Combo2.Clear();
    Combo5.Clear();
    const int16_t count = m.gSectionCount[k];
    for (int16_t i = 1; i <= count; ++i) {
        Combo2.AddItem(Str(i));
        Combo5.AddItem(m.gSectionName(k, i));
    }
    if (Val(keptNumber) <= count) {
        Combo2.SetText(keptNumber);
        Combo5.SetText(keptName);
    } else {
        Combo2.SetText(Str(count));
        Combo5.SetText(m.gSectionName(k, count));
    }
    if (state.gFromMenuBH) return;
    Text1.SetText("0");
    Text2.SetText("");
    if (m.gRowCount <= 1) return;
    PictureBox& centre = BoreHole(1);
    const float mid = static_cast<float>(centre.Draw().ScaleTop() + centre.Draw().ScaleHeight() / 2);
    const bool found = GetPSP(b, mid);
    state.gDrivenBy = DrivenBy::kHolding;
    Combo5.SetText(Mid(tools_.divider().Label5.Caption(), 3));
    // Without a level in this bore hole the PSP stays at the section top.
    if (found) Text1.SetText(SingleText(state.gPSP));
    if (Text1.Text() == "n/a") return;
    const int32_t kept = shared.gActionCount.Get();
    shared.gActionCount.Set(ActionCount::kSelfWrite);
    GetCompositDepth();
    shared.gActionCount.Set(kept);
}

void CoreWindow::ChangeBoreHoleByName() {
    for (int16_t k = 1; k <= 4; ++k)
        if (SameShownText(Combo1.Text(), state.model.gBoreHoleName[k])) BoreHoleChange(k);
}

void CoreWindow::ShowSectionName() {
    const model::DepthModel& m = state.model;
    Combo5.SetText(m.gSectionName(model::GetBH(m, Combo1.Text()), CInt(Val(Combo2.Text()))));
}

void CoreWindow::Combo1_Change() {
    if (state.gDrivenBy != DrivenBy::kNobody) return;
    Guarded([this] {
        state.gDrivenBy = DrivenBy::kTrinity;
        ChangeBoreHoleByName();
        state.gDrivenBy = DrivenBy::kNobody;
        if (!ListPickShowsSection()) ShowSectionName();
    });
}

void CoreWindow::Combo1_Click() {
    Guarded([this] {
        state.gDrivenBy = DrivenBy::kTrinity;
        ChangeBoreHoleByName();
        ConnectLinesTo(Text1);
        state.gDriveIndex = 1;
        state.gDrivenBy = DrivenBy::kNobody;
        if (ListPickShowsSection()) ShowSectionName();
    });
}

void CoreWindow::PickSectionNumber(bool userPick) {
    if (state.gDrivenBy != DrivenBy::kNobody) return;
    Guarded([this, userPick] {
        if (userPick) shared.gActionCount.Set(ActionCount::kUserAction);
        state.gDrivenBy = DrivenBy::kTrinity;
        Text1.SetText("0");
        Text2.SetText("");
        if (state.model.gRowCount > 1) {
            // SearchCoreTop finds the section by its name: show the name of
            // the section just picked first, or the view stays on the old one.
            ShowSectionName();
            SearchCoreTop();
            GetCompositDepth();
        }
        state.gDrivenBy = DrivenBy::kNobody;
        if (userPick) {
            ConnectLinesTo(Text1);
            state.gDriveIndex = 1;
        }
        ShowSectionName();
    });
}


void CoreWindow::SelectSectionByName(bool userPick) {
    Guarded([this, userPick] {
        const model::DepthModel& m = state.model;
        const int16_t b = model::GetBH(m, Combo1.Text());
        state.gBHLetter = Str(b);
        if (b < 0 || b > 4) throw RuntimeError(kErrSubscriptOutOfRange, "Subscript out of range");
        for (int16_t s = 1; s <= m.gSectionCount[b]; ++s) {
            if (!SameShownText(m.gSectionName(b, s), Combo5.Text())) continue;
            // A section picked by name is a new user action.
            if (userPick) {
                shared.gActionCount.Set(ActionCount::kUserAction);
                if (SectionPickFreesLevel()) state.gDrivenBy = DrivenBy::kNobody;
            }
            Combo2.SetText(Str(s));
            return;
        }
    });
}


void CoreWindow::Text1_Change() {
    if (state.gDrivenBy != DrivenBy::kNobody && state.gDrivenBy != DrivenBy::kDivider) return;
    Guarded([this] {
        if (state.gDrivenBy != DrivenBy::kDivider) state.gDrivenBy = DrivenBy::kTrinity;
        if (!state.gFromMenuBH) {
            SearchCoreTop();
            GetCompositDepth();
        }
        state.gDrivenBy = DrivenBy::kNobody;
    });
}

// A slider move is a new user action in either window, counted before the
// level is written, so the other window follows it.
void CoreWindow::Slider1_Change() {
    state.gDrivenBy = DrivenBy::kTyped;
    shared.gActionCount.Set(ActionCount::kUserAction);
    Text2.SetText(Str(Slider1.Value()));
    Option1(1).SetValue(true);
    Option2(1).SetValue(true);
    state.gDrivenBy = DrivenBy::kNobody;
    state.gDriveIndex = 6;
}

}  // namespace quillory

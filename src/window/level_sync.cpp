// The type-in boxes and the level synchronisation: the road of a composite
// depth and its event-free and age twins, the refusal of a level below every
// bore hole, and the push of a user action to the Duo window.
#include "values/values.h"
#include "tools/frm_divider.h"
#include "window/core_window.h"
#include "side/scoped_value.h"
#include "model/age_conversion.h"
#include "model/depth_conversion.h"

namespace quillory {

using namespace forms;
using namespace values;

// Below every bore hole the user may reach: this side's, and the other
// side's on this side's composite depth (the Duo's only once its model is
// loaded, the master core's always). A bottom of 9999 (a bore hole without
// data) refuses no level up to 9999.
bool CoreWindow::BelowEveryBottom(float compositeDepth) {
    for (int k = 1; k <= 4; ++k)
        if (!(compositeDepth > state.model.gBoreHoleBottom[k])) return false;
    if (IsMaster() && !shared.gDuoModelLoaded) return true;
    CoreWindow& other = Other();
    for (int k = 1; k <= 4; ++k)
        if (!(compositeDepth > other.ToOtherCD(OtherState().model.gBoreHoleBottom[k]))) return false;
    return true;
}

void CoreWindow::RefuseBelowBottom(float compositeDepth, bool announce) {
    if (shared.gActionCount.Get() == ActionCount::kSelfWrite) return;
    if (BelowEveryBottom(compositeDepth)) RefuseLevel(announce);
}

// Whatever road the level came by, both windows show again the level they
// held before, whole, and nothing else of the action runs: no push, no view
// of the refused level.
void CoreWindow::RefuseLevel(bool announce) {
    if (announce) App().MsgBox("Requested horizon is below core bottom.", vbExclamation, "Error");
    WithdrawLevel();
}

float CoreWindow::LevelOf(double number, bool announce) {
    try {
        return CSng(number);
    } catch (const RuntimeError&) {
        RefuseLevel(announce);
    }
}

float CoreWindow::LevelOf(const std::string& text, bool announce) {
    try {
        return CSng(Val(text));
    } catch (const RuntimeError&) {
        // Beyond a single's range, or even a double's.
        RefuseLevel(announce);
    }
}

std::optional<double> CoreWindow::ScaleBoxLevel() const {
    const SideWindow& scale = ScaleChoice();
    if (scale.Option2(1).Value()) return Val(Text2.Text());
    if (scale.Option2(2).Value()) return Val(Text3.Text());
    if (scale.Option2(3).Value()) return Val(Text4.Text());
    return std::nullopt;
}

std::optional<double> CoreWindow::ViewLevel() const {
    if (Option1(0).Value()) return DrawnDepthOf(Val(Label1(8).Caption()));
    if (Option1(1).Value()) return ColumnCentre();
    return std::nullopt;
}

void CoreWindow::FollowColumns() {
    for (int k = 0; k <= 4; ++k) {
        Picture1(k).Draw().SetScaleTop(BoreHole(0).Draw().ScaleTop());
        Picture1(k).Draw().SetScaleHeight(BoreHole(0).Draw().ScaleHeight());
    }
}

void CoreWindow::CentreColumns() {
    if (std::optional<double> x = ColumnCentre())
        for (int k = 0; k <= 4; ++k) BoreHole(k).Draw().SetScaleTop(*x - state.gRange / 2.0);
    for (int k = 0; k <= 4; ++k) Picture1(k).Draw().SetScaleTop(BoreHole(0).Draw().ScaleTop());
}

void CoreWindow::ShowHolyTrinity(float level) {
    const model::DepthModel& m = state.model;
    if (state.gDrivenBy == DrivenBy::kTyped) {
        for (int16_t b = 1; b <= 4; ++b) {
            if (GetPSP(b, level) && state.gPSP >= 0) {
                Combo1.SetText(m.gBoreHoleName[b]);
                Text1.SetText(DepthText(state.gPSP));
                return;
            }
        }
    } else {
        state.gBHLetter = Combo1.Text();
        int16_t b = BoreHoleIndex(Combo1.Text());
        if (GetPSP(b == 0 ? 1 : b, level)) Text1.SetText(DepthText(state.gPSP));
    }
}

void CoreWindow::EvaluateBoreHoleMenus(float level) {
    for (int16_t b = 1; b <= 4; ++b) mnuBH(b).SetEnabled(GetPSP(b, level) && state.gPSP >= 0);
    for (int16_t b = 1; b <= 4; ++b)
        if (level > state.model.gBoreHoleBottom[b]) mnuBH(b).SetEnabled(false);
}

// One push per user action: the other window's road pushes nothing back,
// since the count is no longer that of a fresh user action.
void CoreWindow::PushLevel(float level) {
    if (!shared.gDuoModelLoaded || shared.gActionCount.Get() != ActionCount::kUserAction) return;
    CoreWindow& other = Other();
    other.state.gDrivenBy = DrivenBy::kTyped;
    shared.gActionCount.Set(ActionCount::kPushed);
    other.Text2.SetText(SingleText(counterpart_.ToOtherCD(level)));
    other.state.gDrivenBy = DrivenBy::kNobody;
}

namespace {

// Hands the level back to nobody however the road ends: refused, finished or
// stopped by a run-time error, so that no writer is left holding it.
class LevelReleased {
public:
    explicit LevelReleased(DrivenBy& writer) : writer_(writer) {}
    ~LevelReleased() { writer_ = DrivenBy::kNobody; }
    LevelReleased(const LevelReleased&) = delete;
    LevelReleased& operator=(const LevelReleased&) = delete;

private:
    DrivenBy& writer_;
};

}  // namespace

void CoreWindow::ShowSectionOfLevel(const std::string& fromDivider) { Combo5.SetText(fromDivider); }

void CoreWindow::Text2_Change() {
    TraceLevelChange();
    const LevelReleased released(state.gDrivenBy);
    float v = 0;
    try {
        v = LevelOf(Text2.Text());
        RefuseBelowBottom(v);
        if (state.gDrivenBy == DrivenBy::kTyped || state.gDrivenBy == DrivenBy::kBoreHoleClick) {
            // A level beyond the slider's range still moves the view: the
            // slider stops at its end.
            long tick = CLng(RoundHalfEven(v));
            Slider1.SetValue(std::clamp(tick, Slider1.Min(), Slider1.Max()));
            CentreColumns();
            if (state.model.gRowCount > 0) DrawLamina();
            if (!Command1.Enabled()) {
                ShowHolyTrinity(v);
                Label1(8).SetCaption(Text2.Text());
                ShowSectionOfLevel(Mid(tools_.divider().Label5.Caption(), 3));
                state.gDrivenBy = DrivenBy::kNobody;
                EvaluateBoreHoleMenus(v);
                DisplayAge();
                PushLevel(v);
                return;
            }
        }
    } catch (const RuntimeError&) {
        // The level is shown no further; menus and age still follow it.
    }
    EvaluateBoreHoleMenus(v);
    state.gDrivenBy = DrivenBy::kNobody;
    try {
        DisplayAge();
    } catch (const RuntimeError&) {
        // An age model the conversions cannot use (fewer than two points, two
        // points at one depth) leaves the age read-out as it was instead of
        // ending the program on every change of level.
    }
}

void CoreWindow::Text3_Change() {
    // While a writer holds the level (a typed or pushed level, a pick, the
    // holy trinity), the box only shows the level's event-free depth: it
    // neither refuses nor moves the level it was given.
    if (state.gDrivenBy != DrivenBy::kNobody) return;
    model::DepthModel& m = state.model;
    const float c = LevelOf(model::EFDToCD(m, LevelOf(Text3.Text())));
    RefuseBelowBottom(c);
    if (state.gDriveIndex == 4) state.gText3UserEdit = true;
    if (state.gText3UserEdit) {
        state.gDrivenBy = DrivenBy::kTyped;
        Text2.SetText(SingleText(c));
        state.gDrivenBy = DrivenBy::kNobody;
        state.gText3UserEdit = false;
    }
}

void CoreWindow::Text4_Change() {
    model::DepthModel& m = state.model;
    const bool announce = AnnouncesAgeRefusal();
    // An age beyond a single's range, or one whose event-free or composite
    // depth lies beyond it, gives no level. The event-free box shows the
    // conversion's own result, rounded; cut to single precision first it
    // could round to the other side of a half.
    const double efd = OwnAgeToEFD(LevelOf(Text4.Text(), announce));
    // Only an age the user gives can be refused or move the level; one the
    // read-out writes belongs to a level already taken.
    if (state.gDriveIndex == 4 && ageBoxText_ != AgeBoxText::kShown) {
        RefuseBelowBottom(LevelOf(model::EFDToCD(m, LevelOf(efd, announce)), announce), announce);
        const ScopedValue<AgeBoxText> typed(ageBoxText_, AgeBoxText::kTyped);
        Text3.SetText(DepthText(efd));
    }
    ShowInterpolation();
    ShowAgeUnitAndError(AgeBoxNamesErrors());
}

void CoreWindow::Label1_Change(int index) {
    if (index != 8 || !state.model.gEventsLoaded) return;
    const float e = static_cast<float>(OwnCDToEFD(static_cast<float>(Val(Label1(8).Caption()))));
    Label1(10).SetCaption(SingleText(e));
    // The box the person is typing in keeps their text while the level
    // follows it: a first "-" or "." reads as 0, and the event-free depth of
    // 0 written back would take the place of what they typed.
    if (!Text3.UserEditing()) Text3.SetText(SingleText(e));
}

void CoreWindow::ConnectLinesTo(const TextBox& box) {
    const int y = box.Top() + 120;
    Line2(1).Y1 = Line2(1).Y2 = y;
    Line2(0).Y2 = y;
    Line2(0).Touch();
    Line2(1).Touch();
}

std::string CoreWindow::DepthText(double v) const {
    return SingleText(static_cast<float>(RoundHalfEven(v, shared.precision.gDepthPrecision)));
}

std::string CoreWindow::AgeText(double v) const {
    return SingleText(static_cast<float>(RoundHalfEven(v, shared.precision.gAgePrecision)));
}

void CoreWindow::ShowInterpolation() {
    if (state.gDriveIndex != 0 && !state.model.gAgeCaption.empty()) Label9.SetCaption(state.model.gAgeCaption);
}

}  // namespace quillory

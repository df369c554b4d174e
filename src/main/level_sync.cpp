// The type-in boxes and the level synchronisation: the road of a composite
// depth and its event-free and age twins, the refusal of a level below every
// bore hole, and the push of a user action to the Duo window.
#include "duo/duo_link.h"
#include "forms/values.h"
#include "main/frm_main.h"
#include "main/quillory.h"
#include "model/age_conversion.h"
#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"

namespace quillory {

using namespace forms;

namespace {
// Writers of the level (gDrivenBy).
constexpr int16_t kTyped = 2, kBoreHoleClick = 9, kDivider = 8, kStartUp = 9999;
constexpr int32_t kSelfWrite = 9999;
}  // namespace

void FrmMain::PrintTrace() {
    if (!sh_.gDebugUnlocked) return;
    FrmTest& test = q_.frmTest();
    test.Clear();
    test.Print("frmMain.Text2_Change");
    test.Print("ActionCount: " + Str(sh_.gActionCount.Get()));
    test.Print("DrivenBy: " + Str(s_.gDrivenBy));
    test.Print("DriveIndex: " + Str(s_.gDriveIndex));
    test.Print("Y: ");
    test.Print("text2.text: " + Text2.Text());
    test.Print("----------");
}

bool FrmMain::RefuseBelowBottom(float compositeDepth) {
    if (sh_.gActionCount.Get() == kSelfWrite) return false;
    if (!model::IsBelowEveryBottom(s_.model, compositeDepth, DuoLink(q_))) return false;
    App().MsgBox("Requested horizon is below core bottom.", vbExclamation, "Error");
    Text2.SetText(s_.gSavedText2);
    if (s_.model.gEventsLoaded) Text3.SetText(s_.gSavedText3);
    if (s_.model.gAgeModelLoaded) Text4.SetText(s_.gSavedText4);
    return true;
}

void FrmMain::CentreColumns() {
    const double half = s_.gRange / 2.0;
    std::optional<double> x;
    if (Option2(1).Value()) x = Val(Text2.Text());
    else if (Option2(2).Value()) x = Val(Text3.Text());
    else if (Option2(3).Value()) x = Val(Text4.Text());
    if (x)
        for (int k = 0; k <= 4; ++k) BoreHole(k).Draw().SetScaleTop(*x - half);
    for (int k = 0; k <= 4; ++k) Picture1(k).Draw().SetScaleTop(BoreHole(0).Draw().ScaleTop());
}

void FrmMain::ShowHolyTrinity(float level) {
    const model::DepthModel& m = s_.model;
    if (s_.gDrivenBy == kTyped) {
        for (int16_t b = 1; b <= 4; ++b) {
            if (GetPSP(b, level) && s_.gPSP >= 0) {
                Combo1.SetText(m.gBoreHoleName[b]);
                Text1.SetText(DepthText(s_.gPSP));
                return;
            }
        }
    } else {
        s_.gBHLetter = Combo1.Text();
        int16_t b = BoreHoleIndex(Combo1.Text());
        if (GetPSP(b == 0 ? 1 : b, level)) Text1.SetText(DepthText(s_.gPSP));
    }
}

void FrmMain::EvaluateBoreHoleMenus(float level) {
    for (int16_t b = 1; b <= 4; ++b) mnuBH(b).SetEnabled(GetPSP(b, level) && s_.gPSP >= 0);
    for (int16_t b = 1; b <= 4; ++b)
        if (level > s_.model.gBoreHoleBottom[b]) mnuBH(b).SetEnabled(false);
}

void FrmMain::PushLevel(float level) {
    if (!sh_.gDuoModelLoaded || sh_.gActionCount.Get() != 0) return;
    q_.duo.gDrivenBy2 = kTyped;
    sh_.gActionCount.Set(1);
    q_.frm2Main().Text2.SetText(SingleText(MainToDuoCD(q_, level)));
    q_.duo.gDrivenBy2 = 0;
}

void FrmMain::Text2_Change() {
    PrintTrace();
    float v = 0;
    try {
        v = static_cast<float>(Val(Text2.Text()));
        if (RefuseBelowBottom(v)) return;
        if (s_.gDrivenBy == kTyped || s_.gDrivenBy == kBoreHoleClick) {
            // A level beyond the slider's range still moves the view: the
            // slider stops at its end.
            long tick = CLng(RoundHalfEven(v));
            Slider1.SetValue(std::clamp(tick, Slider1.Min(), Slider1.Max()));
            CentreColumns();
            if (s_.model.gRowCount > 0) DrawLamina();
            if (!Command1.Enabled()) {
                ShowHolyTrinity(v);
                Label1(8).SetCaption(Text2.Text());
                Combo5.SetText(Mid(q_.frmDivider().Label5.Caption(), 3));
                s_.gDrivenBy = 0;
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
    s_.gDrivenBy = 0;
    try {
        DisplayAge();
    } catch (const RuntimeError&) {
        // An age model the conversions cannot use (fewer than two points, two
        // points at one depth) leaves the age read-out as it was instead of
        // ending the program on every change of level.
    }
}

void FrmMain::Text3_Change() {
    model::DepthModel& m = s_.model;
    const float c = static_cast<float>(model::EFDToCD(m, static_cast<float>(Val(Text3.Text()))));
    if (RefuseBelowBottom(c)) return;
    if (s_.gDriveIndex == 4) s_.gText3UserEdit = true;
    if (s_.gText3UserEdit) {
        s_.gDrivenBy = kTyped;
        Text2.SetText(SingleText(c));
        s_.gDrivenBy = 0;
        s_.gText3UserEdit = false;
    }
}

void FrmMain::Text4_Change() {
    model::DepthModel& m = s_.model;
    const float e = static_cast<float>(model::AgeToEFD(m, static_cast<float>(Val(Text4.Text()))));
    ShowInterpolation();
    const float c = static_cast<float>(model::EFDToCD(m, e));
    if (RefuseBelowBottom(c)) return;
    if (s_.gDriveIndex == 4) Text3.SetText(DepthText(e));
    const std::string& unitLo = m.gAgeModel(9, m.gAgeRowLo);
    const std::string& unitHi = m.gAgeModel(9, m.gAgeRowHi);
    Label7.SetCaption(unitLo != unitHi ? "Age (Hybrid unit)" : "Age (" + unitHi + ")");
    const std::string plus = AgeText(m.gAgeErrPlus), minus = AgeText(m.gAgeErrMinus);
    Label8.SetCaption(plus != minus ? "Error:  +" + plus + " / -" + minus : "Error:  +/- " + plus);
}

void FrmMain::Label1_Change(int index) {
    if (index != 8 || !s_.model.gEventsLoaded) return;
    const float e = static_cast<float>(model::CDToEFD(s_.model, static_cast<float>(Val(Label1(8).Caption()))));
    Label1(10).SetCaption(SingleText(e));
    Text3.SetText(SingleText(e));
}

void FrmMain::SaveBoxes(bool text3, bool text4) {
    s_.gSavedText2 = Text2.Text();
    if (text3) s_.gSavedText3 = Text3.Text();
    if (text4) s_.gSavedText4 = Text4.Text();
}

void FrmMain::ConnectLinesTo(const TextBox& box) {
    const int y = box.Top() + 120;
    Line2(1).Y1 = Line2(1).Y2 = y;
    Line2(0).Y2 = y;
    Line2(0).Touch();
    Line2(1).Touch();
}

std::string FrmMain::DepthText(double v) const {
    return SingleText(static_cast<float>(RoundHalfEven(v, s_.model.gDepthPrecision)));
}

std::string FrmMain::AgeText(double v) const {
    return SingleText(static_cast<float>(RoundHalfEven(v, s_.model.gAgePrecision)));
}

void FrmMain::ShowInterpolation() {
    if (s_.gDriveIndex != 0 && !s_.model.gAgeCaption.empty()) Label9.SetCaption(s_.model.gAgeCaption);
}

}  // namespace quillory

// Holy-trinity navigation: bore hole, section number, section name and PSP
// give a level; the slider gives a composite depth.
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
constexpr int16_t kTrinity = 1, kTyped = 2, kDivider = 8, kHolding = 9999;
}  // namespace

int16_t FrmMain::BoreHoleIndex(const std::string& name) const {
    for (int16_t k = 1; k <= 4; ++k)
        if (s_.model.gBoreHoleName[k] == name) return k;
    return 0;
}

// A typed bore-hole name, section number or PSP can point outside the tables;
// that ends the step instead of the program, and hands the level back.
template <class F>
void FrmMain::Guarded(F step) {
    try {
        step();
    } catch (const RuntimeError&) {
        s_.gDrivenBy = 0;
    }
}

void FrmMain::SearchCoreTop() {
    const model::DepthModel& m = s_.model;
    if (int16_t k = BoreHoleIndex(Combo1.Text())) s_.gBH = k;
    const long top = m.gSectionTop(s_.gBH, CInt(Val(Combo2.Text())));
    float y;
    if (m.gVerticalScale != 0) {
        int16_t section = model::GetSectionNo(m, s_.gBH, Combo5.Text());
        y = static_cast<float>(model::TrinityToCD(m, s_.gBH, section, static_cast<float>(Val(Text1.Text()))).value_or(0));
        if (Option2(2).Value()) y = static_cast<float>(model::CDToEFD(m, y));
        if (Option2(3).Value()) y = static_cast<float>(model::CDToAge(s_.model, y));
    } else {
        y = static_cast<float>(Val(m.gCorrTable(0, s_.gBH, 2, top)) + Val(Text1.Text()));
    }
    for (int j = 0; j <= 5; ++j) {
        BoreHole(j).Draw().Cls();
        BoreHole(j).Draw().SetScaleTop(y - s_.gRange / 2.0);
    }
    DrawLamina();
}

void FrmMain::GetCompositDepth() {
    const model::DepthModel& m = s_.model;
    const int16_t b = BoreHoleIndex(Combo1.Text());
    const int16_t section = CInt(Val(Combo2.Text()));
    float c = static_cast<float>(model::TrinityToCD(m, b, section, static_cast<float>(Val(Text1.Text()))).value_or(0));
    c = static_cast<float>(Val(SingleText(c)));
    Label1(8).SetCaption(DepthText(c));
    Text2.SetText(Label1(8).Caption());
    // Text2 may not have changed, so its road may not have pushed.
    PushLevel(static_cast<float>(Val(Text2.Text())));
}

void FrmMain::BoreHoleChange(int16_t b) {
    const model::DepthModel& m = s_.model;
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
    if (s_.gFromMenuBH) return;
    Text1.SetText("0");
    Text2.SetText("");
    if (m.gRowCount <= 1) return;
    PictureBox& centre = BoreHole(1);
    const float mid = static_cast<float>(centre.Draw().ScaleTop() + centre.Draw().ScaleHeight() / 2);
    const bool found = GetPSP(b, mid);
    s_.gDrivenBy = kHolding;
    Combo5.SetText(Mid(q_.frmDivider().Label5.Caption(), 3));
    // Without a level in this bore hole the PSP stays at the section top.
    if (found) Text1.SetText(SingleText(s_.gPSP));
    if (Text1.Text() == "n/a") return;
    const int32_t kept = sh_.gActionCount.Get();
    sh_.gActionCount.Set(kHolding);
    GetCompositDepth();
    sh_.gActionCount.Set(kept);
}

void FrmMain::ChangeBoreHoleByName() {
    for (int16_t k = 1; k <= 4; ++k)
        if (Combo1.Text() == s_.model.gBoreHoleName[k]) BoreHoleChange(k);
}

void FrmMain::ShowSectionName() {
    const model::DepthModel& m = s_.model;
    Combo5.SetText(m.gSectionName(model::GetBH(m, Combo1.Text()), CInt(Val(Combo2.Text()))));
}

void FrmMain::Combo1_Change() {
    if (s_.gDrivenBy != 0) return;
    Guarded([this] {
        s_.gDrivenBy = kTrinity;
        ChangeBoreHoleByName();
        s_.gDrivenBy = 0;
    });
}

void FrmMain::Combo1_Click() {
    Guarded([this] {
        s_.gDrivenBy = kTrinity;
        ChangeBoreHoleByName();
        ConnectLinesTo(Text1);
        s_.gDriveIndex = 1;
        s_.gDrivenBy = 0;
        ShowSectionName();
    });
}

void FrmMain::PickSectionNumber(bool userPick) {
    if (s_.gDrivenBy != 0) return;
    Guarded([this, userPick] {
        if (userPick) sh_.gActionCount.Set(0);
        s_.gDrivenBy = kTrinity;
        Text1.SetText("0");
        Text2.SetText("");
        if (s_.model.gRowCount > 1) {
            // SearchCoreTop finds the section by its name: show the name of
            // the section just picked first, or the view stays on the old one.
            ShowSectionName();
            SearchCoreTop();
            GetCompositDepth();
        }
        s_.gDrivenBy = 0;
        if (userPick) {
            ConnectLinesTo(Text1);
            s_.gDriveIndex = 1;
        }
        ShowSectionName();
    });
}

void FrmMain::Combo2_Change() { PickSectionNumber(false); }
void FrmMain::Combo2_Click() { PickSectionNumber(true); }

void FrmMain::SelectSectionByName(bool userPick) {
    Guarded([this, userPick] {
        const model::DepthModel& m = s_.model;
        const int16_t b = model::GetBH(m, Combo1.Text());
        s_.gBHLetter = Str(b);
        if (b < 0 || b > 4) throw RuntimeError(kErrSubscriptOutOfRange, "Subscript out of range");
        for (int16_t s = 1; s <= m.gSectionCount[b]; ++s) {
            if (m.gSectionName(b, s) != Combo5.Text()) continue;
            // A section picked by name is a new user action.
            if (userPick) {
                sh_.gActionCount.Set(0);
                s_.gDrivenBy = 0;
            }
            Combo2.SetText(Str(s));
            return;
        }
    });
}

void FrmMain::Combo5_Change() { SelectSectionByName(false); }
void FrmMain::Combo5_Click() { SelectSectionByName(true); }

void FrmMain::Text1_Change() {
    if (s_.gDrivenBy != 0 && s_.gDrivenBy != kDivider) return;
    Guarded([this] {
        if (s_.gDrivenBy != kDivider) s_.gDrivenBy = kTrinity;
        if (!s_.gFromMenuBH) {
            SearchCoreTop();
            GetCompositDepth();
        }
        s_.gDrivenBy = 0;
    });
}

void FrmMain::Slider1_Change() {
    s_.gDrivenBy = kTyped;
    sh_.gActionCount.Set(0);
    Text2.SetText(Str(Slider1.Value()));
    Option1(1).SetValue(true);
    Option2(1).SetValue(true);
    s_.gDrivenBy = 0;
    s_.gDriveIndex = 6;
}

}  // namespace quillory

// The display range: how many cm of the drawing scale the columns and panels
// of each main window show, applied to the main window, the Duo window or
// both while "Link range" carries its check mark.
#include <limits>

#include "duo/duo_columns.h"
#include "duo/duo_link.h"
#include "forms/values.h"
#include "main/frm_main.h"
#include "main/quillory.h"

namespace quillory {

using namespace forms;

namespace {

constexpr int16_t kWholeCore = 9999;
constexpr int kRanges[] = {20, 50, 100, 200, 500, 1000, 2000, 5000, 9999};

// The whole core in whole metres and a half beyond the last tie row that has
// a composite depth (rows closing a single bore hole hold the no-value
// marker instead). A core so deep that the range would not fit the range's
// 16 bits gets the largest range there is instead of an overflow.
int16_t WholeCoreRange(const model::DepthModel& m) {
    long row = m.gRowCount;
    while (row > 1 && Val(m.gCorrRow(1, row)) == 9999) --row;
    const double last = Val(m.gCorrRow(1, row));
    const double range = RoundHalfEven(last / 1000 + 0.5) * 1000 + 500;
    return static_cast<int16_t>(std::min<double>(range, std::numeric_limits<int16_t>::max()));
}

void CheckOnly(const ControlArray<Menu>& items, int16_t range) {
    for (int i : kRanges) items(i).SetChecked(false);
    items(range).SetChecked(true);
}

}  // namespace

void FrmMain::SetRange(int16_t window, int16_t range) {
    Frm2Main& duo = q_.frm2Main();
    const bool linked = duo.mnuLink->Checked();

    if (window == 1 || linked) {
        s_.gRange = range == kWholeCore ? WholeCoreRange(s_.model) : range;
        for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleHeight(s_.gRange);
        CheckOnly(mnuCM, range);
        if (range != kWholeCore) {
            std::optional<double> centre;
            if (Option1(0).Value()) centre = Val(Label1(8).Caption());
            else if (Option1(1).Value()) {
                if (Option2(1).Value()) centre = Val(Text2.Text());
                else if (Option2(2).Value()) centre = Val(Text3.Text());
                else if (Option2(3).Value()) centre = Val(Text4.Text());
            }
            if (centre)
                for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleTop(*centre - s_.gRange / 2.0);
        } else {
            // A pick near the top of the core centres every column on it.
            MouseDownProcedure(0, kLeftButton, 0, 1, static_cast<float>(s_.gRange / 2.0 - 750));
        }
        for (int k = 0; k <= 4; ++k) {
            Picture1(k).Draw().SetScaleTop(BoreHole(0).Draw().ScaleTop());
            Picture1(k).Draw().SetScaleHeight(BoreHole(0).Draw().ScaleHeight());
        }
        DrawLamina();
        EraseTargetLines();

        // The correlator draws 100 cm of the composite column at their height here.
        FrmRX93& rx = q_.frmRX93();
        rx.Picture1.SetHeight(CLng(BoreHole(0).Height() * 100 / BoreHole(0).Draw().ScaleHeight()));
        rx.Label2.SetCaption(Str(rx.Picture1.Height()));
        rx.Label3.SetCaption(
            SingleText(static_cast<float>(RoundHalfEven(rx.Picture1.Height() * 100.0 / Val(rx.Label2.Caption()), 1))) +
            " %");
    }

    if (window == 2 || linked) {
        CheckOnly(duo.mnuCM, range);
        if (sh_.gDuoModelLoaded) {
            if (duo.Option4(0).Value()) {
                q_.duo.gRange2 = s_.gRange;
                for (int i = 0; i <= 5; ++i) {
                    duo.BoreHole(i).Draw().SetScaleTop(BoreHole(i).Draw().ScaleTop());
                    duo.BoreHole(i).Draw().SetScaleHeight(BoreHole(i).Draw().ScaleHeight());
                }
            } else {
                q_.duo.gRange2 = range == kWholeCore ? s_.gRange : range;
                for (int i = 0; i <= 5; ++i) duo.BoreHole(i).Draw().SetScaleHeight(q_.duo.gRange2);
                if (range != kWholeCore) {
                    std::optional<double> centre;
                    if (Option2(1).Value()) centre = Val(duo.Text2.Text());
                    else if (Option2(2).Value()) centre = Val(duo.Text3.Text());
                    else if (Option2(3).Value()) centre = Val(duo.Text4.Text());
                    if (centre)
                        for (int i = 0; i <= 5; ++i)
                            duo.BoreHole(i).Draw().SetScaleTop(*centre - q_.duo.gRange2 / 2.0);
                } else {
                    MouseDownProcedure2(q_, 0, kLeftButton, 0, 1,
                                        MainToDuoCD(q_, static_cast<float>(Val(Text2.Text()))));
                }
            }
            for (int k = 0; k <= 4; ++k) {
                duo.Picture1(k).Draw().SetScaleTop(duo.BoreHole(0).Draw().ScaleTop());
                duo.Picture1(k).Draw().SetScaleHeight(duo.BoreHole(0).Draw().ScaleHeight());
            }
            DrawLamina2(q_);
            EraseTargetLines2(q_);
            EraseTargetLines();
        }
    }

    sh_.gActionCount.Increment();
}

void FrmMain::mnuLink_Click() {
    Frm2Main& duo = q_.frm2Main();
    if (mnuLink->Checked()) {
        mnuLink->SetChecked(false);
        duo.mnuLink->SetChecked(false);
        return;
    }
    mnuLink->SetChecked(true);
    duo.mnuLink->SetChecked(true);
    for (int i : kRanges)
        if (i != kWholeCore) duo.mnuCM(i).SetChecked(false);
    for (int i : kRanges) {
        if (i == kWholeCore) break;
        if (mnuCM(i).Checked()) {
            SetRange(2, static_cast<int16_t>(i));
            duo.mnuCM(i).SetChecked(true);
            return;
        }
    }
    SetRange(2, kWholeCore);
}

}  // namespace quillory

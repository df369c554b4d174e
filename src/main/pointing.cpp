// Pointing and picking on the core columns: the target line and the pointer
// shape on every move, the hover read-outs of tie rows and age control
// points, the Level Divider's laminae on the centre line, and the picks of a
// level by a click on the composite column or a bore-hole column.
#include <cmath>

#include "forms/application.h"
#include "forms/values.h"
#include "main/frm_main.h"
#include "main/quillory.h"
#include "model/age_conversion.h"
#include "model/depth_conversion.h"
#include "model/item_reader.h"

namespace quillory {

using namespace forms;

namespace {
constexpr int16_t kComposite = 0, kRuler = 5;
constexpr int16_t kPickedOnComposite = 2, kPickedOnBoreHole = 9, kMouseOnColumn = 5;
constexpr int32_t kSelfWrite = 9999;
}  // namespace

void FrmMain::BoreHole_MouseMove(int16_t index, int button, int shift, float x, float y) {
    s_.gFromMenuBH = false;
    TargetLine(y);
    App().SetMousePointer(index == kRuler ? vbDefault : vbCrosshair);
    if (!s_.gDividerOpen) MouseMoveProcedure(index, button, shift, x, y);
}

void FrmMain::MouseMoveProcedure(int16_t index, int, int, float x, float y) {
    model::DepthModel& m = s_.model;
    PictureBox& column = BoreHole(index);
    try {
        // Only a bore hole has a bottom; the composite column and the ruler
        // read out age points at every level.
        if (index >= 1 && index <= 4 && y > m.gBoreHoleBottom[index]) return;
        for (long j = 1; j <= m.gAgeModelRows; ++j) {
            const double a = model::StrictNumber(m.gAgeModel(5, j));
            if (std::abs(a - y) < 0.003 * s_.gRange && (index == kComposite || x < 1.0))
                column.ToolTipText = m.gAgeModel(1, j) + " (" +
                                     SingleText(static_cast<float>(RoundHalfEven(a, m.gDepthPrecision))) + " cm)";
        }
        if (index == kRuler) return;
        const double tolerance = 0.002 * s_.gRange;
        if (index != kComposite) {
            for (long r = 1; r <= m.gRowCount; ++r) {
                const double depth = model::StrictNumber(m.gCorrTable(m.gVerticalScale, index, 2, r));
                if ((depth - y) * (depth - y) < tolerance * tolerance)
                    column.ToolTipText =
                        m.gCorrTable(0, index, 0, r) + " (" + m.gCorrTable(m.gVerticalScale, index, 1, r) + " cm)";
            }
        }
        const double centre = BoreHole(1).Draw().ScaleTop() + s_.gRange / 2.0;
        if ((y - centre) * (y - centre) < tolerance * tolerance && GetPSP(index, y)) {
            s_.gDivLamina0Depth = static_cast<float>(Val(m.gCorrTable(0, index, 1, s_.gRowA)));
            s_.gDivTargetDepth = s_.gPSP;
            s_.gDivLamina1Depth = static_cast<float>(Val(m.gCorrTable(0, index, 1, s_.gRowB)));
            s_.gDivLamina0Label = m.gCorrTable(0, index, 0, s_.gRowA);
            s_.gDivLamina1Label = m.gCorrTable(0, index, 0, s_.gRowB);
        }
    } catch (const RuntimeError&) {
        // The read-outs keep what they had.
    }
}

void FrmMain::BoreHole_MouseDown(int16_t index, int button, int shift, float x, float y) {
    sh_.gActionCount.Set(0);
    s_.gClickedColumn = index;
    Control* separator = FindControl("break98");
    if (index == kComposite && button == kRightButton) {
        mnuCompCopy->SetVisible(true);
        separator->SetVisible(true);
    }
    if (index == kRuler && button == kLeftButton) {
        FoldAtRuler();
    } else if (index == kRuler && button == kRightButton) {
        PopupMenu(*mnuRBdepth);
    } else {
        s_.gDriveIndex = kMouseOnColumn;
        s_.gMenuBHBusy = true;
        if (button == kRightButton) {
            App().SetMousePointer(vbDefault);
            MouseDownProcedure(index, kRightButton, shift, x, static_cast<float>(Val(Text2.Text())));
        }
        s_.gMenuBHBusy = false;
        MouseDownProcedure(index, button, shift, x, y);
    }
    mnuCompCopy->SetVisible(false);
    separator->SetVisible(false);
}

void FrmMain::MouseDownProcedure(int16_t index, int button, int shift, float x, float y) {
    try {
        if (s_.gDividerOpen) {
            s_.gDrivenBy = 0;
            return;
        }
        if (index == kRuler) {
            if (button == kRightButton) PopupMenu(*mnuRBdepth);
        } else if (index == kComposite) {
            s_.gDrivenBy = kPickedOnComposite;
            model::DepthModel& m = s_.model;
            if (button == kLeftButton) {
                if (Option2(1).Value()) Text2.SetText(DepthText(y));
                else if (Option2(2).Value()) Text2.SetText(DepthText(model::EFDToCD(m, y)));
                else if (Option2(3).Value())
                    Text2.SetText(SingleText(static_cast<float>(
                        model::EFDToCD(m, static_cast<float>(model::AgeToEFD(m, y))))));
            }
            if (button == kRightButton && !s_.gFromMenuBH) {
                s_.gFromMenuBH = true;
                PopupMenu(*mnuTool);
            }
        } else {
            PickOnBoreHole(index, button, shift, x, y);
        }
    } catch (const RuntimeError&) {
        // What the writes already started stays; the pick ends here.
    }
    s_.gDrivenBy = 0;
}

void FrmMain::PickOnBoreHole(int16_t index, int button, int shift, float x, float y) {
    const model::DepthModel& m = s_.model;
    if (button == kLeftButton) s_.gFromMenuBH = false;
    if (button == kRightButton) s_.gFromMenuBH = true;
    s_.gBHLetter = m.gBoreHoleName[index];
    if (y > m.gBoreHoleBottom[index]) return;
    if (button == kLeftButton) {
        Combo1.SetText(s_.gBHLetter);
        s_.gFromMenuBH = false;
        // The section is left as it is; the scale's box below replaces this
        // provisional position with the one found for the bore hole.
        if (sh_.gActionCount.Get() == 0) {
            sh_.gActionCount.Set(kSelfWrite);
            Text1.SetText(DepthText(y));
            sh_.gActionCount.Set(0);
        }
        s_.gDrivenBy = kPickedOnBoreHole;
        if (Option2(1).Value()) Text2.SetText(DepthText(y));
        else if (Option2(2).Value()) Text3.SetText(DepthText(y));
        else if (Option2(3).Value()) Text4.SetText(DepthText(y));
        q_.frmDivider().Hide();
    } else if (button == kRightButton) {
        s_.gFromMenuBH = true;
        Combo1.SetText(m.gBoreHoleName[index]);
        MouseMoveProcedure(index, button, shift, x, y);
        if (s_.gDivLamina0Depth == s_.gDivLamina1Depth) return;
        if (!s_.gMenuBHBusy) PopupMenu(*mnuRB);
    }
}

}  // namespace quillory

// Pointing and picking on the core columns: the target line and the pointer
// shape on every move, the hover read-outs of tie rows and age control
// points, the Level Divider's laminae on the centre line, and the picks of a
// level by a click on the composite column or a bore-hole column.
#include <cmath>
#include <optional>
#include <string>

#include "forms/application.h"
#include "values/values.h"
#include "tools/frm_divider.h"
#include "window/core_window.h"
#include "model/item_reader.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {
constexpr int16_t kComposite = 0, kRuler = 5;
constexpr int16_t kMouseOnColumn = 5;
}  // namespace

void CoreWindow::BoreHole_MouseMove(int16_t index, int button, int shift, float x, float y) {
    state.gFromMenuBH = false;
    TargetLine(y);
    App().SetMousePointer(index == kRuler ? vbDefault : vbCrosshair);
    if (!state.gDividerOpen) MouseMoveProcedure(index, button, shift, x, y);
}

void CoreWindow::MouseMoveProcedure(int16_t index, int, int, float x, float y) {
    const model::DepthModel& m = state.model;
    PictureBox& column = BoreHole(index);
    // Bottoms, age points and positions are found on this side's own
    // composite depth; tie rows and the centre line on the drawn columns.
    const float own = static_cast<float>(OwnDepthOf(y));
    try {
        // Only a bore hole has a bottom; the composite column and the ruler
        // read out age points at every level.
        if (index >= 1 && index <= 4 && own > m.gBoreHoleBottom[index]) return;
        for (long j = 1; j <= m.gAgeModelRows; ++j) {
            const double a = model::StrictNumber(m.gAgeModel(5, j));
            if (std::abs(a - own) < 0.003 * state.gRange && (index == kComposite || x < 1.0))
                column.ToolTipText = m.gAgeModel(1, j) + " (" +
                                     SingleText(static_cast<float>(RoundHalfEven(a, shared.precision.gDepthPrecision))) + " cm)";
        }
        if (index == kRuler) return;
        const double tolerance = 0.002 * state.gRange;
        if (index != kComposite) {
            const model::IndexedColumn& depths = model::CorrCells(m, m.gVerticalScale, index, 2);
            for (long r = 1; r <= m.gRowCount; ++r) {
                const double depth = depths.CDbl(r);
                if ((depth - y) * (depth - y) < tolerance * tolerance)
                    column.ToolTipText =
                        m.gCorrTable(0, index, 0, r) + " (" + m.gCorrTable(m.gVerticalScale, index, 1, r) + " cm)";
            }
        }
        const double centre = BoreHole(1).Draw().ScaleTop() + state.gRange / 2.0;
        // On the centre line the divider's laminae are those around the
        // level in this bore hole, also when the search found no ties there
        // (rows 0: equal depths, so a right click opens no divider).
        if ((y - centre) * (y - centre) < tolerance * tolerance) {
            GetPSP(index, own);
            state.gDivLamina0Depth = static_cast<float>(Val(m.gCorrTable(0, index, 1, state.gRowA)));
            state.gDivTargetDepth = state.gPSP;
            state.gDivLamina1Depth = static_cast<float>(Val(m.gCorrTable(0, index, 1, state.gRowB)));
            state.gDivLamina0Label = m.gCorrTable(0, index, 0, state.gRowA);
            state.gDivLamina1Label = m.gCorrTable(0, index, 0, state.gRowB);
        }
    } catch (const RuntimeError&) {
        // The read-outs keep what they had.
    }
}

void CoreWindow::BoreHole_MouseDown(int16_t index, int button, int shift, float x, float y) {
    shared.gActionCount.Set(ActionCount::kUserAction);
    state.gClickedColumn = index;
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
        state.gDriveIndex = kMouseOnColumn;
        state.gMenuBHBusy = true;
        if (button == kRightButton) {
            App().SetMousePointer(vbDefault);
            MouseDownProcedure(index, kRightButton, shift, x, static_cast<float>(DrawnDepthOf(static_cast<float>(Val(Text2.Text())))));
        }
        state.gMenuBHBusy = false;
        MouseDownProcedure(index, button, shift, x, y);
    }
    mnuCompCopy->SetVisible(false);
    separator->SetVisible(false);
}

void CoreWindow::MouseDownProcedure(int16_t index, int button, int shift, float x, float y) {
    try {
        if (state.gDividerOpen) {
            state.gDrivenBy = DrivenBy::kNobody;
            return;
        }
        if (index == kRuler) {
            if (button == kRightButton) PopupMenu(*mnuRBdepth);
        } else if (index == kComposite) {
            state.gDrivenBy = DrivenBy::kTyped;
            // The level picked, on this side's own composite depth when the
            // columns are drawn on the master core's.
            const float level = static_cast<float>(OwnDepthOf(y));
            if (button == kLeftButton) {
                std::optional<std::string> text;
                if (Option2(1).Value()) text = DepthText(level);
                else if (Option2(2).Value()) text = DepthText(OwnEFDToCD(level));
                else if (Option2(3).Value())
                    text = SingleText(static_cast<float>(OwnEFDToCD(static_cast<float>(OwnAgeToEFD(level)))));
                if (text) WriteLevel(*text);
            }
            if (button == kRightButton && !state.gFromMenuBH) {
                state.gFromMenuBH = true;
                PopupMenu(*mnuTool);
            }
        } else {
            PickOnBoreHole(index, button, shift, x, y);
        }
    } catch (const RuntimeError&) {
        // What the writes already started stays; the pick ends here.
    }
    state.gDrivenBy = DrivenBy::kNobody;
}

void CoreWindow::WriteLevel(const std::string& text) {
    // A level the box holds already takes its road all the same, so that the
    // columns centre on it, it is shown whole and reaches the other window.
    if (Text2.Text() != text) Text2.SetText(text);
    else if (Text2.Change) Text2.Change();
}

void CoreWindow::PickOnBoreHole(int16_t index, int button, int shift, float x, float y) {
    const model::DepthModel& m = state.model;
    if (button == kLeftButton) state.gFromMenuBH = false;
    if (button == kRightButton) state.gFromMenuBH = true;
    state.gBHLetter = m.gBoreHoleName[index];
    if (y > DrawnBottom(index)) return;
    if (button == kLeftButton) {
        Combo1.SetText(state.gBHLetter);
        state.gFromMenuBH = false;
        const float level = static_cast<float>(OwnDepthOf(y));
        // The section is left as it is; the scale's box below replaces this
        // provisional position with the one found for the bore hole.
        if (shared.gActionCount.Get() == ActionCount::kUserAction) {
            shared.gActionCount.Set(ActionCount::kSelfWrite);
            Text1.SetText(DepthText(level));
            shared.gActionCount.Set(ActionCount::kUserAction);
        }
        state.gDrivenBy = DrivenBy::kBoreHoleClick;
        // The provisional position may already have given the box this very
        // level.
        if (Option2(1).Value()) WriteLevel(DepthText(level));
        else if (Option2(2).Value()) Text3.SetText(DepthText(level));
        else if (Option2(3).Value()) Text4.SetText(DepthText(level));
        tools_.divider().Hide();
    } else if (button == kRightButton) {
        const ShownTrinity before{Combo1.Text(), Combo2.Text(), Combo5.Text(), Text1.Text()};
        state.gFromMenuBH = true;
        Combo1.SetText(m.gBoreHoleName[index]);
        MouseMoveProcedure(index, button, shift, x, y);
        ShowPressedBoreHoleAtLevel(index, before);
        if (state.gDivLamina0Depth == state.gDivLamina1Depth) return;
        if (!state.gMenuBHBusy) PopupMenu(*mnuRB);
    }
}

void CoreWindow::ShowPressedBoreHoleAtLevel(int16_t index, const ShownTrinity& before) {
    const model::DepthModel& m = state.model;
    const std::string& shown = Label1(8).Caption();
    const float level = static_cast<float>(Val(shown));
    const bool holds = !shown.empty() && level <= m.gBoreHoleBottom[index] && GetPSP(index, level) && state.gPSP >= 0;
    // The bore hole's list refills the section lists; the rest is written
    // with the level held, so that nothing moves it.
    if (!holds) Combo1.SetText(before.boreHole);
    const DrivenBy writer = state.gDrivenBy;
    state.gDrivenBy = DrivenBy::kHolding;
    if (holds) {
        ShowSectionOfLevel(Mid(tools_.divider().Label5.Caption(), 3));
        Text1.SetText(DepthText(state.gPSP));
    } else {
        Combo2.SetText(before.sectionNumber);
        Combo5.SetText(before.sectionName);
        Text1.SetText(before.psp);
    }
    state.gDrivenBy = writer;
}

}  // namespace quillory

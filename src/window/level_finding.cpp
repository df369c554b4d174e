// GetPSP: the section, tie rows and position in the section of a composite
// depth in one bore hole, and the lamina lists it hands to the Level Divider.
#include <algorithm>
#include <cmath>
#include <limits>

#include "forms/values.h"
#include "tools/frm_divider.h"
#include "window/core_window.h"
#include "model/correlation_lookup.h"

namespace quillory {

using namespace forms;

namespace {

constexpr double kNoValue = 9999;

// The centre of a column is its top, a single, plus half the range, so it
// holds the level only to a step of a single at the top's size (406.4 - 250 +
// 250 gives 406.39999, -0.1 - 250 + 250 gives -0.100006). That round-off must
// not move a level off the place it was put: a centre within it of a tie is
// the tie (the tie's own PSP), and a position within it, times the slope it
// was placed with, of a section's top is the top (PSP 0, so the level keeps
// its section and its bore hole).
double SingleStep(double size) {
    const float single = static_cast<float>(std::abs(size));
    return static_cast<double>(std::nextafter(single, std::numeric_limits<float>::infinity())) - single;
}

double AtTie(double centre, double tie, double slack) { return std::abs(centre - tie) <= slack ? tie : centre; }

float AtTop(double psp, double slack) { return static_cast<float>(std::abs(psp) <= slack ? 0.0 : psp); }

}  // namespace

bool CoreWindow::GetPSP(int16_t b, float depth) {
    if (Command1.Enabled()) return false;
    const model::DepthModel& m = state.model;
    const bool composite = Option2(1).Value();
    const bool drilling = Option2(0).Value();
    try {
        auto label = [&](long r) -> const std::string& { return m.gCorrTable(0, b, 0, r); };
        auto psp = [&](long r) -> const std::string& { return m.gCorrTable(0, b, 1, r); };
        auto drillDepth = [&](long r) -> const std::string& { return m.gCorrTable(0, b, 2, r); };
        auto rowDepth = [&](long r) -> const std::string& { return m.gCorrRow(1, r); };

        // The section: the first whose bottom, placed 1:1 from the last valid
        // tie, lies deeper than the level.
        state.gTopRow = 0;
        long last = 0, bottom = 0;
        for (long r = 1; r <= m.gRowCount; ++r) {
            if (model::IsTopLabel(label(r))) state.gTopRow = static_cast<int16_t>(r);
            if (Val(m.gCorrTable(1, b, 2, r)) != kNoValue && Val(rowDepth(r)) != kNoValue) last = r;
            if (model::IsBottomLabel(label(r))) {
                double offset = Val(psp(r)) - Val(psp(last));
                if (composite && static_cast<float>(Val(rowDepth(last)) + offset) > depth) { bottom = r; break; }
                if (drilling && static_cast<float>(Val(drillDepth(last)) + offset) > depth) { bottom = r; break; }
            }
        }

        // The two ties around the level.
        state.gRowA = state.gRowB = 0;
        if (composite || drilling) {
            for (long r = state.gTopRow;; ++r) {
                bool tie = psp(r) != "9999" && rowDepth(r) != "9999" && (composite ? r <= bottom : r < bottom);
                if (tie) {
                    state.gRowA = state.gRowB;
                    state.gRowB = static_cast<int16_t>(r);
                }
                if (rowDepth(r) != "9999" && drillDepth(r) != "9999" && static_cast<float>(Val(rowDepth(r))) > depth &&
                    state.gRowA > 0)
                    break;
                if (composite && r >= bottom) break;
            }
        }

        // The Level Divider's lists: the laminae of the section, unless the
        // divider itself is writing the level.
        int n = 0;
        if (state.gDrivenBy != DrivenBy::kDivider) {
            if (state.gTopRow == 0) return false;
            FrmDivider& divider = tools_.divider();
            divider.Combo1(0).Clear();
            divider.Combo1(1).Clear();
            for (long r = state.gTopRow;; ++r) {
                if (CDbl(psp(r)) != kNoValue) {
                    divider.Combo1(0).AddItem(label(r));
                    divider.Combo1(1).AddItem(label(r));
                    ++n;
                    if (n >= kSectionLaminaeRows) return false;
                    state.gSectionLaminae[n] = {label(r), psp(r), rowDepth(r)};
                }
                if (model::IsBottomLabel(label(r))) break;
            }
            divider.Label5.SetCaption(m.gBoreHoleName.at(b) + "-" +
                                      m.gSectionName(b, model::CountTops(m, b, state.gTopRow)));
        }

        const double top = BoreHole(b).Draw().ScaleTop(), centre = top + state.gRange / 2.0;
        state.gTargetCD = static_cast<float>(OwnDepthOf(static_cast<float>(centre)));

        // The position in the section, at the centre of the bore hole's column.
        if (drilling) {
            state.gPSP = static_cast<float>(depth - Val(drillDepth(state.gTopRow)));
        } else if (composite) {
            if (state.gRowB == 0) return false;
            const double cB = CDbl(rowDepth(state.gRowB)), pB = CDbl(psp(state.gRowB));
            const double slack = SingleStep(std::max(std::abs(top), std::abs(centre)));
            double t = AtTie(state.gTargetCD, cB, slack);
            const bool oneToOne = state.model.gExtrapolation == model::Extrapolation::kOneToOne;
            if (oneToOne && static_cast<float>(cB) < static_cast<float>(t)) {
                state.gPSP = AtTop(pB - (cB - t), slack);
            } else {
                if (state.gRowA == 0) return false;
                const double cA = CDbl(rowDepth(state.gRowA)), pA = CDbl(psp(state.gRowA));
                t = AtTie(t, cA, slack);
                if (oneToOne && static_cast<float>(cA) > static_cast<float>(t))
                    state.gPSP = AtTop(pA + (t - cA), slack);
                else
                    state.gPSP = AtTop(pA + Divide((t - cA) * (pB - pA), cB - cA), slack * std::abs(Divide(pB - pA, cB - cA)));
            }
        }
        // On the event-free and age scales no position is computed: the
        // read-outs show the one found last.
        const bool found = composite || drilling;
        state.gPSP = FoundPosition(state.gPSP);

        BoreHole(b).ToolTipText = "Target depth: " + SingleText(state.gPSP) + " (cm)";
        // While the divider writes, its lists stay, and so do the laminae it
        // finds their entries by.
        if (state.gDrivenBy != DrivenBy::kDivider)
            for (int i = n + 1; i <= kSectionLaminaeCleared; ++i) state.gSectionLaminae[i] = {};
        Label4.SetCaption(Str(state.gTopRow) + "/" + Str(state.gRowA) + "/" + Str(state.gRowB));
        return found;
    } catch (const RuntimeError&) {
        return false;
    }
}

}  // namespace quillory

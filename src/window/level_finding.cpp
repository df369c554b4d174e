// GetPSP: the section, tie rows and position in the section of a composite
// depth in one bore hole, and the lamina lists it hands to the Level Divider.
#include <algorithm>

#include "values/values.h"
#include "tools/frm_divider.h"
#include "window/core_window.h"
#include "model/correlation_lookup.h"
#include "model/section_search.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

constexpr double kNoValue = 9999;

// The section's first row and the two ties around the level, written as the
// walk finds them: where it fails, what it found so far stays.
struct TieRows {
    int16_t& top;
    int16_t& a;
    int16_t& b;
};

// The section: the first whose bottom, placed 1:1 from the last valid tie,
// lies deeper than the level; then the ties from its first row on, up to the
// first row from the second tie on whose row depth lies deeper than the level
// (on the composite scale no further than the section's bottom; on the
// drilling scale a level below every such row runs off the table). Each cell
// is read from the index as the walk reaches it, so that it fails where the
// texts would.
void WalkTieRows(const model::DepthModel& m, int16_t b, float depth, bool composite, bool drilling, TieRows out) {
    using model::CorrCells;
    auto label = [&](long r, model::CellFact fact) { return CorrCells(m, 0, b, 0).Is(r, fact); };
    auto psp = [&]() -> const model::IndexedColumn& { return CorrCells(m, 0, b, 1); };
    auto drillDepth = [&]() -> const model::IndexedColumn& { return CorrCells(m, 0, b, 2); };
    auto rowDepth = [&]() -> const model::IndexedColumn& { return model::RowCells(m, 1); };

    out.top = 0;
    long last = 0, bottom = 0;
    for (long r = 1; r <= m.gRowCount; ++r) {
        if (label(r, model::kTopLabelText)) out.top = static_cast<int16_t>(r);
        if (CorrCells(m, 1, b, 2).Val(r) != kNoValue && rowDepth().Val(r) != kNoValue) last = r;
        if (label(r, model::kBottomLabelText)) {
            double offset = psp().Val(r) - psp().Val(last);
            if (composite && static_cast<float>(rowDepth().Val(last) + offset) > depth) { bottom = r; break; }
            if (drilling && static_cast<float>(drillDepth().Val(last) + offset) > depth) { bottom = r; break; }
        }
    }

    out.a = out.b = 0;
    if (!composite && !drilling) return;
    for (long r = out.top;; ++r) {
        const bool noRowDepth = rowDepth().Is(r, model::kNoValueText);
        bool tie = !psp().Is(r, model::kNoValueText) && !noRowDepth && (composite ? r <= bottom : r < bottom);
        if (tie) {
            out.a = out.b;
            out.b = static_cast<int16_t>(r);
        }
        if (!noRowDepth && !drillDepth().Is(r, model::kNoValueText) &&
            static_cast<float>(rowDepth().Val(r)) > depth && out.a > 0)
            break;
        if (composite && r >= bottom) break;
    }
}

// The same found by search where it gives what the walk gives: rows 1 to
// gRowCount are the table, no cell fails to read, one scale is chosen and the
// section has a first row. False, with nothing written, elsewhere.
bool SearchTieRows(const model::DepthModel& m, int16_t b, float depth, bool composite, bool drilling, TieRows out) {
    if (b < 1 || b > 4 || (composite && drilling)) return false;
    const model::SectionSearch& s = m.sectionSearches.Of(m, b);
    if (!s.usable) return false;

    long bottom = 0, end = m.gRowCount;
    if (composite || drilling) {
        const int scale = composite ? 0 : 1;
        const std::vector<float>& at = s.bottomDepth[scale];
        size_t i = 0;
        if (s.bottomsAscending[scale])
            i = static_cast<size_t>(std::upper_bound(at.begin(), at.end(), depth) - at.begin());
        else
            while (i < at.size() && !(at[i] > depth)) ++i;
        if (i < at.size()) bottom = end = s.bottoms[i];
    }
    const auto afterTop = std::upper_bound(s.tops.begin(), s.tops.end(), end);
    const long top = afterTop == s.tops.begin() ? 0 : *(afterTop - 1);
    if (!composite && !drilling) {
        out.top = static_cast<int16_t>(top);
        out.a = out.b = 0;
        return true;
    }
    // From the header row on, the walk would take it for a tie.
    if (top < 1) return false;

    // The ties the walk may take, and the row it stops at.
    const long tieLimit = composite ? bottom : bottom - 1;
    const auto firstTie = std::lower_bound(s.ties.begin(), s.ties.end(), top);
    const auto endTies = std::upper_bound(firstTie, s.ties.end(), std::max(tieLimit, top - 1));
    long stop = -1;
    if (endTies - firstTie >= 2) {
        const auto from = std::lower_bound(s.levels.begin(), s.levels.end(), *(firstTie + 1));
        size_t j = static_cast<size_t>(from - s.levels.begin());
        if (s.levelsAscending) {
            const auto deeper = std::upper_bound(s.levelDepth.begin(), s.levelDepth.end(), depth);
            j = std::max(j, static_cast<size_t>(deeper - s.levelDepth.begin()));
        } else {
            while (j < s.levelDepth.size() && !(s.levelDepth[j] > depth)) ++j;
        }
        if (j < s.levels.size()) stop = s.levels[j];
    }
    if (composite && (stop < 0 || stop > bottom)) stop = bottom;

    out.top = static_cast<int16_t>(top);
    const auto taken = stop < 0 ? endTies : std::upper_bound(firstTie, endTies, stop);
    const long count = taken - firstTie;
    out.b = static_cast<int16_t>(count >= 1 ? *(taken - 1) : 0);
    out.a = static_cast<int16_t>(count >= 2 ? *(taken - 2) : 0);
    // Below every row deeper than the level the walk runs off the table.
    if (stop < 0) model::SubscriptOutOfRange();
    return true;
}

// The section number of a row (CountTops), counted once per change of the table.
int16_t TopsUpTo(const model::DepthModel& m, int16_t b, long row) {
    return b >= 1 && b <= 4 ? m.sectionSearches.Of(m, b).TopsUpTo(row) : model::CountTops(m, b, row);
}

}  // namespace

bool CoreWindow::GetPSP(int16_t b, float depth) {
    if (Command1.Enabled()) return false;
    const model::DepthModel& m = state.model;
    const bool composite = Option2(1).Value();
    const bool drilling = Option2(0).Value();
    try {
        const TieRows rows{state.gTopRow, state.gRowA, state.gRowB};
        if (!SearchTieRows(m, b, depth, composite, drilling, rows)) WalkTieRows(m, b, depth, composite, drilling, rows);
        auto label = [&](long r) -> const std::string& { return m.gCorrTable(0, b, 0, r); };
        auto psp = [&]() -> const model::IndexedColumn& { return model::CorrCells(m, 0, b, 1); };
        auto rowDepth = [&]() -> const model::IndexedColumn& { return model::RowCells(m, 1); };

        // The Level Divider's lists: the laminae of the section, unless the
        // divider itself is writing the level.
        int n = 0;
        if (state.gDrivenBy != DrivenBy::kDivider) {
            if (state.gTopRow == 0) return false;
            FrmDivider& divider = tools_.divider();
            divider.Combo1(0).Clear();
            divider.Combo1(1).Clear();
            for (long r = state.gTopRow;; ++r) {
                if (psp().CDbl(r) != kNoValue) {
                    divider.Combo1(0).AddItem(label(r));
                    divider.Combo1(1).AddItem(label(r));
                    ++n;
                    if (n >= kSectionLaminaeRows) return false;
                    state.gSectionLaminae[n] = {label(r), m.gCorrTable(0, b, 1, r), m.gCorrRow(1, r)};
                }
                if (model::CorrCells(m, 0, b, 0).Is(r, model::kBottomLabelText)) break;
            }
            divider.Label5.SetCaption(m.gBoreHoleName.at(b) + "-" +
                                      m.gSectionName(b, TopsUpTo(m, b, state.gTopRow)));
        }

        // The centre of a column is its top, a single, plus half the range,
        // on this side's own depth. A column centred on a level gives that
        // level back only as far as those sums keep it (406.4 - 250 + 250
        // gives 406.39999, -0.1 - 250 + 250 gives -0.100006), and that
        // round-off must not move a level off the place it was put: a centre
        // that a column centred on a tie shows is the tie (the tie's own
        // PSP), and one that a column centred on the section's top shows is
        // the top (PSP 0, so the level keeps its section and its bore hole).
        // Any other centre is a level of its own. A level reaches the column
        // as the number of a box or as the single a conversion gives.
        auto centreOf = [&](float top) {
            return static_cast<float>(OwnDepthOf(static_cast<float>(top + state.gRange / 2.0)));
        };
        state.gTargetCD = centreOf(BoreHole(b).Draw().ScaleTop());
        auto shows = [&](double level) {
            auto from = [&](double at) {
                return centreOf(static_cast<float>(DrawnDepthOf(at) - state.gRange / 2.0)) == state.gTargetCD;
            };
            return from(level) || from(static_cast<float>(level));
        };

        // The position in the section, at the centre of the bore hole's column.
        if (drilling) {
            state.gPSP = static_cast<float>(depth - model::CorrCells(m, 0, b, 2).Val(state.gTopRow));
        } else if (composite) {
            if (state.gRowB == 0) return false;
            const double cB = rowDepth().CDbl(state.gRowB), pB = psp().CDbl(state.gRowB);
            double t = shows(cB) ? cB : state.gTargetCD;
            const bool oneToOne = state.model.gExtrapolation == model::Extrapolation::kOneToOne;
            // The section's top is the level of PSP 0 on the same line, as
            // TrinityToCD computes it.
            if (oneToOne && static_cast<float>(cB) < static_cast<float>(t)) {
                state.gPSP = shows(cB - pB) ? 0 : static_cast<float>(pB - (cB - t));
            } else {
                if (state.gRowA == 0) return false;
                const double cA = rowDepth().CDbl(state.gRowA), pA = psp().CDbl(state.gRowA);
                if (shows(cA)) t = cA;
                if (oneToOne && static_cast<float>(cA) > static_cast<float>(t))
                    state.gPSP = shows(cA - pA) ? 0 : static_cast<float>(pA + (t - cA));
                else
                    state.gPSP = pB != pA && shows(cA + Divide(-pA * (cB - cA), pB - pA))
                                     ? 0
                                     : static_cast<float>(pA + Divide((t - cA) * (pB - pA), cB - cA));
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

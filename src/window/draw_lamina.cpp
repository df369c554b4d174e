// The full redraw of the main window's core columns and proxy panels: the
// frames, the sections and gaps of the bore holes, and the hand-offs to the
// ruler, the event layers, the markers and the panels.
#include "values/values.h"
#include "window/column_drawing.h"
#include "window/core_window.h"
#include "proxy/draw_proxy.h"

namespace quillory {

using namespace forms;
using namespace columns;

namespace {

// Gaps between sections shorter than this get a mark over their grey box.
constexpr float kCrossedGap = 2000;

// Section bottom i of a bore hole and the next section top j below it, for
// each gap that lies deeper than its bottom and reaches into the view.
template <class F>
void ForEachVisibleGap(const model::DepthModel& m, const TieDepths& d, int bh, const View& v, F draw) {
    const long n = m.gRowCount;
    const model::IndexedColumn& labels = model::CorrCells(m, 0, bh, 0);
    for (long i = 1; i <= n - 1; ++i) {
        if (!labels.Is(i, model::kBottomLabelText)) continue;
        long j = i + 1;
        while (j < n && !labels.Is(j, model::kTopLabelText)) ++j;
        const float yi = d.boreHole[bh][i], yj = d.boreHole[bh][j];
        if (yj > yi && yj > v.top && yi < v.bottom) draw(yi, yj);
    }
}

}  // namespace

const DrawingRules& CoreWindow::Drawing() const { return MainDrawing(); }

float CoreWindow::IntervalStart(const TieDepths& d) const {
    for (size_t r = 1; r < d.composite.size(); ++r)
        if (d.composite[r] != 9999 && d.composite[r] != 0) return d.composite[r];
    return 9999;
}

void CoreWindow::DrawLamina() {
    const model::DepthModel& m = state.model;
    // Before a correlation model is read there are no columns to draw.
    if (m.gRowCount < 1) return;
    const int plane = m.gVerticalScale;
    const long n = m.gRowCount;
    TieDepths d = TieDepths::Read(m, plane);
    CompleteTieMarks(d);
    const DrawingRules& rules = Drawing();

    // Clear every column to its background, hiding the kept picture.
    for (int i = 0; i <= 5; ++i) {
        Surface& s = BoreHole(i).Draw();
        s.Cls();
        BoreHole(i).SetFontSize(state.gFontSize);
        FillView(s, s.BackColor());
    }

    // Bore-hole heads: no core above the first section top. A bore hole
    // whose only top is on the last row has no section at all.
    for (int bh = 1; bh <= 4; ++bh) {
        const model::IndexedColumn& labels = model::CorrCells(m, 0, bh, 0);
        long r = 1;
        while (r < n && !labels.Is(r, model::kTopLabelText)) ++r;
        Surface& s = BoreHole(bh).Draw();
        Band(s, s.ScaleTop(), d.boreHole[bh][r], kGrey);
        if (r < n) {
            MarkEmpty(s, rules.emptyMark, s.ScaleTop(), d.boreHole[bh][r]);
        } else {
            state.gBoreHoleEmpty[bh] = true;
            BoreHole(bh).SetEnabled(false);
            Label1(bh).SetEnabled(false);
        }
    }

    // The composite column: core from the first to the last tie row that
    // has a composite depth. A row without one (a section top or bottom of a
    // single bore hole) holds the no-value marker, which as a depth would
    // grey the whole column.
    {
        long first = 1, last = n;
        while (first < n && d.composite[first] == 9999) ++first;
        while (last > 1 && d.composite[last] == 9999) --last;
        Surface& s = BoreHole(0).Draw();
        FillView(s, kLightCyan);
        Band(s, s.ScaleTop(), d.composite[first], kGrey);
        MarkEmpty(s, rules.emptyMark, s.ScaleTop(), d.composite[first]);
        Band(s, d.composite[last], s.ScaleTop() + s.ScaleHeight(), kGrey);
        DrawBH5();
    }

    // Marked intervals of the bore holes: the stretches between ties of
    // rows named after the bore hole, measured from the first row with a
    // composite depth.
    const float start = IntervalStart(d);
    const GapRule& gapRule = rules.gapRule;
    for (int bh = 1; bh <= 4; ++bh) {
        Surface& s = BoreHole(bh).Draw();
        const View v = View::Of(s);
        const std::string& name = m.gBoreHoleName[bh];
        const std::vector<float>& y = d.boreHole[bh];
        const model::IndexedColumn& laminae = model::RowCells(m, 0);
        const model::IndexedColumn& psps = model::CorrCells(m, plane, bh, 1);
        float lower = start, upper = 0;
        long gap = 0;
        for (long i = 1; i <= n - 1; ++i) {
            const std::string& lamina = m.gCorrRow(0, i);
            const std::string& previous = m.gCorrRow(0, i - 1);
            if (laminae.Is(i, model::kGapText) && (!gapRule.needsBoreHoleAfter || m.gCorrRow(0, i + 1) == name)) {
                gap = i;
                if (gapRule.marksStretchBefore && previous == name) Band(s, lower, y[i - 1], kLightCyan);
            }
            if (d.composite[i] == 9999 || y[i] == 9999) continue;
            upper = lower;
            lower = y[i];
            if (gap > 0) {
                const float psp = static_cast<float>(psps.Val(i));
                if (!gapRule.fromRowAfterGap)
                    upper = lower - psp;
                else if (lamina == name && m.gCorrRow(0, gap + 1) == name)
                    upper = lower - psp + static_cast<float>(psps.Val(gap + 1));
            }
            if (!v.Reaches(upper, lower)) continue;
            if (lamina == name) {
                Band(s, upper, lower, kLightCyan);
                gap = 0;
            }
            bool namesNoBoreHole = true;
            for (int k = 1; k <= 4; ++k) namesNoBoreHole = namesNoBoreHole && lamina != m.gBoreHoleName[k];
            if (namesNoBoreHole && previous == name) {
                Band(s, upper, lower, kLightCyan);
                gap = 0;
            }
        }
        if (m.gDrawBottom == m.gBoreHoleBottom[bh]) Band(s, lower, static_cast<float>(DrawnDepthOf(m.gDrawBottom)), kLightCyan);
    }

    // No core between sections and below each bottom.
    const View v1 = View::Of(BoreHole(1).Draw());
    for (int bh = 1; bh <= 4; ++bh) {
        Surface& s = BoreHole(bh).Draw();
        ForEachVisibleGap(m, d, bh, v1, [&](float top, float bottom) { Band(s, top, bottom, kGrey); });
    }
    for (int bh = 1; bh <= 4; ++bh) {
        Surface& s = BoreHole(bh).Draw();
        Band(s, DrawnBottom(bh), s.ScaleTop() + s.ScaleHeight(), kGrey);
    }

    if (m.gMergedEventCount > 0) DrawEvents();

    // Short gaps are marked over the event layers; long ones stay plain.
    for (int bh = 1; bh <= 4; ++bh) {
        Surface& s = BoreHole(bh).Draw();
        ForEachVisibleGap(m, d, bh, v1, [&](float top, float bottom) {
            if (bottom - top < kCrossedGap) MarkEmpty(s, rules.emptyMark, top, bottom);
        });
    }

    DrawMarkers(d);

    for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().KeepDrawing();

    FollowColumns();
    for (int16_t k = 0; k <= 4; ++k) {
        if (state.gProxyLoaded[k]) {
            DrawProxy(*this, k);
        } else {
            // The fill hides everything on the panel; clearing first keeps
            // repeated redraws from piling up hidden drawing.
            Surface& p = Picture1(k).Draw();
            p.Cls();
            FillView(p, p.BackColor());
        }
    }
}

}  // namespace quillory

// The ruler beside the core columns: depth ticks in the columns' units, or
// ages placed at their composite depth, with the varve-counted interval and
// the target-horizon mark.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "forms/application.h"
#include "values/values.h"
#include "window/column_drawing.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;
using namespace values;
using namespace columns;

namespace {

// A tick's number stands a little above it, left of the tick.
void Number(Surface& s, double range, double x, double y, const std::string& text) {
    s.CurrentX = x;
    s.CurrentY = y - range * 0.01;
    s.Print(text);
}

// Draws the ticks of fixed values. Ticks far outside the view would be cut
// off by the column anyway, so they are not drawn at all; the margin keeps a
// number whose tick lies just outside but whose text reaches in.
struct DepthTicks {
    Surface& s;
    double range;
    double lo, hi;

    // The first tick is found in double: a view far outside the run (a
    // level typed far beyond the core) puts it beyond any int.
    void Run(const TickRun& run) {
        const double first = std::max<double>(run.from, run.from + run.step * std::ceil((lo - run.from) / run.step));
        if (!(first <= std::min<double>(run.to, hi))) return;
        for (int v = static_cast<int>(first); v <= run.to && v <= hi; v += run.step) {
            s.Line(run.x1, v, run.x2, v, kBlack);
            if (run.numberX) Number(s, range, *run.numberX, v, SingleText(static_cast<float>(v)));
        }
    }
};

}  // namespace

void CoreWindow::DrawBH5() {
    const RulerLayout& layout = Drawing().ruler;
    Surface& s = BoreHole(5).Draw();
    const bool ageRuler = !mnuDepth->Checked();
    if (mnuAge->Checked()) App().SetMousePointer(vbHourglass);

    s.SetScaleHeight(RoundHalfEven(state.gRange * 1.007) + 0.14);
    const Surface& column = BoreHole(1).Draw();
    s.SetScaleTop(column.ScaleTop() - (s.ScaleHeight() - column.ScaleHeight()) / 2);
    BoreHole(5).SetFontSize(7);
    FillView(s, s.BackColor());
    const double top = s.ScaleTop(), bottom = s.ScaleTop() + s.ScaleHeight();

    // Ages are this window's own; the ruler places them on the drawn scale.
    float ageTop = 0, ageBottom = 0;
    if (ageRuler) {
        ageTop = static_cast<float>(OwnCDToAge(static_cast<float>(OwnDepthOf(static_cast<float>(top)))));
        ageBottom = static_cast<float>(OwnCDToAge(static_cast<float>(OwnDepthOf(static_cast<float>(bottom)))));
    }
    const model::DepthModel& m = state.model;
    if (m.gVarvesLoaded)
        s.FilledBox(layout.varveX1, DrawnDepthOf(m.gVarveTopCD), layout.varveX2, DrawnDepthOf(m.gVarveBottomCD),
                    kVarveInterval);
    if (mnuHorizontalBH->Checked()) {
        const double mid = top + s.ScaleHeight() / 2;
        s.Line(layout.horizonX1, mid, layout.horizonX2, mid, kTargetHorizon);
        s.FillStyle = 0;
        s.FillColor = kTargetHorizon;
        s.Circle(layout.horizonDotX, mid, layout.horizonRadius, kTargetHorizon);
    }

    const double range = state.gRange;
    if (!ageRuler) {
        s.Line(layout.depthAxisX, 0, layout.depthAxisX, bottom, kBlack);
        const double margin = 0.05 * s.ScaleHeight() + range * 0.01;
        DepthTicks ticks{s, range, top - margin, bottom + margin};
        if (state.gFontSize > 1)
            for (const TickRun& run : layout.numbered) ticks.Run(run);
        if (state.gFontSize > 1 && state.gRange < 2000)
            for (const TickRun& run : layout.halves) ticks.Run(run);
        ticks.Run(layout.minor);
    } else {
        auto levelOf = [&](double age) {
            return DrawnDepthOf(OwnEFDToCD(static_cast<float>(OwnAgeToEFD(static_cast<float>(age)))));
        };
        const double y0 = levelOf(0);
        s.Line(9, y0, 9, bottom, kBlack);
        if (state.gFontSize > 1) {
            if (ageTop < 100) {
                s.Line(8, y0, 9, y0, kBlack);
                Number(s, range, 6.2, y0, "0");
            }
            auto labelled = [&](long from, long to, bool skipped, double x, long divisor) {
                if (skipped) return;
                for (long age = from; age <= to; age += 1000) {
                    if (!(ageTop < age && age < ageBottom)) continue;
                    const double y = levelOf(static_cast<double>(age));
                    s.Line(8, y, 9, y, kBlack);
                    Number(s, range, x, y, Str(age / divisor));
                }
            };
            labelled(1000, 9000, ageTop >= 9100 && ageBottom >= 9100, 2.8, 1);
            labelled(10000, 99000, ageTop <= 9900 && ageBottom >= 99100, 1.8, 1);
            labelled(100000, 999000, ageTop <= 99900 && ageBottom >= 999100, 3.8, 1000);
            // The ages are counted in a Long. A view whose ages lie beyond
            // its range (a level far outside the age model) shows none.
            auto minor = [&](long step, long offset, double x1) {
                const double from = RoundHalfEven(ageTop / static_cast<float>(step)) * step - offset;
                const double to = RoundHalfEven(ageBottom / static_cast<float>(step)) * step;
                if (!(from >= INT32_MIN && to <= INT32_MAX)) return;
                for (long age = static_cast<long>(from); age <= to; age += step) {
                    const double y = levelOf(static_cast<double>(age));
                    if (y > 0) s.Line(x1, y, 9, y, kBlack);
                }
            };
            minor(1000, 500, 8.1);
            minor(100, 0, 8.55);
        }
    }
    App().SetMousePointer(vbDefault);
}

}  // namespace quillory

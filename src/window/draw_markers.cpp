// The markers and labels drawn over the columns: the age-depth model's runs,
// dated and rejected points, the target horizon and the tie rows with their
// pins, lines and labels.
#include <optional>
#include <utility>

#include "values/shown_text.h"
#include "values/values.h"
#include "window/column_drawing.h"
#include "window/core_window.h"
#include "window/tie_labels.h"

namespace quillory {

using namespace forms;
using namespace values;
using namespace columns;

namespace {

// The colour of a dated point by its type, or nothing for other types.
std::optional<Colour> PointColour(const std::string& type) {
    if (type == "C1") return RGB(100, 100, 255);
    if (type == "C2") return RGB(255, 100, 100);
    if (type == "C3") return RGB(100, 255, 100);
    if (type == "C4") return RGB(100, 100, 100);
    if (type == "C5") return RGB(128, 128, 128);
    return std::nullopt;
}

void Point(Surface& s, double x, double y, double radius, Colour c) {
    s.FillColor = c;
    s.Circle(x, y, radius, c);
}

// The rows of an age table around the view: from the last row above the top
// to the first row on or below the bottom (9999 counting as below).
template <class Position>
std::pair<long, long> AgeWindow(long rows, const View& v, Position position) {
    long first = 1, last = rows;
    for (long j = 1; j <= rows; ++j) {
        const double p = position(j);
        if (p == 9999 || p >= v.bottom) {
            last = j;
            break;
        }
        if (p < v.top) first = j;
    }
    return {first, last};
}

// The bore hole an age-model row belongs to, by this window's bore-hole
// names; "---" is none, and so is any other name unless the row keeps the
// previous row's choice.
int BoreHoleOfRow(const model::DepthModel& m, const std::string& cell, int previous, bool keeps) {
    if (cell == "---") return 0;
    for (int k = 1; k <= 4; ++k)
        if (values::SameShownText(cell, m.gBoreHoleName[k])) return k;
    return keeps ? previous : 0;
}

}  // namespace

int CoreWindow::AgeDepthColumn() const {
    switch (state.model.gVerticalScale) {
        case 1: return 5;
        case 2: return 11;
        case 3: return 7;
        default: return state.gAgeDepthCol;
    }
}

CompositeTie CoreWindow::CompositeTieOf(long row) const {
    const std::string& lamina = std::as_const(state.model).gCorrRow(0, row);
    const size_t length = Len(lamina);
    // A row without a lamina name holds the no-value marker, not a name.
    const bool named = length >= 2 && state.gFontSize > 1 && lamina != "9999";
    return {length != 1, named ? &lamina : nullptr, length};
}

void CoreWindow::DrawMarkers(const TieDepths& d) {
    const model::DepthModel& m = state.model;
    const DrawingRules& rules = Drawing();
    Surface& composite = BoreHole(0).Draw();
    const View v0 = View::Of(composite);
    const bool labelsOff = mnuSize(1).Checked();

    state.gAgeDepthCol = static_cast<int16_t>(AgeDepthColumn());
    const int col = state.gAgeDepthCol;
    // This window's age-depth rows stand at their stored depth on its own
    // composite depth, wherever the columns are drawn.
    auto position = [&](long row) { return static_cast<float>(DrawnDepthOf(static_cast<float>(Val(m.gAgeModel(col, row))))); };

    // Varve-counted runs of the age-depth model, at the left edge: every run
    // of "V" rows, one that begins at the first row too, is a box of its own
    // from its first row to its last, drawn when it reaches into the view.
    if (m.gAgeModelLoaded) {
        auto varve = [&](long row) { return row >= 1 && row <= m.gAgeModelRows && m.gAgeModel(0, row) == "V"; };
        long runStart = 0;
        for (long j = 1; j <= m.gAgeModelRows; ++j) {
            if (!varve(j)) continue;
            if (!varve(j - 1)) runStart = j;
            if (varve(j + 1)) continue;
            if (v0.Reaches(position(runStart), position(j)))
                composite.FilledBox(0, position(runStart), 0.8, position(j), kVarveRun);
        }
    }

    for (int i = 0; i <= 4; ++i) BoreHole(i).Draw().FillStyle = 0;

    // Dated points with their lab codes, then the rejected ("R") points.
    int b = 0;
    auto labelY = [&](double p) { return p - composite.ScaleHeight() * composite.FontSize / 700; };
    const model::DepthModel& ages = DatedPointModel();
    if (ages.gAgeModelLoaded) {
        auto level = [&](long row) { return DatedPointLevel(static_cast<float>(Val(ages.gAgeModel(col, row)))); };
        auto [first, last] = AgeWindow(ages.gAgeModelRows, v0, level);
        for (long j = first; j <= last; ++j) {
            const std::string& type = ages.gAgeModel(0, j);
            if (type == "V") continue;
            b = BoreHoleOfRow(m, ages.gAgeModel(2, j), b, rules.ageRowKeepsBoreHole);
            const float p = level(j);
            if (auto c = PointColour(type)) {
                if (rules.datedPointsOnComposite) Point(composite, 0.6, p, 0.3, *c);
                if (b != 0) Point(BoreHole(b).Draw(), 0.6, p, 0.35, *c);
            }
            if (rules.datedPointsOnComposite && mnuShowLabCodes->Checked() && !labelsOff) {
                composite.CurrentX = 1.1;
                composite.CurrentY = labelY(p);
                composite.Print(ages.gAgeModel(1, j));
            }
        }
    }
    if (m.gAgeModelLoaded && m.gAgeModelAuxRows >= 1) {
        // Rejected points stay at their composite depth on every scale.
        auto level = [&](long row) { return static_cast<float>(DrawnDepthOf(static_cast<float>(Val(m.gAgeModelAux(5, row))))); };
        auto [first, last] = AgeWindow(m.gAgeModelAuxRows, v0, level);
        if (!rules.ageRowKeepsBoreHole) b = 0;
        for (long j = first; j <= last; ++j) {
            b = BoreHoleOfRow(m, m.gAgeModelAux(2, j), b, rules.ageRowKeepsBoreHole);
            const float p = level(j);
            if (m.gAgeModelAux(0, j) == "R") {
                Point(composite, 0.6, p, 0.2, kRejectedPoint);
                if (b != 0) Point(BoreHole(b).Draw(), 0.6, p, 0.25, kRejectedPoint);
            }
            if (!labelsOff) {
                composite.CurrentX = 1.1;
                composite.CurrentY = labelY(p);
                composite.Print(m.gAgeModelAux(1, j));
            }
        }
    }

    if (mnuHorizontalBH->Checked()) {
        for (int i = 0; i <= 4; ++i) {
            Surface& s = BoreHole(i).Draw();
            const double c = s.ScaleTop() + state.gRange / 2.0;
            s.Line(0, c, kColumnWidth, c, kTargetHorizon);
        }
    }

    // Tie rows. Labels stand above their line; their height follows the
    // range, the font size and how far the window was stretched.
    const double stretch = static_cast<double>(state.gLayoutA) / Height();
    auto labelHeight = [&](double n, double divisor) {
        return stretch * (state.gRange / n) * (state.gFontSize / divisor);
    };
    const double h6 = labelHeight(60, 6), reach = labelHeight(rules.tieReachN, rules.tieReachM);
    const View v1 = View::Of(BoreHole(1).Draw());
    const bool tiePoints = mnuShowTiePoints->Checked();
    for (long i = 1; i <= m.gRowCount; ++i) {
        const std::string& lamina = m.gCorrRow(0, i);
        for (int bh = 1; bh <= 4; ++bh) {
            const float y = d.boreHole[bh][i];
            if (!DrawsTie(d, bh, i) || !v1.Reaches(y - h6, y)) continue;
            Surface& s = BoreHole(bh).Draw();
            const model::IndexedColumn& labels = model::CorrCells(m, 0, bh, 0);
            if (labels.Is(i, model::kPinText)) {
                Point(s, 0.1, y, 0.2, kPin);
                if (state.gFontSize > 1) {
                    s.ForeColor = kLabel;
                    s.CurrentX = 0.5;
                    s.CurrentY = y - h6 / 2;
                    s.Print(TieLabel(m, bh, i));
                    s.ForeColor = kBlack;
                }
                continue;
            }
            Colour c = kTie;
            if (labels.Is(i, model::kTopLabelText) || labels.Is(i, model::kBottomLabelText)) c = kSectionTie;
            else if (Len(lamina) <= 1) c = kSingleLetterTie;
            s.Line(0, y, kColumnWidth, y, c);
            if (state.gFontSize > 1) {
                s.CurrentX = 0.2;
                s.CurrentY = y - h6;
                s.Print(TieLabel(m, bh, i));
            }
        }

        const float y0 = d.marks[i];
        if (y0 == 9999 || !v1.Reaches(y0 - reach, y0) || !tiePoints) continue;
        const CompositeTie tie = CompositeTieOf(i);
        if (tie.line) composite.Line(0, y0, kColumnWidth, y0, kTie);
        if (tie.text) {
            composite.ForeColor = kLabel;
            composite.CurrentX = 1.02 * composite.ScaleWidth() - static_cast<double>(tie.placedBy) * state.gFontSize / 11.0;
            composite.CurrentY = y0 + stretch * (state.gRange / 400.0) * (state.gFontSize / 5.0);
            composite.Print(*tie.text);
            composite.ForeColor = kBlack;
        }
    }
}

}  // namespace quillory

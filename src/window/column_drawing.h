#pragma once
// What the drawings of the core columns share: the columns' user scale, the
// colours, the visible window of a column and the tie rows' depths read once
// per redraw as numbers.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forms/colour.h"
#include "forms/surface.h"
#include "model/depth_model.h"

namespace quillory::columns {

// Every core column runs from x 0 to x 7.6; the ruler from 0 to 10.
inline constexpr double kColumnWidth = 7.6;
inline constexpr double kRulerWidth = 10;

inline constexpr forms::Colour kLightCyan = forms::RGB(220, 255, 255);
inline constexpr forms::Colour kGrey = forms::RGB(170, 170, 170);
inline constexpr forms::Colour kDarkGrey = forms::RGB(100, 100, 100);
inline constexpr forms::Colour kTargetHorizon = forms::RGB(0, 170, 0);
inline constexpr forms::Colour kTargetLine = forms::RGB(255, 150, 0);
inline constexpr forms::Colour kTephra = forms::RGB(150, 150, 255);
inline constexpr forms::Colour kOtherEvent = forms::RGB(225, 225, 125);
inline constexpr forms::Colour kVarveInterval = forms::RGB(255, 150, 150);
inline constexpr forms::Colour kVarveRun = forms::RGB(255, 180, 180);
inline constexpr forms::Colour kPin = forms::RGB(100, 255, 100);
inline constexpr forms::Colour kSectionTie = forms::RGB(0, 0, 255);
inline constexpr forms::Colour kSingleLetterTie = forms::RGB(255, 0, 255);
inline constexpr forms::Colour kTie = forms::RGB(255, 0, 0);
inline constexpr forms::Colour kLabel = forms::RGB(80, 80, 80);
inline constexpr forms::Colour kRejectedPoint = forms::RGB(100, 100, 100);

// The visible levels of a column, ScaleTop to ScaleTop + ScaleHeight.
struct View {
    double top, bottom;
    static View Of(const forms::Surface& s) { return {s.ScaleTop(), s.ScaleTop() + s.ScaleHeight()}; }
    // A stretch from `upper` down to `lower` reaches into the view (strictly).
    bool Reaches(double upper, double lower) const { return upper < bottom && lower > top; }
};

// A box across the whole column, outlined in its own colour.
inline void Band(forms::Surface& s, double y1, double y2, forms::Colour c) {
    s.FilledBox(0, y1, kColumnWidth, y2, c);
}
// How a stretch without core is marked over its grey box (a gap between
// sections, the head of a bore hole, a void): by its two diagonals, or by its
// outline.
enum class EmptyMark { kCross, kOutline };
void MarkEmpty(forms::Surface& s, EmptyMark mark, double y1, double y2, double width = kColumnWidth);

// How the marked intervals of the bore holes treat a row named "Gap" or
// "Void" (the row-name convention of the correlation model).
struct GapRule {
    // The row counts as a gap only when the row after it names the bore hole.
    bool needsBoreHoleAfter;
    // At the gap row the stretch down to the row before it is marked at once,
    // when that row names the bore hole.
    bool marksStretchBefore;
    // After a gap the marked stretch begins the tie's PSP above the tie, plus
    // the PSP of the row after the gap when that row and the tie's own row
    // name the bore hole; otherwise just the tie's PSP above it.
    bool fromRowAfterGap;
};

// Ticks of fixed values from `from` to `to`, each a line from x1 to x2,
// with its number at numberX.
struct TickRun {
    int from, to, step;
    double x1, x2;
    std::optional<double> numberX;
};

// Where the ruler draws what it shows, across its width of ten units.
struct RulerLayout {
    double varveX1, varveX2;     // the varve-counted interval
    double horizonX1, horizonX2, horizonDotX, horizonRadius;  // the target-horizon mark
    double depthAxisX;           // the depth scale's axis
    std::vector<TickRun> numbered;  // every 100 units, with numbers, while labels are shown
    std::vector<TickRun> halves;    // the 50s, with numbers, at ranges below 2000
    TickRun minor;                  // every 10 units, always
};

// What a window's drawing of its columns differs in.
struct DrawingRules {
    EmptyMark emptyMark;
    GapRule gapRule;
    // The dated points of the age-depth model are drawn on the composite
    // column too, with their lab codes; otherwise only on their bore holes.
    bool datedPointsOnComposite;
    // An age-model row naming no bore hole of the model (nor "---") keeps the
    // bore hole of the row before it.
    bool ageRowKeepsBoreHole;
    // A tie row's composite mark is drawn while it lies that label height
    // (range / n x font size / m) above the view's bottom.
    double tieReachN, tieReachM;
    RulerLayout ruler;
};

// The main window's.
const DrawingRules& MainDrawing();

// What the composite column shows at a tie row beside its depth: a red line,
// and a text that ends near the column's right edge, placed by the number of
// characters of `placedBy`.
struct CompositeTie {
    bool line = false;
    const std::string* text = nullptr;
    size_t placedBy = 0;
};

// Fills the whole visible area in one colour.
inline void FillView(forms::Surface& s, forms::Colour c) {
    s.FilledBox(s.ScaleLeft(), s.ScaleTop(), s.ScaleLeft() + s.ScaleWidth(), s.ScaleTop() + s.ScaleHeight(), c);
}

// The tie rows' depths in one plane of the correlation model as single
// precision numbers, so that the passes of one redraw convert each cell once.
struct TieDepths {
    std::vector<float> composite;                // [row]: the composite column's depth
    std::array<std::vector<float>, 5> boreHole;  // [bh][row], bore holes 1 to 4
    // [row]: where the composite column marks the row: its depth, unless the
    // window fills in one it lacks (for this drawing only).
    std::vector<float> marks;
    static TieDepths Read(const model::DepthModel& m, int plane);
};

// A bore-hole column draws a tie row, its line and its label, where the row
// has a depth in that bore hole on the drawn scale.
inline bool DrawsTie(const TieDepths& d, int bh, long row) { return d.boreHole[bh][row] != 9999; }

}  // namespace quillory::columns

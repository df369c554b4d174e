// A main window's layout: the columns fitted to the window's height and
// centred on the current level, the other window kept at the same height, and
// the folding of the row of columns by clicks on the background and on the
// ruler; the activation and focus of the window.
#include "tools/frm_divider.h"
#include "values/values.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

constexpr int kMinimised = 500;
constexpr int kSmallestHeight = 5700;
constexpr int kColumnsMargin = 1320;  // window height less the columns' height
constexpr int kMinimisedOther = 360;
constexpr int kGapToNext = 180;       // a fold or unfold leaves this much of the next column
constexpr int kRulerFoldMargin = 150;

double Right(const Control& c) { return c.Left() + c.Width(); }

// Two neighbours a and b of the row and the column c after b; folding
// cuts the window in the gap before b, unfolding shows b whole.
struct FoldPair {
    const Control& a;
    const Control& b;
    double nextLeft;  // Left(c), or the right edge after the last panel
    double unfoldWidth;
    double foldWidth;
};

}  // namespace

void CoreWindow::Form_Resize() {
    try {
        if (Height() < kMinimised) return;
        CoreWindow& other = Other();
        if (other.Height() > kMinimisedOther) other.SetHeight(Height());
        if (shared.gFormMouse[0] < kMinimised) {
            // Resized from its top edge (or just focused): the other window
            // keeps its bottom edge.
            other.SetTop(static_cast<int>(shared.gFormMouse[1]) - other.Height());
            if (other.Top() < 0) other.SetTop(0);
        }
        Draw().Cls();
        Touch();
        if (Height() < kSmallestHeight) SetHeight(kSmallestHeight);
        for (int i = 0; i <= 5; ++i) BoreHole(i).SetHeight(Height() - kColumnsMargin);
        Slider1.SetHeight(BoreHole(0).Height() + 240);
        for (int k = 0; k <= 4; ++k) {
            PictureBox& panel = Picture1(k);
            panel.SetHeight(BoreHole(0).Height());
            for (TextBox* axis : {&Text5(k), &Text6(k)}) {
                axis->SetHeight(285);
                axis->SetTop(panel.Top() + panel.Height() - axis->Height());
            }
        }

        if (std::optional<double> level = ViewLevel())
            for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleTop(*level - state.gRange / 2.0);
        for (int i = 0; i <= 4; ++i) BoreHole(i).Draw().SetScaleHeight(state.gRange);
        FollowColumns();

        state.gCentreY = CInt(static_cast<float>(BoreHole(1).Top() + BoreHole(1).Height() / 2.0f));
        Line1.Y1 = Line1.Y2 = state.gCentreY;
        Line2(0).Y1 = state.gCentreY;
        Line1.Touch();
        Line2(0).Touch();

        if (state.model.gRowCount > 0) DrawLamina();
        BoreHole(5).SetVisible(Right(BoreHole(5)) <= Width());
        EraseBothTargetLines();
    } catch (const RuntimeError&) {
        // What was laid out stays.
    }
}

CompositeEdge CoreWindow::EdgeBeforeComposite() {
    // The slider and the ruler stand between the fourth bore hole and the
    // composite column; the window keeps the ruler in view.
    return {Slider1, BoreHole(0).Left() + kGapToNext};
}

void CoreWindow::Form_MouseDown(float x) {
    const double w = ScaleWidth();
    const CompositeEdge edge = EdgeBeforeComposite();
    const double panelsEnd = Right(Picture1(4)) + 360;
    const FoldPair pairs[] = {
        {BoreHole(1), BoreHole(2), BoreHole(3).Left(), BoreHole(3).Left() + kGapToNext, BoreHole(2).Left() + kGapToNext},
        {BoreHole(2), BoreHole(3), BoreHole(4).Left(), BoreHole(4).Left() + kGapToNext, BoreHole(3).Left() + kGapToNext},
        {BoreHole(3), BoreHole(4), BoreHole(0).Left(), edge.width, BoreHole(4).Left() + kGapToNext},
        {edge.before, BoreHole(0), Picture1(0).Left(), double(state.gFoldedWidth), edge.width},
        {BoreHole(0), Picture1(0), Picture1(1).Left(), Picture1(1).Left() + kGapToNext, double(state.gFoldedWidth)},
        {Picture1(0), Picture1(1), Picture1(2).Left(), Picture1(2).Left() + kGapToNext, Picture1(1).Left() + kGapToNext},
        {Picture1(1), Picture1(2), Picture1(3).Left(), Picture1(3).Left() + kGapToNext, Picture1(2).Left() + kGapToNext},
        {Picture1(2), Picture1(3), Picture1(4).Left(), Picture1(4).Left() + kGapToNext, Picture1(3).Left() + kGapToNext},
        {Picture1(3), Picture1(4), panelsEnd, panelsEnd, Picture1(4).Left() + kGapToNext},
    };
    // Unfold: the click lies right of a column whose neighbour is cut off.
    for (const FoldPair& p : pairs) {
        if (!(Right(p.a) < x && Right(p.b) > w)) continue;
        if (state.gFolded) {
            SetWidth(CLng(state.gUnfoldedWidth));
        } else {
            SetWidth(p.unfoldWidth);
            state.gUnfoldedWidth = static_cast<float>(Width());
        }
        state.gFolded = false;
        return;
    }
    // Fold: the click lies in the gap before b.
    for (const FoldPair& p : pairs) {
        if (!(Right(p.a) < x && x < p.b.Left())) continue;
        if (FoldKeepsWidth(state.gFolded)) state.gUnfoldedWidth = static_cast<float>(Width());
        if (w < p.nextLeft) {
            SetWidth(p.foldWidth);
            state.gFolded = false;
            state.gUnfoldedWidth = static_cast<float>(Width());
        } else {
            state.gFolded = true;
            SetWidth(p.foldWidth);
        }
        return;
    }
}

void CoreWindow::FoldAtRuler() {
    const double w = ScaleWidth();
    if (Right(BoreHole(0)) > w) {
        SetWidth(state.gFoldedWidth);
        return;
    }
    if (state.gFolded) state.gUnfoldedWidth = static_cast<float>(Width());
    if (w < Picture1(0).Left()) {
        SetWidth(BoreHole(0).Left() - kRulerFoldMargin);
        state.gFolded = false;
        state.gUnfoldedWidth = static_cast<float>(Width());
    } else {
        state.gFolded = true;
        SetWidth(BoreHole(0).Left() - kRulerFoldMargin);
    }
}

void CoreWindow::Form_MouseMove(float y) {
    EraseBothTargetLines();
    shared.gFormMouse[2] = static_cast<float>(Height() + Top());
    shared.gFormMouse[0] = y;
}

void CoreWindow::Form_Activate() {
    // The divider's unload handler gives the window back.
    tools_.divider.Unload();
    state.gDividerOpen = false;
    Touch();
}

void CoreWindow::Form_GotFocus() {
    Draw().Cls();
    Touch();
    // Reading the other window's place loads it, hidden, on the first focus.
    CoreWindow& other = Other();
    shared.gFormMouse[1] = static_cast<float>(other.Top() + other.Height());
    shared.gFormMouse[0] = 0;
}

}  // namespace quillory

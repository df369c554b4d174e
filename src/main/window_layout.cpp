// The main window's layout: the columns fitted to the window's height and
// centred on the current level, the Duo window kept at the same height, and
// the folding of the row of columns by clicks on the background and on the
// ruler.
#include "duo/duo_columns.h"
#include "forms/values.h"
#include "main/frm_main.h"
#include "main/quillory.h"

namespace quillory {

using namespace forms;

namespace {

constexpr int kMinimised = 500;
constexpr int kSmallestHeight = 5700;
constexpr int kColumnsMargin = 1320;  // window height less the columns' height
constexpr int kMinimisedDuo = 360;
constexpr int kGapToNext = 180;       // a fold or unfold leaves this much of the next column
constexpr int kRulerFoldMargin = 150;

int Right(const Control& c) { return c.Left() + c.Width(); }

// Two neighbours a and b of the row and the column c after b; folding
// cuts the window in the gap before b, unfolding shows b whole.
struct FoldPair {
    const Control& a;
    const Control& b;
    int nextLeft;     // Left(c), or the right edge after the last panel
    int unfoldWidth;
    int foldWidth;
};

}  // namespace

void FrmMain::Form_Resize() {
    try {
        if (Height() < kMinimised) return;
        Frm2Main& duo = q_.frm2Main();
        if (duo.Height() > kMinimisedDuo) duo.SetHeight(Height());
        if (sh_.gFormMouse[0] < kMinimised) {
            // The Duo window keeps its bottom edge.
            duo.SetTop(static_cast<int>(sh_.gFormMouse[2]) - duo.Height());
            if (duo.Top() < 0) duo.SetTop(0);
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

        std::optional<double> level;
        if (Option1(0).Value()) level = Val(Label1(8).Caption());
        else if (Option1(1).Value()) {
            if (Option2(1).Value()) level = Val(Text2.Text());
            else if (Option2(2).Value()) level = Val(Text3.Text());
            else if (Option2(3).Value()) level = Val(Text4.Text());
        }
        if (level)
            for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleTop(*level - s_.gRange / 2.0);
        for (int i = 0; i <= 4; ++i) BoreHole(i).Draw().SetScaleHeight(s_.gRange);
        for (int k = 0; k <= 4; ++k) {
            Picture1(k).Draw().SetScaleTop(BoreHole(0).Draw().ScaleTop());
            Picture1(k).Draw().SetScaleHeight(BoreHole(0).Draw().ScaleHeight());
        }

        s_.gCentreY = CInt(static_cast<float>(BoreHole(1).Top() + BoreHole(1).Height() / 2.0f));
        Line1.Y1 = Line1.Y2 = s_.gCentreY;
        Line2(0).Y1 = s_.gCentreY;
        Line1.Touch();
        Line2(0).Touch();

        if (s_.model.gRowCount > 0) DrawLamina();
        BoreHole(5).SetVisible(Right(BoreHole(5)) <= Width());
        EraseTargetLines();
        if (sh_.gDuoModelLoaded) EraseTargetLines2(q_);
    } catch (const RuntimeError&) {
        // What was laid out stays.
    }
}

void FrmMain::Form_MouseDown(float x) {
    const int w = ScaleWidth();
    const Control& slider = Slider1;
    const int panelsEnd = Right(Picture1(4)) + 360;
    const FoldPair pairs[] = {
        {BoreHole(1), BoreHole(2), BoreHole(3).Left(), BoreHole(3).Left() + kGapToNext, BoreHole(2).Left() + kGapToNext},
        {BoreHole(2), BoreHole(3), BoreHole(4).Left(), BoreHole(4).Left() + kGapToNext, BoreHole(3).Left() + kGapToNext},
        {BoreHole(3), BoreHole(4), BoreHole(0).Left(), BoreHole(0).Left() + kGapToNext, BoreHole(4).Left() + kGapToNext},
        {slider, BoreHole(0), Picture1(0).Left(), s_.gFoldedWidth, BoreHole(0).Left() + kGapToNext},
        {BoreHole(0), Picture1(0), Picture1(1).Left(), Picture1(1).Left() + kGapToNext, s_.gFoldedWidth},
        {Picture1(0), Picture1(1), Picture1(2).Left(), Picture1(2).Left() + kGapToNext, Picture1(1).Left() + kGapToNext},
        {Picture1(1), Picture1(2), Picture1(3).Left(), Picture1(3).Left() + kGapToNext, Picture1(2).Left() + kGapToNext},
        {Picture1(2), Picture1(3), Picture1(4).Left(), Picture1(4).Left() + kGapToNext, Picture1(3).Left() + kGapToNext},
        {Picture1(3), Picture1(4), panelsEnd, panelsEnd, Picture1(4).Left() + kGapToNext},
    };
    // Unfold: the click lies right of a column whose neighbour is cut off.
    for (const FoldPair& p : pairs) {
        if (!(Right(p.a) < x && Right(p.b) > w)) continue;
        if (s_.gFolded) {
            SetWidth(CLng(s_.gUnfoldedWidth));
        } else {
            SetWidth(p.unfoldWidth);
            s_.gUnfoldedWidth = static_cast<float>(Width());
        }
        s_.gFolded = false;
        return;
    }
    // Fold: the click lies in the gap before b.
    for (const FoldPair& p : pairs) {
        if (!(Right(p.a) < x && x < p.b.Left())) continue;
        if (s_.gFolded) s_.gUnfoldedWidth = static_cast<float>(Width());
        if (w < p.nextLeft) {
            SetWidth(p.foldWidth);
            s_.gFolded = false;
            s_.gUnfoldedWidth = static_cast<float>(Width());
        } else {
            s_.gFolded = true;
            SetWidth(p.foldWidth);
        }
        return;
    }
}

void FrmMain::FoldAtRuler() {
    const int w = ScaleWidth();
    if (Right(BoreHole(0)) > w) {
        SetWidth(s_.gFoldedWidth);
        return;
    }
    if (s_.gFolded) s_.gUnfoldedWidth = static_cast<float>(Width());
    if (w < Picture1(0).Left()) {
        SetWidth(BoreHole(0).Left() - kRulerFoldMargin);
        s_.gFolded = false;
        s_.gUnfoldedWidth = static_cast<float>(Width());
    } else {
        s_.gFolded = true;
        SetWidth(BoreHole(0).Left() - kRulerFoldMargin);
    }
}

void FrmMain::Form_MouseMove(float y) {
    EraseTargetLines();
    if (sh_.gDuoModelLoaded) EraseTargetLines2(q_);
    sh_.gFormMouse[1] = static_cast<float>(Height() + Top());
    sh_.gFormMouse[0] = y;
}

}  // namespace quillory

// The display range: how many cm of the drawing scale the columns and panels
// of each main window show, applied to the main window, the Duo window or
// both while "Link range" carries its check mark.
#include <limits>

#include "values/values.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;
using namespace values;

namespace {

constexpr int kRanges[] = {20, 50, 100, 200, 500, 1000, 2000, 5000, 9999};

// The whole core in whole metres and a half beyond the last tie row that has
// a composite depth (rows closing a single bore hole hold the no-value
// marker instead). A core so deep that the range would not fit the range's
// 16 bits gets the largest range there is instead of an overflow.
int16_t WholeCoreOf(const model::DepthModel& m) {
    long row = m.gRowCount;
    while (row > 1 && Val(m.gCorrRow(1, row)) == 9999) --row;
    const double last = Val(m.gCorrRow(1, row));
    const double range = RoundHalfEven(last / 1000 + 0.5) * 1000 + 500;
    return static_cast<int16_t>(std::min<double>(range, std::numeric_limits<int16_t>::max()));
}

}  // namespace

void CoreWindow::CheckRange(int16_t range) {
    for (int i : kRanges) mnuCM(i).SetChecked(false);
    mnuCM(range).SetChecked(true);
}

void CoreWindow::SetRange(int16_t range) {
    CoreWindow& master = MasterWindow();
    CoreWindow& duo = DuoWindow();
    // The Duo window's "Link range" is the switch; the main window's item
    // only shows it. The master's pass runs first, since a Duo drawn on the
    // master core's depth takes its scales.
    const bool linked = duo.mnuLink->Checked();
    if (&master == this || linked) master.ApplyRange(range);
    if (&duo == this || linked) duo.ApplyRange(range);
    shared.gActionCount.Increment();
}

int16_t CoreWindow::CheckedRange() {
    for (int i : kRanges)
        if (i != kWholeCore && mnuCM(i).Checked()) return static_cast<int16_t>(i);
    return kWholeCore;
}

int16_t CoreWindow::WholeCoreRange() { return WholeCoreOf(state.model); }

std::optional<double> CoreWindow::RangeCentre() const { return ViewLevel(); }

float CoreWindow::WholeCorePick() {
    // Near the top of the core.
    return static_cast<float>(state.gRange / 2.0 - 750);
}

void CoreWindow::ApplyRange(int16_t range) {
    CheckRange(range);
    // The Duo window's columns take a range once the Duo model is read.
    if (!IsMaster() && !shared.gDuoModelLoaded) return;
    CoreWindow& master = MasterWindow();
    state.gRange = range == kWholeCore ? WholeCoreRange() : range;
    if (FitsMaster() && state.gRange == master.state.gRange) {
        // Drawn on the master core's depth at the master's range, the columns
        // show the master's view.
        for (int i = 0; i <= 5; ++i) {
            BoreHole(i).Draw().SetScaleTop(master.BoreHole(i).Draw().ScaleTop());
            BoreHole(i).Draw().SetScaleHeight(master.BoreHole(i).Draw().ScaleHeight());
        }
    } else {
        for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleHeight(state.gRange);
        if (range != kWholeCore) {
            if (std::optional<double> centre = RangeCentre())
                for (int i = 0; i <= 5; ++i) BoreHole(i).Draw().SetScaleTop(*centre - state.gRange / 2.0);
        } else {
            // The pick centres every column on the level it writes.
            MouseDownProcedure(0, kLeftButton, 0, 1, WholeCorePick());
        }
    }
    FollowColumns();
    DrawLamina();
    EraseTargetLines();
    AfterRangePass();
}

// "Link range", enabled in the Duo window only: switched on, the range
// checked in this window applies to both, through the other window's range
// item, whose window then runs its pass.
void CoreWindow::mnuLink_Click() {
    CoreWindow& other = Other();
    if (mnuLink->Checked()) {
        mnuLink->SetChecked(false);
        other.mnuLink->SetChecked(false);
        return;
    }
    mnuLink->SetChecked(true);
    other.mnuLink->SetChecked(true);
    for (int i : kRanges)
        if (i != kWholeCore) other.mnuCM(i).SetChecked(false);
    const int16_t range = CheckedRange();
    other.SetRange(range);
    if (range != kWholeCore) other.mnuCM(range).SetChecked(true);
}

}  // namespace quillory

// What the main window shows in the tool windows only it has: the trace of
// the typed level's road in the debugging window, and the correlator's
// reference height after a range change.
#include "forms/values.h"
#include "main/frm_main.h"
#include "tools/frm_rx93.h"
#include "tools/frm_test.h"

namespace quillory {

using namespace forms;

void FrmMain::TraceLevelChange() {
    if (!shared.gDebugUnlocked) return;
    FrmTest& test = mainTools_.test();
    test.Clear();
    test.Print("frmMain.Text2_Change");
    test.Print("ActionCount: " + Str(shared.gActionCount.Get()));
    test.Print("DrivenBy: " + Str(static_cast<int16_t>(state.gDrivenBy)));
    test.Print("DriveIndex: " + Str(state.gDriveIndex));
    test.Print("Y: ");
    test.Print("text2.text: " + Text2.Text());
    test.Print("----------");
}

// The correlator draws 100 cm of the composite column at their height here.
void FrmMain::AfterRangePass() {
    FrmRX93& rx = mainTools_.rx93();
    rx.Picture1.SetHeight(CLng(BoreHole(0).Height() * 100 / BoreHole(0).Draw().ScaleHeight()));
    rx.Label2.SetCaption(Str(rx.Picture1.Height()));
    rx.Label3.SetCaption(
        SingleText(static_cast<float>(RoundHalfEven(rx.Picture1.Height() * 100.0 / Val(rx.Label2.Caption()), 1))) +
        " %");
}

}  // namespace quillory

// What the main window shows in the tool windows only it has: the trace of
// the typed level's road in the debugging window, the correlator's reference
// height after a range change, and the debugging window or its lock behind
// the logo.
#include "main/frm_main.h"
#include "tools/frm_pass.h"
#include "tools/frm_rx93.h"
#include "tools/frm_test.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

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
void FrmMain::AfterRangePass() { mainTools_.rx93().FollowColumns(); }

void FrmMain::Image1_DblClick() {
    if (shared.gDebugUnlocked) {
        mainTools_.test().Show();
        return;
    }
    FrmPass& pass = mainTools_.pass();
    pass.Show();
    pass.SetTop(Top() + 7200);
    pass.SetLeft(Left() + 360);
}

}  // namespace quillory

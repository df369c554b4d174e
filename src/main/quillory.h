#pragma once
// The running program: the platform, the state both windows share, the state
// of each window side and the one instance of each of the nineteen windows,
// each loaded on first reference.
#include <string>

#include "duo/duo_side.h"
#include "duo/frm2_main.h"
#include "forms/application.h"
#include "main/frm_main.h"
#include "photo/photo_window.h"
#include "proxy/frm_select.h"
#include "side/shared_state.h"
#include "side/side_state.h"
#include "tools/frm_conversion.h"
#include "tools/frm_divider.h"
#include "tools/frm_export.h"
#include "tools/frm_pass.h"
#include "tools/frm_rx93.h"
#include "tools/frm_test.h"
#include "tools/frm_version.h"
#include "window/slot_counterpart.h"

namespace quillory {

struct Quillory {
    explicit Quillory(forms::Application& application);

    forms::Application& app;
    SharedState shared;
    // The main window's side and the Duo window's side, with what only the
    // Duo window keeps.
    SideState main, duo;
    DuoSide duoSide{main, duo, shared};

    forms::FormSlot<FrmMain> frmMain;
    forms::FormSlot<Frm2Main> frm2Main;
    forms::FormSlot<PhotoWindow> frmPhoto, frm2Photo, frm3Photo, frm4Photo;
    forms::FormSlot<FrmConversion> frmConversion, frm2Conversion;
    forms::FormSlot<FrmDivider> frmDivider, frm2Divider;
    forms::FormSlot<FrmExport> frmExport, frm2Export;
    forms::FormSlot<FrmVersion> frmVersion, frm2Version;
    forms::FormSlot<FrmRX93> frmRX93;
    forms::FormSlot<FrmPass> frmPass;
    forms::FormSlot<FrmTest> frmTest;
    forms::FormSlot<FrmSelect> frmSelect, frm2Select;

    // Unloads every loaded window in the fixed shut-down order, passing over
    // the one whose close started it.
    void UnloadAllForms(const forms::Form* closing);
    // A main window closes: every window goes and the program ends.
    void ShutDown(const forms::Form& closing);

private:
    // What a photo window does to the main windows; it reaches only those
    // still loaded, so a photo window closed at shut-down loads nothing again.
    PhotoWindowLinks PhotoLinks();
    CoreEnvironment Environment(SideState& side, Counterpart& counterpart, forms::FormSlot<FrmDivider>& divider,
                                forms::FormSlot<FrmVersion>& version, forms::FormSlot<FrmExport>& exporter,
                                forms::FormSlot<FrmSelect>& select, forms::FormSlot<FrmConversion>& conversion);

    // Each main window's view of the other.
    SlotCounterpart duoOfMain_, masterOfDuo_;
};

}  // namespace quillory

#pragma once
// The running program: the platform, the state both windows share, the main
// window's state and the one instance of each of the nineteen windows, each
// loaded on first reference.
#include <string>

#include "duo/duo_state.h"
#include "duo/frm2_main.h"
#include "forms/application.h"
#include "main/frm_main.h"
#include "main/main_state.h"
#include "main/shared_state.h"
#include "photo/frm_photo.h"
#include "proxy/frm_select.h"
#include "tools/frm_divider.h"
#include "tools/frm_rx93.h"
#include "tools/frm_test.h"
#include "tools/frm_version.h"
#include "tools/placeholder_window.h"

namespace quillory {

struct Quillory {
    explicit Quillory(forms::Application& application);

    forms::Application& app;
    SharedState shared;
    MainState main;
    DuoState duo;

    forms::FormSlot<FrmMain> frmMain;
    forms::FormSlot<Frm2Main> frm2Main;
    forms::FormSlot<FrmPhoto> frmPhoto, frm2Photo, frm3Photo, frm4Photo;
    forms::FormSlot<PlaceholderWindow> frmConversion, frm2Conversion;
    forms::FormSlot<FrmDivider> frmDivider;
    forms::FormSlot<PlaceholderWindow> frm2Divider;
    forms::FormSlot<PlaceholderWindow> frmExport, frm2Export;
    forms::FormSlot<FrmVersion> frmVersion;
    forms::FormSlot<PlaceholderWindow> frm2Version;
    forms::FormSlot<FrmRX93> frmRX93;
    forms::FormSlot<PlaceholderWindow> frmPass;
    forms::FormSlot<FrmTest> frmTest;
    forms::FormSlot<FrmSelect> frmSelect, frm2Select;

    // Unloads every loaded window in the fixed shut-down order, passing over
    // the one whose close started it.
    void UnloadAllForms(const forms::Form* closing);
    // A main window closes: every window goes and the program ends.
    void ShutDown(const forms::Form& closing);
};

}  // namespace quillory

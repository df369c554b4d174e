#pragma once
// What a core window is built with: its side's state and the state both
// sides share, its tool windows, the other window, the photo windows and
// the end of the program.
#include <array>
#include <functional>

#include "forms/application.h"
#include "side/photo_window_state.h"
#include "side/shared_state.h"
#include "side/side_state.h"
#include "window/counterpart.h"

namespace quillory {

class FrmConversion;
class FrmDivider;
class FrmExport;
class FrmVersion;
class FrmSelect;
class PhotoWindow;

// The tool windows that belong to one side.
struct SideTools {
    forms::FormSlot<FrmDivider>& divider;
    forms::FormSlot<FrmVersion>& version;
    forms::FormSlot<FrmExport>& exporter;
    forms::FormSlot<FrmSelect>& select;
    forms::FormSlot<FrmConversion>& conversion;
};

// What a main window reaches beyond itself.
struct CoreEnvironment {
    SharedState& shared;
    SideState& state;
    SideTools tools;
    Counterpart& counterpart;
    // The four photo windows, shared by both main windows.
    std::array<forms::FormSlot<PhotoWindow>*, kPhotoWindowCount> photos;
    // Closing either main window ends the program.
    std::function<void(const forms::Form& closing)> shutDown;
};

}  // namespace quillory

// The Duo window's start-up: the defaults its side takes when the window is
// first touched, most of them the main window's start values.
#include "duo/frm2_main.h"

namespace quillory {

using namespace forms;

void Frm2Main::Form_Load() {
    Frame5.SetEnabled(false);
    state.gRange = 500;
    mnuAge->SetEnabled(false);
    mnuDepth->SetEnabled(false);
    LoadPanelDefaults(shared.photo[1].gPhotoOpen);
    // The Duo starts with the main window's range, whatever it is by now.
    CoreWindow& main = Other();
    state.gRange = main.state.gRange;
    for (auto& [v, item] : mnuCM) item->SetChecked(main.mnuCM(v).Checked());
    LoadTrinityDefaults("E");
}

}  // namespace quillory

#pragma once
// The "Photo" command of both main windows: a photograph chosen in the
// calling window's dialog goes into the first free photo window, sized and
// placed against its neighbour, never smaller than a fifth of its size
// alone, and pulled back inside the screen.
#include <array>
#include <string>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/menu.h"
#include "photo/photo_window.h"

namespace quillory {

// What the command reaches of the main windows. The calling window gives
// its dialog and its "Show photo" item; everything else is the same from
// either window.
struct PhotoCommandLinks {
    forms::CommonDialog& dialog;      // CommonDialog1 of the calling window
    forms::Menu& showPhoto;           // its mnuPhoto, enabled when a window fills
    forms::Form& frmMain;             // repainted; window 1's neighbour when no other is in use
    forms::Form& frm2Main;            // repainted
    forms::CommandButton& mainPhoto;  // Command7 of frmMain
    forms::CommandButton& duoPhoto;   // Command7 of frm2Main
};

using PhotoWindowSlots = std::array<forms::FormSlot<PhotoWindow>*, kPhotoWindowCount>;

// frmMain_Command7_Click and frm2Main_Command7_Click. Any run-time error
// (Cancel, a file that is no picture) ends it silently; what was done stays.
void PhotoCommand(const PhotoCommandLinks& links, PhotoStates& states, const PhotoWindowSlots& windows);

// The window caption of a chosen path: what follows its last folder
// separator ("\" or "/"), or the whole path when it has none.
std::string PhotoTitle(const std::string& path);

}  // namespace quillory

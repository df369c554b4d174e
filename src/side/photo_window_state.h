#pragma once
// The state of the four photo windows, one set each, shared by both main
// windows: the photo command reads which windows are free and the "Show
// photo" items which are in use. Window k (1 to 4) has set k - 1; the old
// names are gPhotokOpen, gPhotokMagnifier, gPhotokDrag, gPhotokGrabX...
#include <array>
#include <cstdint>

namespace quillory {

inline constexpr int kPhotoWindowCount = 4;
// The photo windows' names, window 1 first: the order in which they fill.
inline constexpr std::array<const char*, kPhotoWindowCount> kPhotoWindowNames = {"frmPhoto", "frm2Photo",
                                                                                  "frm3Photo", "frm4Photo"};

struct PhotoWindowState {
    // The window is open and shows a picture.
    bool gPhotoOpen = false;
    // The picture is strictly wider than high; a square one is upright.
    bool gPhotoMagnifier = false;
    // A left-button drag of the picture is in progress.
    bool gPhotoDrag = false;
    // Pointer at the left press minus the picture's Left and Top, twips.
    float gPhotoGrabX = 0, gPhotoGrabY = 0;
    // Point of the last press that opened the zoom pop-up, in the window's
    // client twips: the fixed point of the next zoom.
    int32_t gPhotoZoomX = 0, gPhotoZoomY = 0;
    // 1, 2, 4, 8 or 16: the zoom item that carries the check mark.
    int16_t gPhotoZoom = 1;
};

using PhotoStates = std::array<PhotoWindowState, kPhotoWindowCount>;

}  // namespace quillory

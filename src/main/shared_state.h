#pragma once
// What both main windows and the tool windows share while the program runs:
// the action counter of the level synchronisation, the precision settings, the
// photo flags, the window-placement state and the Duo flags the main window
// reads.
#include <array>
#include <cstdint>
#include <limits>

namespace quillory {

// Counts pushes of one user action between the two main windows: 0 a user
// action has started, 1 it has been pushed, 9999 a procedure writes a box
// itself. The display-range change adds one on top; the count saturates
// instead of wrapping, so a long run of range changes can never turn it back
// into "a user action has started".
class ActionCount {
public:
    int32_t Get() const { return value_; }
    void Set(int32_t v) { value_ = v; }
    void Increment() {
        if (value_ < std::numeric_limits<int32_t>::max()) ++value_;
    }

private:
    int32_t value_ = 0;
};

struct SharedState {
    ActionCount gActionCount;
    bool gDuoModelLoaded = false;
    // Photo windows 1 to 4 hold a photo.
    bool gPhoto1Open = false, gPhoto2Open = false, gPhoto3Open = false, gPhoto4Open = false;
    // (0) pointer y over the main background, (1) main bottom edge at that
    // move, (2) Duo bottom edge when the main window got the focus.
    std::array<float, 3> gFormMouse{};
    bool gDebugUnlocked = false;
    std::array<bool, 5> gProxyLoaded{};
    std::array<bool, 5> gProxyLoaded2{};
    std::array<bool, 5> gBoreHoleEmpty2{};
    bool gAxisTextEnabled = false;
    // Set by the first close of a main window: the shut-down is under way and
    // a second close (the other main window unloaded by it) only lets go.
    bool gShuttingDown = false;
};

}  // namespace quillory

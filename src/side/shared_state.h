#pragma once
// What both main windows share while the program runs: the action counter of
// the level synchronisation, the precision settings, the names of the age
// errors, the photo flags and the window-placement state.
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "model/depth_model.h"
#include "side/photo_window_state.h"

namespace quillory {

// Counts pushes of one user action between the two main windows. The
// display-range change adds one on top; the count saturates instead of
// wrapping, so a long run of range changes can never turn it back into "a
// user action has started".
class ActionCount {
public:
    static constexpr int32_t kUserAction = 0;  // a user action has started
    static constexpr int32_t kPushed = 1;      // it has been pushed to the other window
    static constexpr int32_t kSelfWrite = 9999;  // a procedure writes a box itself

    int32_t Get() const { return value_; }
    void Set(int32_t v) { value_ = v; }
    void Increment() {
        if (value_ < std::numeric_limits<int32_t>::max()) ++value_;
    }

private:
    int32_t value_ = kUserAction;
};

struct SharedState {
    ActionCount gActionCount;
    bool gDuoModelLoaded = false;
    // Decimals of every rounded depth and age; both depth models read them.
    model::Precision precision;
    // Set by the main age-depth import, shown by both windows' age read-outs.
    std::string gAgeErrNamePlus, gAgeErrNameMinus;
    // The four photo windows, filled by either main window.
    PhotoStates photo;
    // The window placement of both main windows: (0) the pointer's last y
    // over a window's background, 0 when a window got the focus; (1) the
    // other window's bottom edge, taken when a window got the focus and kept
    // when that window is resized from its top; (2) a window's own bottom
    // edge at the last pointer move over its background.
    std::array<float, 3> gFormMouse{};
    bool gDebugUnlocked = false;
    // Set by the first close of a main window: the shut-down is under way and
    // a second close (the other main window unloaded by it) only lets go.
    bool gShuttingDown = false;
};

}  // namespace quillory

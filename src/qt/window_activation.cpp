#include "qt/window_activation.h"

namespace qtback {

void WindowActivation::ProgramChose(Window window, bool shown) {
    if (window == chosen_) return;
    chosen_ = window;
    // The window system's own choice, which the program has just followed,
    // is not answered with a request.
    if (window && shown && window != following_) Ask(window);
}

void WindowActivation::Ask(Window window) {
    surroundings_.Raise(window);
    if (surroundings_.ActiveOnScreen() == window) return;
    asked_ = window;
    const unsigned long number = ++requests_;
    surroundings_.RequestActive(window);
    surroundings_.After(kDeadlineMs, [this, number] {
        if (requests_ != number || !asked_) return;
        asked_ = nullptr;
        Follow();
    });
}

void WindowActivation::Reported() {
    if (asked_) {
        if (surroundings_.ActiveOnScreen() != asked_) return;
        asked_ = nullptr;
    }
    Follow();
}

void WindowActivation::Follow() {
    if (asked_ || !surroundings_.CanFollow()) return;
    const Window shown = surroundings_.ActiveOnScreen();
    if (!shown || shown == surroundings_.ProgramActive()) return;
    following_ = shown;
    surroundings_.Follow(shown);
    following_ = nullptr;
}

void WindowActivation::Hidden(Window window) {
    if (asked_ == window) asked_ = nullptr;
}

void WindowActivation::Gone(Window window) {
    Hidden(window);
    if (chosen_ == window) chosen_ = nullptr;
}

}  // namespace qtback

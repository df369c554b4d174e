// The window activation's surroundings on Qt: the windows of the forms, Qt's
// active window, its timers, and the program's user events.
#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "qt/form_window.h"
#include "qt/qt_services.h"

namespace qtback {
namespace {

const forms::Form* FormOf(WindowActivation::Window window) { return static_cast<const forms::Form*>(window); }

}  // namespace

WindowActivation::Window QtServices::ActiveOnScreen() const {
    auto shown = std::find_if(windows_.begin(), windows_.end(),
                              [](const auto& w) { return w.second == QApplication::activeWindow(); });
    return shown == windows_.end() ? nullptr : shown->first;
}

FormWindow* QtServices::WindowFor(WindowActivation::Window window) const {
    auto it = windows_.find(const_cast<forms::Form*>(FormOf(window)));
    return it == windows_.end() ? nullptr : it->second;
}

void QtServices::Raise(WindowActivation::Window window) {
    if (FormWindow* shown = WindowFor(window)) shown->raise();
}

void QtServices::RequestActive(WindowActivation::Window window) {
    if (FormWindow* shown = WindowFor(window)) shown->activateWindow();
}

void QtServices::After(int ms, std::function<void()> done) { QTimer::singleShot(ms, &clock_, std::move(done)); }

bool QtServices::CanFollow() const { return InputOpen() && modal_ == 0 && eventDepth_ == 0; }

WindowActivation::Window QtServices::ProgramActive() const { return app_ ? app_->ActiveForm() : nullptr; }

void QtServices::Follow(WindowActivation::Window window) {
    forms::Form& form = *const_cast<forms::Form*>(FormOf(window));
    // A disabled window cannot become the active one, as on the old platform.
    if (form.Enabled()) UserEvent([&form] { form.UserActivate(); });
}

}  // namespace qtback

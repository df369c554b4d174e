// Which window is active is the program's to say when it shows or activates
// a window, and the window system's when a person, or the window manager,
// makes another one active. Each side hears of the other's choice and never
// answers it with a choice of its own: a request sent in answer to a report
// would cross the next report, and the two would take turns for ever.
#include <QApplication>
#include <QTimer>
#include <algorithm>

#include "qt/form_window.h"
#include "qt/qt_services.h"

namespace qtback {
namespace {

// Right after a request, the window system's reports are its past (the
// focus it hands back to a dialog's parent as the dialog closes) and Qt's
// echo of the request; the program follows the window system again once the
// request has had this long to be carried out.
constexpr int kAnswerMs = 200;

}  // namespace

void QtServices::AskToActivate(FormWindow& window) {
    window.raise();
    if (window.isActiveWindow()) return;
    asked_.window = &window;
    const unsigned long number = ++asked_.number;
    window.activateWindow();
    QTimer::singleShot(kAnswerMs, &clock_, [this, number] {
        if (asked_.number != number) return;
        asked_.window = nullptr;
        FollowWindowSystem();
    });
}

bool QtServices::ReportHeldBack() const {
    return asked_.window && QApplication::activeWindow() != asked_.window;
}

void QtServices::FollowWindowSystem() {
    // Inside a handler (a dialog open), the next report is followed.
    if (asked_.window || modal_ > 0 || eventDepth_ > 0) return;
    auto shown = std::find_if(windows_.begin(), windows_.end(),
                              [](const auto& w) { return w.second == QApplication::activeWindow(); });
    if (shown == windows_.end()) return;
    forms::Form& form = *shown->first;
    // A disabled window cannot become the active one, as on the old platform.
    if (!form.Enabled() || app_->ActiveForm() == &form) return;
    UserEvent([this, &form] {
        form.UserActivate();
        // Active on the screen already: nothing is asked of the window
        // system, unless a handler moved the focus on.
        if (app_->ActiveForm() == &form) activeShown_ = &form;
    });
}

}  // namespace qtback

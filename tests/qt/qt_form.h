#pragma once
// One form of a test on the Qt back end: the Qt application, the platform,
// the program's application attached to it, and the form's slot.
#include <memory>

#include "forms/application.h"
#include "qt/form_window.h"
#include "qt/qt_services.h"
#include "qt_test_app.h"

namespace qttest {

template <class F, class Services = qtback::QtServices>
struct QtForm {
    explicit QtForm(const char* name) : form{app, name, [this] { return std::make_unique<F>(app); }} {
        services.Attach(app);
    }
    qtback::FormWindow& Window() { return services.WindowOf(form()); }

    struct QtStarted {
        QtStarted() { EnsureQtApplication(); }
    } started;  // before the platform, which needs Qt
    Services services;
    forms::Application app{services};
    forms::FormSlot<F> form;
};

}  // namespace qttest

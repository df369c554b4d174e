#pragma once
// A back end driven by a script instead of a person: windows may be real
// (Qt) or not (headless), but message boxes, file dialogs and pop-up menus
// answer from the queues of a HeadlessServices, which also records them.
#include <algorithm>
#include <exception>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/headless.h"
#include "scenario/script_input.h"
#include "values/runtime_error.h"

namespace forms {
class Application;
}  // namespace forms

namespace scenario {

class ScriptedBackend {
public:
    virtual ~ScriptedBackend() = default;
    virtual forms::Services& Platform() = 0;
    virtual forms::HeadlessServices& Answers() = 0;
    // Where the script's user actions go in.
    virtual ScriptInput& Input() = 0;
    virtual void Attach(forms::Application&) {}
    // Brings the windows up to date after a command; empty, or what the
    // window system did not do in time.
    virtual std::string Settle() { return {}; }
    // Lets the event loop run for ms of real time while the script does
    // nothing; the program's clock stands still.
    virtual void Wait(int) {}
    // How many times the active window on the screen became another of the
    // program's windows since the script began (none where the back end
    // does not watch).
    virtual long ActivationChanges() const { return 0; }
    // Writes a real rendering of the window, or of one control; false (with
    // a reason) when this back end cannot.
    virtual bool Png(forms::Form& form, forms::Control* control, const std::string& path, std::string& why) = 0;
    // The shown windows from the front one back: as the screen stacks them
    // where the back end can tell, else in the order the program brought
    // them to the front.
    virtual std::vector<forms::Form*> FrontToBack(std::vector<forms::Form*> shown);
    // Writes the windows as they stand on the screen, each at its place, in
    // one picture; false (with a reason) when this back end cannot.
    virtual bool PngScreen(const std::vector<forms::Form*>& windows, const std::string& path, std::string& why) = 0;
};

inline std::vector<forms::Form*> ScriptedBackend::FrontToBack(std::vector<forms::Form*> shown) {
    std::sort(shown.begin(), shown.end(),
              [](forms::Form* a, forms::Form* b) { return a->FrontOrder() > b->FrontOrder(); });
    return shown;
}

// An error as the runner names one that escaped every handler.
inline std::string Describe(const std::exception& e) {
    if (const auto* error = dynamic_cast<const values::RuntimeError*>(&e))
        return "run-time error " + std::to_string(error->number()) + ": " + error->what();
    return e.what();
}

}  // namespace scenario

#pragma once
// A back end driven by a script instead of a person: windows may be real
// (Qt) or not (headless), but message boxes, file dialogs and pop-up menus
// answer from the queues of a HeadlessServices, which also records them.
#include <algorithm>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/headless.h"
#include "scenario/script_input.h"

namespace forms {

class Application;
class Control;
class Form;

class ScriptedBackend {
public:
    virtual ~ScriptedBackend() = default;
    virtual Services& Platform() = 0;
    virtual HeadlessServices& Answers() = 0;
    // Where the script's user actions go in.
    virtual ScriptInput& Input() = 0;
    virtual void Attach(Application&) {}
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
    virtual bool Png(Form& form, Control* control, const std::string& path, std::string& why) = 0;
    // The shown windows from the front one back: as the screen stacks them
    // where the back end can tell, else in the order the program brought
    // them to the front.
    virtual std::vector<Form*> FrontToBack(std::vector<Form*> shown);
    // Writes the windows as they stand on the screen, each at its place, in
    // one picture; false (with a reason) when this back end cannot.
    virtual bool PngScreen(const std::vector<Form*>& windows, const std::string& path, std::string& why) = 0;
};

inline std::vector<Form*> ScriptedBackend::FrontToBack(std::vector<Form*> shown) {
    std::sort(shown.begin(), shown.end(), [](Form* a, Form* b) { return a->FrontOrder() > b->FrontOrder(); });
    return shown;
}

}  // namespace forms

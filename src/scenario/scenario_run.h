#pragma once
// One run of a scenario script: a fresh program, the script's actions sent
// to it through a back end, and the checks of what it shows, counted.
#include <iosfwd>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include "forms/application.h"
#include "scenario/scenario_folder.h"
#include "scenario/scenario_runner.h"
#include "values/runtime_error.h"

namespace scenario {

class ScenarioRun {
    using Control = forms::Control;
    using Form = forms::Form;

public:
    ScenarioRun(const std::string& path, const BackendFactory& factory, std::ostream& out);
    ScenarioRun(const ScenarioRun&) = delete;
    ScenarioRun& operator=(const ScenarioRun&) = delete;

    ScenarioResult Run();

private:
    template <class F>
    void Guard(int line, F&& f) {
        try {
            f();
        } catch (const values::RuntimeError& e) {
            Fail(line, "run-time error " + std::to_string(e.number()) + ": " + e.what());
        } catch (const std::exception& e) {
            Fail(line, e.what());
        }
    }

    // A user action, or the clock, running the program's handlers. An error
    // that escapes them ends the program, as it would outside a script: the
    // line fails and the script stops there, on either back end (the Qt back
    // end catches it around each event and reports it to the same record).
    template <class F>
    void Act(F&& action) {
        activationsBefore_ = backend_->ActivationChanges();
        try {
            if constexpr (std::is_void_v<decltype(action())>) {
                action();
            } else {
                Deliver(action());
            }
        } catch (const std::exception& e) {
            backend_->Answers().untrapped = Describe(e);
            app_->End();
        }
    }

    // The windows brought up to date; what the window system did not do in
    // time fails the line.
    void Settle() {
        if (std::string why = backend_->Settle(); !why.empty()) Fail(why);
    }

    // True, once the line that met it has failed, when an error escaped every handler.
    bool Untrapped();

    void Pass(const std::string& what) {
        ++result_.passed;
        out_ << "ok   " << line_ << ": " << what << '\n';
    }
    void Fail(int line, const std::string& what) {
        ++result_.failed;
        out_ << "FAIL " << line << ": " << what << '\n';
    }
    void Fail(const std::string& what) { Fail(line_, what); }

    // Splits "FORM.CONTROL(i).PROP" (or "FORM.PROP") into its parts.
    struct Target {
        Form* form = nullptr;
        Control* control = nullptr;
        std::string property;
    };

    Form& FormNamed(const std::string& name) { return app_->FormByName(name); }

    Control& ControlOf(Form& form, const std::string& address);

    Target ParseControl(const std::string& address);

    Target ParseProperty(const std::string& address);

    std::string Read(const Target& t);

    // The shown windows from the front one back.
    std::string WindowOrder();

    // A user action, or an answer queued for the program's next question.
    void Execute(const std::string& line);
    // A check or a print of what the program shows; false when cmd is none.
    bool Observe(const std::string& cmd, const std::string& rest);

    std::string Resolve(const std::string& p) { return folder_.Resolve(p); }

    // A picture box's surface, or the window's own (FORM without a control).
    forms::Surface* SurfaceOf(const std::string& address);

    // A window that is not shown (never shown, hidden or closed and loaded
    // again by a reference) has nothing a person could click, type into or
    // press on; both back ends refuse it alike, before any input is made.
    static std::string NotShown(const std::string& verb, const Form& form) {
        return verb + " refused: " + form.Name() + " is not shown";
    }
    // Why a person could not act on the control (its window not shown, or the
    // control disabled or hidden in itself, its frame or its window); empty
    // when they could.
    static std::string Refusal(const std::string& verb, const Control& c) {
        if (!c.Parent().Visible()) return NotShown(verb, c.Parent());
        if (!c.AcceptsUserInput()) return verb + " refused: " + c.QualifiedName() + " is disabled or hidden";
        return {};
    }

    // An action the back end could not deliver fails the line.
    void Deliver(const std::string& why) {
        if (!why.empty()) Fail(why);
    }

    void Click(const Target& t, bool dbl);

    void Type(const Target& t, const std::string& text);

    void Key(const Target& t, const std::string& key);

    void Mouse(const std::string& cmd, std::istringstream& args);

    void Expect(const std::string& rest);

    // Whether the drawing (kept picture and current layer) holds a primitive
    // whose line in the `drawing` format begins with the given text.
    void ExpectDrawn(const std::string& rest, bool wanted);

    void ExpectMessage(const std::string& rest);

    std::string path_;
    ScenarioFolder folder_;
    std::ostream& out_;
    std::unique_ptr<ScriptedBackend> backend_;
    std::unique_ptr<forms::Application> app_;
    std::unique_ptr<quillory::Program> program_;
    ScenarioResult result_;
    int line_ = 0;
    size_t checkedMessages_ = 0;
    bool untrappedReported_ = false;
    // The changes of the active window counted before the last action began.
    long activationsBefore_ = 0;
};

}  // namespace scenario

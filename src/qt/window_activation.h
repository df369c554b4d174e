#pragma once
// Which of the program's windows is the active one. The program says so when
// it shows or activates a window; the window system, when a person or the
// window manager makes another one active. Each side hears of the other's
// choice and never answers it with a choice of its own: a request sent in
// answer to a report would cross the next report, and the two would take
// turns for ever.
//
// Between the program's request and the window system's answer, what the
// window system reports of other windows is its past (the focus it hands
// back to a dialog's parent as the dialog closes) or a person's click that
// crossed the request. Those reports are held back until the asked window
// arrives, or, where the window manager never answers, until a deadline;
// then the program follows the window the system shows active at that time.
#include <functional>

namespace qtback {

class WindowActivation {
public:
    // One of the program's windows (the form it shows); nullptr for none.
    using Window = const void*;

    // What the activation asks of the window system and of the program.
    class Surroundings {
    public:
        virtual ~Surroundings() = default;
        // The program's window that the window system shows active, if any.
        virtual Window ActiveOnScreen() const = 0;
        // Brings the window to the front of the screen.
        virtual void Raise(Window window) = 0;
        // Asks the window system to make the window the active one.
        virtual void RequestActive(Window window) = 0;
        // Calls done once, ms from now (unless the surroundings end first).
        virtual void After(int ms, std::function<void()> done) = 0;
        // False while a handler runs or a dialog is open: the program takes
        // no input then, and the next report is followed.
        virtual bool CanFollow() const = 0;
        // The program's own active window.
        virtual Window ProgramActive() const = 0;
        // The program takes the window for its active one, as for a
        // person's click on it: its handlers run.
        virtual void Follow(Window window) = 0;
    };

    // How long a request is waited for: only a window manager that never
    // answers takes this long.
    static constexpr int kDeadlineMs = 1000;

    explicit WindowActivation(Surroundings& surroundings) : surroundings_(surroundings) {}

    // The program's active window as every sync finds it, and whether its
    // window is shown: a change is asked of the window system, unless the
    // program took the window from the window system's own report.
    void ProgramChose(Window window, bool shown);
    // The window system made one of the program's windows active.
    void Reported();
    // The window was hidden, or has gone for good.
    void Hidden(Window window);
    void Gone(Window window);
    // A request is on its way: reports of other windows are held back.
    bool Holding() const { return asked_ != nullptr; }

private:
    void Ask(Window window);
    void Follow();

    Surroundings& surroundings_;
    Window chosen_ = nullptr;     // the program's choice last seen
    Window asked_ = nullptr;      // the window asked for, until it arrives
    Window following_ = nullptr;  // the window the program is taking from a report
    unsigned long requests_ = 0;
};

}  // namespace qtback

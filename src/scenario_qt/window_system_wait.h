#pragma once
// Waiting on the window system. What it is asked for (a pop-up shown, a
// window moved, resized or given the focus) it does in its own time, later
// on a loaded machine: a wait lasts until its condition holds, up to a
// deadline that load does not reach, and a condition that has not come by
// then is a fault to report, not a time to sit out.
#include <QEvent>
#include <QObject>
#include <QWindow>
#include <QTest>
#include <functional>
#include <string>
#include <utility>

namespace scenario_qt {

constexpr int kWindowSystemDeadlineMs = 30000;

template <class Ready>
bool WaitForWindowSystem(Ready&& ready) {
    return QTest::qWaitFor(std::forward<Ready>(ready), kWindowSystemDeadlineMs);
}

// Whether an event of one type reached an object since this was made: the
// window system's answer to a request, whatever it answered (a window the
// program gives back its smallest size is resized all the same); and, given
// a test of what was asked, whether an answer granted it, whatever the
// program made of it after.
class Answered : public QObject {
public:
    using Grants = std::function<bool(const QEvent&)>;
    Answered(QObject& target, QEvent::Type type, Grants grants = {})
        : target_(target), type_(type), grants_(std::move(grants)) {
        target.installEventFilter(this);
    }
    ~Answered() override { target_.removeEventFilter(this); }
    bool operator()() const { return answered_; }
    bool Granted() const { return granted_; }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != type_) return false;
        answered_ = true;
        granted_ = granted_ || (grants_ && grants_(*event));
        return false;
    }

private:
    QObject& target_;
    QEvent::Type type_;
    Grants grants_;
    bool answered_ = false;
    bool granted_ = false;
};

// Waits until no change of the focus is on its way: every shown window is
// on the screen (a window just shown takes the focus it was asked for only
// once it is), and the X server's focus is the window Qt has as focused, so
// that no focus event still to come reaches a window midway through the
// next action (a pop-up that loses it closes). Empty when settled, else
// what did not come.
std::string SettleFocus();

// Whether the window system has given window the keyboard: on X, the
// server's input focus lies in it (Qt may take a modal window for the active
// one before the server has moved the focus); elsewhere, Qt's focus window.
bool HoldsFocus(const QWindow& window);

}  // namespace scenario_qt

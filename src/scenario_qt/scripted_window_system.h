#pragma once
// How a script meets the window system of a desktop: the questions it
// answers show for a moment as the windows a person would answer, and the
// changes of the active window are counted, as a person sees them.
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <xcb/xcb.h>

class QWidget;

namespace scenario_qt {

// The program's connection to the X server; nullptr on any other platform.
xcb_connection_t* XConnection();

// Whether a window manager runs on the X server (it says so on the root
// window); false on any other platform.
bool UnderWindowManager();

// The child of the root window that holds window: the window itself, or the
// frame a window manager put it in.
xcb_window_t OnRoot(xcb_connection_t* connection, xcb_window_t window);

// Asks the window manager to maximise window, or to restore it, as a
// pager or the window's own title bar asks it.
void AskWindowManagerToMaximise(QWidget& window, bool maximised);

// Whether the window manager shows window's frame with its top left corner
// at (left, top) of the screen, as a restored window's place is; true where
// no window manager frames it.
bool FramedAt(QWidget& window, int left, int top);

// A busy machine, as the window system meets it when window changes its
// state: the program hears of the new state only as the window's first new
// geometry comes, answers it, and is then held up for ms, so that the window
// system's answers to its requests arrive meanwhile. Qt takes only the last
// of a window's geometry changes that wait together: the first is dropped
// when the window's geometry is another by then.
class HeldUpOnStateChange : public QAbstractNativeEventFilter {
public:
    HeldUpOnStateChange(QWidget& window, int ms);
    ~HeldUpOnStateChange() override;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;
    // Whether the window's first new geometry has come.
    bool Held() const { return held_; }

private:
    QWidget& window_;
    const int ms_;
    bool held_ = false;
};

// A modal window over parent, shown until the window system gives it the
// keyboard (as a person's answer needs it to; at most the window system's
// deadline), then closed: the window manager hands the focus back as after
// a person's answer. Closed any sooner, while the server's focus is still on
// its parent, Qt would lose the focus it gave the dialog in advance and never
// hear of the parent's, which the server did not take from it.
void ShowAnsweredDialog(QWidget* parent);

// Counts the times the window system made another of the program's windows
// the active one, from its construction on. On X, where Qt also reports its
// own requests as activations before the server has done anything, the
// server's changes of the input focus are counted instead.
class ActivationCounter : public QObject, public QAbstractNativeEventFilter {
public:
    ActivationCounter();
    ~ActivationCounter() override;
    long Changes() const { return changes_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    void Count(QObject* window);

    const bool onX_;
    QPointer<QObject> last_;
    long changes_ = 0;
};

}  // namespace scenario_qt

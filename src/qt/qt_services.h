#pragma once
// The Qt back end of the forms layer: each loaded, visible form is a
// top-level window (FormWindow), dialogs ask a person, the clock follows
// real time.
//
// Windows follow the model through Sync, which costs little when nothing
// changed (revision counters). It runs after every user event, before every
// modal step (the forms layer's Sync hook) and after every clock tick.
#include <QElapsedTimer>
#include <QTimer>
#include <QPointF>
#include <QPointer>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/application.h"
#include "forms/services.h"
#include "qt/render_pool.h"
#include "qt/window_activation.h"

class QWidget;

namespace qtback {

class FormWindow;
class SurfaceWidget;

class QtServices : public forms::Services, private WindowActivation::Surroundings {
public:
    QtServices() : QtServices(RenderPool::Options()) {}
    // The pool's threads as the options say (a test's stand-ins for a
    // system that refuses threads or memory).
    explicit QtServices(RenderPool::Options drawing);
    ~QtServices() override;

    void Attach(forms::Application& application);
    // Drives the application's timers from real time.
    void StartClock();
    // Off when a program drives the model itself (a benchmark): widgets then
    // only show it.
    void SetWidgetInput(bool on) { widgetInput_ = on; }
    bool InputOpen() const { return widgetInput_ && !syncing_ && app_ != nullptr; }
    // Runs one user action on the model and brings every window up to date.
    // A run-time error that no handler trapped ends the program, as it did
    // on the old platform, after saying so.
    void UserEvent(const std::function<void()>& action);
    // Where the pointer was at the last mouse event a window took: pop-up
    // menus open there, under the press that asked for them.
    void NotePointer(QPointF global) { lastPointer_ = global.toPoint(); }
    // Not ended, and some form is visible.
    bool Running() const;
    // The window of a loaded form, made when missing (shown or not).
    FormWindow& WindowOf(forms::Form& form);
    // A surface whose drawing changed, drawn at the end of this sync.
    void DrawLater(SurfaceWidget& surface) { prepared_.push_back(&surface); }
    // Draws the surfaces handed to DrawLater, side by side. A drawing that
    // fails (memory ran out) leaves its widget as it was and is reported
    // once the sync is over; the program goes on.
    void DrawPrepared();
    // The threads that draw pictures, and a lane of them for a new widget.
    RenderPool& Drawing() { return pool_; }
    int NextLane() { return lanes_++; }
    // The widget that shows a surface of window, while shown() says the
    // surface is to be shown: its kept pictures are drawn as soon as the
    // program keeps them, and the texts it will print are shaped beforehand.
    void Watch(const forms::Surface& surface, SurfaceWidget& widget, const FormWindow& window,
               std::function<bool()> shown);
    // Also from a widget's destructor: it cannot throw.
    void Unwatch(const SurfaceWidget& widget) noexcept;
    bool Syncing() const { return syncing_; }
    // The window system made one of the program's windows the active one
    // (a person's click, its answer to the program's request, or its own
    // choice).
    void WindowActivated() { activation_.Reported(); }
    const WindowActivation& Activation() const { return activation_; }

    int MessageBox(const forms::MessageRequest& request) override;
    std::optional<std::string> FileDialog(const forms::FileRequest& request) override;
    forms::Menu* ChoosePopupItem(forms::Form& form, forms::Menu& menu) override;
    void ClipboardClear() override;
    void ClipboardSetPicture(const forms::Snapshot& picture) override;
    void ClipboardSetText(const std::string& text) override;
    std::string ClipboardText() override;
    std::shared_ptr<const forms::LoadedPicture> LoadPicture(const std::string& path) override;
    void FormUnloaded(forms::Form& form) override;
    void MousePointerChanged(int code) override;
    void Quit() override;
    void Sync() override;
    void DrawingKept(const forms::Surface& surface) override;
    void TextsAhead(const forms::Surface& surface, const std::vector<std::string>& texts, double fontSize,
                    bool bold) override;
    double TextWidthTwips(const std::string& text, double fontSize, bool bold) const override;
    double TextHeightTwips(double fontSize, bool bold) const override;

protected:
    // Message boxes, file dialogs and pop-up menus block; the clock stands
    // still meanwhile, as no time passes for a test while a queue answers.
    template <class F>
    auto Modal(F&& ask);
    QWidget* ActiveWindow() const;
    // Says that an error escaped every handler, before the program ends.
    virtual void ReportUntrapped(const std::exception& error);

private:
    void RunEvent(const std::function<void()>& action);
    void Tick();
    void ReportDrawingFault();

    // The window activation's surroundings.
    WindowActivation::Window ActiveOnScreen() const override;
    void Raise(WindowActivation::Window window) override;
    void RequestActive(WindowActivation::Window window) override;
    void After(int ms, std::function<void()> done) override;
    bool CanFollow() const override;
    WindowActivation::Window ProgramActive() const override;
    void Follow(WindowActivation::Window window) override;
    FormWindow* WindowFor(WindowActivation::Window window) const;

    struct Watched {
        SurfaceWidget* widget;
        const FormWindow* window;
        std::function<bool()> shown;
    };

    std::optional<QPoint> lastPointer_;
    forms::Application* app_ = nullptr;
    std::map<forms::Form*, FormWindow*> windows_;
    // Windows of unloaded forms that the event loop has yet to delete: they
    // go with the services, which their events would reach.
    std::vector<QPointer<FormWindow>> unloaded_;
    std::vector<SurfaceWidget*> prepared_;
    std::optional<std::string> drawingFault_;
    RenderPool pool_;
    std::unordered_map<const forms::Surface*, Watched> watched_;
    int lanes_ = 0;
    unsigned long announcements_ = 0;
    WindowActivation activation_{*this};
    unsigned long frontRaised_ = 0;
    bool widgetInput_ = true;
    bool syncing_ = false;
    int modal_ = 0;
    int eventDepth_ = 0;
    QTimer clock_;
    QElapsedTimer elapsed_;
    long creditedMs_ = 0;
};

// The program reads the primary screen's size (Screen.Width, Screen.Height).
void TakeScreenSize(forms::Application& application);

template <class F>
auto QtServices::Modal(F&& ask) {
    Sync();
    ++modal_;
    struct Leave {
        QtServices& s;
        ~Leave() {
            --s.modal_;
            s.creditedMs_ = s.elapsed_.isValid() ? static_cast<long>(s.elapsed_.elapsed()) : 0;
        }
    } leave{*this};
    return ask();
}

}  // namespace qtback

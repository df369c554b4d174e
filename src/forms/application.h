#pragma once
// The platform as the program sees it: its windows (by name, loaded on first
// reference), the screen, the clock that drives timers, and the services.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/services.h"

namespace forms {

class Timer;
class Application;

// Told each time the events have settled: the outermost event is over, and
// nothing runs until the next one.
class SettledWatcher {
public:
    virtual void EventsSettled() noexcept = 0;

protected:
    ~SettledWatcher() = default;
};

// Mouse pointer codes.
enum MousePointer : int { vbDefault = 0, vbArrow = 1, vbCrosshair = 2, vbIbeam = 3, vbHourglass = 11 };

// Holds the one instance of a form: created and loaded on first reference,
// fresh again after Unload.
class FormSlotBase {
public:
    FormSlotBase(Application& app, std::string name);
    virtual ~FormSlotBase();
    FormSlotBase(const FormSlotBase&) = delete;
    FormSlotBase& operator=(const FormSlotBase&) = delete;
    const std::string& Name() const { return name_; }
    bool IsLoaded() const { return form_ != nullptr; }
    Form& GetForm();
    Form* LoadedForm() const { return form_.get(); }
    // Unload the form if it is loaded; nothing happens otherwise.
    void Unload();
    // Called by Form::Unload once the handlers let it go.
    void Release();

protected:
    virtual std::unique_ptr<Form> Create() = 0;

private:
    Application& app_;
    std::string name_;
    std::unique_ptr<Form> form_;
};

template <class T>
class FormSlot : public FormSlotBase {
public:
    FormSlot(Application& app, std::string name, std::function<std::unique_ptr<T>()> make)
        : FormSlotBase(app, std::move(name)), make_(std::move(make)) {}
    T& operator()() { return static_cast<T&>(GetForm()); }
    T* IfLoaded() const { return static_cast<T*>(LoadedForm()); }

protected:
    std::unique_ptr<Form> Create() override { return make_(); }

private:
    std::function<std::unique_ptr<T>()> make_;
};

class Application {
public:
    explicit Application(Services& services);
    ~Application();

    Services& Platform() { return *services_; }
    const FontMetrics& Metrics() const { return *services_; }
    void SetServices(Services& services) { services_ = &services; }

    // MsgBox(text, style, title): the pressed button.
    int MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = "Quillory");

    // Windows by name; touching one loads it.
    Form& FormByName(const std::string& name);
    FormSlotBase* SlotByName(const std::string& name) const;
    std::vector<Form*> LoadedForms() const;
    void RegisterSlot(FormSlotBase* slot);
    void UnregisterSlot(FormSlotBase* slot);

    // The window that has the focus; activating another runs its Activate.
    Form* ActiveForm() const { return activeForm_; }
    unsigned long NextFrontOrder() { return ++frontOrder_; }
    void ActivateForm(Form& form);
    void FormGone(Form& form);

    // Screen.
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int code);
    int ScreenWidth = 1920 * kTwipsPerPixel;
    int ScreenHeight = 1080 * kTwipsPerPixel;

    // Clock and timers: time only moves when told to.
    long NowMs() const { return nowMs_; }
    void AdvanceClock(long ms);
    void AddTimer(Timer* t);
    void RemoveTimer(Timer* t);

    // Forms unloaded inside an event are destroyed once the event is over.
    void Retire(std::unique_ptr<Form> form);
    void CollectRetired();

    // How deep the events that run now are nested (EventScope), and the
    // deepest nesting since the mark was last reset.
    int EventDepth() const { return eventDepth_; }
    void EnterEvent() {
        if (++eventDepth_ > peakEventDepth_) peakEventDepth_ = eventDepth_;
    }
    void LeaveEvent();
    int PeakEventDepth() const { return peakEventDepth_; }
    void ResetPeakEventDepth() { peakEventDepth_ = eventDepth_; }
    void AddSettledWatcher(SettledWatcher* watcher) { watchers_.push_back(watcher); }
    void RemoveSettledWatcher(SettledWatcher* watcher);

    // While the program puts controls back as they were, their writes set
    // off no handler.
    bool EventsHeld() const { return eventsHeld_ > 0; }
    class HeldEvents {
    public:
        explicit HeldEvents(Application& app) : app_(app) { ++app_.eventsHeld_; }
        ~HeldEvents() { --app_.eventsHeld_; }
        HeldEvents(const HeldEvents&) = delete;
        HeldEvents& operator=(const HeldEvents&) = delete;

    private:
        Application& app_;
    };

    // The End statement.
    void End();
    bool Ended() const { return ended_; }

private:
    // Before the forms, which leave it as they go.
    std::vector<SettledWatcher*> watchers_;
    Services* services_;
    std::vector<FormSlotBase*> slots_;
    unsigned long frontOrder_ = 0;
    Form* activeForm_ = nullptr;
    int mousePointer_ = vbDefault;
    long nowMs_ = 0;
    std::vector<Timer*> timers_;
    std::vector<std::unique_ptr<Form>> retired_;
    bool ended_ = false;
    int eventDepth_ = 0;
    int peakEventDepth_ = 0;
    int eventsHeld_ = 0;
};

}  // namespace forms

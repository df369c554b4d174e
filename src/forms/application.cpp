#include "forms/application.h"

#include <algorithm>
#include <climits>

#include "forms/controls.h"
#include "values/runtime_error.h"

using namespace values;

namespace forms {

FormSlotBase::FormSlotBase(Application& app, std::string name) : app_(app), name_(std::move(name)) {
    app_.RegisterSlot(this);
}

FormSlotBase::~FormSlotBase() { app_.UnregisterSlot(this); }

Form& FormSlotBase::GetForm() {
    if (!form_) {
        // The slot holds the form before Load runs, so a Load handler that
        // refers to its own form finds it instead of loading it again.
        form_ = Create();
        form_->AttachSlot(this);
        form_->RunLoad();
    }
    return *form_;
}

void FormSlotBase::Unload() {
    if (form_) form_->Unload();
}

void FormSlotBase::Release() {
    if (!form_) return;
    form_->AttachSlot(nullptr);
    form_->MarkRetired();
    app_.Retire(std::move(form_));
}

Application::Application(Services& services) : services_(&services) {}

Application::~Application() = default;

int Application::MsgBox(const std::string& text, int style, const std::string& title) {
    services_->Sync();
    return services_->MessageBox({text, style, title});
}

void Application::RegisterSlot(FormSlotBase* slot) { slots_.push_back(slot); }

void Application::LeaveEvent() {
    if (--eventDepth_ != 0) return;
    for (SettledWatcher* watcher : watchers_) watcher->EventsSettled();
}

void Application::RemoveSettledWatcher(SettledWatcher* watcher) {
    watchers_.erase(std::remove(watchers_.begin(), watchers_.end(), watcher), watchers_.end());
}

void Application::UnregisterSlot(FormSlotBase* slot) {
    slots_.erase(std::remove(slots_.begin(), slots_.end(), slot), slots_.end());
}

FormSlotBase* Application::SlotByName(const std::string& name) const {
    for (auto* s : slots_)
        if (s->Name() == name) return s;
    return nullptr;
}

Form& Application::FormByName(const std::string& name) {
    FormSlotBase* slot = SlotByName(name);
    if (!slot) throw RuntimeError(424, "Object required: " + name);
    return slot->GetForm();
}

std::vector<Form*> Application::LoadedForms() const {
    std::vector<Form*> out;
    for (auto* s : slots_)
        if (s->LoadedForm()) out.push_back(s->LoadedForm());
    return out;
}

void Application::ActivateForm(Form& form) {
    if (activeForm_ == &form) return;
    Form* old = activeForm_;
    activeForm_ = &form;
    if (old) old->Fire(old->Deactivate);
    if (activeForm_ != &form) return;  // a handler moved the focus on
    form.Fire(form.Activate);
    if (activeForm_ == &form) form.Fire(form.GotFocus);
}

void Application::FormGone(Form& form) {
    if (activeForm_ == &form) activeForm_ = nullptr;
}

void Application::SetMousePointer(int code) {
    if (code == mousePointer_) return;
    mousePointer_ = code;
    services_->MousePointerChanged(code);
}

void Application::AddTimer(Timer* t) { timers_.push_back(t); }

void Application::RemoveTimer(Timer* t) { timers_.erase(std::remove(timers_.begin(), timers_.end(), t), timers_.end()); }

void Application::AdvanceClock(long ms) {
    long target = nowMs_ + std::max(0L, ms);
    // Fire due timers in time order, each at its own moment.
    for (;;) {
        Timer* next = nullptr;
        long due = LONG_MAX;
        for (Timer* t : timers_) {
            long d = t->NextDue();
            if (d >= 0 && d < due) { due = d; next = t; }
        }
        if (!next || due > target || ended_) break;
        nowMs_ = due;
        next->Advance(due);
    }
    nowMs_ = target;
}

void Application::Retire(std::unique_ptr<Form> form) { retired_.push_back(std::move(form)); }

void Application::CollectRetired() { retired_.clear(); }

void Application::End() {
    ended_ = true;
    services_->Quit();
}

}  // namespace forms

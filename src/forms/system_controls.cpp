// Timers and the open and save dialogs.
#include "forms/controls.h"

#include "forms/application.h"
#include "values/runtime_error.h"

using namespace values;

namespace forms {

// ---- Timer ----

Timer::Timer(Form& f, std::string name, int index) : Control(f, ControlKind::Timer, std::move(name), index) {
    App().AddTimer(this);
}

Timer::~Timer() { App().RemoveTimer(this); }

void Timer::SetInterval(long ms) {
    interval_ = ms;
    lastFired_ = App().NowMs();
}

void Timer::SetEnabled(bool v) {
    if (v && !Enabled()) lastFired_ = App().NowMs();
    Control::SetEnabled(v);
}

void Timer::Advance(long nowMs) {
    if (!Enabled() || interval_ <= 0 || nowMs - lastFired_ < interval_) return;
    lastFired_ = nowMs;
    Fire(OnTimer);
}

// ---- CommonDialog ----

namespace {

void RunFileDialog(CommonDialog& d, bool save) {
    FileRequest request;
    request.save = save;
    request.filter = d.Filter;
    request.fileName = d.FileName;
    request.title = d.DialogTitle;
    request.initDir = d.InitDir;
    request.overwritePrompt = save && (d.Flags & cdlOFNOverwritePrompt) != 0;
    auto answer = d.App().Platform().FileDialog(request);
    if (!answer) {
        if (d.CancelError) throw RuntimeError(kErrCancel, "Cancel was selected.");
        return;
    }
    d.FileName = *answer;
    size_t slash = answer->find_last_of("/\\");
    d.FileTitle = slash == std::string::npos ? *answer : answer->substr(slash + 1);
}

}  // namespace

void CommonDialog::ShowOpen() { RunFileDialog(*this, false); }
void CommonDialog::ShowSave() { RunFileDialog(*this, true); }

}  // namespace forms

#pragma once
// A main window reached through its slot, as a tool window holds its owner:
// reaching it loads it on first use, and an owner unloaded and loaded again
// is found afresh.
#include "forms/application.h"
#include "side/side_window.h"

namespace quillory {

class SideRef {
public:
    explicit SideRef(forms::FormSlotBase& slot) : slot_(&slot) {}
    SideWindow& operator()() const { return static_cast<SideWindow&>(slot_->GetForm()); }
    SideWindow* IfLoaded() const { return static_cast<SideWindow*>(slot_->LoadedForm()); }

private:
    forms::FormSlotBase* slot_;
};

}  // namespace quillory

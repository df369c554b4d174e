#pragma once
// The other main window reached through its slot, with the conversion of a
// level into its composite depth.
#include <functional>

#include "forms/application.h"
#include "window/core_window.h"

namespace quillory {

class SlotCounterpart : public Counterpart {
public:
    SlotCounterpart(forms::FormSlotBase& window, SideState& state, std::function<float(float)> toOtherCD,
                    std::function<const model::DuoModelLink*()> duoModel)
        : window_(window), state_(state), toOtherCD_(std::move(toOtherCD)), duoModel_(std::move(duoModel)) {}

    CoreWindow& Window() override { return static_cast<CoreWindow&>(window_.GetForm()); }
    SideState& State() override { return state_; }
    float ToOtherCD(float depth) override { return toOtherCD_(depth); }
    const model::DuoModelLink* DuoModel() override { return duoModel_ ? duoModel_() : nullptr; }

private:
    forms::FormSlotBase& window_;
    SideState& state_;
    std::function<float(float)> toOtherCD_;
    std::function<const model::DuoModelLink*()> duoModel_;
};

}  // namespace quillory

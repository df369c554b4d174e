#pragma once
// The other main window reached through its slot, with the conversion of a
// level into its composite depth.
#include <functional>

#include "forms/application.h"
#include "window/core_window.h"

namespace quillory {

class SlotCounterpart : public Counterpart {
public:
    // How the Duo window takes over the main age-depth model; the main window
    // as the Duo's counterpart is never asked to.
    using AgeModelTransfer = std::function<void()>;

    SlotCounterpart(forms::FormSlotBase& window, SideState& state, std::function<float(float)> toOtherCD, std::function<const model::DuoModelLink*()> duoModel,
                    AgeModelTransfer transferAgeModel)
        : window_(window),
          state_(state),
          toOtherCD_(std::move(toOtherCD)),
          duoModel_(std::move(duoModel)),
          transferAgeModel_(std::move(transferAgeModel)) {}

    CoreWindow& Window() override { return static_cast<CoreWindow&>(window_.GetForm()); }
    CoreWindow* LoadedWindow() override { return static_cast<CoreWindow*>(window_.LoadedForm()); }
    SideState& State() override { return state_; }
    float ToOtherCD(float depth) override { return toOtherCD_(depth); }
    const model::DuoModelLink* DuoModel() override { return duoModel_ ? duoModel_() : nullptr; }

    void TakeAgeModel() override {
        if (transferAgeModel_) transferAgeModel_();
    }
    void DropAgeModel() override {
        state_.model.gAgeModelLoaded = false;
        if (transferAgeModel_) transferAgeModel_();
    }

private:
    forms::FormSlotBase& window_;
    SideState& state_;
    std::function<float(float)> toOtherCD_;
    std::function<const model::DuoModelLink*()> duoModel_;
    AgeModelTransfer transferAgeModel_;
};

}  // namespace quillory

#pragma once
// The Duo window: the core window over the Duo side, loaded hidden by the
// main window's first references and shown only once the main window's event
// list is loaded. Until it has a correlation model of its own it takes no
// input; the main window reads and writes its controls.
#include "window/core_window.h"

namespace quillory {

class Frm2Main : public CoreWindow {
public:
    Frm2Main(forms::Application& app, const CoreEnvironment& env);

    // The Duo's range pass: drawn on the master core's depth it takes the
    // main window's scales, on its own depth it centres on its own boxes.
    void ApplyRange(int16_t range) override;

protected:
    bool IsMaster() const override { return false; }
    bool FitsMaster() const override { return Option4(0).Value(); }

private:
    void BuildDesign();
    void Option2_Click();
};

}  // namespace quillory

#pragma once
// The version window of one main window: the version labels of its loaded
// model files.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/side_state.h"

namespace quillory {

class FrmVersion : public forms::Form {
public:
    FrmVersion(forms::Application& app, const std::string& name, const SideState& owner);
    // Element 1 the correlation model, 3 the event list, 4 the age-depth
    // model, 5 the varve counts.
    forms::ControlArray<forms::Label> Label2;
};

}  // namespace quillory

#pragma once
// The version window of one main window: the version labels of its loaded
// model files, under the program's own version.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/side_ref.h"

namespace quillory {

class FrmVersion : public forms::Form {
public:
    FrmVersion(forms::Application& app, const std::string& name, const std::string& caption, SideRef owner,
               const SideState& ownerState);

    forms::Label& Label3 = Add<forms::Label>("Label3");
    forms::Label& Label4 = Add<forms::Label>("Label4");
    // Row titles 0 to 3.
    forms::ControlArray<forms::Label> Label1;
    // Element 1 the correlation model, 3 the event list, 4 the age-depth
    // model, 5 the varve counts.
    forms::ControlArray<forms::Label> Label2;

private:
    void BuildDesign(const std::string& caption);
    void Form_Load();
    void Form_Unload();

    SideRef owner_;
    const SideState& ownerState_;
};

}  // namespace quillory

#include "tools/frm_version.h"


namespace quillory {

FrmVersion::FrmVersion(forms::Application& app, const std::string& name, const SideState& owner)
    : Form(app, name) {
    SetCaption("Version information");
    for (int i : {1, 3, 4, 5}) Add<forms::Label>(Label2, "Label2", i).SetCaption("n/a");
    Load = [this, &owner] {
        const model::DepthModel& m = owner.model;
        // A label not read yet keeps its "n/a".
        auto show = [this](int i, const std::string& v) { if (!v.empty()) Label2(i).SetCaption(v); };
        show(1, m.gVerCorrelation);
        show(3, m.gVerEvents);
        show(4, m.gVerAgeModel);
        show(5, m.gVerVarves);
    };
}

}  // namespace quillory

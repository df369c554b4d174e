#include "tools/frm_version.h"

#include "main/quillory.h"

namespace quillory {

FrmVersion::FrmVersion(Quillory& q) : Form(q.app, "frmVersion") {
    SetCaption("Version information");
    for (int i : {1, 3, 4, 5}) Add<forms::Label>(Label2, "Label2", i).SetCaption("n/a");
    Load = [this, &q] {
        const model::DepthModel& m = q.main.model;
        // A label not read yet keeps its "n/a".
        auto show = [this](int i, const std::string& v) { if (!v.empty()) Label2(i).SetCaption(v); };
        show(1, m.gVerCorrelation);
        show(3, m.gVerEvents);
        show(4, m.gVerAgeModel);
        show(5, m.gVerVarves);
    };
}

}  // namespace quillory

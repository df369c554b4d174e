// Connects what only the main window has to its procedures.
#include "main/frm_main.h"
#include "tools/frm_rx93.h"

namespace quillory {

using namespace forms;

FrmMain::FrmMain(Application& app, const CoreEnvironment& env, const MainTools& mainTools)
    : CoreWindow(app, "frmMain", env), mainTools_(mainTools) {
    BuildDesign();
    WireHandlers();
    WireMainHandlers();
    Load = [this] { Form_Load(); };
}

void FrmMain::WireMainHandlers() {
    Command1.Click = [this] { Command1_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    for (auto& [i, o] : Option4) o->Click = [this] { Option4_Click(); };
    for (auto* items : {&mnuDepPrec, &mnuAgePrec}) {
        for (auto& [k, item] : *items) {
            const auto decimals = static_cast<int16_t>(k);
            item->Click = [this, items, decimals] {
                for (int i = 0; i <= 4; ++i) (*items)(i).SetChecked(false);
                (*items)(decimals).SetChecked(true);
                (items == &mnuDepPrec ? shared.precision.gDepthPrecision : shared.precision.gAgePrecision) = decimals;
            };
        }
    }
    mnuShowLabCodes->Click = [this] { ToggleAndRedraw(*mnuShowLabCodes); };
    mnuQYDuo->Click = [this] { mainTools_.launchDuo(); };
    Image1.Click = [this] { mainTools_.launchDuo(); };
    mnuRX93->Click = [this] { mainTools_.rx93().Show(); };
    Image1.DblClick = [this] { Image1_DblClick(); };
}

}  // namespace quillory

// The main window's import buttons: each reads its file into the master depth
// model and opens the next step of the work.
#include <functional>

#include "values/values.h"
#include "main/frm_main.h"
#include "tools/frm_rx93.h"
#include "tools/frm_version.h"
#include "model/age_model_import.h"
#include "model/correlation_import.h"
#include "model/event_layers.h"
#include "model/file_names.h"
#include "model/item_reader.h"
#include "model/proxy_positions.h"

namespace quillory {

using namespace forms;

namespace {

// The loaded panels' event-free depths and ages follow the models they come from.
void FillPanelPlanes(SideState& st) {
    for (size_t k = 0; k < st.proxy.size(); ++k)
        if (st.gProxyLoaded[k]) {
            st.proxyDrawing[k].Forget();
            model::FillDerivedPlanes(st.model, st.proxy[k]);
        }
}

}  // namespace

void FrmMain::Command1_Click() {
    model::DepthModel& m = state.model;
    RunImport(nullptr, [&](const std::string& path, model::ItemReader& file) {
        Touch();
        // The version and the file's title are shown before the records are
        // read, and stay when they turn out unreadable.
        tools_.version().Label2(1).SetCaption(model::GetFileDate(path));
        SetCaption(Caption() + "   [" + model::GetFileTitle(path) + "]");
        ShowProgress(0);
        App().SetMousePointer(vbHourglass);
        model::CorrelationImport shown;
        model::ImportCorrelationModel(m, file, path, shown);
        ProgressBar1.SetMax(8.0 * m.gRowCount);
        ProgressBar1.SetValue(8.0 * m.gRowCount);
        // Besides what both windows' models open: its scale frame's title and
        // the precision menu.
        Label11.SetEnabled(true);
        mnuPrecision->SetEnabled(true);
        ShowCorrelationModel(shown);
        mainTools_.rx93().FollowColumns();
        ProgressBar1.SetValue(0);
        ProgressBar1.SetVisible(false);
        App().SetMousePointer(vbDefault);
    });
}

void FrmMain::TakeFirstLevel() {
    // The view opens at composite depth 240.
    state.gDrivenBy = DrivenBy::kTyped;
    shared.gActionCount.Set(ActionCount::kUserAction);
    OfferLevel([this] { Text2.SetText("240"); });
    state.gDrivenBy = DrivenBy::kNobody;
}

void FrmMain::Command3_Click() {
    model::DepthModel& m = state.model;
    RunImport(&Command3, [&](const std::string& path, model::ItemReader& file) {
        Touch();
        tools_.version().Label2(3).SetCaption(model::GetFileDate(path));
        ShowProgress(1);
        App().SetMousePointer(vbHourglass);
        model::ImportEventList(m, file, path);
        // Only a list that was read whole opens the next steps.
        mnuQYDuo->SetEnabled(true);
        mnuAlign->SetEnabled(true);
        ProgressBar1.SetVisible(false);
        ProgressBar1.SetValue(0);
        App().SetMousePointer(vbDefault);
        FillPanelPlanes(state);
        ShowEventList();
        Command4.SetEnabled(true);
        if (Command4.Enabled()) Command4.SetFocus();
    });
}

bool FrmMain::TakesAgeModelHeader(const model::AgeModelHeader& header) {
    return header.versionMatches || App().MsgBox(header.warning, vbYesNo, "WARNING!!") != vbNo;
}

std::optional<std::string> FrmMain::PlaceAgePoints() {
    model::AgeModelImport result = model::DeriveAgeModelDepths(state.model, DuoModel());
    if (result.refused) return result.message;
    shared.gAgeErrNamePlus = result.errorNamePlus;
    shared.gAgeErrNameMinus = result.errorNameMinus;
    FillPanelPlanes(state);
    return std::nullopt;
}

void FrmMain::AgeModelShown() { counterpart_.TakeAgeModel(); }

// The main window's varve counts renew the Duo window's copy of its
// age-depth model.
void FrmMain::ReadVarveCounts(model::ItemReader& file) {
    model::FinishVarveImport(state.model, file);
    FillPanelPlanes(state);
    counterpart_.DropAgeModel();
}

}  // namespace quillory

// The Duo window's "Correlation model": reads the Duo model tied to the master
// core, opens the window for use, takes the main window's level and range and
// asks for the Duo's list of event layers.
#include "duo/frm2_main.h"
#include "model/duo_correlation_import.h"
#include "model/file_names.h"
#include "tools/frm_version.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

void Frm2Main::Command1_Click() {
    model::DepthModel& m = state.model;
    CoreWindow& main = Other();
    RunImport(nullptr, [&](const std::string& path, model::ItemReader& file) {
        Touch();
        // The version and the file's title are shown before the records are
        // read, and stay when they turn out unreadable.
        tools_.version().Label2(1).SetCaption(model::GetFileDate(path));
        SetCaption(Caption() + "   [" + model::GetFileTitle(path) + "]");
        model::DuoCorrelationImport shown;
        model::ImportDuoCorrelationModel(m, duo_.master, main.state.model, file, path, shown);
        if (shown.olderLayout) {
            EndImport(false);
            App().MsgBox(model::kOlderLayoutMessage, vbExclamation, "Error");
            return;
        }
        ShowProgress(8.0 * m.gRowCount);
        App().SetMousePointer(vbHourglass);
        ProgressBar1.SetValue(8.0 * m.gRowCount);

        // The list names the first bore hole and the composite column the
        // master core before the rest of the model is shown.
        Combo1.SetText(m.gBoreHoleName[1]);
        Label1(0).SetCaption(shown.masterTitle);
        ShowCorrelationModel(shown);
        ShowDuoModel();
    });
}

// The Duo window moves to the main window's level.
void Frm2Main::TakeFirstLevel() {
    CoreWindow& main = Other();
    state.gDrivenBy = DrivenBy::kTyped;
    state.gRange = main.state.gRange;
    const float level = duo_.link.MainToDuoCD(static_cast<float>(Val(main.Text2.Text())));
    OfferLevel([&] { Text2.SetText(SingleText(level)); });
    state.gDrivenBy = DrivenBy::kNobody;
    Touch();
}

// From now on the two windows follow each other.
void Frm2Main::ShowDuoModel() {
    CoreWindow& main = Other();
    shared.gDuoModelLoaded = true;
    main.mnuLink->SetEnabled(true);
    for (auto& [v, item] : mnuCM) item->SetChecked(main.mnuCM(v).Checked());
    SetRange(main.CheckedRange());

    Label6.SetEnabled(true);
    Option4(0).SetEnabled(true);
    Option4(1).SetEnabled(true);
    ProgressBar1.SetValue(0);
    ProgressBar1.SetVisible(false);
    App().SetMousePointer(vbDefault);
    ClickCommand3(false);
}

}  // namespace quillory

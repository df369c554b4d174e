// "Age-depth model" and "Varve counts": the readers both main windows share.
// Each window places the control points on its own composite depth and says
// what the new model renews beyond itself.
#include "forms/application.h"
#include "model/age_model_import.h"
#include "model/file_names.h"
#include "model/item_reader.h"
#include "tools/frm_version.h"
#include "window/core_window.h"

namespace quillory {

using namespace forms;

void CoreWindow::Command4_Click() {
    model::DepthModel& m = state.model;
    RunImport(&Command4, [&](const std::string& path, model::ItemReader& file) {
        tools_.version().Label2(4).SetCaption(model::GetFileDate(path));
        App().SetMousePointer(vbHourglass);
        ShowProgress(200);
        ProgressBar1.SetValue(1);
        const model::AgeModelHeader header = model::BeginAgeModelImport(m, file, path);
        if (!TakesAgeModelHeader(header)) return EndImport(false);
        model::ReadAgePoints(m, file);
        // The age read-outs follow the input mode once the points are read,
        // whether or not their depths can then be derived.
        EnableAgeReadouts(Option1(0).Value());
        if (std::optional<std::string> refusal = PlaceAgePoints()) {
            EndImport(false);
            App().MsgBox(*refusal, vbExclamation, "Error");
            return;
        }
        App().SetMousePointer(vbDefault);
        DisplayAge();
        DrawLamina();
        mnuAge->SetEnabled(true);
        mnuDepth->SetEnabled(true);
        AgeModelShown();
        Command4.SetEnabled(false);
        if (Command5.Enabled() && Command5.Visible()) Command5.SetFocus();
        ProgressBar1.SetVisible(false);
        ProgressBar1.SetValue(0);
    });
}

void CoreWindow::EnableAgeReadouts(bool enabled) {
    for (Control* c : std::initializer_list<Control*>{&Label7, &Label8, &Label9, &Text4}) c->SetEnabled(enabled);
}

void CoreWindow::Command5_Click() {
    model::DepthModel& m = state.model;
    RunImport(nullptr, [&](const std::string& path, model::ItemReader& file) {
        App().SetMousePointer(vbHourglass);
        ShowProgress(2000);
        model::BeginVarveImport(m, file, path);
        tools_.version().Label2(5).SetCaption(m.gVerVarves);
        ReadVarveCounts(file);
        DrawLamina();
        DisplayAge();
        Command5.SetEnabled(false);
        if (Text2.Enabled()) Text2.SetFocus();
        ProgressBar1.SetVisible(false);
        ProgressBar1.SetValue(0);
        App().SetMousePointer(vbDefault);
    });
}

}  // namespace quillory

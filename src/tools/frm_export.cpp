#include "tools/frm_export.h"

#include "forms/application.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

FrmExport::FrmExport(Application& app, const std::string& name, const ExportDesign& design, HeldWindow main,
                     HeldWindow duo)
    : Form(app, name), main_(main), duo_(duo) {
    BuildDesign(design);
    Command1.Click = [this] { Command1_Click(); };
    Load = [this] { GiveBackMainWindows(); };
    // Every way out gives both main windows back.
    Unload_ = [this](int&) { GiveBackMainWindows(); };
    Terminate = [this] { GiveBackMainWindows(); };
}

void FrmExport::BuildDesign(const ExportDesign& design) {
    // Each box a row of 360 twips under the frame's caption; "Export" below
    // the frame; the frame and the button 240 twips in from both sides.
    constexpr int kRow = 360, kMargin = 240;
    const int rows = static_cast<int>(design.fields.size());
    const int frameWidth = design.width - 2 * kMargin, frameHeight = kRow * rows + 375;
    const int commandTop = 120 + frameHeight + 105;
    SetCaption(design.caption);
    BorderStyle = 4;  // fixed tool window
    Move(0, 0, design.width + kFrameWidth, commandTop + 375 + 210 + kFrameHeight);
    Frame2.Move(kMargin, 120, frameWidth, frameHeight);
    Frame2.SetCaption(" Select field ");
    for (int i = 0; i < rows; ++i) {
        const auto& [index, caption] = design.fields[static_cast<size_t>(i)];
        CheckBox& field = Add<CheckBox>(Check1, "Check1", index, &Frame2);
        field.Move(kMargin, kRow * (i + 1), design.fieldWidth, 225);
        field.SetCaption(caption);
    }
    Command1.Move(kMargin, commandTop, frameWidth, 375);
    Command1.SetCaption("Export");
    Label1.Move(2160, 0, 495, 255);
    Label1.SetCaption("Label1");
    Label1.SetVisible(false);
    ProgressBar1.SetVisible(false);
}

void FrmExport::OpenForPanel(int k) {
    Label1.SetCaption(Str(k));
    Show();
    main_.window().SetEnabled(false);
    duo_.window().SetEnabled(false);
    App().SetMousePointer(vbDefault);
}

void FrmExport::Command1_Click() {
    App().MsgBox("Sorry, this function is under construction.", vbOKOnly, "Quillory");
    GiveBackMainWindows();
    Unload();
}

// Loading, closing and ending the window give both main windows back; one
// that is not loaded comes back enabled when it loads. A window whose
// vertical-axis question is shown stays disabled until the question is
// answered, so that no other import can re-aim it.
void FrmExport::GiveBackMainWindows() {
    for (const HeldWindow* held : {&main_, &duo_}) {
        const Form* question = held->question->LoadedForm();
        if (question && question->Visible()) continue;
        if (SideWindow* w = held->window.IfLoaded()) w->SetEnabled(true);
    }
}

}  // namespace quillory

#include "tools/frm_export.h"

#include "forms/application.h"
#include "forms/values.h"

namespace quillory {

using namespace forms;

FrmExport::FrmExport(Application& app, const std::string& name, const std::string& caption, SideRef main, SideRef duo)
    : Form(app, name), main_(main), duo_(duo) {
    BuildDesign(caption);
    Command1.Click = [this] { Command1_Click(); };
    // Every way out gives both main windows back.
    Unload_ = [this](int&) { GiveBackMainWindows(); };
    Terminate = [this] { GiveBackMainWindows(); };
}

void FrmExport::BuildDesign(const std::string& caption) {
    SetCaption(caption);
    BorderStyle = 4;  // fixed tool window
    Move(0, 0, 2655 + kFrameWidth, 2985 + kFrameHeight);
    Frame2.Move(240, 120, 2175, 2175);
    Frame2.SetCaption(" Select field ");
    const char* fields[] = {"Sample name", "Composite depth", "Event free depth", "Age", "Data"};
    for (int i = 0; i < 5; ++i) {
        CheckBox& field = Add<CheckBox>(Check1, "Check1", i, &Frame2);
        field.Move(240, 360 + 360 * i, 1575, 225);
        field.SetCaption(fields[i]);
    }
    Command1.Move(240, 2400, 2175, 375);
    Command1.SetCaption("Export");
    Label1.Move(2160, 0, 495, 255);
    Label1.SetCaption("Label1");
    Label1.SetVisible(false);
    ProgressBar1.SetVisible(false);
}

void FrmExport::OpenForPanel(int k) {
    Label1.SetCaption(Str(k));
    Show();
    main_().SetEnabled(false);
    duo_().SetEnabled(false);
    App().SetMousePointer(vbDefault);
}

void FrmExport::Command1_Click() {
    App().MsgBox("Sorry, this function is under construction.", vbOKOnly, "Quillory");
    GiveBackMainWindows();
    Unload();
}

// A main window that is not loaded comes back enabled when it loads.
void FrmExport::GiveBackMainWindows() {
    for (const SideRef* window : {&main_, &duo_})
        if (SideWindow* w = window->IfLoaded()) w->SetEnabled(true);
}

}  // namespace quillory

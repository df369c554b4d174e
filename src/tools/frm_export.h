#pragma once
// The export window of the proxy panels, a placeholder: its field choices are
// never read and "Export" only says the function is not there yet. While it
// is open both main windows wait for it; it gives back only what it took.
#include <string>
#include <utility>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/side_ref.h"

namespace quillory {

// How the export windows of the two sides differ: the caption, the field
// check boxes (index and caption) from the top down and their width, and the
// window's inner width; the frame and "Export" follow from them.
struct ExportDesign {
    std::string caption;
    std::vector<std::pair<int, std::string>> fields;
    int fieldWidth;
    int width;
};

// A main window the export window holds, and that window's vertical-axis
// question: while the question is shown the window waits for it, not for
// the export window, and stays disabled when the export window lets go.
struct HeldWindow {
    SideRef window;
    const forms::FormSlotBase* question;
};

class FrmExport : public forms::Form {
public:
    FrmExport(forms::Application& app, const std::string& name, const ExportDesign& design, HeldWindow main,
              HeldWindow duo);

    // A panel's "Export" item: the window opens for panel k and both main
    // windows wait until it closes.
    void OpenForPanel(int k);

    forms::Frame& Frame2 = Add<forms::Frame>("Frame2");
    forms::ControlArray<forms::CheckBox> Check1;
    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1");
    // The panel the window was opened for.
    forms::Label& Label1 = Add<forms::Label>("Label1");
    forms::ProgressBar& ProgressBar1 = Add<forms::ProgressBar>("ProgressBar1");

private:
    void BuildDesign(const ExportDesign& design);
    void Command1_Click();
    void GiveBackMainWindows();

    HeldWindow main_, duo_;
};

}  // namespace quillory

#include "tools/frm_test.h"

#include "model/age_model_import.h"

namespace quillory {

using namespace forms;

namespace {

constexpr int kRowTops[] = {120, 480, 840, 1200, 1560};

}  // namespace

FrmTest::FrmTest(Application& app, const SideState& main) : Form(app, "frmTest"), main_(main) {
    BuildDesign();
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Text7.SetText(main_.model.gVerCorrelation); };
    Command3.Click = [this] { Clear(); };
}

void FrmTest::BuildDesign() {
    SetCaption("Debugging tool (staff only)");
    Move(0, 0, 7185 + kFrameWidth, 3825 + kFrameHeight);
    CommandButton* acting[] = {&Command1, &Command2, &Command3};
    const Colour fills[] = {RGB(255, 128, 0), RGB(0, 255, 255), RGB(0, 255, 0), RGB(255, 255, 0), RGB(255, 0, 255)};
    for (int k = 0; k < 5; ++k) {
        const std::string n = std::to_string(k + 1);
        CommandButton& button = k < 3 ? *acting[k] : Add<CommandButton>("Command" + n);
        button.Move(2640, kRowTops[k], 1215, 255);
        button.SetCaption("Command" + n);
        TextBox& text = Add<TextBox>("Text" + n);
        text.Move(4080, kRowTops[k], 1215, 285);
        text.SetText("Text" + n);
        forms::Label& label = Add<forms::Label>("Label" + n);
        label.Move(5400, kRowTops[k], 975, 255);
        label.SetCaption("Label" + n);
        forms::Shape& shape = Add<forms::Shape>("Shape" + n);
        shape.Move(6600, kRowTops[k], 495, 255);
        shape.FillStyle = 0;
        shape.FillColor = fills[k];
    }
    Text6.Move(2640, 1920, 4455, 855);
    Text6.SetText("Text6");
    Text7.Move(2640, 2880, 4455, 855);
    Text7.SetText("Text7");
}

void FrmTest::Clear() { Draw().Cls(); }

void FrmTest::Print(const std::string& line) { Draw().Print(line); }

// The version date of the age-depth model, read from its header as its import
// reads it; nothing before a model has been read.
void FrmTest::Command1_Click() {
    const model::DepthModel& m = main_.model;
    if (m.gAgeModel.Rows() == 0) return;
    Text6.SetText(model::AgeModelVersionDate(m.gAgeModel(5, 0)));
}

}  // namespace quillory

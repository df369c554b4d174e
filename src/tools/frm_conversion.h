#pragma once
// The conversion window of one main window ("Conversion & Save"): over the
// file its owner's "Convert from data file" read, the user confirms in which
// scale the records locate their samples ("From") and ticks the scales to
// add ("To"); "Convert and Save" writes the converted data file. The options
// and boxes are indexed by the scale bits 1, 2, 4 and 8.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "model/conversion_output.h"
#include "side/side_ref.h"
#include "tools/focus_back.h"

namespace quillory {

// How the windows of the two sides differ.
struct ConversionDesign {
    std::string caption;
    std::string trinityCaption;  // Option1(1)
    // The owner's import buttons offered the focus when the window closes,
    // in order, before its "Photo".
    std::vector<ImportButton> nextImports;
    // The column of the master core's composite depth after every column of
    // the owner's own; none for the main window.
    std::function<model::MasterColumn()> masterColumn;
};

class FrmConversion : public forms::Form {
public:
    FrmConversion(forms::Application& app, const std::string& name, const ConversionDesign& design, SideRef owner,
                  SideState& ownerState, const SharedState& shared);

    // A new reading while the window is open: the source and the models
    // loaded may have changed, so its kind is selected again with its
    // options and boxes.
    void TakeNewReading();

    // On_Off_buttons: enables the options and boxes for the current source
    // and ticks the defaults.
    void On_Off_buttons();

    forms::Frame& Frame1 = Add<forms::Frame>("Frame1");
    forms::ControlArray<forms::OptionButton> Option1;
    forms::Label& Label1 = Add<forms::Label>("Label1", -1, &Frame1);
    forms::Frame& Frame2 = Add<forms::Frame>("Frame2");
    forms::ControlArray<forms::CheckBox> Check1;
    forms::Label& Label2 = Add<forms::Label>("Label2", -1, &Frame2);
    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1");
    forms::ProgressBar& ProgressBar1 = Add<forms::ProgressBar>("ProgressBar1");
    forms::CommonDialog& CommonDialog1 = Add<forms::CommonDialog>("CommonDialog1");

private:
    void BuildDesign();
    void Form_Load();
    void Option1_Click(int16_t index);
    void Check1_Click();
    void Command1_Click();
    // The save dialog's answer; nothing when the user cancelled.
    std::optional<std::string> AskTarget();
    void Convert(const std::string& path);
    void EndConversion(SideWindow& owner);
    // Shows the message of a conversion the loaded models cannot give; the
    // window stays for another choice.
    bool Refused(const model::ConversionSave& conversion);
    void Form_Unload();

    int16_t TickedMask() const;
    int16_t SelectedSource() const;
    void SelectDetectedSource();

    ConversionDesign design_;
    SideRef owner_;
    SideState& state_;
    const SharedState& shared_;
};

}  // namespace quillory

#pragma once
// The Level Divider of one main window: between two marker laminae of a
// section it maps the defined position (PSP) of a level to its position on the
// actual, squeezed or stretched, core and back. "Fix target depth" shows where
// the owner's level lies on the actual scale; "Fix sampling" takes a typed
// actual-scale position and moves the owner to its PSP.
#include <optional>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/shared_state.h"
#include "side/side_ref.h"

namespace quillory {

// What tells the dividers of the two main windows apart on screen.
struct DividerDesign {
    std::string caption;         // "Level Divider"
    std::string actualHeading;   // Label4(1): "Position on the"
    // "Fix sampling" hides the target's actual-scale label behind the box
    // that takes the sampling position.
    bool samplingHidesTarget = false;
};

class FrmDivider : public forms::Form {
public:
    FrmDivider(forms::Application& app, const std::string& name, const DividerDesign& design, SideRef owner,
               SideState& ownerState, SharedState& shared);

    // Fills the window from the owner's hand-over values and lays its rows
    // out by depth.
    void Divide();

    // --- controls, in design order ---
    forms::ControlArray<forms::Label> Label4;
    forms::ControlArray<forms::ComboBox> Combo1;
    forms::ControlArray<forms::Label> Label2;
    forms::ControlArray<forms::TextBox> Text1;
    forms::Label& Label3 = Add<forms::Label>("Label3");
    forms::Label& Label1 = Add<forms::Label>("Label1");
    forms::TextBox& Text2 = Add<forms::TextBox>("Text2");
    forms::OptionButton& Option1 = Add<forms::OptionButton>("Option1");
    forms::OptionButton& Option2 = Add<forms::OptionButton>("Option2");
    forms::Label& Label6 = Add<forms::Label>("Label6");
    forms::PictureBox& Picture1 = Add<forms::PictureBox>("Picture1");
    // Bore-hole name, "-" and section name; read back by the owner.
    forms::Label& Label5 = Add<forms::Label>("Label5", -1, &Picture1);
    // The top, middle and bottom row's mark; the target's is green.
    forms::LineControl& Line1 = Add<forms::LineControl>("Line1", -1, &Picture1);
    forms::LineControl& Line3 = Add<forms::LineControl>("Line3", -1, &Picture1);
    forms::LineControl& Line2 = Add<forms::LineControl>("Line2", -1, &Picture1);

private:
    enum class TargetRow { kAbove, kBetween, kBelow };

    void BuildDesign(const DividerDesign& design);
    void Combo1_Click(int index);
    void Text1_Change();
    void Text2_Change();
    void Option1_Click();
    void Option2_Click();

    // The PSP of the sampling position S on the actual scale (T0, T1), or
    // nothing when a box is empty or the two boxes agree; a zero divisor
    // is a run-time error.
    std::optional<float> SampledTarget();
    void ShowSampledTarget(float psp);
    bool TargetBetweenLaminae() const;
    bool TargetBelowLaminae() const;
    void LayOut(TargetRow target);
    void LookUpLamina(int index);
    void TakeTargetFromCaption();
    float RoundedDepth(double v) const;
    // Writes a PSP into the owner's box, or keeps it for the end of Divide.
    void WriteOwnerPSP(const std::string& psp);
    void PutIntoOwner(const std::string& psp);

    const bool samplingHidesTarget_;
    SideRef owner_;
    SideState& state_;
    SharedState& shared_;

    // The hand-over values as Divide took them.
    float d0_ = 0, t_ = 0, d1_ = 0;
    std::string label0_, label1_;

    // While Divide fills the window, the owner gets only its last PSP.
    bool filling_ = false;
    std::optional<std::string> pendingPSP_;
};

}  // namespace quillory

#pragma once
// The version window of one main window: the version labels of its loaded
// model files, under the program's own version.
#include <array>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/side_ref.h"
#include "tools/focus_back.h"

namespace quillory {

// How the version windows of the two sides differ.
struct VersionDesign {
    std::string caption;
    // Tops of the four rows' titles and of their values (twips).
    std::array<int, 4> titleTops, valueTops;
    // Label4 from the owner's caption.
    std::string (*programVersion)(const std::string& ownerCaption);
    // The owner's import buttons offered the focus when the window closes,
    // in order, before its "Photo".
    std::vector<ImportButton> nextImports;
};

// The main window's caption after the product's name ("Quillory"): the
// program's version and what the correlation import appended.
std::string AfterProductName(const std::string& caption);
// The Duo window's caption, which carries no version: its last 5 characters.
std::string LastFiveCharacters(const std::string& caption);

class FrmVersion : public forms::Form {
public:
    FrmVersion(forms::Application& app, const std::string& name, const VersionDesign& design, SideRef owner,
               const SideState& ownerState);

    forms::Label& Label3 = Add<forms::Label>("Label3");
    forms::Label& Label4 = Add<forms::Label>("Label4");
    // Row titles 0 to 3.
    forms::ControlArray<forms::Label> Label1;
    // Element 1 the correlation model, 3 the event list, 4 the age-depth
    // model, 5 the varve counts.
    forms::ControlArray<forms::Label> Label2;

private:
    void BuildDesign();
    void Form_Load();
    void Form_Unload();

    VersionDesign design_;
    SideRef owner_;
    const SideState& ownerState_;
};

}  // namespace quillory

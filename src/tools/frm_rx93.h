#pragma once
// The correlator ("Correlation assist"): a ruler from 100 at the top to 0 at
// the bottom, exactly as tall as 100 cm of the main window's core columns, so
// the user can lay it against a printed core. Twenty typed positions are drawn
// across it, the one in the focused box in blue, and a typed length as a grey
// frame hanging from the top. Stretching the window stretches the ruler and
// shows the stretch against the reference height.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "side/side_ref.h"

namespace quillory {

class FrmRX93 : public forms::Form {
public:
    // The columns it measures are the composite column of `columns`.
    FrmRX93(forms::Application& app, SideRef columns);

    void DrawRX93();
    // Makes the ruler 100 cm of the columns tall and takes that height as the
    // reference, also where the window's least height keeps the ruler taller.
    void FollowColumns();

    forms::Label& Label1 = Add<forms::Label>("Label1");
    forms::TextBox& Text2 = Add<forms::TextBox>("Text2");
    forms::Label& Label3 = Add<forms::Label>("Label3");
    forms::CommandButton& Command1 = Add<forms::CommandButton>("Command1");
    forms::PictureBox& Picture1 = Add<forms::PictureBox>("Picture1");
    // Items 1 to 20, laid over the ruler.
    forms::ControlArray<forms::TextBox> Text1;
    // The reference height in twips, and the box that last had the focus;
    // both lie beyond the window's width.
    forms::Label& Label2 = Add<forms::Label>("Label2");
    forms::Label& Label4 = Add<forms::Label>("Label4");

private:
    void BuildDesign();
    void Form_Load();
    void Form_Resize();
    void Picture1_Resize();
    void Command1_Click();
    // The twips 100 cm of the columns take at their present range.
    int HundredCentimetres() const;
    // The ruler's height against the reference, as "85.3 %".
    std::string Stretch() const;
    void SetRulerScale();

    SideRef columns_;
};

}  // namespace quillory

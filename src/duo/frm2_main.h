#pragma once
// The Duo window: loaded hidden by the main window's first references, shown
// only once the main window's event list is loaded. Holds the controls that
// the main window reads and writes.
#include "forms/controls.h"
#include "forms/form.h"

namespace quillory {

struct Quillory;

class Frm2Main : public forms::Form {
public:
    explicit Frm2Main(Quillory& q);

    forms::TextBox& Text2 = Add<forms::TextBox>("Text2");
    forms::TextBox& Text3 = Add<forms::TextBox>("Text3");
    forms::TextBox& Text4 = Add<forms::TextBox>("Text4");
    forms::Label& Label7 = Add<forms::Label>("Label7");
    forms::Label& Label8 = Add<forms::Label>("Label8");
    forms::Label& Label9 = Add<forms::Label>("Label9");
    forms::Slider& Slider1 = Add<forms::Slider>("Slider1");
    forms::Frame& Frame2 = Add<forms::Frame>("Frame2");
    forms::Frame& Frame4 = Add<forms::Frame>("Frame4");
    forms::ControlArray<forms::OptionButton> Option2;
    forms::ControlArray<forms::OptionButton> Option4;
    forms::ControlArray<forms::PictureBox> BoreHole;
    forms::ControlArray<forms::PictureBox> Picture1;
    forms::ControlArray<forms::Label> Label1;
    forms::Menu* mnuRange = nullptr;
    forms::Menu* mnuLink = nullptr;
    forms::ControlArray<forms::Menu> mnuCM;
    forms::Menu* mnuHorizontal = nullptr;  // "Target horizon" of the columns' pop-up

private:
    void Option2_Click();
    Quillory& q_;
};

}  // namespace quillory

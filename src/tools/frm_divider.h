#pragma once
// The Level Divider: its two lamina lists, its section caption and the two
// controls the main window shows or hides before it opens the window.
#include "forms/controls.h"
#include "forms/form.h"

namespace quillory {

struct Quillory;

class FrmDivider : public forms::Form {
public:
    explicit FrmDivider(Quillory& q);
    forms::ControlArray<forms::ComboBox> Combo1;
    forms::PictureBox& Picture1 = Add<forms::PictureBox>("Picture1");
    // Bore-hole name, "-" and section name; read back by the main window.
    forms::Label& Label5 = Add<forms::Label>("Label5", -1, &Picture1);
    forms::TextBox& Text2 = Add<forms::TextBox>("Text2");
    forms::Label& Label1 = Add<forms::Label>("Label1");
};

}  // namespace quillory

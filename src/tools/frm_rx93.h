#pragma once
// The correlator window ("Correlation assist"): the main window writes the
// height of its picture and the two captions that report it.
#include "forms/controls.h"
#include "forms/form.h"

namespace quillory {

class FrmRX93 : public forms::Form {
public:
    explicit FrmRX93(forms::Application& app) : Form(app, "frmRX93") {
        SetCaption("Correlator");
        Label2.SetCaption("9999");
        Label3.SetCaption("100 %");
    }
    forms::PictureBox& Picture1 = Add<forms::PictureBox>("Picture1");
    forms::Label& Label2 = Add<forms::Label>("Label2");
    forms::Label& Label3 = Add<forms::Label>("Label3");
};

}  // namespace quillory

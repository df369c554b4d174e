#pragma once
// The version window: the version labels of the loaded model files.
#include "forms/controls.h"
#include "forms/form.h"

namespace quillory {

struct Quillory;

class FrmVersion : public forms::Form {
public:
    explicit FrmVersion(Quillory& q);
    // Element 1 the correlation model, 3 the event list, 4 the age-depth
    // model, 5 the varve counts.
    forms::ControlArray<forms::Label> Label2;
};

}  // namespace quillory

// The main window's side converts with the main model's conversions.
#include "window/core_window.h"
#include "model/age_conversion.h"
#include "model/depth_conversion.h"

namespace quillory {

model::TrinityDepth CoreWindow::OwnTrinityToCD(int16_t boreHole, int16_t section, float psp) {
    return model::TrinityToCD(state.model, boreHole, section, psp);
}

double CoreWindow::OwnCDToEFD(float compositeDepth) { return model::CDToEFD(state.model, compositeDepth); }

double CoreWindow::OwnCDToAge(float compositeDepth) { return model::CDToAge(state.model, compositeDepth); }

double CoreWindow::OwnAgeToEFD(float age) { return model::AgeToEFD(state.model, age); }

double CoreWindow::OwnEFDToCD(float efd) { return model::EFDToCD(state.model, efd); }

}  // namespace quillory

// The age read-out of the current level.
#include "forms/values.h"
#include "window/core_window.h"
#include "model/age_conversion.h"

namespace quillory {

using namespace forms;

void CoreWindow::DisplayAge() {
    model::DepthModel& m = state.model;
    if (!m.gAgeModelLoaded) return;
    // While the user types an age, the box keeps the typed text.
    if (state.gDriveIndex != 4) {
        const double age = model::CDToAge(m, static_cast<float>(Val(Text2.Text())));
        ShowInterpolation();
        Text4.SetText(AgeText(age));
    }
    const std::string& unitLo = m.gAgeModel(9, m.gAgeRowLo);
    const std::string& unitHi = m.gAgeModel(9, m.gAgeRowHi);
    Label7.SetCaption(unitLo != unitHi ? "Age (Hybrid unit)" : "Age (" + unitHi + ")");
    const std::string plus = AgeText(m.gAgeErrPlus), minus = AgeText(m.gAgeErrMinus);
    if (plus != minus)
        Label8.SetCaption("Error:  +" + plus + " (" + shared.gAgeErrNamePlus + ")/ -" + minus + " (" + shared.gAgeErrNameMinus +
                          ")");
    else
        Label8.SetCaption("Error:  +/- " + plus + " (" + shared.gAgeErrNamePlus + ")");
}

}  // namespace quillory

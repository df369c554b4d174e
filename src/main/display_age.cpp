// The age read-out of the current level.
#include "forms/values.h"
#include "main/frm_main.h"
#include "main/quillory.h"
#include "model/age_conversion.h"

namespace quillory {

using namespace forms;

void FrmMain::DisplayAge() {
    model::DepthModel& m = s_.model;
    if (!m.gAgeModelLoaded) return;
    // While the user types an age, the box keeps the typed text.
    if (s_.gDriveIndex != 4) {
        const double age = model::CDToAge(m, static_cast<float>(Val(Text2.Text())));
        ShowInterpolation();
        Text4.SetText(AgeText(age));
    }
    const std::string& unitLo = m.gAgeModel(9, m.gAgeRowLo);
    const std::string& unitHi = m.gAgeModel(9, m.gAgeRowHi);
    Label7.SetCaption(unitLo != unitHi ? "Age (Hybrid unit)" : "Age (" + unitHi + ")");
    const std::string plus = AgeText(m.gAgeErrPlus), minus = AgeText(m.gAgeErrMinus);
    if (plus != minus)
        Label8.SetCaption("Error:  +" + plus + " (" + m.gAgeErrNamePlus + ")/ -" + minus + " (" + m.gAgeErrNameMinus +
                          ")");
    else
        Label8.SetCaption("Error:  +/- " + plus + " (" + m.gAgeErrNamePlus + ")");
}

}  // namespace quillory

// The age read-out of the current level.
#include "values/values.h"
#include "window/core_window.h"
#include "side/scoped_value.h"
#include "model/age_conversion.h"

namespace quillory {

using namespace forms;
using namespace values;

void CoreWindow::DisplayAge() {
    if (!state.model.gAgeModelLoaded) return;
    const double age = OwnCDToAge(static_cast<float>(Val(Text2.Text())));
    ShowInterpolation();
    // The box keeps the user's text only while the user's age is on its way
    // to the level; any other level shows its own age, also when the user
    // last typed in the age box (a push, the slider, a pick, another box).
    if (ageBoxText_ != AgeBoxText::kTyped) {
        const ScopedValue<AgeBoxText> shown(ageBoxText_, AgeBoxText::kShown);
        Text4.SetText(AgeText(age));
    }
    ShowAgeUnitAndError(true);
}

void CoreWindow::ShowAgeUnitAndError(bool withNames) {
    const model::DepthModel& m = state.model;
    const std::string& unitLo = m.gAgeModel(9, m.gAgeRowLo);
    const std::string& unitHi = m.gAgeModel(9, m.gAgeRowHi);
    Label7.SetCaption(unitLo != unitHi ? "Age (Hybrid unit)" : "Age (" + unitHi + ")");
    const std::string plus = AgeText(m.gAgeErrPlus), minus = AgeText(m.gAgeErrMinus);
    const std::string namePlus = withNames ? " (" + shared.gAgeErrNamePlus + ")" : "";
    const std::string nameMinus = withNames ? " (" + shared.gAgeErrNameMinus + ")" : "";
    if (plus != minus)
        Label8.SetCaption("Error:  +" + plus + namePlus + (withNames ? "/ -" : " / -") + minus + nameMinus);
    else
        Label8.SetCaption("Error:  +/- " + plus + namePlus);
}

}  // namespace quillory

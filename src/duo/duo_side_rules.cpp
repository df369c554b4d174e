// Where the Duo window's level roads differ from the main window's: its
// bottoms include the main bore holes', its positions and conversions are the
// Duo model's, and fitted to the master core it centres and searches on the
// master core's composite depth.
#include "duo/frm2_main.h"
#include "model/duo_conversion.h"
#include "values/values.h"

namespace quillory {

using namespace forms;
using namespace values;

float Frm2Main::TrinityLevel(float compositeDepth) {
    // On its own depth the Duo draws its own composite depth whatever the
    // main window's scale; fitted to the master core it draws the main
    // window's scale.
    if (!FitsMaster()) return compositeDepth;
    return Other().TrinityLevel(duo_.link.DuoToMainCD(compositeDepth));
}

std::optional<double> Frm2Main::ColumnCentre() const {
    std::optional<double> level = ScaleBoxLevel();
    if (level && FitsMaster()) level = duo_.link.DuoToMainCD(static_cast<float>(*level));
    return level;
}

model::TrinityDepth Frm2Main::OwnTrinityToCD(int16_t boreHole, int16_t section, float psp) {
    return model::TrinityToCD2(state.model, boreHole, section, psp, state.model.gExtrapolation);
}

double Frm2Main::OwnCDToEFD(float compositeDepth) { return model::CDToEFD2(state.model, compositeDepth).value_or(0); }

double Frm2Main::OwnCDToAge(float compositeDepth) { return model::CDToAge2(state.model, compositeDepth).value_or(0); }

double Frm2Main::OwnAgeToEFD(float age) { return model::AgeToEFD2(state.model, age).value_or(0); }

float Frm2Main::FoundPosition(float psp) const {
    return static_cast<float>(RoundHalfEven(psp, shared.precision.gDepthPrecision));
}

void Frm2Main::ShowSectionOfLevel(const std::string& fromDivider) {
    // "bel5" is what is left of the divider label's design caption "Label5":
    // no position search has named a section yet.
    if (fromDivider == "bel5") {
        Combo5.SetText("---");
        Text1.SetText("---");
        return;
    }
    CoreWindow::ShowSectionOfLevel(fromDivider);
}

}  // namespace quillory

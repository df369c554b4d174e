// The Duo window's own readers of an age-depth model and of varve counts,
// behind its two hidden buttons: the main window's readers, placing the
// control points on the Duo's own composite depth, without the main
// window's version question, error names and refusal.
#include "duo/frm2_main.h"
#include "model/age_model_import.h"
#include "model/duo_age_model.h"

namespace quillory {

std::optional<std::string> Frm2Main::PlaceAgePoints() {
    model::DeriveDuoAgeModelDepths(state.model, state.model.gExtrapolation);
    return std::nullopt;
}

// Its own age-depth model opens its varve counts.
void Frm2Main::AgeModelShown() { Command5.SetEnabled(true); }

void Frm2Main::ReadVarveCounts(model::ItemReader& file) {
    model::FinishVarveImport(state.model, file, model::Side::kDuo);
}

}  // namespace quillory

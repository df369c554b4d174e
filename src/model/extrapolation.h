#pragma once
// What a change of the extrapolation method recomputes: the composite depths
// of the bore-hole levels (plane 1) and of the age points given by drilling
// position, and the age points' event-free depths.
#include "model/depth_model.h"
#include "model/duo_link.h"

namespace model {

// Call after changing gExtrapolation while a correlation model is loaded.
// Unlike the import, a tie row's own composite depth does not override the
// converted one. Age points in a Duo bore hole are converted through the Duo
// model; a point that cannot be placed keeps its composite depth.
void RecomputeDerivedDepths(DepthModel& m, const DuoModelLink* duo);

}  // namespace model

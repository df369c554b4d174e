#pragma once
// The link between the two models, as the windows use it: the Duo model as
// the main depth model reads it, and the conversions between the two
// composite depths.
#include "model/duo_link.h"
#include "side/shared_state.h"

namespace quillory {

// The Duo model as the main depth model sees it; null while none is loaded.
const model::DuoModelLink* DuoLink(const SharedState& shared);

// The Duo composite depth of a main composite depth, and the main composite
// depth of a Duo one; 9999 for no value.
float MainToDuoCD(float depth);
float DuoToMainCD(float depth);

}  // namespace quillory

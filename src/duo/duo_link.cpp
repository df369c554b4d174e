#include "duo/duo_link.h"

namespace quillory {

// Until the Duo window imports its own correlation model there is nothing to
// link: gDuoModelLoaded stays False and no level has a depth in the other model.
const model::DuoModelLink* DuoLink(const SharedState&) { return nullptr; }

float MainToDuoCD(float) { return 9999.0f; }

float DuoToMainCD(float) { return 9999.0f; }

}  // namespace quillory

#include "duo/duo_link.h"

#include "main/quillory.h"

namespace quillory {

// Until the Duo window imports its own correlation model there is nothing to
// link: gDuoModelLoaded stays False and no level has a Duo depth.
const model::DuoModelLink* DuoLink(Quillory&) { return nullptr; }

float MainToDuoCD(Quillory&, float) { return 9999.0f; }

}  // namespace quillory

#pragma once
// Who writes the level of a window now (gDrivenBy). While a writer holds it,
// the handlers of the other inputs only show values instead of writing the
// level again.
#include <cstdint>

namespace quillory {

enum class DrivenBy : int16_t {
    kNobody = 0,
    kTrinity = 1,        // the holy-trinity controls
    kTyped = 2,          // typed, the slider, a composite-column pick or a push from the other window
    kDivider = 8,        // the Level Divider
    kBoreHoleClick = 9,  // a pick on a bore-hole column
    kHolding = 9999,     // start-up or a change of bore hole: the holy-trinity handlers do nothing
};

}  // namespace quillory

#pragma once
// A whole-file conversion of one side: while it runs, gDriveIndex is 0, so the
// age conversions leave the window's interpolation caption alone; afterwards
// the input that took the level last is given back, and with it the caption.
#include <cstdint>

#include "side/scoped_value.h"
#include "side/side_state.h"

namespace quillory {

class BatchConversion : ScopedValue<int16_t> {
public:
    explicit BatchConversion(SideState& state) : ScopedValue(state.gDriveIndex, 0) {}
};

}  // namespace quillory

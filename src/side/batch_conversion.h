#pragma once
// A whole-file conversion of one side: while it runs, gDriveIndex is 0, so the
// age conversions leave the window's interpolation caption alone; afterwards
// the input that took the level last is given back, and with it the caption.
#include <cstdint>

#include "side/side_state.h"

namespace quillory {

class BatchConversion {
public:
    explicit BatchConversion(SideState& state) : state_(state), kept_(state.gDriveIndex) { state.gDriveIndex = 0; }
    ~BatchConversion() { state_.gDriveIndex = kept_; }
    BatchConversion(const BatchConversion&) = delete;
    BatchConversion& operator=(const BatchConversion&) = delete;

private:
    SideState& state_;
    int16_t kept_;
};

}  // namespace quillory

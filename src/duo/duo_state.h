#pragma once
// The Duo window's side of the program state, as far as the main window reads
// or writes it.
#include <cstdint>

namespace quillory {

struct DuoState {
    int16_t gDrivenBy2 = 0;
    int16_t gVerticalScale2 = 1;
    int16_t gRange2 = 0;
    int32_t gRowCount2 = 0;
};

}  // namespace quillory

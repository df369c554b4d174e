#pragma once
// Redraws proxy panel Picture1(panel) of a main window from its data.
#include <cstdint>

namespace quillory {

class SideWindow;

void DrawProxy(SideWindow& window, int16_t panel);

}  // namespace quillory

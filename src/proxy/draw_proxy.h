#pragma once
// Redraws proxy panel Picture1(panel) of the main window from its data.
#include <cstdint>

namespace quillory {

class FrmMain;

void DrawProxy(FrmMain& main, int16_t panel);

}  // namespace quillory

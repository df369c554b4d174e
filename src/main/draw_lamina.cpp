// The full redraw of the main window's core columns and proxy panels.
#include "main/frm_main.h"

namespace quillory {

// The columns are drawn by the core-column display; until it is built the
// level roads call this and nothing is drawn.
void FrmMain::DrawLamina() {}

}  // namespace quillory

#pragma once
// The Duo window's core columns as the main window drives them: its redraw,
// its eraser of the target line, a pick on its composite column and its
// launch. Until the Duo window has a correlation model of its own
// (gDuoModelLoaded) there is nothing to draw or pick there.
#include <cstdint>

namespace quillory {

struct Quillory;

void DrawLamina2(Quillory& q);
void EraseTargetLines2(Quillory& q);
void MouseDownProcedure2(Quillory& q, int16_t index, int button, int shift, float x, float y);
// Shows the Duo window beside the main window, once the main window's event
// list is loaded and while no Duo model is.
void LaunchDuo(Quillory& q);

}  // namespace quillory

#pragma once
// The drawing of a proxy panel Picture1(panel) of a main window: the chosen
// column (divided by a divisor column while "Ratio" shows one) across, the
// samples' positions on the window's drawn scale down, over grey bands
// outside the correlation model and the event layers, as a curve, markers
// and the running mean whose "Smoothing" item carries a check mark. Every
// panel's image becomes its kept picture, so that the target lines can be
// cleared and drawn again without drawing the data.
#include <cstdint>

#include "forms/colour.h"

namespace quillory {

class SideWindow;

inline constexpr forms::Colour kCurveColour = forms::RGB(0, 0, 255);
inline constexpr forms::Colour kRunningMeanColour = forms::RGB(255, 0, 0);

// Reports nothing: a fault in the drawing ends it at its finishing steps.
void DrawProxy(SideWindow& window, int16_t panel);

// Where a curve segment is left out because the depth decreases: nothing.
void EmptyProcedure();

}  // namespace quillory

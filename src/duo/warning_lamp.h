#pragma once
// The Duo window's warning lamp: while the Duo has no list of event layers,
// the lamp pulses between light grey and red, one step every 30 ms.
#include <cstdint>

#include "forms/colour.h"

namespace quillory {

// gLampRed and gLampPhase.
struct LampState {
    float gLampRed = 0;
    int16_t gLampPhase = 0;
};

// The lamp's look at a phase: the red component (205 to 255) and the fill
// colour, from light grey RGB(205, 205, 205) to pure red RGB(255, 0, 0).
struct LampLook {
    float red;
    forms::Colour fill;
};

inline constexpr long kLampTickMs = 30;

LampLook LampLookAt(int16_t phase);
// The phase after one tick: two units on, back to 0 past 31416.
int16_t NextLampPhase(int16_t phase);

}  // namespace quillory

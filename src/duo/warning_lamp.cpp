#include "duo/warning_lamp.h"

#include <algorithm>
#include <cmath>

#include "values/values.h"

namespace quillory {

LampLook LampLookAt(int16_t phase) {
    // Held in single precision and clamped, so the lamp stays fully red for
    // about two thirds of a cycle and fully grey for about a tenth.
    float v = static_cast<float>((std::sin(phase / 31.416) + 0.7) * 4);
    v = std::clamp(v, -1.0f, 1.0f);
    const float red = (v + 1) * 25 + 205;
    const int g = values::CInt(205 - (v + 1) * 102.5);
    return {red, forms::RGB(values::CInt(red), g, g)};
}

int16_t NextLampPhase(int16_t phase) {
    const int next = phase + 2;
    return static_cast<int16_t>(next > 31416 ? 0 : next);
}

}  // namespace quillory

#pragma once
#include <cstdint>
#include <string>

#include "values/values.h"

namespace forms {

// Colours are kept as the old platform stores them: red in the low byte.
using Colour = std::uint32_t;

constexpr Colour RGB(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// A colour written as a number: the platform's Long, whose negative values
// are the system colours' bit patterns; beyond a Long it is error 6.
inline Colour ColourOf(const std::string& number) { return static_cast<Colour>(values::CLng(values::Val(number))); }

constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
// The system's face colour of buttons, frames and the window background.
constexpr Colour kButtonFace = RGB(240, 240, 240);
// The system's colours of selected text and of the text of disabled controls.
constexpr Colour kHighlightText = kWhite;
constexpr Colour kGrayText = RGB(109, 109, 109);

}  // namespace forms

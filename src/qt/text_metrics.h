#pragma once
// The windows' text measured in the program's font: one QFontMetricsF per
// size, weight and screen ratio, made once and kept, instead of a font and
// its metrics made for every measured text (a column prints hundreds of
// labels at every level change). The numbers are the ones a fresh
// QFontMetricsF of FontFor gives.
#include <string>

namespace qtback {

// The advance of `text` and the line height, in pixels; any thread.
double TextAdvancePixels(const std::string& text, double points, bool bold);
double TextLinePixels(double points, bool bold);

}  // namespace qtback

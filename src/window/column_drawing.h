#pragma once
// What the drawings of the core columns share: the columns' user scale, the
// colours, the visible window of a column and the tie rows' depths read once
// per redraw as numbers.
#include <array>
#include <string_view>
#include <vector>

#include "forms/colour.h"
#include "forms/surface.h"
#include "model/depth_model.h"

namespace quillory::columns {

// Every core column runs from x 0 to x 7.6; the ruler from 0 to 10.
inline constexpr double kColumnWidth = 7.6;
inline constexpr double kRulerWidth = 10;

inline constexpr forms::Colour kLightCyan = forms::RGB(220, 255, 255);
inline constexpr forms::Colour kGrey = forms::RGB(170, 170, 170);
inline constexpr forms::Colour kDarkGrey = forms::RGB(100, 100, 100);
inline constexpr forms::Colour kTargetHorizon = forms::RGB(0, 170, 0);
inline constexpr forms::Colour kTargetLine = forms::RGB(255, 150, 0);
inline constexpr forms::Colour kTephra = forms::RGB(150, 150, 255);
inline constexpr forms::Colour kOtherEvent = forms::RGB(225, 225, 125);
inline constexpr forms::Colour kVarveInterval = forms::RGB(255, 150, 150);
inline constexpr forms::Colour kVarveRun = forms::RGB(255, 180, 180);
inline constexpr forms::Colour kPin = forms::RGB(100, 255, 100);
inline constexpr forms::Colour kSectionTie = forms::RGB(0, 0, 255);
inline constexpr forms::Colour kSingleLetterTie = forms::RGB(255, 0, 255);
inline constexpr forms::Colour kTie = forms::RGB(255, 0, 0);
inline constexpr forms::Colour kLabel = forms::RGB(80, 80, 80);
inline constexpr forms::Colour kRejectedPoint = forms::RGB(100, 100, 100);

// The visible levels of a column, ScaleTop to ScaleTop + ScaleHeight.
struct View {
    double top, bottom;
    static View Of(const forms::Surface& s) { return {s.ScaleTop(), s.ScaleTop() + s.ScaleHeight()}; }
    // A stretch from `upper` down to `lower` reaches into the view (strictly).
    bool Reaches(double upper, double lower) const { return upper < bottom && lower > top; }
};

// A box across the whole column, outlined in its own colour.
inline void Band(forms::Surface& s, double y1, double y2, forms::Colour c) {
    s.FilledBox(0, y1, kColumnWidth, y2, c);
}
inline void Cross(forms::Surface& s, double y1, double y2) {
    s.Line(0, y1, kColumnWidth, y2, kDarkGrey);
    s.Line(0, y2, kColumnWidth, y1, kDarkGrey);
}
// Fills the whole visible area in one colour.
inline void FillView(forms::Surface& s, forms::Colour c) {
    s.FilledBox(s.ScaleLeft(), s.ScaleTop(), s.ScaleLeft() + s.ScaleWidth(), s.ScaleTop() + s.ScaleHeight(), c);
}

// The tie rows' depths in one plane of the correlation model as single
// precision numbers, so that the passes of one redraw convert each cell once.
struct TieDepths {
    std::vector<float> composite;                // [row]: the composite column's depth
    std::array<std::vector<float>, 5> boreHole;  // [bh][row], bore holes 1 to 4
    static TieDepths Read(const model::DepthModel& m, int plane);
};

// Whether a text begins with one of two spellings (first characters).
bool StartsWith(std::string_view text, std::string_view a, std::string_view b);

}  // namespace quillory::columns

#pragma once
// What a proxy panel plots across: the chosen column, divided by the divisor
// column where one is chosen, its range and the default ends of its axis.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/proxy_data.h"

namespace quillory {

inline constexpr float kNoPlotValue = 9999;

// A plotted value, a value or a divisor that stands for none (+-9999).
inline bool IsNoPlotValue(float v) { return v == kNoPlotValue || v == -kNoPlotValue; }

// The column whose name a chooser shows (the last of equal names); the
// previous choice when none has it; column 1 for a file of one column.
int16_t ChosenColumn(const model::ProxyPanelData& panel, std::string_view shown, int16_t previous);

// x(i) for samples 1 to gProxyRows into `x` (row 0 unused): the value of
// `column` over that of `divisor` (1 when `divisor` is 0), 9999 where either
// is a no-value or the divisor is 0. A quotient beyond single precision is
// run-time error 6; the rows before it are written.
void PlotValues(const model::ProxyPanelData& panel, int16_t column, int16_t divisor, std::vector<float>& x);

// The largest and smallest plotted value, no-values left out; -999999 and
// 999999 when every value is one, the largest one more when they are equal.
struct PlotRange {
    float max, min;
};
PlotRange RangeOf(std::span<const float> x);

// The default left and right ends of the value axis: below 1 in magnitude a
// range end itself (0 where it lies on the far side of 0), else the end
// widened by a half and rounded to a whole number, a half to the even side.
std::array<float, 2> DefaultAxisEnds(PlotRange range);

}  // namespace quillory

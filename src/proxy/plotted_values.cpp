#include "proxy/plotted_values.h"

#include <cmath>

#include "values/shown_text.h"
#include "values/values.h"

namespace quillory {

int16_t ChosenColumn(const model::ProxyPanelData& panel, std::string_view shown, int16_t previous) {
    if (panel.gProxyCols < 2) return 1;
    int16_t chosen = previous;
    for (int16_t c = 1; c <= panel.gProxyCols; ++c)
        if (values::SameShownText(panel.gProxyColName(c), shown)) chosen = c;
    return chosen;
}

void PlotValues(const model::ProxyPanelData& panel, int16_t column, int16_t divisor, std::vector<float>& x) {
    const long n = panel.gProxyRows;
    x.assign(static_cast<size_t>(n) + 1, 0.0f);
    const std::span<const float> values = panel.gProxyValue.Column(column);
    const std::span<const float> divisors = divisor >= 1 ? panel.gProxyValue.Column(divisor) : std::span<const float>();
    for (long i = 1; i <= n; ++i) {
        const float value = values[static_cast<size_t>(i)];
        const float by = divisor >= 1 ? divisors[static_cast<size_t>(i)] : 1.0f;
        float& out = x[static_cast<size_t>(i)];
        if (IsNoPlotValue(value) || IsNoPlotValue(by) || by == 0) out = kNoPlotValue;
        else out = values::CSng(static_cast<double>(value) / by);
    }
}

PlotRange RangeOf(std::span<const float> x) {
    PlotRange r{-999999, 999999};
    for (float v : x) {
        if (IsNoPlotValue(v)) continue;
        if (v > r.max) r.max = v;
        if (v < r.min) r.min = v;
    }
    if (r.max == r.min) r.max = r.min + 1;
    return r;
}

std::array<float, 2> DefaultAxisEnds(PlotRange range) {
    const float lower = std::fabs(range.min) < 1 ? (range.min <= 0 ? range.min : 0.0f)
                                                 : static_cast<float>(values::RoundHalfEven(double(range.min) - 0.5));
    const float upper = std::fabs(range.max) < 1 ? (range.max >= 0 ? range.max : 0.0f)
                                                 : static_cast<float>(values::RoundHalfEven(double(range.max) + 0.5));
    return {lower, upper};
}

}  // namespace quillory

#include "model/running_mean.h"

#include <algorithm>
#include <cmath>

#include "forms/runtime_error.h"

namespace model {
namespace {

// A window of n samples: the pair at row i tests rows i - up to i - up + n.
struct MeanWidth {
    int n;
    int up;
    bool needsRows;      // draws nothing for fewer than n rows
    bool sharedSingle;   // adds the shared rows into single-precision sums
};

constexpr MeanWidth kWidths[] = {{3, 1, false, false}, {5, 2, false, false}, {11, 5, true, true}, {208, 104, true, true}};

const MeanWidth* Find(int width) {
    for (const MeanWidth& w : kWidths)
        if (w.n == width) return &w;
    return nullptr;
}

// The mean points of windows A (rows first to last - 1) and B (first + 1 to last).
MeanSegment Means(const MeanWidth& w, std::span<const float> x, std::span<const float> y, long first) {
    const long last = first + w.n;
    const double n = w.n;
    if (w.sharedSingle) {
        float sx = 0, sy = 0;
        for (long r = first + 1; r < last; ++r) {
            sx += x[r];
            sy += y[r];
        }
        return {static_cast<float>((double(sx) + x[first]) / n), static_cast<float>((double(sy) + y[first]) / n),
                static_cast<float>((double(sx) + x[last]) / n), static_cast<float>((double(sy) + y[last]) / n)};
    }
    double ax = 0, ay = 0, bx = 0, by = 0;
    for (long r = first; r < last; ++r) {
        ax += x[r];
        ay += y[r];
        bx += x[r + 1];
        by += y[r + 1];
    }
    return {static_cast<float>(ax / n), static_cast<float>(ay / n), static_cast<float>(bx / n),
            static_cast<float>(by / n)};
}

bool Drawable(std::span<const float> x, std::span<const float> y, long first, long last) {
    for (long r = first; r <= last; ++r)
        if (std::fabs(x[r]) == 9999.0f) return false;
    for (long r = first; r < last; ++r)
        if (y[r] > y[r + 1]) return false;
    return true;
}

}  // namespace

bool IsRunningMeanWidth(int width) { return Find(width) != nullptr; }

std::vector<MeanSegment> RunningMean(int width, std::span<const float> x, std::span<const float> y, int32_t rows,
                                     int32_t startRow, std::optional<MeanView> view) {
    const MeanWidth* w = Find(width);
    if (!w) throw forms::RuntimeError(forms::kErrInvalidCall, "Invalid procedure call or argument");
    std::vector<MeanSegment> segments;
    if (w->needsRows && rows < w->n) return segments;
    // Rows that the tables do not hold are past the samples, whatever `rows` says.
    const long held = std::min<long>(rows, std::min<long>(static_cast<long>(x.size()), static_cast<long>(y.size())) - 1);
    const long bound = static_cast<long>(rows) - (w->n - w->up);
    for (long i = std::max<long>(startRow, w->up + 1);; ) {
        const long first = i - w->up, last = first + w->n;
        if (last > held) break;
        // Positions that pass the order test rise from y[first] to y[last]:
        // beyond the view on either side, the pair draws nothing there.
        const bool hidden = view && (y[first] > view->bottom || y[last] < view->top);
        if (!hidden && Drawable(x, y, first, last)) segments.push_back(Means(*w, x, y, first));
        if (++i >= bound) break;
    }
    return segments;
}

}  // namespace model

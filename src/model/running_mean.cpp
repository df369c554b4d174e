#include "model/running_mean.h"

#include <algorithm>
#include <cmath>

#include "values/runtime_error.h"

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

const MeanWidth& Of(int width) {
    const MeanWidth* w = Find(width);
    if (!w) throw values::RuntimeError(values::kErrInvalidCall, "Invalid procedure call or argument");
    return *w;
}

// The mean points of a pair of wide windows from the sums of the rows they
// share (first + 1 to last - 1) and each window's own end row.
MeanSegment FromShared(const MeanWidth& w, std::span<const float> x, std::span<const float> y, long first, float sx,
                       float sy) {
    const long last = first + w.n;
    const double n = w.n;
    return {static_cast<float>((double(sx) + x[first]) / n), static_cast<float>((double(sy) + y[first]) / n),
            static_cast<float>((double(sx) + x[last]) / n), static_cast<float>((double(sy) + y[last]) / n)};
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
        return FromShared(w, x, y, first, sx, sy);
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

bool IsNoValue(float x) { return std::fabs(x) == 9999.0f; }

bool Drawable(std::span<const float> x, std::span<const float> y, long first, long last) {
    for (long r = first; r <= last; ++r)
        if (IsNoValue(x[r])) return false;
    for (long r = first; r < last; ++r)
        if (y[r] > y[r + 1]) return false;
    return true;
}

// The last row the tables hold of `rows`: rows past the samples are never read.
long Held(std::span<const float> x, std::span<const float> y, int32_t rows) {
    return std::min<long>(rows, std::min<long>(static_cast<long>(x.size()), static_cast<long>(y.size())) - 1);
}

// The pairs from `startRow` in the drawing's order; `pair(first)` gives the
// segment of the pair whose windows begin at row `first`, or none.
template <class Pair>
std::vector<MeanSegment> Walk(const MeanWidth& w, std::span<const float> y, int32_t rows, long held, int32_t startRow,
                              std::optional<MeanView> view, Pair pair) {
    std::vector<MeanSegment> segments;
    if (w.needsRows && rows < w.n) return segments;
    const long bound = static_cast<long>(rows) - (w.n - w.up);
    for (long i = std::max<long>(startRow, w.up + 1);; ) {
        const long first = i - w.up, last = first + w.n;
        if (last > held) break;
        // Positions that pass the order test rise from y[first] to y[last]:
        // beyond the view on either side, the pair draws nothing there.
        const bool hidden = view && (y[first] > view->bottom || y[last] < view->top);
        if (!hidden) {
            if (const std::optional<MeanSegment> s = pair(first)) segments.push_back(*s);
        }
        if (++i >= bound) break;
    }
    return segments;
}

// Pairs summed side by side: each lane adds its own rows in its own order,
// so every sum is the one Means makes, and the lanes fill a vector register.
constexpr long kLanes = 16;

}  // namespace

bool IsRunningMeanWidth(int width) { return Find(width) != nullptr; }

std::vector<MeanSegment> RunningMean(int width, std::span<const float> x, std::span<const float> y, int32_t rows,
                                     int32_t startRow, std::optional<MeanView> view) {
    const MeanWidth& w = Of(width);
    return Walk(w, y, rows, Held(x, y, rows), startRow, view, [&](long first) -> std::optional<MeanSegment> {
        if (!Drawable(x, y, first, first + w.n)) return std::nullopt;
        return Means(w, x, y, first);
    });
}

RunningMeanPairs::RunningMeanPairs(int width, std::span<const float> x, std::span<const float> y, int32_t rows)
    : width_(width), rows_(rows), held_(Held(x, y, rows)) {
    const MeanWidth& w = Of(width);
    // Pairs whose windows begin at rows 1 to `pairs`; a later one would read
    // past the rows held.
    const long pairs = held_ - w.n;
    if (pairs < 1) return;
    // How many no-values lie in rows 1 to r, and how many falls in positions
    // from rows 1 to r: a pair draws when its rows hold neither.
    std::vector<int32_t> noValues(static_cast<size_t>(held_) + 1), falls(static_cast<size_t>(held_) + 1);
    for (long r = 1; r <= held_; ++r) {
        noValues[r] = noValues[r - 1] + IsNoValue(x[r]);
        falls[r] = falls[r - 1] + (r < held_ && y[r] > y[r + 1]);
    }
    auto drawable = [&](long first) {
        const long last = first + w.n;
        return noValues[last] == noValues[first - 1] && falls[last - 1] == falls[first - 1];
    };
    segments_.resize(static_cast<size_t>(pairs) + 1);
    drawable_.assign(static_cast<size_t>(pairs) + 1, 0);
    for (long first = 1; first <= pairs;) {
        if (w.sharedSingle && first + kLanes - 1 <= pairs) {
            bool any = false;
            for (long j = 0; j < kLanes; ++j) any |= drawable(first + j);
            if (!any) {
                first += kLanes;
                continue;
            }
            float sx[kLanes] = {}, sy[kLanes] = {};
            for (long r = first + 1; r < first + w.n; ++r)
                for (long j = 0; j < kLanes; ++j) {
                    sx[j] += x[r + j];
                    sy[j] += y[r + j];
                }
            for (long j = 0; j < kLanes; ++j)
                if (drawable(first + j)) {
                    drawable_[first + j] = 1;
                    segments_[first + j] = FromShared(w, x, y, first + j, sx[j], sy[j]);
                }
            first += kLanes;
            continue;
        }
        if (drawable(first)) {
            drawable_[first] = 1;
            segments_[first] = Means(w, x, y, first);
        }
        ++first;
    }
    for (long first = 1; first <= pairs; ++first) {
        if (!drawable_[first]) continue;
        if (first > 1 && drawable_[first - 1]) stretches_.back().last = static_cast<int32_t>(first);
        else stretches_.push_back({static_cast<int32_t>(first), static_cast<int32_t>(first)});
    }
    stretches_.shrink_to_fit();
    ordered_ = std::none_of(y.begin() + 1, y.begin() + held_ + 1, [](float v) { return std::isnan(v); });
}

std::vector<MeanSegment> RunningMeanPairs::Segments(std::span<const float> y, int32_t startRow,
                                                    std::optional<MeanView> view) const {
    const MeanWidth& w = Of(width_);
    if (!view || !ordered_ || std::isnan(view->top) || std::isnan(view->bottom)) {
        return Walk(w, y, rows_, held_, startRow, view, [&](long first) -> std::optional<MeanSegment> {
            if (!drawable_[first]) return std::nullopt;
            return segments_[first];
        });
    }
    std::vector<MeanSegment> segments;
    if (w.needsRows && rows_ < w.n) return segments;
    // The pairs the walk tries: from the start row's on while below the
    // bound, the first always, none reading past the rows held.
    const long f0 = std::max<long>(startRow, w.up + 1) - w.up;
    const long pairs = held_ - w.n;
    if (f0 > pairs) return segments;
    const long bound = static_cast<long>(rows_) - (w.n - w.up);
    const long f1 = std::max(f0, std::min(bound - 1 - w.up, pairs));
    // Along a stretch of drawing pairs the positions rise, so the pairs in
    // view lie together in it: past those wholly above it, before those
    // wholly below.
    auto stretch = std::lower_bound(stretches_.begin(), stretches_.end(), f0,
                                    [](const Stretch& s, long first) { return s.last < first; });
    for (; stretch != stretches_.end() && stretch->first <= f1; ++stretch) {
        const long a = std::max<long>(stretch->first, f0), b = std::min<long>(stretch->last, f1);
        long lo = a;
        for (long count = b + 1 - lo; count > 0;) {
            const long half = count / 2;
            if (y[lo + half + w.n] < view->top) {
                lo += half + 1;
                count -= half + 1;
            } else {
                count = half;
            }
        }
        for (long first = lo; first <= b && y[first] <= view->bottom; ++first) segments.push_back(segments_[first]);
    }
    return segments;
}

}  // namespace model

#include "model/depth_runs.h"

#include <algorithm>

namespace model {

DepthRuns::DepthRuns(std::span<const float> y, long n) {
    for (long r = 1; r <= n; ++r) {
        const size_t at = static_cast<size_t>(r);
        if (r == n || !(y[at] <= y[at + 1])) ends_.push_back(static_cast<int32_t>(r));
    }
    ends_.shrink_to_fit();
}

long DepthRuns::EndOf(long row) const { return *std::lower_bound(ends_.begin(), ends_.end(), row); }

std::optional<long> DepthRuns::FirstAtOrBelow(std::span<const float> y, long from, float top) const {
    const float* depth = y.data();
    for (auto end = std::lower_bound(ends_.begin(), ends_.end(), from); end != ends_.end(); ++end) {
        const long start = std::max<long>(from, end == ends_.begin() ? 1 : *(end - 1) + 1);
        // A run's depths rise to its last one: if any reaches `top`, the last does.
        if (depth[*end] >= top) return std::lower_bound(depth + start, depth + *end + 1, top) - depth;
    }
    return std::nullopt;
}

}  // namespace model

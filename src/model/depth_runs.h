#pragma once
// The runs of a panel's samples whose depth never decreases (a file holds one
// bore hole after another, each section after section), found once for the
// panel's positions in the drawn plane: a level change then finds the rows
// near its view by binary search in each run instead of walking every row.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace model {

class DepthRuns {
public:
    // Rows 1 to n of `y` (row 0 unused): a run ends where the next depth is
    // not at least its own (a NaN stands alone).
    DepthRuns(std::span<const float> y, long n);
    // The last row of the run that holds `row` (1 to n).
    long EndOf(long row) const;
    // The first row from `from` on whose depth is at least `top`, as a walk
    // down the rows finds it; none when no row is.
    std::optional<long> FirstAtOrBelow(std::span<const float> y, long from, float top) const;

private:
    std::vector<int32_t> ends_;  // the last row of each run, ascending: 4 bytes a row at most
};

}  // namespace model

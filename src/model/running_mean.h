#pragma once
// Running means of a proxy curve (flat smoothing over 3, 5, 11 or 208
// samples), as the segments the panel draws in red.
//
// Each segment joins the mean point of a window of N samples (mean plotted
// value across, mean position down) to that of the same window moved down by
// one sample; the pair at row i tests rows i - up to i - up + N and draws
// only when none of their plotted values is a no-value (magnitude 9999) and
// their positions never decrease. Widths 3 and 5 add their values in double
// precision; 11 and 208 add the N - 1 rows the two windows share into
// single-precision sums first, afresh for every pair. A row beyond the last
// sample counts as no value: nothing past the samples is ever read.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace model {

struct MeanSegment {
    float x0, y0, x1, y1;
};

// The rows of the panel in view; pairs that lie wholly above `top` or below
// `bottom` are left out. Widen it by the drawn line's width.
struct MeanView {
    float top, bottom;
};

// True for the four widths of the smoothing menu: 3, 5, 11 and 208.
bool IsRunningMeanWidth(int width);

// The segments of the running mean over `width` samples of rows 1 to `rows`,
// each pair summed as it is reached:
// x the plotted values and y the positions, each indexed by sample row (row
// 0 unused). Pairs start at `startRow` (raised to the first pair whose window
// begins at row 1) and go on while the pair's row is below rows - (N - up);
// the first pair is always tried. Widths 11 and 208 draw nothing for fewer
// than 11 or 208 rows. Any other width is run-time error 5.
std::vector<MeanSegment> RunningMean(int width, std::span<const float> x, std::span<const float> y, int32_t rows,
                                     int32_t startRow, std::optional<MeanView> view = std::nullopt);

// The running mean of one width over one panel's plotted values and
// positions with every pair summed once, in the same order as RunningMean
// sums it: a level change then draws the pairs in view without summing.
// It holds a segment and a byte for every row and 8 bytes for every run of
// pairs that draw, 21 bytes a row at most.
class RunningMeanPairs {
public:
    RunningMeanPairs(int width, std::span<const float> x, std::span<const float> y, int32_t rows);
    int Width() const { return width_; }
    // RunningMean(width, x, y, rows, startRow, view) for the x, y and rows
    // the pairs were summed from (`y` is that y again).
    std::vector<MeanSegment> Segments(std::span<const float> y, int32_t startRow,
                                      std::optional<MeanView> view = std::nullopt) const;

private:
    int width_;
    int32_t rows_;
    long held_;
    std::vector<MeanSegment> segments_;  // by the pair's first row
    std::vector<uint8_t> drawable_;      // whether that pair draws its segment
    struct Stretch {
        int32_t first, last;  // pairs that all draw, by their first rows
    };
    std::vector<Stretch> stretches_;
    bool ordered_ = false;  // no position is NaN: along a stretch they never fall
};

}  // namespace model

// The runs of rising positions give what walking down the rows gives.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "model/depth_runs.h"

using namespace model;

namespace {

// Positions in runs that rise, fall back, repeat, and hold 9999s, NaNs and
// infinities, as the planes of a panel can.
std::vector<float> Positions(std::mt19937& random, long n) {
    std::vector<float> y(static_cast<size_t>(n) + 1);
    float depth = 100;
    for (long r = 1; r <= n; ++r) {
        switch (random() % 50) {
            case 0: y[r] = 9999; continue;
            case 1: y[r] = std::numeric_limits<float>::quiet_NaN(); continue;
            case 2: y[r] = -std::numeric_limits<float>::infinity(); continue;
            case 3: depth -= static_cast<float>(random() % 300); break;
            case 4: case 5: break;  // repeated
            default: depth += static_cast<float>(random() % 100) / 7;
        }
        y[r] = depth;
    }
    return y;
}

TEST(DepthRuns, RunsGiveWhatAWalkDownTheRowsGives) {
    std::mt19937 random(11);
    for (long n : {0L, 1L, 2L, 3L, 50L, 700L, 3000L}) {
        for (int curve = 0; curve < 5; ++curve) {
            const std::vector<float> y = Positions(random, n);
            const DepthRuns runs(y, n);
            for (long row = 1; row <= n; ++row) {
                long last = row;
                while (last < n && y[last] <= y[last + 1]) ++last;
                ASSERT_EQ(runs.EndOf(row), last) << n << " " << row;
            }
            for (int probe = 0; probe < 200; ++probe) {
                const long from = 1 + static_cast<long>(random() % static_cast<unsigned>(n + 2));
                const float top = static_cast<float>(random() % 4000) - 500;
                std::optional<long> walked;
                for (long i = from; i <= n && !walked; ++i)
                    if (y[i] >= top) walked = i;
                EXPECT_EQ(runs.FirstAtOrBelow(y, from, top), walked) << n << " " << from << " " << top;
            }
        }
    }
}

}  // namespace

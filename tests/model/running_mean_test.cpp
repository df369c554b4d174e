#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "model/running_mean.h"
#include "values/runtime_error.h"

using namespace model;

namespace {

// Rows 1 to n with value r and position 10 r (row 0 unused).
struct Curve {
    std::vector<float> x, y;
    explicit Curve(int n) : x(n + 1), y(n + 1) {
        for (int r = 1; r <= n; ++r) {
            x[r] = static_cast<float>(r);
            y[r] = 10.0f * r;
        }
    }
    int32_t Rows() const { return static_cast<int32_t>(x.size()) - 1; }
    std::vector<MeanSegment> Mean(int width, int32_t start = 1, std::optional<MeanView> view = std::nullopt) const {
        return RunningMean(width, x, y, Rows(), start, view);
    }
};

void ExpectSegment(const MeanSegment& s, float x0, float y0, float x1, float y1) {
    EXPECT_FLOAT_EQ(s.x0, x0);
    EXPECT_FLOAT_EQ(s.y0, y0);
    EXPECT_FLOAT_EQ(s.x1, x1);
    EXPECT_FLOAT_EQ(s.y1, y1);
}

}  // namespace

TEST(RunningMean, WindowsAndBoundsOfThreeAndFive) {
    Curve c(6);
    auto three = c.Mean(3);
    ASSERT_EQ(three.size(), 2u);
    ExpectSegment(three[0], 2, 20, 3, 30);
    ExpectSegment(three[1], 3, 30, 4, 40);
    auto five = c.Mean(5);
    ASSERT_EQ(five.size(), 1u);
    ExpectSegment(five[0], 3, 30, 4, 40);
    // A start at the bound tries one pair, which may use the last row.
    three = c.Mean(3, 4);
    ASSERT_EQ(three.size(), 1u);
    ExpectSegment(three[0], 4, 40, 5, 50);
    EXPECT_TRUE(c.Mean(3, 5).empty());
    EXPECT_THROW(c.Mean(7), values::RuntimeError);
}

TEST(RunningMean, ElevenAndTwoHundredEightNeedTheirRows) {
    EXPECT_TRUE(Curve(10).Mean(11).empty());
    EXPECT_TRUE(Curve(11).Mean(11).empty());
    for (int n : {12, 13}) {
        auto s = Curve(n).Mean(11);
        ASSERT_EQ(s.size(), 1u) << n;
        ExpectSegment(s[0], 6, 60, 7, 70);  // rows 1 to 11, then 2 to 12
    }
    EXPECT_TRUE(Curve(207).Mean(208).empty());
    EXPECT_TRUE(Curve(208).Mean(208).empty());
    for (int n : {209, 210}) {
        auto s = Curve(n).Mean(208, 0);
        ASSERT_EQ(s.size(), 1u) << n;
        ExpectSegment(s[0], 104.5f, 1045, 105.5f, 1055);  // rows 1 to 208, then 2 to 209
    }
}

TEST(RunningMean, NoValuesAndFallingPositionsLeaveGaps) {
    for (auto [width, gap] : {std::pair{3, 4}, {5, 6}, {11, 12}, {208, 209}}) {
        Curve c(600);
        const size_t whole = c.Mean(width).size();
        c.x[300] = -9999;
        EXPECT_EQ(c.Mean(width).size(), whole - gap) << width;
        c.x[300] = 300;
        c.y[301] = c.y[300];  // a repeated position keeps the curve whole
        EXPECT_EQ(c.Mean(width).size(), whole) << width;
        c.y[301] = c.y[300] - 1;  // one that rises removes every pair holding both rows
        EXPECT_EQ(c.Mean(width).size(), whole - (gap - 1)) << width;
    }
    // A position of 9999 is averaged like any other.
    Curve tail(8);
    tail.y[7] = tail.y[8] = 9999;
    const auto s = tail.Mean(3);
    ASSERT_EQ(s.size(), 4u);
    EXPECT_FLOAT_EQ(s[3].y1, (50.0f + 60 + 9999) / 3);  // rows 5 to 7
}

TEST(RunningMean, NeverReadsPastTheSamples) {
    // Tables shorter than the row count: rows they do not hold are no values.
    Curve c(250);
    EXPECT_EQ(RunningMean(208, c.x, c.y, 300, 0).size(), 42u);  // pairs 105 to 146, the last ending at row 250
    EXPECT_EQ(RunningMean(3, c.x, c.y, 300, 0).size(), 247u);
    EXPECT_TRUE(RunningMean(208, c.x, c.y, 250, 200).empty());
    EXPECT_TRUE(RunningMean(5, std::vector<float>(1), std::vector<float>(1), 6, 0).empty());
}

TEST(RunningMean, ElevenAndTwoHundredEightAddInSinglePrecision) {
    Curve c(12);
    for (float& v : c.x) v = 1;
    c.x[2] = 1e8f;  // the float sum of the shared rows 2 to 11 stays 1e8
    auto s = c.Mean(11);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].x0, static_cast<float>((double(1e8f) + 1.0) / 11.0));
    EXPECT_NE(s[0].x0, static_cast<float>((double(1e8f) + 10.0) / 11.0));
    // Three adds in double: 1e8 + 1 + 1 is not lost.
    Curve d(4);
    d.x = {0, 1e8f, 1, 1, 1};
    EXPECT_EQ(d.Mean(3)[0].x0, static_cast<float>((double(1e8f) + 2.0) / 3.0));
}

TEST(RunningMean, AViewLeavesOutOnlyPairsWhollyOutsideIt) {
    Curve c(600);
    const auto whole = c.Mean(208);
    const auto seen = c.Mean(208, 0, MeanView{2000, 3000});
    // Pair i reaches from position 10 (i - 104) to 10 (i + 104): pairs 96 to
    // 404 touch the view, and the first pair is 105.
    ASSERT_EQ(seen.size(), 300u);
    EXPECT_FLOAT_EQ(seen.front().y0, 1045);
    EXPECT_FLOAT_EQ(seen.back().y0, 4035);
    size_t visible = 0;
    for (const MeanSegment& s : whole)
        if (s.y1 >= 2000 && s.y0 <= 3000) ++visible;
    size_t kept = 0;
    for (const MeanSegment& s : seen)
        if (s.y1 >= 2000 && s.y0 <= 3000) ++kept;
    EXPECT_EQ(kept, visible);
}

namespace {

// The segments' numbers bit for bit (a NaN equals itself).
bool Same(const std::vector<MeanSegment>& a, const std::vector<MeanSegment>& b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(MeanSegment)) == 0);
}

}  // namespace

// Pairs summed once and kept give the segments summing each pair anew gives,
// bit for bit, from any start row and in any view: over curves with
// no-values, falling, repeated and NaN positions, positions of 9999, values whose
// single-precision sums lose digits or overflow, tables shorter than the
// row count and curves too short for a pair.
TEST(RunningMean, KeptPairsGiveWhatSummingAnewGives) {
    std::mt19937 random(20261209);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int curve = 0; curve < 60; ++curve) {
        const int n = curve < 12 ? curve * 20 : 5 + pick(1500);
        std::vector<float> x(static_cast<size_t>(n) + 1), y(x.size());
        float depth = static_cast<float>(pick(1000)) / 7;
        for (int r = 1; r <= n; ++r) {
            switch (pick(40)) {
                case 0: x[r] = 9999; break;
                case 1: x[r] = -9999; break;
                case 2: x[r] = 3e38f; break;
                case 3: x[r] = 1e8f; break;
                case 4: x[r] = std::numeric_limits<float>::quiet_NaN(); break;
                default: x[r] = static_cast<float>(pick(100000) - 50000) / 997;
            }
            switch (pick(60)) {
                case 0: depth -= static_cast<float>(pick(500)); break;  // the next bore hole
                case 1: y[r] = 9999; continue;
                case 2: break;  // repeated
                case 3:
                    if (curve % 4 != 1) break;
                    y[r] = std::numeric_limits<float>::quiet_NaN();
                    continue;
                default: depth += static_cast<float>(pick(300)) / 31;
            }
            y[r] = depth;
        }
        const int32_t rows = n + (curve % 5 == 0 ? 3 : 0);  // at times more rows than the tables hold
        for (int width : {3, 5, 11, 208}) {
            const RunningMeanPairs pairs(width, x, y, rows);
            EXPECT_EQ(pairs.Width(), width);
            for (int32_t start : {0, 1, 104, 105, n / 3, n - 210, n - 104, n - 6, n - 2, n, n + 5}) {
                EXPECT_TRUE(Same(pairs.Segments(y, start), RunningMean(width, x, y, rows, start)))
                    << "curve " << curve << " width " << width << " start " << start;
                // Edges on positions of the curve, or between them.
                const float top = n > 0 && pick(2) ? y[1 + pick(n)] : static_cast<float>(pick(2000) - 100);
                const float bottom = n > 0 && pick(2) ? y[1 + pick(n)] : top + static_cast<float>(pick(800));
                EXPECT_TRUE(Same(pairs.Segments(y, start, MeanView{top, bottom}),
                                 RunningMean(width, x, y, rows, start, MeanView{top, bottom})))
                    << "curve " << curve << " width " << width << " start " << start << " view " << top;
                const MeanView none{std::numeric_limits<float>::quiet_NaN(), bottom};
                EXPECT_TRUE(Same(pairs.Segments(y, start, none), RunningMean(width, x, y, rows, start, none)));
            }
        }
    }
    EXPECT_THROW(RunningMeanPairs(7, std::vector<float>(9), std::vector<float>(9), 8), values::RuntimeError);
}

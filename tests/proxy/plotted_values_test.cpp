// The plotted values of a proxy panel, their range and the axis's default ends.
#include <gtest/gtest.h>

#include <vector>

#include "proxy/plotted_values.h"
#include "values/runtime_error.h"

namespace {

using quillory::DefaultAxisEnds;
using quillory::PlotRange;
using quillory::RangeOf;

// Two columns over four samples.
model::ProxyPanelData Panel(std::vector<float> a, std::vector<float> b) {
    model::ProxyPanelData p;
    p.gProxyRows = static_cast<int32_t>(a.size());
    p.gProxyCols = 2;
    p.gProxyColName.Redim(3);
    p.gProxyColName(1) = "Ti";
    p.gProxyColName(2) = "Fe";
    p.gProxyValue.Redim(3, p.gProxyRows + 1);
    for (long i = 1; i <= p.gProxyRows; ++i) {
        p.gProxyValue(1, i) = a[static_cast<size_t>(i - 1)];
        p.gProxyValue(2, i) = b[static_cast<size_t>(i - 1)];
    }
    return p;
}

TEST(PlottedValues, TheColumnIsTheLastOfNamesThatShowAlikeOrStaysWithoutOne) {
    model::ProxyPanelData p = Panel({1}, {1});
    EXPECT_EQ(quillory::ChosenColumn(p, "Fe", 1), 2);
    EXPECT_EQ(quillory::ChosenColumn(p, "fe", 1), 1);
    // A name of the old code page is the one typed as it shows.
    p.gProxyColName(1) = "Grain size (\xB5m)";
    EXPECT_EQ(quillory::ChosenColumn(p, "Grain size (\xC2\xB5m)", 2), 1);
    p.gProxyColName(1) = "Fe";
    EXPECT_EQ(quillory::ChosenColumn(p, "Fe", 0), 2);
    p.gProxyCols = 1;
    EXPECT_EQ(quillory::ChosenColumn(p, "anything", 0), 1);
}

TEST(PlottedValues, RatiosLeaveNoValuesAndZeroDivisorsOut) {
    const model::ProxyPanelData p = Panel({10, 9999, 6, -9999, 3}, {2, 1, 0, 1, -9999});
    std::vector<float> x;
    quillory::PlotValues(p, 1, 2, x);
    EXPECT_EQ(x, (std::vector<float>{0, 5, 9999, 9999, 9999, 9999}));
    quillory::PlotValues(p, 2, 0, x);
    EXPECT_EQ(x, (std::vector<float>{0, 2, 1, 0, 1, 9999}));
    // A quotient beyond single precision is an overflow.
    const model::ProxyPanelData huge = Panel({3e38f}, {0.001f});
    EXPECT_THROW(quillory::PlotValues(huge, 1, 2, x), values::RuntimeError);
}

TEST(PlottedValues, TheRangeLeavesNoValuesOutAndNeverHasNoWidth) {
    const std::vector<float> some{3.2f, 9999, 7.9f, -9999};
    EXPECT_EQ(RangeOf(some).max, 7.9f);
    EXPECT_EQ(RangeOf(some).min, 3.2f);
    const std::vector<float> one{9999, 5};
    EXPECT_EQ(RangeOf(one).max, 6);
    EXPECT_EQ(RangeOf(one).min, 5);
    const std::vector<float> none{9999, -9999};
    EXPECT_EQ(RangeOf(none).max, -999999);
    EXPECT_EQ(RangeOf(none).min, 999999);
}

TEST(PlottedValues, DefaultEndsRoundAHalfToTheEvenSide) {
    auto ends = [](float min, float max) { return DefaultAxisEnds(PlotRange{max, min}); };
    EXPECT_EQ(ends(3.2f, 7.9f), (std::array<float, 2>{3, 8}));
    EXPECT_EQ(ends(3, 7), (std::array<float, 2>{2, 8}));
    EXPECT_EQ(ends(4, 6), (std::array<float, 2>{4, 6}));
    EXPECT_EQ(ends(-0.3f, 0.7f), (std::array<float, 2>{-0.3f, 0.7f}));
    EXPECT_EQ(ends(0.4f, -0.2f), (std::array<float, 2>{0, 0}));
    // Every value a no-value: a mirrored axis.
    EXPECT_EQ(ends(999999, -999999), (std::array<float, 2>{999998, -999998}));
}

}  // namespace

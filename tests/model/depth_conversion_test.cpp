#include <gtest/gtest.h>

#include <random>

#include "model/depth_conversion.h"
#include "model_fixtures.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace model;
using namespace model_test;

namespace {

// One section of bore hole A: its first row, a tie at PSP 40 (530 cm) and a
// closing row without a PSP in A.
DepthModel ThreeRowSection(const std::string& firstPsp = "0") {
    DepthModel m;
    LoadCorrelation(m, CorrelationHeader() + TieRow("", "500", "A-01-top", firstPsp) + TieRow("T", "530", "x", "40") +
                           TieRow("", "---", "A-01-Bot", "*"));
    return m;
}

double Depth(const DepthModel& m, float psp, int16_t section = 1, int16_t boreHole = 1) {
    TrinityDepth cd = TrinityToCD(m, boreHole, section, psp);
    EXPECT_TRUE(cd.has_value());
    return cd.value_or(-1);
}

// Combined layers 100-110 and 200-205 (composite depth).
DepthModel TwoLayers() {
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation());
    LoadEvents(m, EventHeader() + "A,01,200,205,Tephra X\nA,1,100,110,Void\n");
    return m;
}

// The event conversions walked layer by layer, as a reference for the search.
double WalkCDToEFD(const DepthModel& m, float cd) {
    float s = 0;
    long i = 0;
    for (;;) {
        const double top = i == 0 ? -9999.0 : m.gEventTop(1, i), bottom = i == 0 ? -9999.0 : m.gEventBottom(1, i);
        s = static_cast<float>(double(s) + bottom - top);
        if (++i > m.gMergedEventCount) break;
        if (m.gEventBottom(1, i) >= cd) {
            if (m.gEventTop(1, i) < cd) s = static_cast<float>(double(s) + double(cd) - m.gEventTop(1, i));
            break;
        }
    }
    return values::RoundHalfEven(double(cd) - double(s), m.precision->gDepthPrecision);
}

double WalkEFDToCD(const DepthModel& m, float efd) {
    double g = 0, t = 0;
    for (long i = 1;; ++i) {
        const double prevTop = i > 1 ? m.gEventTop(1, i - 1) : 0.0, prevBottom = i > 1 ? m.gEventBottom(1, i - 1) : 0.0;
        if (i > m.gMergedEventCount) return values::RoundHalfEven(efd + t + prevBottom - prevTop, m.precision->gDepthPrecision);
        g = g + m.gEventTop(1, i) - prevBottom;
        t = t + prevBottom - prevTop;
        if (static_cast<float>(g) >= efd) return values::RoundHalfEven(efd + t, m.precision->gDepthPrecision);
    }
}

}  // namespace

TEST(TrinityToCD, InterpolatesBetweenTiesAndExtrapolatesByTheSetting) {
    DepthModel m = ThreeRowSection();
    EXPECT_DOUBLE_EQ(Depth(m, 10), 507.5);  // on the line
    EXPECT_DOUBLE_EQ(Depth(m, 60), 550.0);  // 1:1 below the last tie
    EXPECT_DOUBLE_EQ(Depth(m, 40), 530.0);
    m.gExtrapolation = Extrapolation::kProportional;
    EXPECT_DOUBLE_EQ(Depth(m, 60), 545.0);

    DepthModel shifted = ThreeRowSection("5");
    EXPECT_DOUBLE_EQ(Depth(shifted, 2), 497.0);  // 1:1 above the first tie
    shifted.gExtrapolation = Extrapolation::kProportional;
    EXPECT_DOUBLE_EQ(Depth(shifted, 2), 500.0 - 3.0 * 30.0 / 35.0);

    // Only the section's first row is a tie: 1:1 from it whatever the setting.
    DepthModel single;
    LoadCorrelation(single, CorrelationHeader() + TieRow("", "500", "A-01-top", "0") +
                                TieRow("", "---", "A-01-Bot", "80"));
    EXPECT_DOUBLE_EQ(Depth(single, 75), 575.0);
    single.gExtrapolation = Extrapolation::kProportional;
    EXPECT_DOUBLE_EQ(Depth(single, 75), 575.0);
}

TEST(TrinityToCD, NoValueInputsAndFaultsGive9999AndAMissingEndGivesNothing) {
    DepthModel m = ThreeRowSection();
    for (auto [bh, section, psp] : {std::tuple<int16_t, int16_t, float>{0, 1, 10}, {1, 1, 9999}, {1, 1, -9999},
                                    {1, 9999, 10}, {1, -9999, 10}, {1, 2, 10}, {5, 1, 10}, {-1, 1, 10},
                                    {1, -2, 10}}) {
        EXPECT_EQ(TrinityToCD(m, bh, section, psp), TrinityDepth(9999.0)) << bh << " " << section << " " << psp;
    }
    EXPECT_EQ(TrinityToCD(DepthModel{}, 1, 1, 10), TrinityDepth(9999.0));

    // A cell that is not a number, or two ties at one PSP, is a fault.
    DepthModel text = ThreeRowSection();
    text.gCorrTable(0, 1, 1, 2) = "forty";
    EXPECT_EQ(TrinityToCD(text, 1, 1, 10), TrinityDepth(9999.0));
    DepthModel flat = ThreeRowSection();
    flat.gCorrTable(0, 1, 1, 1) = "40";
    EXPECT_EQ(TrinityToCD(flat, 1, 1, 40), TrinityDepth(9999.0));

    // The last section lacks its closing row: below every tie nothing is found.
    DepthModel open;
    LoadCorrelation(open, CorrelationHeader() + TieRow("", "500", "A-01-top", "0") + TieRow("T", "530", "x", "40"));
    EXPECT_EQ(TrinityToCD(open, 1, 1, 60), std::nullopt);
    EXPECT_DOUBLE_EQ(Depth(open, 20), 515.0);
}

TEST(EventFreeDepth, RemovesTheLayersAboveAndMapsALayerToItsTop) {
    DepthModel m = TwoLayers();
    EXPECT_DOUBLE_EQ(CDToEFD(m, 50), 50);
    EXPECT_DOUBLE_EQ(CDToEFD(m, 100), 100);
    EXPECT_DOUBLE_EQ(CDToEFD(m, 105), 100);
    EXPECT_DOUBLE_EQ(CDToEFD(m, 110), 100);
    EXPECT_DOUBLE_EQ(CDToEFD(m, 150), 140);
    EXPECT_DOUBLE_EQ(CDToEFD(m, 300), 285);
    EXPECT_DOUBLE_EQ(CDToEFD(m, 9999), 9984);  // no pass-through for 9999
    EXPECT_DOUBLE_EQ(CDToEFD(m, 123.456f), 113.46);
    EXPECT_DOUBLE_EQ(EFDToCD(m, 50), 50);
    EXPECT_DOUBLE_EQ(EFDToCD(m, 100), 100);
    EXPECT_DOUBLE_EQ(EFDToCD(m, 140), 150);
    EXPECT_DOUBLE_EQ(EFDToCD(m, 285), 300);
    EXPECT_DOUBLE_EQ(EFDToCD(m, 9999), 9999);
    EXPECT_DOUBLE_EQ(EFDToCD(m, -9999), -9999);

    DepthModel none;
    LoadCorrelation(none, StraightCorrelation());
    LoadEvents(none, EventHeader());
    EXPECT_EQ(none.gEventCount, 0);
    EXPECT_DOUBLE_EQ(CDToEFD(none, 123.456f), 123.46);
    EXPECT_DOUBLE_EQ(EFDToCD(none, 123.456f), 123.46);
    EXPECT_DOUBLE_EQ(EFDToCD(none, 9999), 9999);
}

TEST(EventFreeDepth, IsARunTimeErrorBeforeAnEventListIsLoaded) {
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation());
    for (auto convert : {&CDToEFD, &EFDToCD}) {
        try {
            convert(m, 100);
            FAIL() << "no list, no conversion";
        } catch (const values::RuntimeError& e) {
            EXPECT_EQ(e.number(), values::kErrSubscriptOutOfRange);
        }
    }
}

TEST(EventFreeDepth, SearchGivesWhatTheLayerWalkGives) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> gap(0, 3), thickness(-0.5f, 4);
    std::uniform_int_distribution<int> touching(0, 3);
    for (int trial = 0; trial < 40; ++trial) {
        DepthModel m;
        const int layers = 1 + trial * 3;
        m.gEventCount = m.gMergedEventCount = layers;
        m.gEventTop.Redim(4, layers + 2);
        m.gEventBottom.Redim(4, layers + 2);
        float depth = static_cast<float>(trial);
        for (int i = 1; i <= layers; ++i) {
            // Touching layers and (in odd trials) a layer upside down.
            if (touching(random) != 0) depth += gap(random);
            m.gEventTop(1, i) = depth;
            float t = thickness(random);
            if (trial % 2 == 0 && t < 0) t = -t;
            m.gEventBottom(1, i) = depth + t;
            depth = std::max(depth, depth + t);
        }
        m.gEventTop(1, layers + 1) = m.gEventBottom(1, layers + 1) = -9999;
        IndexCombinedEvents(m);
        for (float x = -2; x < depth + 3; x += 0.0625f) {
            ASSERT_EQ(CDToEFD(m, x), WalkCDToEFD(m, x)) << trial << " " << x;
            ASSERT_EQ(EFDToCD(m, x), WalkEFDToCD(m, x)) << trial << " " << x;
        }
        for (int i = 1; i <= layers; ++i)
            for (float x : {m.gEventTop(1, i), m.gEventBottom(1, i)}) {
                ASSERT_EQ(CDToEFD(m, x), WalkCDToEFD(m, x));
                ASSERT_EQ(EFDToCD(m, x), WalkEFDToCD(m, x));
            }
        // In no order, so that the search seldom starts where it ended.
        std::uniform_real_distribution<float> anywhere(-2, depth + 3);
        for (int i = 0; i < 200; ++i) {
            const float x = anywhere(random);
            ASSERT_EQ(CDToEFD(m, x), WalkCDToEFD(m, x));
            ASSERT_EQ(EFDToCD(m, x), WalkEFDToCD(m, x));
        }
    }
}

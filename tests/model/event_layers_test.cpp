#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "model/depth_conversion.h"
#include "model/event_types.h"
#include "model_fixtures.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace model;
using namespace model_test;

namespace {

using Layers = std::vector<std::pair<float, float>>;

// Combined layers after importing `layers` (composite depth = PSP in A-01).
DepthModel Combine(const Layers& layers) {
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation());
    std::string text = EventHeader();
    for (auto [top, bottom] : layers)
        text += "A,01," + values::SingleText(top) + "," + values::SingleText(bottom) + ",Turbidite\n";
    LoadEvents(m, text);
    return m;
}

Layers Combined(const DepthModel& m) {
    Layers out;
    for (long i = 1; i <= m.gMergedEventCount; ++i) out.emplace_back(m.gEventTop(1, i), m.gEventBottom(1, i));
    return out;
}

// The sort and the combination as the first version of the program made them:
// a selection sort (the running minimum starts at 999999, equal tops go to
// the first slot) and a merge that moves the rest of the table up by one
// slot each time a layer absorbs its neighbour.
void SortAndMergeOneByOne(std::vector<float>& top, std::vector<float>& bottom, long& merged) {
    const long count = static_cast<long>(top.size()) - 1;
    for (long i = 1; i <= count; ++i) {
        long smallest = i;
        float minimum = 999999;
        for (long j = i; j <= count; ++j)
            if (top[j] < minimum) {
                minimum = top[j];
                smallest = j;
            }
        std::swap(top[i], top[smallest]);
        std::swap(bottom[i], bottom[smallest]);
    }
    merged = count;
    long k = 1;
    while (k + 1 <= merged) {
        if (bottom[k] > top[k + 1]) {
            bottom[k] = std::max(bottom[k], bottom[k + 1]);
            for (long j = k + 1; j < count; ++j) {
                top[j] = top[j + 1];
                bottom[j] = bottom[j + 1];
            }
            top[count] = bottom[count] = -9999;
            --merged;
        } else {
            ++k;
        }
    }
}

bool SameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

TEST(CombineAndSortEvents, SortAndMergeGiveWhatTheSelectionSortAndShiftingMergeGave) {
    std::mt19937 random(20261209);
    // Few distinct depths, so that equal tops are common; tops that can never
    // win the sort (999999 and above, NaN); both zeros; layers upside down.
    const float depths[] = {-9999, -1, -0.0f, 0, 5, 5.5f, 10, 12, 20, 9999, 999998, 999999, 1e7f, NAN};
    std::uniform_int_distribution<size_t> pick(0, std::size(depths) - 1);
    std::uniform_int_distribution<int> coin(0, 3);
    for (int round = 0; round < 3000; ++round) {
        const long count = round % 40;
        DepthModel m;
        m.gEventCount = static_cast<int32_t>(count);
        m.gEventTop.Redim(4, count + 1);
        m.gEventBottom.Redim(4, count + 1);
        std::vector<float> top(count + 1), bottom(count + 1);
        for (long i = 1; i <= count; ++i) {
            top[i] = depths[pick(random)];
            // Mostly a bottom a little below the top, as real layers have.
            bottom[i] = coin(random) != 0 ? top[i] + static_cast<float>(coin(random)) * 2.5f : depths[pick(random)];
            m.gEventTop(1, i) = top[i];
            m.gEventBottom(1, i) = bottom[i];
        }
        long merged = 0;
        SortAndMergeOneByOne(top, bottom, merged);
        SortAndMergeLayers(m);
        ASSERT_EQ(m.gMergedEventCount, merged) << "round " << round;
        for (long i = 1; i <= count; ++i) {
            ASSERT_TRUE(SameBits(m.gEventTop(1, i), top[i])) << "round " << round << " slot " << i;
            ASSERT_TRUE(SameBits(m.gEventBottom(1, i), bottom[i])) << "round " << round << " slot " << i;
        }
    }
}

TEST(CombineAndSortEvents, SortsAndMergesOverlapsButNotTouchingLayers) {
    EXPECT_EQ(Combined(Combine({{100, 110}, {105, 108}})), (Layers{{100, 110}}));
    EXPECT_EQ(Combined(Combine({{100, 110}, {108, 120}})), (Layers{{100, 120}}));
    EXPECT_EQ(Combined(Combine({{110, 115}, {100, 110}})), (Layers{{100, 110}, {110, 115}}));
    EXPECT_EQ(Combined(Combine({{100, 110}, {105, 112}, {111, 118}})), (Layers{{100, 118}}));
    EXPECT_EQ(Combined(Combine({{100, 104}, {100, 109}})), (Layers{{100, 109}}));
    EXPECT_EQ(Combined(Combine({{300, 301}, {100, 110}, {200, 250}})), (Layers{{100, 110}, {200, 250}, {300, 301}}));

    DepthModel m = Combine({{100, 110}, {105, 108}});
    EXPECT_EQ(m.gEventCount, 2);
    EXPECT_EQ(m.gMergedEventCount, 1);
    EXPECT_FLOAT_EQ(m.gEventTop(1, 2), -9999);  // the merged slot
    EXPECT_FLOAT_EQ(m.gEventBottom(1, 2), -9999);
    // The list keeps its rows in file order with their depths.
    EXPECT_EQ(m.gEventList(6, 2), "105");
    EXPECT_EQ(m.gEventList(7, 2), "108");
    EXPECT_EQ(m.gEventList(8, 2), "100");  // inside the first layer: its top
    EXPECT_FLOAT_EQ(m.gEventTop(2, 1), 100);
    EXPECT_FLOAT_EQ(m.gEventBottom(2, 1), 100);
    EXPECT_TRUE(m.gEventsLoaded);
}

TEST(EventImport, DerivesTheEventFreePlaneOfTheCorrelationModel) {
    DepthModel m = Combine({{100, 110}});
    EXPECT_EQ(m.gCorrTable(2, 1, 2, 2), "990");   // 1000 minus the layer
    EXPECT_EQ(m.gCorrRow(2, 2), "990");
    EXPECT_EQ(m.gCorrTable(2, 2, 2, 1), "9989");  // 9999 is not passed through
    EXPECT_EQ(m.gCorrRow(2, 0), "0");             // the header takes part

    // A header alone: no layers, every event-free depth equals its composite depth.
    DepthModel none = Combine({});
    EXPECT_EQ(none.gEventCount, 0);
    EXPECT_EQ(none.gMergedEventCount, 0);
    EXPECT_EQ(none.gCorrTable(2, 1, 2, 2), "1000");
    EXPECT_TRUE(none.gEventsLoaded);
}

TEST(EventImport, LayersTheModelCannotPlaceGetNoValueAtBothEnds) {
    DepthModel m;
    // Section A-02 has no tie at all, so its positions have no composite depth.
    LoadCorrelation(m, StraightCorrelation() + TieRow("", "---", "A-02-top", "0") +
                           TieRow("", "---", "A-02-Bot", "90"));
    LoadEvents(m, EventHeader() + "Q,01,10,20,Void\nA,02,10,20,Void\nA,07,10,20,Void\nA,01,50,60,Void\n");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(m.gEventList(6, i), "9999") << i;
        EXPECT_EQ(m.gEventList(7, i), "9999") << i;
    }
    EXPECT_EQ(m.gMergedEventCount, 4);
    EXPECT_FLOAT_EQ(m.gEventTop(1, 1), 50);
    EXPECT_FLOAT_EQ(m.gEventTop(1, 2), 9999);
    EXPECT_DOUBLE_EQ(CDToEFD(m, 100), 90);
}

TEST(EventImport, AFailedImportResetsTheCountsAndKeepsTheRows) {
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation());
    ItemReader file(EventHeader() + "A,01,100,110,Void\nA,01,200");
    EXPECT_THROW(ImportEventList(m, file, "C:\\x\\events_20240301.csv"), values::RuntimeError);
    EXPECT_EQ(m.gEventCount, kNotLoaded);
    EXPECT_EQ(m.gMergedEventCount, kNotLoaded);
    EXPECT_FALSE(m.gEventsLoaded);
    EXPECT_EQ(m.gVerEvents, "01 Mar. 2024");
    EXPECT_EQ(m.gEventList(3, 1), "100");
    EXPECT_THROW(CDToEFD(m, 100), values::RuntimeError);

    // An empty file has not even a header.
    ItemReader empty("");
    EXPECT_THROW(ImportEventList(m, empty, "e.csv"), values::RuntimeError);
    EXPECT_EQ(m.gEventCount, kNotLoaded);

    // The next file loads.
    LoadEvents(m, EventHeader() + "A,01,100,110,Void\n");
    EXPECT_EQ(m.gEventCount, 1);
    EXPECT_TRUE(m.gEventsLoaded);
}

TEST(EventImport, LayersTooThickForASingleSumAreAnOverflow) {
    // Found by fuzzing: the thickness above the third layer passes the float
    // range, and its event-free depth became an infinite number written as text.
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation());
    ItemReader file(EventHeader() + "A,01,-3e38,0,Slump\nA,01,1,3e38,Slump\nA,01,3.2e38,3.3e38,Slump\n");
    try {
        ImportEventList(m, file, "events.csv");
        FAIL() << "the import must stop";
    } catch (const values::RuntimeError& e) {
        EXPECT_EQ(e.number(), values::kErrOverflow);
    }
    EXPECT_EQ(m.gEventCount, kNotLoaded);
    EXPECT_FALSE(m.gEventsLoaded);
}

TEST(EventTypes, TephraAndVoidTestsAndTephraNames) {
    EXPECT_TRUE(IsTephra("Tephra AT"));
    EXPECT_TRUE(IsTephra("cryptotephra"));
    EXPECT_FALSE(IsTephra("TEPHRA 2"));
    EXPECT_FALSE(IsTephra("tephr"));
    EXPECT_TRUE(IsVoid("Void"));
    EXPECT_TRUE(IsVoid("gas void"));
    EXPECT_FALSE(IsVoid("VOID"));

    EXPECT_EQ(GetTephraName("Tephra AT"), "AT");
    EXPECT_EQ(GetTephraName("(Tephra) AT"), "AT");
    EXPECT_EQ(GetTephraName("AT tephra"), "AT");
    EXPECT_EQ(GetTephraName("AT (tephra)"), "AT");
    EXPECT_EQ(GetTephraName("Tephra"), "Tephra");    // six characters or fewer
    EXPECT_EQ(GetTephraName("AT"), "AT");
    EXPECT_EQ(GetTephraName("Tephra1"), "");         // the word and one character
    EXPECT_EQ(GetTephraName("(Tephra"), "(Tephra");  // the cut would be longer than the text
    EXPECT_EQ(GetTephraName("Turbidite"), "");
}

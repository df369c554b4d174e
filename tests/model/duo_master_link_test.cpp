#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "values/values.h"
#include "model/age_model_import.h"
#include "model/correlation_lookup.h"
#include "duo_fixtures.h"

using namespace model;
using namespace model_test;

namespace {

class MasterLink : public testing::Test {
protected:
    void SetUp() override { d.LoadDuo(); }
    DuoModels d;
};

}  // namespace

TEST_F(MasterLink, CompositeDepthRouteInsideAndOutsideTheTiePairs) {
    const MasterCoreLink& link = d.link;
    EXPECT_FLOAT_EQ(link.DuoToMainCD(10), 20);    // at a tie pair: its master depth
    EXPECT_FLOAT_EQ(link.DuoToMainCD(30), 60);    // 20 + 80 x 20 / 40
    EXPECT_FLOAT_EQ(link.DuoToMainCD(75), 125);   // D3 has no pair: bracket D2 to D4
    EXPECT_FLOAT_EQ(link.DuoToMainCD(99), 149);   // between the last two pairs
    EXPECT_FLOAT_EQ(link.DuoToMainCD(100), 150);  // the last pair itself
    EXPECT_FLOAT_EQ(link.DuoToMainCD(110), 160);  // below it, slope 1
    EXPECT_FLOAT_EQ(link.DuoToMainCD(0), 10);     // above the first, slope 1
    EXPECT_FLOAT_EQ(link.DuoToMainCD(9999), 9999);
    EXPECT_FLOAT_EQ(link.DuoToMainCD(-9999), 9999);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(60), 30);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(125), 75);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(160), 110);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(10), 0);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(-9999), 9999);
    EXPECT_FALSE(link.ByEventFreeDepth());

    // Rounded to the depth precision, halves to the even neighbour:
    // 20 + 2 x 1.25 = 22.5 and 20 + 2 x 3.75 = 27.5.
    model::Precision precision{0, 0};
    d.main.precision = &precision;
    d.duo.precision = &precision;
    EXPECT_FLOAT_EQ(link.DuoToMainCD(11.25f), 22);
    EXPECT_FLOAT_EQ(link.DuoToMainCD(13.75f), 28);
    precision.gDepthPrecision = 1;
    EXPECT_FLOAT_EQ(link.MainToDuoCD(20.5f), 10.2f);  // 10 + 0.25, to even
}

TEST_F(MasterLink, EventFreeRouteOnceBothListsAreLoaded) {
    d.LoadMasterEvents();
    EXPECT_FALSE(d.link.ByEventFreeDepth());
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(90), 140);   // one list: still composite depths
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(160), 210);
    d.LoadDuoEvents();
    ASSERT_TRUE(d.link.ByEventFreeDepth());
    // 90 lies 20 event-free cm below D2 (50) and 10 above D4 (100 = EFD 90):
    // 150 - 50 x 10 / 40 = 137.5.
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(90), 137.5f);
    // Below D4: EFD 150 - 90 + 150 = 210 in the master, below its 10 cm tephra.
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(160), 220);
    EXPECT_FLOAT_EQ(d.link.MainToDuoCD(220), 160);
    // Inside the Duo's void the level takes the void's top.
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(65), d.link.DuoToMainCD(60));
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(65), 112.5f);  // EFD 60: 100 + 50 x 10 / 40
}

// The converter for many levels gives DuoToMainCD's result at every level,
// on both routes, each level in and beyond the pairs, in any order.
TEST_F(MasterLink, ManyLevelsInARowGiveWhatOneLevelGives) {
    for (bool events : {false, true}) {
        if (events) {
            d.LoadMasterEvents();
            d.LoadDuoEvents();
        }
        const std::function<float(float)> many = d.link.DuoToMainCDForMany();
        std::mt19937 random(7);
        std::uniform_real_distribution<float> level(-20, 200);
        for (int i = 0; i < 2000; ++i) {
            const float x = i % 500 == 0 ? 9999.0f : level(random);
            ASSERT_EQ(many(x), d.link.DuoToMainCD(x)) << x << (events ? " by event-free depth" : "");
        }
    }
}

TEST(MasterLinkEdges, TieDepthInsideAMasterEventAndNoTiePairs) {
    // D2's master depth 100 lies inside a master layer 95 to 105: on the
    // event-free route D2 comes out at the layer's top.
    DuoModels d;
    d.LoadDuo();
    LoadEvents(d.main, EventHeader() + "A,01,95,105,Tephra\n");
    d.LoadDuoEvents();
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(50), 95);
    // Both ties' depths in one Duo layer: the offset from the nearer one.
    DuoModels one;
    one.LoadDuo();
    one.LoadMasterEvents();
    one.LoadDuoEvents("E,01,5,55,Slump\n");  // D1 (10) and D2 (50) both inside
    EXPECT_FLOAT_EQ(one.link.DuoToMainCD(30), 20);  // EFD 5 = eA: 5 - 5 + EFD(20)

    // Without any tie pair both directions have no value, not a number
    // made up from the header row.
    DuoModels none;
    none.LoadDuo(DuoHeader() + DuoRow("", "---", "E-01-top", "0") +
                 DuoRow("D1", "10", "D1", "10", {"X", "01", "20", "M20"}) + DuoRow("", "---", "E-01-Bot", "50"));
    EXPECT_FLOAT_EQ(none.link.DuoToMainCD(10), 9999);
    EXPECT_FLOAT_EQ(none.link.MainToDuoCD(20), 9999);
    EXPECT_FLOAT_EQ(none.master.gBoreHoleBottomFitted[1], 9999);
}

// The search over the tie pairs gives what a walk down the rows gives, for
// pairs in depth order and not, with rows that are no pair in between.
TEST(MasterLinkEdges, SearchAgreesWithTheRowWalk) {
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        DuoModels d;
        const long rows = 1 + static_cast<long>(random() % 40);
        d.duo.gRowCount = static_cast<int32_t>(rows);
        d.duo.gCorrRow.Redim(4, rows + 1);
        d.master.gMasterRow.Redim(3, rows + 1);
        const bool ordered = round % 2 == 0;
        double s = 0, m = 0;
        for (long r = 1; r <= rows; ++r) {
            s = ordered ? s + random() % 30 : static_cast<double>(random() % 500);
            m += 1 + random() % 40;
            d.duo.gCorrRow(1, r) = random() % 5 == 0 ? "9999" : values::DoubleText(s);
            d.master.gMasterRow(1, r) = random() % 5 == 0 ? "9999" : values::DoubleText(m);
        }
        IndexTiePairs(d.duo, d.master);
        for (int probe = 0; probe < 50; ++probe) {
            const float x = static_cast<float>(random() % 6000) / 10.0f - 50.0f;
            long a = 0, b = 0;
            for (long r = 1; r <= rows && b == 0; ++r) {
                const double sr = values::Val(std::as_const(d.duo).gCorrRow(1, r)), mr = values::Val(std::as_const(d.master).gMasterRow(1, r));
                if (sr == 9999 || mr == 9999) continue;
                if (x >= sr) a = r;
                else b = r;
            }
            auto S = [&](long r) { return values::Val(std::as_const(d.duo).gCorrRow(1, r)); };
            auto M = [&](long r) { return values::Val(std::as_const(d.master).gMasterRow(1, r)); };
            double v;
            if (a == 0 && b == 0) v = 9999;
            else if (b == 0) v = x - S(a) + M(a);
            else if (a == 0) v = x - S(b) + M(b);
            else v = M(a) + (M(b) - M(a)) * (x - S(a)) / (S(b) - S(a));
            const float expected = static_cast<float>(a == 0 && b == 0 ? 9999 : values::RoundHalfEven(v, 2));
            ASSERT_FLOAT_EQ(d.link.DuoToMainCD(x), expected) << "round " << round << " x " << x;
        }
    }
}

TEST_F(MasterLink, TheMainModelSeesTheDuoModelThroughTheLink) {
    const DuoModelLink& link = d.link;
    d.duoModelLoaded = false;
    EXPECT_FALSE(link.ModelLoaded());
    d.duoModelLoaded = true;
    EXPECT_TRUE(link.ModelLoaded());
    EXPECT_EQ(link.BoreHoleName(1), "E");
    EXPECT_EQ(link.GetSectionNo2(1, "1"), 1);

    EXPECT_DOUBLE_EQ(*link.TrinityToCD2(1, 1, 30.0f), 30);
    EXPECT_DOUBLE_EQ(*link.TrinityToCD2(1, 9, 5.0f), 9999);  // no section 9: a number, never empty

    // A main age point in Duo bore hole E: its Duo depth through the link.
    d.duoModelLoaded = true;
    const std::optional<float> depth = AgePointDepth(d.main, 5, "01", "30", &link);
    ASSERT_TRUE(depth.has_value());
    EXPECT_FLOAT_EQ(*depth, 60);  // Duo 30 cm, 20 + 80 x 20 / 40 in the master
}

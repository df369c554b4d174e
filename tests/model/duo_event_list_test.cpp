#include <gtest/gtest.h>

#include <string>

#include "values/runtime_error.h"
#include "duo_fixtures.h"

using namespace model;
using namespace model_test;

namespace {

int DuoEventError(DuoModels& d, const std::string& rows) {
    try {
        d.LoadDuoEvents(rows);
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(DuoEventList, LayersOnBothScalesAndTheFittedPlaneRecomputed) {
    DuoModels d;
    d.LoadDuo();
    d.LoadMasterEvents();
    ASSERT_EQ(DuoEventError(d, "E,01,60,70,Void\n"), 0);
    EXPECT_TRUE(d.duo.gEventsLoaded);
    EXPECT_EQ(d.duo.gVerEvents, "05 Mar. 2024");
    EXPECT_EQ(d.duo.gEventCount, 1);
    EXPECT_EQ(d.duo.gEventList(1, 1), "E");
    EXPECT_EQ(d.duo.gEventList(5, 1), "Void");
    EXPECT_EQ(d.duo.gEventList(6, 1), "60");
    EXPECT_EQ(d.duo.gEventList(7, 1), "70");
    // Both ends have event-free depth 60, 10 below D2 (50) of the 40 to D4
    // (100, EFD 90): 100 + 50 x 10 / 40 in the master.
    EXPECT_EQ(d.duo.gEventList(8, 1), "112.5");
    EXPECT_EQ(d.duo.gEventList(9, 1), "112.5");
    EXPECT_FLOAT_EQ(d.duo.gEventTop(2, 1), 112.5f);
    EXPECT_FLOAT_EQ(d.duo.gEventBottom(2, 1), 112.5f);
    // Plane 2 follows the link through event-free depths now: D3 (80, EFD 70)
    // 150 - 50 x 20 / 40 = 125 instead of 130; the rows' fitted depths stay as
    // the correlation import made them.
    EXPECT_EQ(d.duo.gCorrTable(2, 1, 2, 4), "125");
    EXPECT_EQ(d.duo.gCorrTable(2, 1, 2, 6), "170");
    EXPECT_EQ(d.duo.gCorrRow(2, 4), "130");
    EXPECT_FLOAT_EQ(d.master.gBoreHoleBottomFitted[1], 170);
}

// The fitted bottoms take the link's new route too, so that the main window
// refuses no level that the Duo window holds: a void between the last tie
// (D4, own 100) and the bottom (own 120) leaves 15 cm of event-free depth
// below D4's master depth 150 instead of 20.
TEST(DuoEventList, TheFittedBottomsFollowTheLinkOnItsNewRoute) {
    DuoModels d;
    d.LoadDuo();
    d.LoadMasterEvents();
    ASSERT_FLOAT_EQ(d.master.gBoreHoleBottomFitted[1], 170);
    d.LoadDuoEvents("E,01,105,110,Void\n");
    EXPECT_FLOAT_EQ(d.master.gBoreHoleBottomFitted[1], 165);
    EXPECT_FLOAT_EQ(d.master.gBoreHoleBottomFitted[1], d.link.DuoToMainCD(d.duo.gBoreHoleBottom[1]));
}

TEST(DuoEventList, LayersRoundToTheDepthPrecisionAndGoByTheLastName) {
    DuoModels d;
    d.LoadDuo();
    const model::Precision whole{0, 0};
    d.duo.precision = &whole;
    d.LoadDuoEvents("E,01,60.4,70.6,Void\n");
    EXPECT_EQ(d.duo.gEventList(6, 1), "60");
    EXPECT_EQ(d.duo.gEventList(7, 1), "71");

    // With two bore holes named E, the layer is placed in the last, F, which
    // has no section 01.
    DuoModels twice;
    twice.LoadDuo();
    twice.duo.gBoreHoleName[2] = "E";
    twice.LoadDuoEvents("E,01,60,70,Void\n");
    EXPECT_EQ(twice.duo.gEventList(6, 1), "9999");
}

TEST(DuoEventList, AFailedImportLeavesTheListNotLoaded) {
    DuoModels d;
    d.LoadDuo();
    d.LoadMasterEvents();
    // A layer end beyond the single-precision range stops the combination,
    // after the list was read and before anything was placed on the master.
    EXPECT_EQ(DuoEventError(d, "E,01,1e39,70,Void\n"), values::kErrOverflow);
    EXPECT_FALSE(d.duo.gEventsLoaded);
    EXPECT_EQ(d.duo.gEventCount, kNotLoaded);
    EXPECT_EQ(d.duo.gMergedEventCount, kNotLoaded);
    EXPECT_EQ(d.duo.gCorrTable(2, 1, 2, 4), "130");
    EXPECT_FALSE(d.link.ByEventFreeDepth());
    EXPECT_FLOAT_EQ(d.link.DuoToMainCD(90), 140);

    EXPECT_EQ(DuoEventError(d, "E,01,60\n"), values::kErrInputPastEnd);
    EXPECT_FALSE(d.duo.gEventsLoaded);
    // A later good file loads.
    EXPECT_EQ(DuoEventError(d, "E,01,60,70,Void\n"), 0);
    EXPECT_TRUE(d.link.ByEventFreeDepth());
}

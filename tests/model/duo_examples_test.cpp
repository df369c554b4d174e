// The example Duo model, tied to the example master cores, loads in the order
// a user loads it, and both windows' levels agree with the values worked out
// in examples/README.md.
#include <gtest/gtest.h>

#include <string>

#include "model/age_conversion.h"
#include "model/age_model_import.h"
#include "model/correlation_import.h"
#include "model/depth_conversion.h"
#include "model/duo_age_model.h"
#include "model/duo_conversion.h"
#include "model/duo_correlation_import.h"
#include "model/duo_event_list.h"
#include "model/event_layers.h"
#include "values/values.h"

using namespace model;

namespace {

const std::string kExamples = std::string(QUILLORY_SOURCE_DIR) + "/examples/";

class DuoExamples : public testing::Test {
protected:
    void SetUp() override {
        Load("QL22_correlation_20240209.csv", [&](ItemReader& f, const std::string& p) {
            CorrelationImport shownMain;
            ImportCorrelationModel(main, f, p, shownMain);
        });
        Load("QL22_event_layers_20240212.csv", [&](ItemReader& f, const std::string& p) { ImportEventList(main, f, p); });
        Load("QL22_age_model_20240215.csv", [&](ItemReader& f, const std::string& p) {
            BeginAgeModelImport(main, f, p);
            FinishAgeModelImport(main, f, nullptr);
        });
        Load("QL23_duo_correlation_20240301.csv",
             [&](ItemReader& f, const std::string& p) { ImportDuoCorrelationModel(duo, master, main, f, p, shown); });
        loaded = true;
    }
    void LoadDuoEvents() {
        Load("QL23_duo_event_layers_20240305.csv",
             [&](ItemReader& f, const std::string& p) { ImportDuoEventList(duo, master, link, f, p); });
    }
    template <class Import>
    void Load(const std::string& name, Import import) {
        ItemReader file = ItemReader::Open(kExamples + name);
        import(file, kExamples + name);
    }

    DepthModel main, duo;
    DuoMasterCore master;
    bool loaded = false;
    MasterCoreLink link{main, duo, master, loaded};
    DuoCorrelationImport shown;
};

}  // namespace

TEST_F(DuoExamples, LoadsTiedToTheMasterCores) {
    EXPECT_EQ(duo.gVerCorrelation, "01 Mar. 2024");
    EXPECT_EQ(duo.gRowCount, 118);
    EXPECT_EQ(master.gTiePairs.own.size(), 52u);  // markers M001 to M052
    EXPECT_EQ(duo.gSectionCount[1], 9);
    for (int k = 2; k <= 4; ++k) EXPECT_EQ(duo.gSectionCount[k], 8) << k;
    EXPECT_EQ(shown.columnTitles[1], "Core QL23-1 (E)");
    EXPECT_EQ(shown.masterTitle, "QL22");
    EXPECT_EQ(shown.boreHoleItems, (std::vector<std::string>{"E", "F", "G", "H"}));
    EXPECT_FALSE(shown.sliderMax.has_value());  // the master cores reach deeper
    EXPECT_FLOAT_EQ(duo.gBoreHoleBottom[1], 900.4f);
    EXPECT_FLOAT_EQ(master.gBoreHoleBottomFitted[1], 1045.2f);  // 900.4 - 843.4 + 988.2 below M052
    // E-03 PSP 40.0 lies between M016 (PSP 36.2, 237.0 cm) and M017 (49.8, 250.6 cm):
    // 237.0 + 13.6 x 3.8 / 13.6.
    EXPECT_NEAR(TrinityToCD2(duo, 1, 3, 40.0f, Extrapolation::kOneToOne), 240.8, 1e-9);
}

TEST_F(DuoExamples, LevelsOnTheCompositeDepthRoute) {
    // Main 240 lies between M013 (238.6; Duo 194.9) and M014 (254.4; 207.5):
    // 194.9 + 12.6 x 1.4 / 15.8 = 196.016.
    EXPECT_FLOAT_EQ(link.MainToDuoCD(240), 196.02f);
    // Duo 200: 238.6 + 15.8 x 5.1 / 12.6 = 244.995, to the even neighbour 245.
    EXPECT_FLOAT_EQ(link.DuoToMainCD(200), 245);
    EXPECT_FLOAT_EQ(link.DuoToMainCD(600), 717.79f);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(2000), 1855.2f);  // below M052: 2000 - 988.2 + 843.4
}

TEST_F(DuoExamples, LevelsOnTheEventFreeRouteAndAges) {
    LoadDuoEvents();
    EXPECT_EQ(duo.gEventCount, 6);
    EXPECT_EQ(duo.gMergedEventCount, 5);  // the LST tephra is listed in G and H
    EXPECT_EQ(duo.gEventList(8, 1), "131.01");  // the Vasset tephra on the master scale
    ASSERT_TRUE(link.ByEventFreeDepth());
    // Duo 200: event-free 195.5 (Vasset 1.3, void 3.2 cm above); M013 and
    // M014 at Duo EFD 190.4 and 203.0, master EFD 232.83 and 248.63:
    // 248.63 - 15.8 x 7.5 / 12.6 = 239.2252, plus the master's 5.7658 cm.
    EXPECT_FLOAT_EQ(link.DuoToMainCD(200), 244.99f);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(240), 196.02f);
    EXPECT_FLOAT_EQ(link.MainToDuoCD(500), 404.92f);
    EXPECT_FLOAT_EQ(link.DuoToMainCD(600), 717.79f);
    EXPECT_DOUBLE_EQ(*CDToEFD2(duo, 200), 195.5);

    // The main age model came over when the Duo event list was loaded.
    ASSERT_TRUE(TransferAgeModel2(main, duo, link));
    EXPECT_EQ(duo.gAgeModelRows, 20);
    EXPECT_DOUBLE_EQ(values::RoundHalfEven(*CDToAge2(duo, 200), 0), 2612);
    EXPECT_DOUBLE_EQ(values::RoundHalfEven(CDToAge(main, 244.99f), 0), 2645);
    EXPECT_DOUBLE_EQ(values::RoundHalfEven(*CDToAge2(duo, 600), 0), 8019);
    EXPECT_DOUBLE_EQ(values::RoundHalfEven(CDToAge(main, 717.79f), 0), 8007);
}

#include <gtest/gtest.h>

#include "model/age_model_import.h"
#include "model/extrapolation.h"
#include "model_fixtures.h"
#include "values/values.h"

using namespace model;
using namespace model_test;

namespace {

// A-01: ties at PSP 20 (120 cm) and 60 (180 cm), top at PSP 0, bottom at 90.
DepthModel TwoTieSection() {
    DepthModel m;
    LoadCorrelation(m, CorrelationHeader() + TieRow("", "---", "A-01-top", "0") + TieRow("L1", "120", "a", "20") +
                           TieRow("L2", "180", "b", "60") + TieRow("", "---", "A-01-Bot", "90"));
    LoadEvents(m, EventHeader() + "A,01,65,75,Turbidite\n");  // 185 to 195 cm, 1:1 below the last tie
    return m;
}

struct DuoNamesEtoH : DuoModelLink {
    bool ModelLoaded() const override { return true; }
    std::string BoreHoleName(int k) const override { return std::string(1, static_cast<char>('D' + k)); }
    std::string BoreHoleLongName(int) const override { return ""; }
    SectionEnds SectionEnds2(int16_t, int16_t) const override { return {"0", std::nullopt}; }
    int16_t GetSectionNo2(int16_t, std::string_view) const override { return 1; }
    TrinityDepth TrinityToCD2(int16_t, int16_t, float psp) const override { return psp + 40.0; }
    float DuoToMainCD(float d) const override { return d + 1000; }
};

}  // namespace

TEST(RecomputeDerivedDepths, LevelsOutsideTheTiesFollowTheNewMethod) {
    DepthModel m = TwoTieSection();
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 1)), 100);  // 1:1 above the first tie
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 4)), 210);  // 1:1 below the last

    m.gExtrapolation = Extrapolation::kProportional;
    RecomputeDerivedDepths(m, nullptr);
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 1)), 90);
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 4)), 225);
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 2)), 120);
    EXPECT_EQ(m.gCorrTable(1, 2, 2, 1), "9999");  // no level of B

    m.gExtrapolation = Extrapolation::kOneToOne;
    RecomputeDerivedDepths(m, nullptr);
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 4)), 210);
}

TEST(RecomputeDerivedDepths, ALevelInASectionWithoutATieStaysWithoutDepth) {
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation() + TieRow("", "---", "A-02-top", "0") + TieRow("", "---", "x", "10") +
                           TieRow("", "---", "A-02-Bot", "90"));
    EXPECT_EQ(m.gCorrTable(1, 1, 2, 4), "9999");
    for (Extrapolation rule : {Extrapolation::kProportional, Extrapolation::kOneToOne}) {
        m.gExtrapolation = rule;
        RecomputeDerivedDepths(m, nullptr);
        EXPECT_EQ(m.gCorrTable(1, 1, 2, 4), "9999");  // no value, never the empty cell that reads as 0
        EXPECT_EQ(m.gCorrTable(1, 1, 2, 2), "1000");
    }
}

TEST(RecomputeDerivedDepths, AgePointsByPositionAreConvertedAgainInTheirOwnBoreHole) {
    DepthModel m = TwoTieSection();
    DuoNamesEtoH duo;
    ItemReader file("Label,BH,Section,PSP,\"CD (09 Feb. 2024)\",E+,Age,E-,Type,Unit,Remark\n"
                    "a,A,01,90,---,1,1000,1,C1,yr,\n"
                    "e,E,1,5,---,1,2000,1,C1,yr,\n"
                    "f,---,---,---,150,1,3000,1,C1,yr,\n"
                    "r,a,01.0,90,---,1,900,1,R,yr,\n");
    BeginAgeModelImport(m, file, "age.csv");
    ASSERT_FALSE(FinishAgeModelImport(m, file, &duo).refused);
    EXPECT_EQ(m.gAgeModel(5, 1), "210");
    EXPECT_EQ(m.gAgeModel(11, 1), "200");  // below the 10 cm turbidite (185 to 195 cm, not recomputed)
    EXPECT_EQ(m.gAgeModel(5, 2), "1045");

    m.gExtrapolation = Extrapolation::kProportional;
    RecomputeDerivedDepths(m, &duo);
    EXPECT_EQ(m.gAgeModel(5, 1), "225");
    EXPECT_EQ(m.gAgeModel(11, 1), "215");
    EXPECT_EQ(m.gAgeModel(5, 2), "1045");  // through the Duo model, not as bore hole A
    EXPECT_EQ(m.gAgeModel(5, 3), "150");   // no position: depth kept, EFD again
    EXPECT_EQ(m.gAgeModel(11, 3), "150");
    EXPECT_EQ(m.gAgeModelAux(5, 1), "225");  // "R" rows too, "01.0" read as section 1
    EXPECT_EQ(m.gAgeModelAux(11, 1), "215");

    // Without the Duo model the point in E keeps its depth.
    m.gExtrapolation = Extrapolation::kOneToOne;
    RecomputeDerivedDepths(m, nullptr);
    EXPECT_EQ(m.gAgeModel(5, 2), "1045");
    EXPECT_EQ(m.gAgeModel(5, 1), "210");
}

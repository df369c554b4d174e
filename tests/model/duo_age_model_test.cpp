#include <gtest/gtest.h>

#include <string>

#include "values/values.h"
#include "model/age_model_import.h"
#include "model/duo_age_model.h"
#include "model/duo_conversion.h"
#include "duo_fixtures.h"

using namespace model;
using namespace model_test;

namespace {

const std::string kAgeHeader =
    "Label,Bore hole,Section,PSP,Composite depth (09 Feb. 2024),Error (+) 95.4,Age,Error (-) 95.4,Type,Unit,Remark\n";

void LoadMainAges(DepthModel& m) {
    ItemReader file(kAgeHeader + "P1,---,---,---,60,10,500,10,C1,cal BP,x\n" +
                    "P2,---,---,---,220,20,2000,30,C1,cal BP,x\n" + "P3,---,---,---,90,5,400,5,R,cal BP,rejected\n");
    BeginAgeModelImport(m, file, "ages_20240215.csv");
    FinishAgeModelImport(m, file, nullptr);
}

}  // namespace

TEST(DuoAgeModel, TransferWaitsForEveryPartThenCopiesOnce) {
    DuoModels d;
    d.LoadMasterEvents();
    LoadMainAges(d.main);
    EXPECT_FALSE(TransferAgeModel2(d.main, d.duo, d.link));  // no Duo model
    d.LoadDuo();
    EXPECT_FALSE(TransferAgeModel2(d.main, d.duo, d.link));  // no Duo event list
    d.LoadDuoEvents();
    ASSERT_TRUE(TransferAgeModel2(d.main, d.duo, d.link));
    EXPECT_TRUE(d.duo.gAgeModelLoaded);
    EXPECT_EQ(d.duo.gVerAgeModel, "15 Feb. 2024");
    EXPECT_EQ(d.duo.gAgeModelRows, 2);  // the "R" row stays behind
    EXPECT_EQ(d.duo.gAgeModel(0, 1), "C1");
    EXPECT_EQ(d.duo.gAgeModel(1, 1), "");  // labels and positions are not copied
    EXPECT_EQ(d.duo.gAgeModel(7, 2), "2000");
    EXPECT_EQ(d.duo.gAgeModel(8, 2), "30");
    EXPECT_EQ(d.duo.gAgeModel(9, 2), "cal BP");
    // 60 in the master: EFD 60, half-way from M20 (D1, 10) to M100 (D2, 50):
    // 30; 220 (EFD 210) below M150 (D4, EFD 90): EFD 150, composite 160.
    EXPECT_EQ(d.duo.gAgeModel(5, 1), "30");
    EXPECT_EQ(d.duo.gAgeModel(5, 2), "160");
    EXPECT_EQ(d.duo.gAgeModel(11, 2), "150");
    EXPECT_NEAR(*CDToAge2(d.duo, 160), 2000, 1e-9);
    EXPECT_EQ(d.duo.gAgeModel(9, d.duo.gAgeRowHi), "cal BP");

    // A second main import does not renew the copy.
    d.main.gAgeModel(5, 2) = "300";
    EXPECT_FALSE(TransferAgeModel2(d.main, d.duo, d.link));
    EXPECT_EQ(d.duo.gAgeModel(5, 2), "160");
}

TEST(DuoAgeModel, OwnReaderPlacesDuoPositions) {
    DuoModels d;
    d.LoadDuo();
    d.LoadDuoEvents();
    ItemReader file(kAgeHeader + "Q1,a,01,30,999,10,500,10,c1,cal BP,x\n" +  // "a": bore hole 1
                    "Q2,E,1,40,999,10,600,10,C2,cal BP,x\n" +                  // its name, section "1"
                    "Q3,B,01,30,999,10,650,10,V,varve yr,x\n" +                // "B": bore hole 2, no sections
                    "Q4,---,---,---,77,10,700,10,C1,cal BP,x\n" +              // by composite depth
                    "Q5,Q,01,30,88,10,800,10,C1,cal BP,x\n" +                  // no Duo bore hole
                    "Q6,E,01,30,88,10,900,10,X1,cal BP,x\n");                 // not a control point
    ImportDuoAgeModel(d.duo, file, "duo_ages_20240310.csv", Extrapolation::kOneToOne);
    EXPECT_TRUE(d.duo.gAgeModelLoaded);
    EXPECT_EQ(d.duo.gVerAgeModel, "10 Mar. 2024");
    ASSERT_EQ(d.duo.gAgeModelRows, 5);
    EXPECT_EQ(d.duo.gAgeModel(0, 1), "C1");
    EXPECT_EQ(d.duo.gAgeModel(5, 1), "30");
    EXPECT_EQ(d.duo.gAgeModel(5, 2), "40");
    EXPECT_EQ(d.duo.gAgeModel(5, 3), "9999");
    EXPECT_EQ(d.duo.gAgeModel(5, 4), "77");
    EXPECT_EQ(d.duo.gAgeModel(11, 4), "67");  // below the 10 cm void
    // A bore hole no Duo model names keeps the file's composite depth rather
    // than being placed in the bore hole of the point before.
    EXPECT_EQ(d.duo.gAgeModel(5, 5), "88");
    EXPECT_EQ(d.duo.gAgeModel(11, 5), "78");
}

TEST(DuoAgeModel, VarveCountsTakeTheDuosEventFreeDepths) {
    DuoModels d;
    d.LoadDuo();
    const std::string counts = "Composite depth,Count\n50,0\n80,100\n";
    ItemReader before(counts);
    ImportVarveCounts(d.duo, before, "duo_varves_20240312.csv", Side::kDuo);
    EXPECT_TRUE(d.duo.gVarvesLoaded);
    EXPECT_FLOAT_EQ(d.duo.gVarveBottomEFD, 0);  // no Duo event list: no value, read as 0
    d.LoadDuoEvents();
    ItemReader after(counts);
    ImportVarveCounts(d.duo, after, "duo_varves_20240312.csv", Side::kDuo);
    EXPECT_FLOAT_EQ(d.duo.gVarveTopEFD, 50);
    EXPECT_FLOAT_EQ(d.duo.gVarveBottomEFD, 70);
}

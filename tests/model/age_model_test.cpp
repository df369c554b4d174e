#include <gtest/gtest.h>

#include <string>

#include "model/age_conversion.h"
#include "model/age_model_import.h"
#include "model/depth_conversion.h"
#include "model_fixtures.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace model;
using namespace model_test;

namespace {

std::string AgeHeader(const std::string& depthTitle = "Composite depth (cm) (09 Feb. 2024)",
                      const std::string& plus = "Error (+) 95.4", const std::string& minus = "Error (-) 68,3") {
    return "Label,Bore hole,Section,PSP (cm),\"" + depthTitle + "\",\"" + plus + "\",Age,\"" + minus +
           "\",Type,Unit,Remark\n";
}

// Bore hole A-01 straight (composite depth = PSP), A-02 without ties, no event layers.
DepthModel ModelWithEvents(const std::string& events = "") {
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation() + TieRow("", "---", "A-02-top", "0") + TieRow("", "---", "A-02-Bot", "90"));
    LoadEvents(m, EventHeader() + events);
    return m;
}

AgeModelHeader Begin(DepthModel& m, ItemReader& file) { return BeginAgeModelImport(m, file, "C:\\ages\\age_20240301.csv"); }

AgeModelImport LoadAges(DepthModel& m, const std::string& text, const DuoModelLink* duo = nullptr) {
    ItemReader file(text);
    Begin(m, file);
    return FinishAgeModelImport(m, file, duo);
}

// Control points at 100, 200 and 300 cm with ages 1000, 2000, 3000.
DepthModel ThreePoints() {
    DepthModel m = ModelWithEvents();
    AgeModelImport r = LoadAges(m, AgeHeader() + "a,---,---,---,100,10,1000,20,C1,cal BP,\n"
                                                 "b,---,---,---,200,30,2000,40,C1,cal BP,\n"
                                                 "c,---,---,---,300,30,3000,40,C2,varve yr,\n");
    EXPECT_FALSE(r.refused);
    return m;
}

struct DuoStub : DuoModelLink {
    bool loaded = true;
    bool ModelLoaded() const override { return loaded; }
    std::string BoreHoleName(int k) const override { return std::string(1, static_cast<char>('D' + k)); }
    std::string BoreHoleLongName(int) const override { return ""; }
    SectionEnds SectionEnds2(int16_t, int16_t) const override { return {"0", std::nullopt}; }
    int16_t GetSectionNo2(int16_t, std::string_view name) const override { return name == "01" ? 1 : 9999; }
    TrinityDepth TrinityToCD2(int16_t, int16_t section, float psp) const override {
        return section == 1 ? TrinityDepth(psp + 40.0) : TrinityDepth(kNoValue);
    }
    float DuoToMainCD(float d) const override { return d + 1000; }
};

std::string VersionOf(const std::string& title) {
    DepthModel m;
    ItemReader file(AgeHeader(title));
    return Begin(m, file).versionDate;
}

}  // namespace

TEST(AgeModelImport, VersionDateComesFromTheCompositeDepthTitle) {
    EXPECT_EQ(VersionOf("Composite depth (cm) (20 Jan. 2024)"), "20 Jan. 2024");
    EXPECT_EQ(VersionOf("CD (cm) 20 Jan. 2024"), "20 Jan. 2024");
    EXPECT_EQ(VersionOf("CD ( 3 May 2024)"), "3 May 2024");
    EXPECT_EQ(VersionOf("Composite depth (cm)"), "not specified");
    EXPECT_EQ(VersionOf("CD (cm)"), "not specified");  // shorter than a date: no error
    EXPECT_EQ(VersionOf("CD 20240209"), "CD 20240209");

    DepthModel m;
    m.gVerCorrelation = "09 Feb. 2024 ";
    ItemReader same(AgeHeader());
    AgeModelHeader h = Begin(m, same);
    EXPECT_TRUE(h.versionMatches);
    EXPECT_EQ(m.gVerAgeModel, "01 Mar. 2024");
    ItemReader other(AgeHeader("Composite depth (cm) (10 Feb. 2024)"));
    h = Begin(m, other);
    EXPECT_FALSE(h.versionMatches);
    EXPECT_EQ(h.warning,
              "Version dates are inconsistent between correlation models for plotting (09 Feb. 2024 ) and age "
              "control points (10 Feb. 2024). Do you proceed anyway?");
}

TEST(AgeModelImport, SortsRowsByTypeAndDerivesDepthsFromPositions) {
    DepthModel m = ModelWithEvents("A,01,110,120,Tephra\n");
    AgeModelImport r = LoadAges(m, AgeHeader() +
                                       "p1,A,01,150,---,20,1500,30,c2,cal BP,dated twig\n"
                                       "p2,---,---,---,123.4,5,1200,5,V,varve yr,\n"
                                       "p3,Q,---,---,100.0,5,1000,5,C1,cal BP,\n"
                                       "p4,A,---,30,400,5,4000,5,C1,cal BP,\n"
                                       "p5,A,09,30,500,5,5000,5,C1,cal BP,\n"
                                       "p6,A,02,10,700,5,7000,5,C1,cal BP,\n"
                                       "r1,A,01,20,---,5,900,5,r,cal BP,reversal\n"
                                       "x1,A,01,20,---,5,900,5,X,cal BP,\n"
                                       "x2,A,01,20,---,5,900,5,,cal BP,\n");
    ASSERT_FALSE(r.refused);
    EXPECT_TRUE(m.gAgeModelLoaded);
    ASSERT_EQ(m.gAgeModelRows, 6);
    ASSERT_EQ(m.gAgeModelAuxRows, 1);
    EXPECT_EQ(m.gAgeModel(0, 1), "C2");
    EXPECT_EQ(m.gAgeModel(10, 1), "dated twig");
    EXPECT_EQ(m.gAgeModel(5, 1), "150");   // from A-01 at PSP 150
    EXPECT_EQ(m.gAgeModel(11, 1), "140");  // below the 10 cm tephra
    EXPECT_EQ(m.gAgeModel(5, 2), "123.4");
    EXPECT_EQ(m.gAgeModel(11, 2), "113.4");
    EXPECT_EQ(m.gAgeModel(5, 3), "100.0");  // unknown bore hole, plain number: accepted
    EXPECT_EQ(m.gAgeModel(5, 4), "400");    // no section
    EXPECT_EQ(m.gAgeModel(5, 5), "500");    // no such section: 9999 keeps the file's depth
    EXPECT_EQ(m.gAgeModel(5, 6), "700");    // a section without ties places nothing
    EXPECT_EQ(m.gAgeModelAux(0, 1), "R");
    EXPECT_EQ(m.gAgeModelAux(5, 1), "---");  // "R" rows keep the file's depth
    EXPECT_EQ(r.errorNamePlus, "95.4 %");
    EXPECT_EQ(r.errorNameMinus, "68,3 %");
}

TEST(AgeModelImport, ErrorTitlesWithAnEarlyPointGiveANameAndNoneWithoutOne) {
    DepthModel m = ModelWithEvents();
    AgeModelImport r =
        LoadAges(m, AgeHeader("CD (09 Feb. 2024)", ".95 range", "Error") + "a,---,---,---,100,1,1,1,C1,yr,\n");
    EXPECT_TRUE(m.gAgeModelLoaded);
    EXPECT_EQ(r.errorNamePlus, ".95  %");
    EXPECT_EQ(r.errorNameMinus, "");
}

TEST(AgeModelImport, APointWithoutATieOrWithADepthWrittenLongKeepsTheDepthOfItsFile) {
    DepthModel m = ModelWithEvents();
    AgeModelImport r = LoadAges(m, AgeHeader() + "a,A,02,10,345.6,1,1000,1,C1,yr,\n"  // A-02 has no tie
                                                 "b,---,---,---,120.50,1,2000,1,C1,yr,\n"
                                                 "c,Q,---,---,1.5e2,1,3000,1,C1,yr,\n");
    ASSERT_FALSE(r.refused) << r.message;
    EXPECT_EQ(m.gAgeModel(5, 1), "345.6");  // not composite depth 0
    EXPECT_EQ(m.gAgeModel(11, 1), "345.6");
    EXPECT_EQ(m.gAgeModel(5, 2), "120.50");  // a depth is a depth, however written
    EXPECT_EQ(m.gAgeModel(11, 2), "120.5");
    EXPECT_EQ(m.gAgeModel(11, 3), "150");
    EXPECT_TRUE(m.gAgeModelLoaded);
}

TEST(AgeModelImport, UndefinedBoreHolesAreRefusedOrAFormatErrorWithADuoModel) {
    const std::string text = AgeHeader() + "a,A,01,150,---,1,1,1,C1,yr,\n"
                                           "b,Q,---,---,---,1,2,1,C1,yr,\n"
                                           "c,A,01,250,---,1,3,1,C1,yr,\n";
    DepthModel m = ModelWithEvents();
    AgeModelImport r = LoadAges(m, text);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.message, "Bore hole name 'Q' has not been defined. Import parallel correlation model to Quillory Duo.");
    EXPECT_FALSE(m.gAgeModelLoaded);
    EXPECT_EQ(m.gAgeModel(5, 1), "150");  // rows before it are derived
    EXPECT_EQ(m.gAgeModel(5, 3), "---");

    DuoStub duo;
    DepthModel withDuo = ModelWithEvents();
    EXPECT_THROW(LoadAges(withDuo, text, &duo), values::RuntimeError);
    EXPECT_FALSE(withDuo.gAgeModelLoaded);

    // Duo bore holes are 5 to 8, converted into the main composite depth.
    DepthModel duoPoints = ModelWithEvents();
    r = LoadAges(duoPoints, AgeHeader() + "e,E,01,2,---,1,1,1,C1,yr,\nf,F,07,2,555,1,1,1,C1,yr,\n", &duo);
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(duoPoints.gAgeModel(5, 1), "1042");
    EXPECT_EQ(duoPoints.gAgeModel(5, 2), "555");
}

TEST(AgeModelImport, ARecordCutShortIsAnErrorAndLoadsNothing) {
    DepthModel m = ModelWithEvents();
    EXPECT_THROW(LoadAges(m, AgeHeader() + "a,---,---,---,100,1,1,1,C1,yr,\nb,---,---"), values::RuntimeError);
    EXPECT_FALSE(m.gAgeModelLoaded);
}

TEST(VarveImport, LoadedOnlyAfterSuccess) {
    DepthModel m = ModelWithEvents("A,01,50,60,Void\n");
    ItemReader file("Depth,Count\n100,0\n150,10.5\n200,21\n");
    ImportVarveCounts(m, file, "C:\\v\\varves_20240101.csv");
    EXPECT_TRUE(m.gVarvesLoaded);
    EXPECT_EQ(m.gVarveCount, 3);
    EXPECT_FLOAT_EQ(m.gVarveTopCD, 100);
    EXPECT_FLOAT_EQ(m.gVarveBottomCD, 200);
    EXPECT_FLOAT_EQ(m.gVarveTopEFD, 90);
    EXPECT_FLOAT_EQ(m.gVarve(1, 2), 10.5f);
    EXPECT_EQ(m.gVerVarves, "01 Jan. 2024");

    for (const char* text : {"Depth,Count\n", "Depth,Count\n100,many\n", "Depth,Count\n100,1\n150"}) {
        DepthModel failed = ModelWithEvents();
        ItemReader bad(text);
        EXPECT_THROW(ImportVarveCounts(failed, bad, "v.csv"), values::RuntimeError) << text;
        EXPECT_FALSE(failed.gVarvesLoaded) << text;
    }
}

TEST(AgeConversion, InterpolatesAndExtrapolatesLinearlyWithErrors) {
    DepthModel m = ThreePoints();
    EXPECT_DOUBLE_EQ(CDToAge(m, 150), 1500);
    EXPECT_FLOAT_EQ(m.gAgeErrPlus, 20);
    EXPECT_FLOAT_EQ(m.gAgeErrMinus, 30);
    EXPECT_EQ(m.gAgeRowLo, 1);
    EXPECT_EQ(m.gAgeCaption, "(interpolated by EFD)");
    EXPECT_DOUBLE_EQ(CDToAge(m, 50), 500);
    EXPECT_DOUBLE_EQ(CDToAge(m, 350), 3500);
    EXPECT_DOUBLE_EQ(CDToAge(m, 300), 3000);
    EXPECT_EQ(m.gAgeRowLo, 2);
    EXPECT_EQ(m.gAgeRowHi, 3);
    EXPECT_DOUBLE_EQ(EFDToAge(m, 250), 2500);
    EXPECT_DOUBLE_EQ(AgeToEFD(m, 2500), 250);
    EXPECT_DOUBLE_EQ(AgeToEFD(m, 9999), 999.9);  // no pass-through

    EXPECT_DOUBLE_EQ(CDToAge(m, 9999), 9999);
    EXPECT_FLOAT_EQ(m.gAgeErrPlus, 9999);
    EXPECT_FLOAT_EQ(m.gAgeErrMinus, 9999);
    EXPECT_EQ(m.gAgeCaption, "");  // no caption chosen: Label9 stays as it is
    EXPECT_DOUBLE_EQ(EFDToAge(m, -9999), -9999);
}

TEST(AgeConversion, FollowsEveryNewAgeModelAndKeysOutOfOrder) {
    DepthModel m = ThreePoints();
    EXPECT_DOUBLE_EQ(CDToAge(m, 150), 1500);
    // A model of the same size read afterwards: its numbers, not the old ones.
    LoadAges(m, AgeHeader() + "a,---,---,---,100,1,100,1,C1,yr,\n"
                              "b,---,---,---,200,1,300,1,C1,yr,\n"
                              "c,---,---,---,300,1,500,1,C1,yr,\n");
    EXPECT_DOUBLE_EQ(CDToAge(m, 150), 200);
    // Depths out of order: the last pair of neighbours around the level counts.
    LoadAges(m, AgeHeader() + "a,---,---,---,100,1,100,1,C1,yr,\n"
                              "b,---,---,---,300,1,300,1,C1,yr,\n"
                              "c,---,---,---,200,1,400,1,C1,yr,\n"
                              "d,---,---,---,400,1,600,1,C1,yr,\n");
    EXPECT_DOUBLE_EQ(CDToAge(m, 250), 450);  // between c and d, not a and b (250)
    EXPECT_EQ(m.gAgeRowLo, 3);
}

TEST(AgeConversion, LevelsInAnyOrderFindTheirPairAsAWalkDoes) {
    // Twenty points every 10 cm, two of them at one depth.
    DepthModel m = ModelWithEvents();
    std::string points;
    for (int i = 1; i <= 20; ++i) {
        const int depth = 10 * (i == 8 ? 7 : i);
        points += "p,---,---,---," + std::to_string(depth) + ",1," + std::to_string(100 * i) + ",1,C1,yr,\n";
    }
    LoadAges(m, AgeHeader() + points);
    // The last pair around the level, the first or last pair beyond the points.
    auto walk = [&m = std::as_const(m)](double x) {
        long lo = x < FastVal(m.gAgeModel(11, 1)) ? 1 : 19;
        for (long j = 1; j < 20; ++j)
            if (FastVal(m.gAgeModel(11, j)) <= x && x < FastVal(m.gAgeModel(11, j + 1))) lo = j;
        return lo;
    };
    std::vector<float> levels;
    for (float x = -5; x < 215; x += 0.5f) levels.push_back(x);
    for (float x = 215; x > -5; x -= 3.25f) levels.push_back(x);
    for (int i = 0; i < 300; ++i) levels.push_back(static_cast<float>((i * 7919) % 2200) / 10.0f);
    for (float x : levels) {
        EFDToAge(m, x);
        ASSERT_EQ(m.gAgeRowLo, walk(x)) << x;
    }
}

TEST(AgeConversion, NeedsTwoControlPointsAndDistinctKeys) {
    DepthModel none = ModelWithEvents();
    EXPECT_THROW(CDToAge(none, 100), values::RuntimeError);
    DepthModel one = ModelWithEvents();
    LoadAges(one, AgeHeader() + "a,---,---,---,100,1,1,1,C1,yr,\n");
    EXPECT_THROW(CDToAge(one, 100), values::RuntimeError);
    DepthModel twins = ModelWithEvents();
    LoadAges(twins, AgeHeader() + "a,---,---,---,100,1,1,1,C1,yr,\nb,---,---,---,100,1,2,1,C1,yr,\n");
    EXPECT_THROW(CDToAge(twins, 50), values::RuntimeError);
}

TEST(AgeConversion, VarveCountsDecideInsideTheCountedInterval) {
    DepthModel m = ThreePoints();
    ItemReader file("Depth,Count\n100,0\n120,20\n180,40\n200,60\n");
    ImportVarveCounts(m, file, "v.csv");
    // 20 varves above 130 cm and 20 below, within the points at 100 and 200.
    EXPECT_DOUBLE_EQ(CDToAge(m, 130), 1500);
    EXPECT_EQ(m.gAgeCaption, "(interpolated by varve count)");
    EXPECT_FLOAT_EQ(m.gAgeErrPlus, 20);
    EXPECT_DOUBLE_EQ(EFDToAge(m, 130), 1500);
    // Outside the counted interval the event-free depth decides.
    EXPECT_DOUBLE_EQ(CDToAge(m, 250), 2500);
    EXPECT_EQ(m.gAgeCaption, "(interpolated by EFD)");

    // No counts between the points and the level: CDToAge takes the upper
    // point, EFDToAge the lower.
    DepthModel still = ThreePoints();
    ItemReader flat("Depth,Count\n100,0\n150,10\n200,20\n");
    ImportVarveCounts(still, flat, "v.csv");
    EXPECT_DOUBLE_EQ(CDToAge(still, 150), 1000);
    EXPECT_FLOAT_EQ(still.gAgeErrMinus, 20);
    EXPECT_DOUBLE_EQ(EFDToAge(still, 150), 2000);
    EXPECT_FLOAT_EQ(still.gAgeErrMinus, 40);

    // Ages back to depth by the counts, starting from the upper point.
    DepthModel wide = ThreePoints();
    ItemReader counts("Depth,Count\n90,0\n150,10\n210,20\n");
    ImportVarveCounts(wide, counts, "v.csv");
    EXPECT_DOUBLE_EQ(AgeToEFD(wide, 1500), 100);
    EXPECT_FLOAT_EQ(wide.gAgeErrPlus, 10);
    EXPECT_EQ(wide.gAgeCaption, "(interpolated by EFD)");  // left by its last age look-up
}

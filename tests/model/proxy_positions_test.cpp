#include <gtest/gtest.h>

#include <string>

#include "model/age_model_import.h"
#include "model/proxy_positions.h"
#include "proxy_fixtures.h"

using namespace model;
using namespace proxy_test;

namespace {

void LoadAges(DepthModel& m, const std::string& points) {
    ItemReader file("Label,Bore hole,Section,PSP (cm),Composite depth (cm) (09 Feb. 2024),Error (+) 95.4,Age,"
                    "Error (-) 95.4,Type,Unit,Remark\n" +
                    points);
    BeginAgeModelImport(m, file, "C:\\ages\\ages_20240215.csv");
    FinishAgeModelImport(m, file, nullptr);
}

// A 10 cm tephra from 40 to 50 cm; ages 1000, 2000, 3000 at 100, 200, 300 cm,
// so age = 1000 + 10 x (event-free depth - 90).
DepthModel DatedModel() {
    DepthModel m = TwoBoreHoleModel();
    model_test::LoadEvents(m, model_test::EventHeader() + "A,1,40,50,Tephra\n");
    LoadAges(m, "a,---,---,---,100,10,1000,10,C1,cal BP,\n"
                "b,---,---,---,200,10,2000,10,C1,cal BP,\n"
                "c,---,---,---,300,10,3000,10,C1,cal BP,\n");
    return m;
}

struct MasterStub : DuoModelLink {
    bool ModelLoaded() const override { return true; }
    std::string BoreHoleName(int) const override { return "E"; }
    int16_t GetSectionNo2(int16_t, std::string_view) const override { return 9999; }
    TrinityDepth TrinityToCD2(int16_t, int16_t, float) const override { return kNoValue; }
    float DuoToMainCD(float d) const override { return d + 1000; }
    std::string BoreHoleLongName(int) const override { return ""; }
    SectionEnds SectionEnds2(int16_t, int16_t) const override { return {}; }
};

void ExpectPlanes(const ProxyPanelData& p, long i, float cd, float efd, float age) {
    EXPECT_FLOAT_EQ(p.gProxyY(1, i), cd) << "sample " << i;
    EXPECT_FLOAT_EQ(p.gProxyY(2, i), efd) << "sample " << i;
    EXPECT_FLOAT_EQ(p.gProxyY(3, i), age) << "sample " << i;
}

}  // namespace

TEST(ProxyPositions, AnImportFillsEveryScaleAndKeepsNoValuesAndTheAgeReadout) {
    DepthModel m = DatedModel();
    m.gAgeErrPlus = 7;
    m.gAgeRowLo = 2;
    m.gAgeCaption = "(interpolated by EFD)";
    const ProxyPanelData p = Import(m, "Bore hole,Section,PSP,Ti\nA,1,45,1\nA,1,150,2\nX,1,3,3\n").panel;
    ExpectPlanes(p, 1, 45, 40, 500);  // inside the tephra: its top
    ExpectPlanes(p, 2, 150, 140, 1500);
    ExpectPlanes(p, 3, 9999, 9999, 9999);  // no position in any scale
    EXPECT_EQ(m.gAgeErrPlus, 7.0f);
    EXPECT_EQ(m.gAgeRowLo, 2);
    EXPECT_EQ(m.gAgeCaption, "(interpolated by EFD)");
}

TEST(ProxyPositions, TheAxisAnswerConvertsTheValuesAsReadIntoEveryScale) {
    DepthModel m = DatedModel();
    ProxyPanelData ages = Import(m, "Age,Ti\n1500,1\n2500,2\n9999,3\n").panel;
    ExpectPlanes(ages, 1, 1500, 1490, 15000);  // until the answer: read as composite depths
    ConvertProxyPositions(m, ages, ProxyAxis::kAgeB1950);
    ExpectPlanes(ages, 1, 150, 140, 1500);  // the event-free depth of the converted depth
    ExpectPlanes(ages, 2, 250, 240, 2500);
    ExpectPlanes(ages, 3, 9999, 9999, 9999);  // a no-value is never turned into a depth
    EXPECT_EQ(ages.SampleText(1), "1500");

    ProxyPanelData ka = Import(m, "Age,Ti\n1.5,1\n2.5,2\n").panel;
    ConvertProxyPositions(m, ka, ProxyAxis::kAgeKa);
    ExpectPlanes(ka, 1, 150, 140, 1500);

    ProxyPanelData depths = Import(m, "Depth,Ti\n150,1\n250,2\n").panel;
    ConvertProxyPositions(m, depths, ProxyAxis::kCompositeDepth);
    ExpectPlanes(depths, 2, 250, 240, 2500);
}

TEST(ProxyPositions, AnAgeTheModelCannotGiveIsNoValue) {
    DepthModel m = TwoBoreHoleModel();
    model_test::LoadEvents(m, model_test::EventHeader());
    LoadAges(m, "a,---,---,---,100,10,1000,10,C1,cal BP,\n");  // one point: no line to read ages from
    ProxyPanelData p = Import(m, "Age,Ti\n1500,1\n2500,2\n").panel;
    EXPECT_EQ(p.gProxyY(3, 1), 9999.0f);
    ConvertProxyPositions(m, p, ProxyAxis::kAgeB1950);
    ExpectPlanes(p, 1, 9999, 9999, 9999);
}

TEST(ProxyPositions, TheDuoPlacesItsOwnDepthAndThenTheMasterCores) {
    DepthModel duoModel = DatedModel();
    MasterStub master;
    ItemReader file("Age,Ti\n1500,1\n123.45678,2\n");
    ProxyPanelData p = ImportDuoProxy(master, file, "duo").panel;
    ConvertDuoProxyPositions(duoModel, master, p, ProxyAxis::kCompositeDepth);
    EXPECT_EQ(p.gProxyY(0, 2), 123.45678f);
    EXPECT_EQ(p.gProxyY(1, 2), 1123.4568f);  // through the depth's text, seven digits
    ConvertDuoProxyPositions(duoModel, master, p, ProxyAxis::kAgeB1950);
    EXPECT_EQ(p.gProxyY(0, 1), 150.0f);
    EXPECT_EQ(p.gProxyY(1, 1), 1150.0f);
}

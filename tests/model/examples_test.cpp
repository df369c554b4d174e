// The example data set loads in the order a user loads it, and gives the
// values worked out by hand from its files.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "model/age_conversion.h"
#include "model/age_model_import.h"
#include "model/correlation_import.h"
#include "model/depth_conversion.h"
#include "model/event_layers.h"
#include "model/proxy_import.h"
#include "model/proxy_positions.h"
#include "values/values.h"

using namespace model;

namespace {

const std::string kExamples = std::string(QUILLORY_SOURCE_DIR) + "/examples/";

class Examples : public testing::Test {
protected:
    void SetUp() override {
        Load("QL22_correlation_20240209.csv", [&](ItemReader& f, const std::string& path) {
            ImportCorrelationModel(m, f, path, correlation);
        });
        Load("QL22_event_layers_20240212.csv",
             [&](ItemReader& f, const std::string& path) { ImportEventList(m, f, path); });
        Load("QL22_age_model_20240215.csv", [&](ItemReader& f, const std::string& path) {
            header = BeginAgeModelImport(m, f, path);
            ages = FinishAgeModelImport(m, f, nullptr);
        });
    }

    template <class Import>
    void Load(const std::string& name, Import import) {
        const std::string path = kExamples + name;
        ItemReader file = ItemReader::Open(path);
        import(file, path);
    }

    DepthModel m;
    CorrelationImport correlation;
    AgeModelHeader header;
    AgeModelImport ages;
};

}  // namespace

TEST_F(Examples, LoadInOrderWithoutError) {
    EXPECT_EQ(m.gVerCorrelation, "09 Feb. 2024");
    EXPECT_EQ(m.gRowCount, 316);
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(m.gSectionCount[k], 24) << k;
    EXPECT_EQ(correlation.columnTitles[1], "Core QL22-1 (A)");
    EXPECT_EQ(m.gEventCount, 17);
    EXPECT_EQ(m.gMergedEventCount, 16);  // the LST tephra is listed in two cores
    EXPECT_TRUE(header.versionMatches);  // the age model was made for this correlation model
    EXPECT_FALSE(ages.refused);
    EXPECT_TRUE(m.gAgeModelLoaded);
    EXPECT_EQ(m.gAgeModelRows, 20);
    EXPECT_EQ(m.gAgeModelAuxRows, 2);
    EXPECT_EQ(ages.errorNamePlus, "95.4 %");

    ItemReader varves = ItemReader::Open(kExamples + "QL22_varve_counts_20240220.csv");
    ImportVarveCounts(m, varves, "QL22_varve_counts_20240220.csv");
    EXPECT_EQ(m.gVarveCount, 41);
    EXPECT_FLOAT_EQ(m.gVarveTopCD, 300);
    EXPECT_FLOAT_EQ(m.gVarveBottomCD, 700);
}

TEST_F(Examples, CompositeDepthOfDrillingPositions) {
    // A-02 has the ties M007 (PSP 12.4, 113.7 cm) and M008 (PSP 35.8, 136.6 cm):
    // PSP 20.0 lies between them: 113.7 + 7.6 x 22.9 / 23.4 = 121.137607 cm.
    EXPECT_NEAR(*TrinityToCD(m, 1, 2, 20.0f), 121.137607, 1e-6);
    // PSP 3.0 lies above M007: 1:1 from it, 113.7 - 9.4 = 104.3 cm; so does
    // the section's top row, 113.7 - 12.4 = 101.3 cm.
    EXPECT_NEAR(*TrinityToCD(m, 1, 2, 3.0f), 104.3, 1e-9);
    EXPECT_NEAR(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 12)), 101.3, 1e-9);
    // Age point Poz-4138 at B-08 PSP 59.0, between M042 (45.6, 797.7 cm) and
    // M043 (63.1, 815.1 cm): 797.7 + 13.4 x 17.4 / 17.5 = 811.0234 cm.
    EXPECT_EQ(m.gAgeModel(1, 10), "Poz-4138");
    EXPECT_EQ(m.gAgeModel(5, 10), "811.0234");
}

TEST_F(Examples, EventFreeDepths) {
    // Above 200 cm lie the Vasset tephra, A-02 PSP 30.1 to 31.7, that is
    // 113.7 + 17.7 x 22.9 / 23.4 = 131.0218 to 113.7 + 19.3 x 22.9 / 23.4 =
    // 132.5876 cm (1.5658 cm), and the void in B-02, PSP 22.9 to 27.1 between
    // M010 (22.4, 176.0 cm) and M011 (44.0, 197.6 cm), 176.5 to 180.7 cm (4.2 cm).
    EXPECT_EQ(m.gEventList(6, 1), "131.0218");
    EXPECT_EQ(m.gEventList(7, 2), "180.7");
    EXPECT_DOUBLE_EQ(CDToEFD(m, 200), 194.23);   // 200 - 5.7658
    EXPECT_DOUBLE_EQ(CDToEFD(m, 178), 174.93);   // inside the void: its top, 176.5 - 1.5658
    EXPECT_DOUBLE_EQ(EFDToCD(m, 194.23f), 200);  // 194.23 + 5.7658, rounded
    // B-02 PSP 25.0 (in the void): 176.0 + 2.6 = 178.6 cm composite depth.
    EXPECT_NEAR(*TrinityToCD(m, 2, 2, 25.0f), 178.6, 1e-9);
}

TEST_F(Examples, AgeWithErrorsAndUnit) {
    // 280 cm lies below three layers: 1.5658 + 4.2 + the turbidite in C-03
    // (262.0069 to 269.4188 cm, 7.4119 cm): event-free depth 266.82 cm.
    // Around it VC-03 (230.6 cm, EFD 224.83, 2469 +/- 15) and VC-04 (301.2 cm,
    // EFD 288.02, 3244 +/- 17), both in varve years:
    // 2469 + 41.99 x 775 / 63.19 = 2983.99; errors 15 + 41.99 x 2 / 63.19 = 16.33.
    EXPECT_EQ(m.gAgeModel(11, 3), "224.83");
    EXPECT_EQ(m.gAgeModel(11, 4), "288.02");
    EXPECT_NEAR(CDToAge(m, 280), 2983.99, 1e-2);
    EXPECT_NEAR(m.gAgeErrPlus, 16.33, 1e-2);
    EXPECT_NEAR(m.gAgeErrMinus, 16.33, 1e-2);
    EXPECT_EQ(m.gAgeModel(9, m.gAgeRowLo), "varve yr BP");
    EXPECT_EQ(m.gAgeModel(9, m.gAgeRowHi), "varve yr BP");
    EXPECT_EQ(m.gAgeCaption, "(interpolated by EFD)");

    // With the varve counts, 350 cm between VC-04 and VC-05 (388.0 cm, 4209
    // +/- 20): 415 varves above it (310 to 340 cm) and 828 - 521 = 307 below
    // (360 to 380 cm): 3244 + 965 x 415 / 722 = 3798.67, errors 17 + 3 x 415 / 722.
    ItemReader varves = ItemReader::Open(kExamples + "QL22_varve_counts_20240220.csv");
    ImportVarveCounts(m, varves, "QL22_varve_counts_20240220.csv");
    EXPECT_NEAR(CDToAge(m, 350), 3798.6745, 1e-3);
    EXPECT_NEAR(m.gAgeErrPlus, 18.7244, 1e-3);
    EXPECT_EQ(m.gAgeCaption, "(interpolated by varve count)");
}

namespace {

template <class T>
void ExpectSameCells(const Table2<T>& a, const Table2<T>& b, const char* name) {
    ASSERT_EQ(a.Columns(), b.Columns()) << name;
    ASSERT_EQ(a.Rows(), b.Rows()) << name;
    for (int c = 0; c < a.Columns(); ++c)
        for (long r = 0; r < a.Rows(); ++r) EXPECT_EQ(a(c, r), b(c, r)) << name << " " << c << ", " << r;
}

}  // namespace

TEST(ExampleFiles, ACorrelationModelWithItsLineEndsConvertedTwiceLoadsTheSameTables) {
    // CR-LF turned into CR-CR-LF, as an editor or a checkout may do.
    const std::string name = "QL22_correlation_20240209.csv";
    std::string text;
    {
        std::ifstream in(kExamples + name, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_NE(text.find("\r\n"), std::string::npos);
    std::string doubled;
    for (char c : text) doubled += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << doubled;

    DepthModel original, converted;
    CorrelationImport originalOut, convertedOut;
    ItemReader originalFile = ItemReader::Open(kExamples + name), convertedFile = ItemReader::Open(path);
    ImportCorrelationModel(original, originalFile, name, originalOut);
    ImportCorrelationModel(converted, convertedFile, name, convertedOut);
    std::remove(path.c_str());

    EXPECT_EQ(converted.gRowCount, original.gRowCount);
    ASSERT_EQ(converted.gCorrTable.Rows(), original.gCorrTable.Rows());
    for (int plane = 0; plane < CorrTable::kPlanes; ++plane)
        for (int k = 0; k < CorrTable::kBoreHoles; ++k)
            for (int f = 0; f < CorrTable::kFields; ++f)
                for (long r = 0; r < original.gCorrTable.Rows(); ++r)
                    EXPECT_EQ(converted.gCorrTable(plane, k, f, r), original.gCorrTable(plane, k, f, r));
    ExpectSameCells(converted.gCorrRow, original.gCorrRow, "gCorrRow");
    ExpectSameCells(converted.gSectionName, original.gSectionName, "gSectionName");
    ExpectSameCells(converted.gSectionTop, original.gSectionTop, "gSectionTop");
    ExpectSameCells(converted.gSectionBottom, original.gSectionBottom, "gSectionBottom");
    EXPECT_EQ(converted.gSectionCount, original.gSectionCount);
    EXPECT_EQ(converted.gBoreHoleName, original.gBoreHoleName);
    EXPECT_EQ(converted.gBoreHoleBottom, original.gBoreHoleBottom);
    EXPECT_EQ(convertedOut.columnTitles, originalOut.columnTitles);
    EXPECT_EQ(convertedOut.sectionNames, originalOut.sectionNames);
}

TEST_F(Examples, ProxyFilesFitTheCores) {
    const std::string scanPath = kExamples + "QL22_XRF_scan_for_QY.csv";
    ItemReader scanFile = ItemReader::Open(scanPath);
    const ProxyImport scan = ImportMainProxy(m, scanFile, *ProxyFileTitle(scanPath));
    EXPECT_EQ(scan.layout, ProxyLayout::kTrinity);
    EXPECT_EQ(scan.panel.gProxyFileName, "QL22_XRF_scan");
    ASSERT_EQ(scan.panel.gProxyCols, 5);
    EXPECT_EQ(scan.panel.gProxyColName(4), "K");
    EXPECT_EQ(scan.panel.gProxyRows, 2319);
    // A-02 PSP 20.5 between M007 and M008: 113.7 + 8.1 x 22.9 / 23.4 cm.
    const long a2 = 100;  // 99 samples in A-01 (PSP 0.5 to 98.5), then A-02 from 0.5
    EXPECT_EQ(scan.panel.gProxyAsRead(a2 + 20), static_cast<float>(113.7 + 8.1 * 22.9 / 23.4));
    // The gas void in A-08 (PSP 69.7 to 73.0) has no values.
    for (long i = 1; i <= scan.panel.gProxyRows; ++i)
        if (scan.panel.gProxyValue(1, i) == 9999 && scan.panel.gProxyValue(5, i) == 9999) {
            EXPECT_NEAR(scan.panel.gProxyY(1, i), 780, 30) << i;
        }

    ItemReader agesFile = ItemReader::Open(kExamples + "QL22_pollen_charcoal_by_age.csv");
    ProxyImport pollen = ImportMainProxy(m, agesFile, "pollen");
    EXPECT_EQ(pollen.layout, ProxyLayout::kTextValue);
    ASSERT_EQ(pollen.panel.gProxyRows, 40);
    EXPECT_EQ(pollen.panel.gProxyText(1), "QL22-P01");
    ConvertProxyPositions(m, pollen.panel, ProxyAxis::kAgeB1950);
    // Every dated sample lies inside the cores and keeps its age within the
    // rounding of its depth; deeper samples are older.
    for (long i = 1; i <= 40; ++i) {
        EXPECT_GT(pollen.panel.gProxyY(1, i), 0) << i;
        EXPECT_LT(pollen.panel.gProxyY(1, i), 2470) << i;
        EXPECT_NEAR(pollen.panel.gProxyY(3, i), pollen.panel.gProxyAsRead(i), 2.0) << i;
        if (i > 1) {
            EXPECT_GT(pollen.panel.gProxyY(1, i), pollen.panel.gProxyY(1, i - 1)) << i;
        }
    }
}

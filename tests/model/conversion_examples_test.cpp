// The example sample files, converted with the example models loaded, give
// the converted files kept beside this test, byte for byte.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "conversion_fixtures.h"
#include "model/age_model_import.h"
#include "model/conversion_output.h"
#include "model/correlation_import.h"
#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/event_layers.h"
#include "model/plain_numbers.h"
#include "values/values.h"

using namespace model;
using namespace model_test;

namespace {

const std::string kSource = QUILLORY_SOURCE_DIR;

class ConvertedExamples : public testing::Test {
protected:
    void SetUp() override {
        const std::string dir = kSource + "/examples/";
        ItemReader correlation = ItemReader::Open(dir + "QL22_correlation_20240209.csv");
        CorrelationImport shown;
        ImportCorrelationModel(m, correlation, dir + "QL22_correlation_20240209.csv", shown);
        ItemReader events = ItemReader::Open(dir + "QL22_event_layers_20240212.csv");
        ImportEventList(m, events, dir + "QL22_event_layers_20240212.csv");
        ItemReader ages = ItemReader::Open(dir + "QL22_age_model_20240215.csv");
        BeginAgeModelImport(m, ages, dir + "QL22_age_model_20240215.csv");
        ageImport = FinishAgeModelImport(m, ages, nullptr);
    }

    // Reads an example file, converts it from its own kind to every scale
    // and compares the result with the expected file.
    void ExpectConversion(const std::string& example, const std::string& expected) {
        ItemReader file = ItemReader::Open(kSource + "/examples/" + example);
        ASSERT_FALSE(ReadConversionFile(file, t, MainWindowSide(m, nullptr)).refused);
        const std::string path = folder.File("converted.csv");
        ASSERT_FALSE(SaveConvertedFile(t, t.gConvDetected, 15, m, path, Titles(m, ageImport)).refused);
        EXPECT_EQ(Contents(path), Contents(kSource + "/tests/model/data/" + expected));
    }

    DepthModel m;
    AgeModelImport ageImport;
    ConversionTables t;
    ScratchFolder folder;
};

}  // namespace

TEST_F(ConvertedExamples, TrinitySamples) {
    ExpectConversion("QL22_samples_trinity.csv", "QL22_samples_trinity_converted.csv");
    // Worked out by hand: A-02 PSP 20.0 lies between M007 (12.4, 113.7 cm)
    // and M008 (35.8, 136.6 cm): 121.137607 cm; B-08 PSP 59.0, the position
    // of age point Poz-4138, 811.0234 cm.
    EXPECT_DOUBLE_EQ(t.gConvTrinity.composite[1], *TrinityToCD(m, 1, 2, 20.0f));
    EXPECT_NEAR(t.gConvTrinity.composite[1], 121.137607, 1e-6);
    EXPECT_NEAR(t.gConvTrinity.composite[4], 811.0234, 1e-4);
}

TEST_F(ConvertedExamples, CompositeDepthSamples) {
    ExpectConversion("QL22_samples_composite_depth.csv", "QL22_samples_composite_depth_converted.csv");
}

TEST_F(ConvertedExamples, EverySectionsFirstAndLastTieIsPlacedAtItsOwnDepth) {
    // Each section's first and last tie PSP as the model writes it, typed as
    // a sample: placed as TrinityToCD places it, never outside its section.
    std::string file = "Sample,Bore hole,Section,PSP (cm)\n";
    std::vector<TrinityDepth> expected;
    for (int16_t k = 1; k <= 4; ++k)
        for (int16_t s = 1; s <= m.gSectionCount[k]; ++s) {
            const SectionEnds ends = GetSectionEnds(m, k, s);
            for (const std::optional<std::string>& psp : {std::optional<std::string>(ends.top), ends.bottom}) {
                if (!psp) continue;
                file += "x," + m.gBoreHoleName[k] + ",\"" + std::as_const(m).gSectionName(k, s) + "\"," + *psp + "\n";
                expected.push_back(TrinityToCD(m, k, s, values::CSng(StrictNumber(*psp))));
            }
        }
    ItemReader reader(file);
    ASSERT_FALSE(ReadConversionFile(reader, t, MainWindowSide(m, nullptr)).refused);
    ASSERT_EQ(t.gConvTrinity.Rows(), static_cast<long>(expected.size()));
    size_t placed = 0;
    for (size_t r = 1; r <= expected.size(); ++r) {
        EXPECT_EQ(t.gConvTrinity.composite[r], expected[r - 1].value_or(kNoValue)) << t.gConvTrinity.fields(3, r);
        placed += expected[r - 1].has_value();
    }
    EXPECT_GT(placed, expected.size() / 2);

    // D-01's bottom tie, at PSP 97.1.
    ItemReader d01("Sample,Bore hole,Section,PSP (cm)\na,D,01,97.0\nb,D,01,97.1\n");
    ReadConversionFile(d01, t, MainWindowSide(m, nullptr));
    EXPECT_NEAR(t.gConvTrinity.composite[1], 173.5, 0.05);
    EXPECT_NE(t.gConvTrinity.composite[2], 9999);
    EXPECT_GT(t.gConvTrinity.composite[2], t.gConvTrinity.composite[1]);
}

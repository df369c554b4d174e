// The section index gives what TrinityToCD gives, for every position of
// every section, on the example model and on models built to reach each way
// the walk down a section can end.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/correlation_import.h"
#include "model/depth_conversion.h"
#include "model/trinity_index.h"
#include "model_fixtures.h"

using namespace model;
using namespace model_test;

namespace {

bool Same(const TrinityDepth& a, const TrinityDepth& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::memcmp(&*a, &*b, sizeof(double)) == 0;
}

// Every section of every bore hole, PSP from 30 cm above its top to 30 cm
// below its end in steps of 0.1 cm, and the tie PSPs themselves; by the
// model's own rule, and by the other rule given (as the Duo window's
// TrinityToCD2 gives its own).
void ExpectSameEverywhere(const DepthModel& m) {
    const Extrapolation other =
        m.gExtrapolation == Extrapolation::kProportional ? Extrapolation::kOneToOne : Extrapolation::kProportional;
    TrinityIndex index(m), byOther(m, other);
    for (int16_t b = 1; b <= 4; ++b)
        for (int16_t s = 1; s <= m.gSectionCount[b] + 1; ++s) {
            for (int step = -300; step <= 1400; ++step) {
                const float psp = static_cast<float>(step) / 10.0f;
                ASSERT_TRUE(Same(index.Depth(b, s, psp), TrinityToCD(m, b, s, psp)))
                    << "bore hole " << b << " section " << s << " PSP " << psp;
                ASSERT_TRUE(Same(byOther.Depth(b, s, psp), TrinityToCD(m, b, s, psp, other)))
                    << "bore hole " << b << " section " << s << " PSP " << psp << " by the other rule";
            }
        }
}

}  // namespace

TEST(TrinityIndex, EqualsTheWalkOnTheExampleModelBothWays) {
    DepthModel m;
    ItemReader file = ItemReader::Open(std::string(QUILLORY_SOURCE_DIR) + "/examples/QL22_correlation_20240209.csv");
    CorrelationImport out;
    ImportCorrelationModel(m, file, "QL22_correlation_20240209.csv", out);
    ExpectSameEverywhere(m);
    m.gExtrapolation = Extrapolation::kProportional;
    ExpectSameEverywhere(m);
}

TEST(TrinityIndex, EqualsTheWalkWhereItEndsOddly) {
    // Section A-01: its first row has a composite depth (a tie, though its
    // PSP is 0), a tie at PSP 0 that does not count, two ties at one PSP and
    // a closing row that is itself a tie. Neither A-02 nor A-03 has a closing
    // row, so the walk from A-02 uses the ties of A-03 and runs to the table's end.
    // B-01 meets a PSP cell that is not a number, B-02 a first row whose PSP
    // is not a number (the import refuses such cells, so they are set after
    // it); B-03 has no tie at all.
    DepthModel m;
    LoadCorrelation(m, CorrelationHeader() +                                          //
                           TieRow("", "100", "A-01-top", "5", "B-01-top", "0") +      //
                           TieRow("a", "110", "x", "0", "y", "10") +                  //
                           TieRow("b", "120", "x", "20", "y", "20") +                  //
                           TieRow("c", "125", "x", "20", "y", "30") +                 //
                           TieRow("d", "140", "A-01-Bot", "40", "B-01-Bot", "50") +   //
                           TieRow("", "150", "A-02-top", "0", "B-02-top", "0") +      //
                           TieRow("e", "160", "x", "10", "y", "10") +                 //
                           TieRow("f", "170", "A-03-top", "0", "y", "20") +           //
                           TieRow("g", "180", "x", "15", "B-02-Bot", "30") +          //
                           TieRow("", "---", "x", "30", "B-03-top", "0") +            //
                           TieRow("", "---", "x", "35", "B-03-Bot", "60"));
    m.gCorrTable(0, 2, 1, 3) = "abc";
    m.gCorrTable(0, 2, 1, 6) = "x";
    ExpectSameEverywhere(m);
    m.gExtrapolation = Extrapolation::kProportional;
    ExpectSameEverywhere(m);
    // A-02 is still open at the end of the table: no value found.
    TrinityIndex index(m);
    EXPECT_EQ(index.Depth(1, 2, 50.0f), std::nullopt);
}

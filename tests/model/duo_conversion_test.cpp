#include <gtest/gtest.h>

#include <string>

#include "values/values.h"
#include "model/age_conversion.h"
#include "model/depth_conversion.h"
#include "model/duo_conversion.h"
#include "duo_fixtures.h"

using namespace model;
using namespace model_test;

namespace {

// Bore hole E in five sections: 1 ties at PSP 10 (100 cm) and 20 (120 cm),
// slope 2; 2 a single tie, its top row (200 cm); 3 its top (0, 300), a row at
// PSP 0 (305) that is no tie, a tie at 10 (320); 4 its top (0, 400) and two
// ties at PSP 10 (410 and 420); 5 its top (0, 500), a tie at 10 (510), no
// bottom row.
std::string Sections() {
    return DuoHeader("Bore hole (E)") + DuoRow("", "---", "E-01-top", "0") + DuoRow("T1", "100", "T1", "10") +
           DuoRow("T2", "120", "T2", "20") + DuoRow("", "---", "E-01-Bot", "40") +
           DuoRow("", "200", "E-02-top", "0") + DuoRow("", "---", "E-02-Bot", "30") +
           DuoRow("", "300", "E-03-top", "0") + DuoRow("Z", "305", "Z", "0") + DuoRow("T3", "320", "T3", "10") +
           DuoRow("", "---", "E-03-Bot", "20") + DuoRow("", "400", "E-A01-top", "0") +
           DuoRow("T5", "410", "T5", "10") + DuoRow("T6", "420", "T6", "10") + DuoRow("", "---", "E-04-Bot", "30") +
           DuoRow("", "500", "E-05-top", "0") + DuoRow("T7", "510", "T7", "10");
}

class DuoConversions : public testing::Test {
protected:
    void SetUp() override { d.LoadDuo(Sections()); }
    double Own(int16_t section, float psp) { return TrinityToCD2(d.duo, 1, section, psp, Extrapolation::kOneToOne); }
    double Fit(int16_t section, float psp) {
        return TrinityToCD2(d.duo, 1, section, psp, Extrapolation::kProportional);
    }
    DuoModels d;
};

}  // namespace

TEST_F(DuoConversions, TrinityToCD2ByTheDuosOwnOption) {
    EXPECT_DOUBLE_EQ(Own(1, 15), 110);
    EXPECT_DOUBLE_EQ(Fit(1, 15), 110);
    EXPECT_DOUBLE_EQ(Own(1, 10), 100);
    EXPECT_DOUBLE_EQ(Own(1, 30), 130);  // below the last tie, 1:1
    EXPECT_DOUBLE_EQ(Fit(1, 30), 140);  // the line through both ties, extended
    EXPECT_DOUBLE_EQ(Own(1, 4), 94);
    EXPECT_DOUBLE_EQ(Fit(1, 4), 88);
    EXPECT_DOUBLE_EQ(Fit(2, 25), 225);  // one tie, the top row: 1:1 whatever the rule
    EXPECT_DOUBLE_EQ(Fit(3, 15), 330);  // the PSP-0 row is no tie: line from the top, not from it
    EXPECT_DOUBLE_EQ(Own(4, 15), 425);
    EXPECT_DOUBLE_EQ(Fit(4, 15), 9999);  // two ties at one PSP where the line is needed
    EXPECT_DOUBLE_EQ(Own(5, 5), 505);
    // A section that never ends before the table does: no depth, and 9999
    // rather than a value that reads as 0.
    EXPECT_DOUBLE_EQ(Own(5, 50), 9999);

    EXPECT_DOUBLE_EQ(TrinityToCD2(d.duo, 0, 1, 5, Extrapolation::kOneToOne), 9999);
    EXPECT_DOUBLE_EQ(Own(9999, 5), 9999);
    EXPECT_DOUBLE_EQ(Own(-9999, 5), 9999);
    EXPECT_DOUBLE_EQ(Own(1, 9999), 9999);
    EXPECT_DOUBLE_EQ(Own(1, -9999), 9999);
    EXPECT_DOUBLE_EQ(Own(6, 5), 9999);  // beyond the bore hole's five sections
    EXPECT_DOUBLE_EQ(TrinityToCD2(DepthModel{}, 1, 1, 5, Extrapolation::kOneToOne), 9999);

    // Drilling positions of the import follow the Duo's option as it stands.
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(d.duo).gCorrTable(1, 1, 2, 4)), 140);  // E-01-Bot, PSP 40: 120 + 20 (1:1)
}

TEST_F(DuoConversions, EventFreeDepthsNeedTheDuoEventList) {
    EXPECT_FALSE(CDToEFD2(d.duo, 50).has_value());
    EXPECT_THROW(EFDToCD2(d.duo, 50), values::RuntimeError);  // no list: the caller's error
    // A list of no layers: both directions return the level, rounded.
    d.LoadDuoEvents("");
    ASSERT_TRUE(d.duo.gEventsLoaded);
    EXPECT_DOUBLE_EQ(*CDToEFD2(d.duo, 50.126f), 50.13);
    EXPECT_DOUBLE_EQ(EFDToCD2(d.duo, 50.125f), 50.12);
    EXPECT_FLOAT_EQ(static_cast<float>(EFDToCD2(d.duo, 9999)), 9999);
}

TEST_F(DuoConversions, AgesNeedTheDuoEventListAndLeaveTheLinearErrors) {
    // Two control points: 0 cm 0 years (+/- 10), 100 cm 1000 years (+/- 20).
    DepthModel& m = d.duo;
    m.gAgeModel.Redim(12, 3);
    m.gAgeModelRows = 2;
    for (int r = 1; r <= 2; ++r) {
        const std::string depth = r == 1 ? "0" : "100";
        m.gAgeModel(0, r) = "C1";
        m.gAgeModel(5, r) = m.gAgeModel(11, r) = depth;
        m.gAgeModel(7, r) = r == 1 ? "0" : "1000";
        m.gAgeModel(6, r) = m.gAgeModel(8, r) = r == 1 ? "10" : "20";
    }
    EXPECT_FALSE(EFDToAge2(m, 50).has_value());
    EXPECT_FALSE(CDToAge2(m, 50).has_value());
    EXPECT_DOUBLE_EQ(*CDToAge2(m, -9999), -9999);
    EXPECT_FLOAT_EQ(m.gAgeErrPlus, -9999);

    d.LoadDuoEvents("");
    EXPECT_DOUBLE_EQ(*CDToAge2(m, 50), 500);
    EXPECT_FLOAT_EQ(m.gAgeErrPlus, 15);
    EXPECT_EQ(m.gAgeCaption, "(interpolated by EFD)");
    EXPECT_DOUBLE_EQ(*EFDToAge2(m, 150), 1500);  // beyond the last point: extrapolated
    EXPECT_EQ(m.gAgeRowLo, 1);
    EXPECT_EQ(m.gAgeRowHi, 2);
    // On the line between two points the Duo's AgeToEFD2 keeps the errors and
    // the caption of the conversion before; the main window's sets them.
    EXPECT_DOUBLE_EQ(*AgeToEFD2(m, 250), 25);
    EXPECT_FLOAT_EQ(m.gAgeErrPlus, 25);
    EXPECT_EQ(m.gAgeCaption, "");
    EXPECT_DOUBLE_EQ(AgeToEFD(m, 250), 25);
    EXPECT_FLOAT_EQ(m.gAgeErrPlus, 12.5f);
    EXPECT_EQ(m.gAgeCaption, "(interpolated by EFD)");

    // A fault on the way gives no age instead of an error: two points at one
    // event-free depth.
    m.gAgeModel(11, 2) = "0";
    m.gAgeIndex.valid = false;
    EXPECT_FALSE(EFDToAge2(m, 50).has_value());
    EXPECT_THROW(EFDToAge(m, 50), values::RuntimeError);
}

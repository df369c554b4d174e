#include <gtest/gtest.h>

#include <string>

#include "values/runtime_error.h"
#include "values/values.h"
#include "model/duo_correlation_import.h"
#include "duo_fixtures.h"

using namespace model;
using namespace model_test;

namespace {

int DuoImportError(DuoModels& d, const std::string& text) {
    try {
        d.LoadDuo(text);
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

double Cell(const std::string& text) { return values::Val(text); }

}  // namespace

TEST(DuoCorrelationImport, TablesMasterDepthsAndDerivedPlanes) {
    DuoModels d;
    ASSERT_EQ(DuoImportError(d, HandDuoModel()), 0);
    EXPECT_FALSE(d.shown.olderLayout);
    EXPECT_EQ(d.duo.gVerCorrelation, "01 Mar. 2024");
    EXPECT_EQ(d.duo.gRowCount, 6);
    EXPECT_EQ(d.duo.gCorrRow(0, 2), "D1");
    EXPECT_EQ(d.duo.gCorrRow(1, 1), "9999");  // "---"

    // Master fields as read without their leading character; the master depth
    // through the main model (PSP = composite depth there), section "1"
    // finding "01"; an unknown master bore hole or "---" gives 9999.
    EXPECT_EQ(d.master.gMasterField(1, 2), "A");
    EXPECT_EQ(d.master.gMasterField(2, 5), "1");
    EXPECT_EQ(d.master.gMasterField(3, 3), "100");
    EXPECT_EQ(d.master.gMasterRow(0, 3), "M100");
    EXPECT_NEAR(Cell(d.master.gMasterRow(1, 2)), 20, 1e-9);
    EXPECT_NEAR(Cell(d.master.gMasterRow(1, 5)), 150, 1e-9);
    EXPECT_EQ(d.master.gMasterRow(1, 4), "9999");
    EXPECT_EQ(d.master.gMasterRow(1, 1), "9999");
    EXPECT_EQ(d.master.gMasterRow(0, 1), "9999");
    EXPECT_EQ(d.master.gTiePairs.own, (std::vector<double>{10, 50, 100}));

    // Plane 1: ties keep their own depth, the section's ends lie one to one
    // beyond its ties; plane 2 is the link's value of plane 1's converted depth.
    EXPECT_DOUBLE_EQ(Cell(d.duo.gCorrTable(1, 1, 2, 1)), 0);
    EXPECT_EQ(d.duo.gCorrTable(1, 1, 2, 4), "80");
    EXPECT_DOUBLE_EQ(Cell(d.duo.gCorrTable(1, 1, 2, 6)), 120);
    EXPECT_EQ(d.duo.gCorrTable(2, 1, 1, 6), "120");
    EXPECT_EQ(d.duo.gCorrTable(2, 1, 2, 1), "10");   // 0 - 10 + 20 above D1
    EXPECT_EQ(d.duo.gCorrTable(2, 1, 2, 4), "130");  // 100 + 50 x 30 / 50, D3 no pair
    EXPECT_EQ(d.duo.gCorrTable(2, 1, 2, 6), "170");  // 120 - 100 + 150 below D4
    EXPECT_EQ(d.duo.gCorrTable(1, 2, 2, 2), "9999");  // no level of F
    EXPECT_EQ(d.duo.gCorrRow(2, 3), "100");
    EXPECT_EQ(d.duo.gCorrRow(2, 1), "9999");

    // Bottoms in own and fitted depth; the Duo core ends above the master's.
    EXPECT_FLOAT_EQ(d.duo.gBoreHoleBottom[1], 120);
    EXPECT_FLOAT_EQ(d.master.gBoreHoleBottomFitted[1], 170);
    EXPECT_FLOAT_EQ(d.duo.gDrawBottom, 120);
    EXPECT_FALSE(d.shown.sliderMax.has_value());
    EXPECT_EQ(d.duo.gSectionCount[1], 1);
    EXPECT_EQ(d.shown.sectionNumbers, (std::vector<std::string>{"1"}));
    EXPECT_EQ(d.shown.sectionNames, (std::vector<std::string>{"01"}));
    EXPECT_EQ(d.shown.boreHoleItems, (std::vector<std::string>{"E", "F", "G", "H"}));
}

TEST(DuoCorrelationImport, NamesAndTitles) {
    // The main import's naming with E to H as defaults, and the master's name
    // from the bracket of the master-label title.
    DuoModels d;
    d.LoadDuo();
    EXPECT_EQ(d.shown.columnTitles[1], "Bore hole E");
    EXPECT_EQ(d.shown.columnTitles[3], "GG (G)");  // a bracket of two characters keeps the default
    EXPECT_EQ(d.shown.columnTitles[4], "Core QL23-4 (H)");
    EXPECT_EQ(d.shown.masterTitle, "QL22");

    DuoModels named;
    named.LoadDuo(DuoHeader("Lamina name (K)", "Master label (Q)") + DuoRow("", "---", "K-01-top", "0"));
    EXPECT_EQ(named.duo.gBoreHoleName[1], "K");
    EXPECT_EQ(named.shown.boreHoleItems[0], "K");
    EXPECT_EQ(named.shown.masterTitle, "Master");  // a one-character bracket
    DuoModels plain;
    plain.LoadDuo(DuoHeader("Bore hole (E)", "Master label") + DuoRow("", "---", "E-01-top", "0"));
    EXPECT_EQ(plain.shown.masterTitle, "Master");
}

TEST(DuoCorrelationImport, OlderLayoutIsRefusedByItsFifteenthItem) {
    // A 14-item file: its 15th item is the first tie row's label, here only
    // its leading character.
    DuoModels d;
    const std::string older = CorrelationHeader() + TieRow("", "---", "E-01-top", "0") + TieRow("D1", "10", "D1", "10");
    ASSERT_EQ(DuoImportError(d, older), 0);
    EXPECT_TRUE(d.shown.olderLayout);
    EXPECT_EQ(d.duo.gRowCount, 0);
    EXPECT_TRUE(d.shown.columnTitles[1].empty());
    EXPECT_EQ(d.master.gTiePairs.own.size(), 0u);

    // Any longer 15th item reads the file as 18 items a record: here the
    // older file's records no longer line up and end cut short.
    DuoModels longer;
    const std::string named = CorrelationHeader() + TieRow("R1", "---", "E-01-top", "0") + TieRow("D1", "10", "D1", "10");
    EXPECT_EQ(DuoImportError(longer, named), values::kErrInputPastEnd);
    EXPECT_FALSE(longer.shown.olderLayout);
}

TEST(DuoCorrelationImport, StarCellsDeeperCoreAndFormatErrors) {
    DuoModels d;
    ASSERT_EQ(DuoImportError(d, DuoHeader() + DuoRow("", "---", "E-01-top", "0") +
                                    DuoRow("D1", "10", "*D1", "10", {"A", "01", "20", "M20"}) +
                                    DuoRow("D2", "1500", "D2", "1490", {"A", "01", "900", "M900"}) +
                                    DuoRow("", "---", "E-01-Bot", "1600")),
              0);
    EXPECT_EQ(d.duo.gCorrTable(0, 1, 0, 2), "9999");
    EXPECT_FLOAT_EQ(d.duo.gBoreHoleBottom[1], 1610);  // 1500 + 110
    // Deeper than the master's 1000 cm: both sliders reach Round(1609.5) = 1610.
    ASSERT_TRUE(d.shown.sliderMax.has_value());
    EXPECT_EQ(*d.shown.sliderMax, 1610);

    // An empty master cell has no leading character to drop; a record cut
    // short ends the file early; a master position is read as Val.
    DuoModels empty;
    std::string text = HandDuoModel();
    text.replace(text.find("'M20"), 4, "");
    EXPECT_EQ(DuoImportError(empty, text), values::kErrInvalidCall);
    DuoModels cut;
    EXPECT_EQ(DuoImportError(cut, DuoHeader() + "'R1,'E-01-top,'0\r\n"), values::kErrInputPastEnd);
    // A header without a tie row is a model cut short too, as in the main window.
    DuoModels header;
    EXPECT_EQ(DuoImportError(header, DuoHeader()), values::kErrInputPastEnd);
    DuoModels letters;
    EXPECT_EQ(DuoImportError(letters, HandDuoModel() + DuoRow("D5", "abc", "D5", "110")), values::kErrTypeMismatch);
}

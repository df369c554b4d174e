#include <gtest/gtest.h>

#include <string>

#include "model/correlation_import.h"
#include "model/correlation_lookup.h"
#include "model_fixtures.h"
#include "values/runtime_error.h"
#include "values/values.h"

using namespace model;
using namespace model_test;

namespace {

// Two sections of bore hole A, B's levels on the tie rows only.
std::string TwoSections() {
    return CorrelationHeader() +
           TieRow("", "---", "A-01-top", "0") +
           TieRow("L1", "105", "*", "*", "B-01-top", "0") +
           TieRow("L2", "110", "a1", "10", "b1", "5") +
           TieRow("L3", "150", "a2", "50", "b2", "45") +
           TieRow("", "", "A-01-Bot", "90") +
           TieRow("L4", "200", "*", "*", "b3", "95") +
           TieRow("", "---", "A-02-top", "0") +
           TieRow("L5", "230", "a3", "20", "B-01-Bot", "120") +
           TieRow("", "---", "A-02-Bot", "70");
}

int ImportError(DepthModel& m, const std::string& text, CorrelationImport* out = nullptr) {
    CorrelationImport scratch;
    try {
        ItemReader file(text);
        ImportCorrelationModel(m, file, "C:\\cores\\model_20240209.csv", out ? *out : scratch);
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(CorrelationImport, BuildsTablesSectionsAndDerivedDepths) {
    DepthModel m;
    CorrelationImport out;
    ASSERT_EQ(ImportError(m, TwoSections(), &out), 0);
    EXPECT_EQ(m.gVerCorrelation, "09 Feb. 2024");
    EXPECT_EQ(m.gRowCount, 9);
    EXPECT_EQ(m.gCorrRow(0, 1), "9999");  // no lamina name
    EXPECT_EQ(m.gCorrRow(0, 2), "L1");
    EXPECT_EQ(m.gCorrRow(1, 5), "9999");  // empty composite depth
    EXPECT_EQ(m.gCorrTable(0, 1, 1, 2), "9999");  // "*" cell
    EXPECT_EQ(m.gCorrTable(0, 3, 0, 4), "9999");

    EXPECT_EQ(m.gSectionCount[1], 2);
    EXPECT_EQ(m.gSectionCount[2], 1);
    EXPECT_EQ(m.gSectionName(1, 2), "02");
    EXPECT_EQ(m.gSectionTop(1, 2), 7);
    EXPECT_EQ(m.gSectionBottom(1, 1), 5);
    EXPECT_EQ(m.gSectionName.Rows(), 3);  // cut to the largest count

    // ties at PSP 10 (110) and 50 (150); the top lies 1:1 above the
    // first tie, the bottom 1:1 below the last; tie rows keep their own depth.
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 1)), 100.0);
    EXPECT_EQ(m.gCorrTable(1, 1, 2, 3), "110");
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 5)), 190.0);
    EXPECT_EQ(m.gCorrTable(1, 1, 1, 5), "90");
    EXPECT_EQ(m.gCorrTable(1, 1, 2, 2), "9999");  // no level of A in that row
    // A-02 has a single tie (PSP 20 at 230): 1:1 from it.
    EXPECT_DOUBLE_EQ(values::Val(std::as_const(m).gCorrTable(1, 1, 2, 9)), 280.0);
    EXPECT_FLOAT_EQ(m.gBoreHoleBottom[1], 280.0f);
    EXPECT_FLOAT_EQ(m.gBoreHoleBottom[2], 230.0f);
    EXPECT_FLOAT_EQ(m.gBoreHoleBottom[3], 0.0f);  // no sections: header row, empty
    EXPECT_FLOAT_EQ(m.gDrawBottom, 280.0f);
    ASSERT_TRUE(out.sliderMax.has_value());
    EXPECT_EQ(*out.sliderMax, 280);  // Round(279.5) to the even neighbour
    EXPECT_EQ(out.sectionNumbers, (std::vector<std::string>{"01", "02"}));
    EXPECT_EQ(out.sectionNames, (std::vector<std::string>{"01", "02"}));
    EXPECT_EQ(out.boreHoleItems, (std::vector<std::string>{"A", "B", "C", "D"}));
}

TEST(CorrelationImport, LayoutIsToldByTheItemAfterTheHeader) {
    // 14 items: the first tie row's label is short.
    DepthModel m;
    ASSERT_EQ(ImportError(m, CorrelationHeader() + TieRow("1", "100", "A-01-top", "0") +
                                 TieRow("2", "150", "A-01-Bot", "50")),
              0);
    EXPECT_EQ(m.gRowCount, 2);
    EXPECT_EQ(m.gCorrRow(0, 1), "1");

    // 18 items: master-core fields follow every record and are discarded.
    auto with18 = [](std::string line, const std::string& extra) {
        line.erase(line.size() - 2);
        return line + extra + "\r\n";
    };
    const std::string text = with18(CorrelationHeader(), ",Master BH,Master section,Master PSP,Master label") +
                             with18(TieRow("L1", "100", "A-01-top", "0"), ",A,1,0,x") +
                             with18(TieRow("L2", "150", "A-01-Bot", "50"), ",A,1,50,y");
    DepthModel m18;
    ASSERT_EQ(ImportError(m18, text), 0);
    EXPECT_EQ(m18.gRowCount, 2);
    EXPECT_EQ(m18.gCorrRow(0, 2), "L2");
    EXPECT_EQ(m18.gCorrRow(1, 2), "150");

    // A 14-item file whose first row label is long is read as 18 items and
    // runs out of items.
    DepthModel wrong;
    EXPECT_EQ(ImportError(wrong, CorrelationHeader() + TieRow("Long", "100", "A-01-top", "0")),
              values::kErrInputPastEnd);

    // The header alone cannot be read; the header and one tie row can.
    DepthModel alone, one;
    EXPECT_EQ(ImportError(alone, CorrelationHeader()), values::kErrInputPastEnd);
    ASSERT_EQ(ImportError(one, CorrelationHeader() + TieRow("", "100", "A-01-top", "0")), 0);
    EXPECT_EQ(one.gRowCount, 1);
}

TEST(CorrelationImport, HeaderCellsNameTheBoreHoles) {
    std::string header = CorrelationRecord({"Lamina name", "Bore hole QL22-1 (X)", "PSP", "Depth",
                                            "Core QL22-2 (Y)", "PSP", "Depth", "Core QL22-3 (QL3)", "PSP",
                                            "Depth", "Second core", "PSP", "Depth", "Composite depth"});
    DepthModel m;
    CorrelationImport out;
    ASSERT_EQ(ImportError(m, header + TieRow("", "100", "A-01-top", "0"), &out), 0);
    EXPECT_EQ(m.gBoreHoleName[1], "X");
    EXPECT_EQ(out.columnTitles[1], "Bore hole X");
    EXPECT_EQ(m.gBoreHoleLongName[2], "Core QL22-2");
    EXPECT_EQ(out.columnTitles[2], "Core QL22-2 (Y)");
    EXPECT_EQ(m.gBoreHoleName[3], "C");  // two characters in the brackets
    EXPECT_EQ(m.gBoreHoleLongName[3], "QL3");
    EXPECT_EQ(out.columnTitles[3], "QL3 (C)");
    EXPECT_EQ(m.gBoreHoleName[4], "D");  // no brackets
    EXPECT_EQ(m.gBoreHoleLongName[4], "Second core");
    EXPECT_EQ(out.boreHoleMenuCaptions[1], "Bore hole X");
}

TEST(CorrelationImport, StarsMarkMissingValuesOnlyAtTheEnds) {
    DepthModel m;
    ASSERT_EQ(ImportError(m, CorrelationHeader() + TieRow("", "100", "A-01-top", "0", "x*", "*5") +
                                 TieRow("", "150", "A-01-Bot", "50", "a*b", "6")),
              0);
    EXPECT_EQ(m.gCorrTable(0, 2, 0, 1), "9999");
    EXPECT_EQ(m.gCorrTable(0, 2, 1, 1), "9999");
    EXPECT_EQ(m.gCorrTable(0, 2, 0, 2), "a*b");
}

TEST(CorrelationImport, FormatErrorsKeepWhatWasReadAndAllowAnotherFile) {
    DepthModel m;
    // A record cut short: the rows before it stay, the row count is not set.
    std::string cut = TwoSections() + "'L9,'x";
    EXPECT_EQ(ImportError(m, cut), values::kErrInputPastEnd);
    EXPECT_EQ(m.gRowCount, 0);
    ASSERT_EQ(m.gCorrRow.Rows(), 11);
    EXPECT_EQ(m.gCorrRow(0, 9), "'");
    EXPECT_EQ(m.gVerCorrelation, "09 Feb. 2024");  // taken before the records

    // A PSP of "---" is not a number; cleaning had been done.
    DepthModel dashes;
    EXPECT_EQ(ImportError(dashes, CorrelationHeader() + TieRow("", "100", "A-01-top", "---")),
              values::kErrTypeMismatch);
    EXPECT_EQ(dashes.gRowCount, 1);
    EXPECT_EQ(dashes.gCorrRow(1, 1), "100");

    // An empty cell has no leading character to drop.
    DepthModel empty;
    EXPECT_EQ(ImportError(empty, CorrelationHeader() + "'1,,'0,'0,'*,'*,'*,'*,'*,'*,'*,'*,'*,'100\n"),
              values::kErrInvalidCall);

    // A second file is read over the remains of the first.
    ASSERT_EQ(ImportError(m, TwoSections()), 0);
    EXPECT_EQ(m.gRowCount, 9);
}

TEST(CorrelationImport, FixedBoundsEndInTheFormatError) {
    // 5001 records (the header and 5000 tie rows) fit; 5002 do not.
    std::string text = CorrelationHeader();
    for (int r = 1; r <= 5000; ++r) {
        const std::string label = r % 50 == 1 ? "A-" + std::to_string(r / 50) + "-top" : r % 50 == 0 ? "Bot" : "x";
        text += TieRow("", std::to_string(r), label, std::to_string(r % 50));
    }
    DepthModel m;
    ASSERT_EQ(ImportError(m, text), 0);
    EXPECT_EQ(m.gRowCount, 5000);
    EXPECT_EQ(ImportError(m, text + TieRow("", "5001", "y", "5001")), values::kErrSubscriptOutOfRange);

    // 500 sections in a bore hole fit; 501 do not.
    std::string sections = CorrelationHeader();
    for (int s = 1; s <= 501; ++s) sections += TieRow("", std::to_string(s), "A-" + std::to_string(s) + "-top", "0");
    DepthModel many;
    EXPECT_EQ(ImportError(many, sections), values::kErrSubscriptOutOfRange);
    sections.erase(sections.rfind("'"));
    sections.erase(sections.rfind("\n") + 1);
    EXPECT_EQ(ImportError(many, sections), 0);
    EXPECT_EQ(many.gSectionCount[1], 500);
}

TEST(CorrelationImport, ASectionWithoutATieHasNoDepthRatherThanZero) {
    DepthModel m;
    ASSERT_EQ(ImportError(m, CorrelationHeader() + TieRow("", "---", "A-01-top", "0") +
                                 TieRow("", "---", "x", "10") + TieRow("", "---", "A-01-Bot", "50")),
              0);
    EXPECT_EQ(m.gCorrTable(1, 1, 2, 2), "9999");
    EXPECT_FLOAT_EQ(m.gBoreHoleBottom[1], 9999.0f);
    EXPECT_FLOAT_EQ(m.gDrawBottom, 0.0f);
}

TEST(CorrelationLookup, SectionNumbersAndBoreHoleNames) {
    DepthModel m;
    ASSERT_EQ(ImportError(m, TwoSections()), 0);
    EXPECT_EQ(GetSectionNo(m, 1, "02"), 2);
    EXPECT_EQ(GetSectionNo(m, 1, "2"), 2);
    EXPECT_EQ(GetSectionNo(m, 1, "002"), 2);
    EXPECT_EQ(GetSectionNo(m, 1, "03"), 9999);
    EXPECT_EQ(GetSectionNo(m, 1, "9999"), 9999);
    EXPECT_EQ(GetSectionNo(m, 1, "-9999"), 9999);
    EXPECT_EQ(GetSectionNo(m, 9999, "01"), 9999);
    EXPECT_EQ(GetSectionNo(m, 7, "01"), 9999);   // outside the tables
    EXPECT_EQ(GetSectionNo(m, -3, "01"), 9999);
    EXPECT_EQ(CountTops(m, 1, 6), 1);
    EXPECT_EQ(CountTops(m, 1, 7), 2);
    EXPECT_THROW(CountTops(m, 1, 10), values::RuntimeError);
    // Counted on down the rows, each row once.
    TopCount running;
    EXPECT_EQ(CountTops(m, 1, 6, running), 1);
    EXPECT_EQ(CountTops(m, 1, 7, running), 2);
    EXPECT_EQ(CountTops(m, 1, 7, running), 2);
    EXPECT_EQ(running.nextRow, 8);

    m.gBoreHoleName = {"", "A", "B", "A", "D"};
    EXPECT_EQ(BHNo(m, "A"), 1);
    EXPECT_EQ(GetBH(m, "A"), 3);
    EXPECT_EQ(AlphaNum(m, "A"), 1);
    EXPECT_EQ(BHNo(m, "Q"), -9999);
    EXPECT_EQ(GetBH(m, "Q"), 9999);
    EXPECT_EQ(AlphaNum(m, "Q"), 1);
}


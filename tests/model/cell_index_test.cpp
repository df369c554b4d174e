// The cell index answers for every cell as the text's own readers do, after
// every way the program changes the correlation table, the tie rows, the event
// list and the Duo's master rows, and never from cells that have changed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <string>

#include "duo_fixtures.h"
#include "model/cell_index.h"
#include "model/correlation_lookup.h"
#include "model/duo_event_list.h"
#include "model/event_layers.h"
#include "model/extrapolation.h"
#include "model/item_reader.h"
#include "model/plain_numbers.h"
#include "model_fixtures.h"
#include "values/values.h"

using namespace model;
using namespace model_test;

namespace {

// A number read, or the run-time error its reader raised.
struct Reading {
    double value = 0;
    int error = 0;
    friend bool operator==(const Reading& a, const Reading& b) {
        // Equal bit for bit, so that -0 and 0 differ too.
        return a.error == b.error && std::signbit(a.value) == std::signbit(b.value) &&
               (a.value == b.value || (std::isnan(a.value) && std::isnan(b.value)));
    }
};

Reading Take(const std::function<double()>& read) {
    try {
        return {read(), 0};
    } catch (const values::RuntimeError& e) {
        return {0, e.number()};
    }
}

bool Prefixed(const std::string& text, const char* a, const char* b) { return text.starts_with(a) || text.starts_with(b); }

// Every cell of every column of the table against what its text gives.
template <class Table>
void ExpectAgrees(const Table& table, const CellIndex& index, const std::string& what) {
    for (long c = 0; c < table.Columns(); ++c) {
        const IndexedColumn& cells = index.Column(table, c);
        ASSERT_EQ(cells.Rows(), table.Rows()) << what << " column " << c;
        for (long r = 0; r < table.Rows(); ++r) {
            const std::string text(table(c, r));
            const std::string where = what + " column " + std::to_string(c) + " row " + std::to_string(r) + " \"" + text + "\"";
            const Reading val = Take([&] { return values::Val(text); });
            EXPECT_EQ(Take([&] { return cells.Val(r); }), val) << where;
            EXPECT_EQ(Take([&] { return FastVal(text); }), val) << where;
            EXPECT_EQ(Take([&] { return cells.CDbl(r); }), Take([&] { return values::CDbl(text); })) << where;
            EXPECT_EQ(cells.Is(r, kNoValueText), text == "9999") << where;
            EXPECT_EQ(cells.Is(r, kTopLabelText), IsTopLabel(text)) << where;
            EXPECT_EQ(cells.Is(r, kBottomLabelText), IsBottomLabel(text)) << where;
            EXPECT_EQ(cells.Is(r, kPinText), Prefixed(text, "Pin", "pin")) << where;
            EXPECT_EQ(cells.Is(r, kGapText), Prefixed(text, "Gap", "gap") || Prefixed(text, "Void", "void")) << where;
        }
    }
}

void ExpectModelAgrees(const DepthModel& m, const std::string& what) {
    ExpectAgrees(m.gCorrTable.Cells(), m.corrCells, what + ": correlation table");
    ExpectAgrees(m.gCorrRow, m.rowCells, what + ": tie rows");
    ExpectAgrees(m.gEventList, m.eventCells, what + ": event list");
}

// Reads every column, so that a later check finds any column left as it was.
void ReadAll(const DepthModel& m) {
    for (long c = 0; c < m.gCorrTable.Cells().Columns(); ++c) m.corrCells.Column(m.gCorrTable.Cells(), c);
    for (long c = 0; c < m.gCorrRow.Columns(); ++c) m.rowCells.Column(m.gCorrRow, c);
    for (long c = 0; c < m.gEventList.Columns(); ++c) m.eventCells.Column(m.gEventList, c);
}

const std::string kExamples = std::string(QUILLORY_SOURCE_DIR) + "/examples/";

TEST(CellIndex, ReadsEveryTextAsValFastValAndCDblDo) {
    const std::vector<std::string> texts = {
        "", "0", "-0", "12", "12.5", "-12.5", ".5", "-.5", "5.", "+5", " 12 ", "1 2", "12abc", "abc", "*", "---",
        "9999", "9999.0", "-9999", "1e5", "1E-3", "1d2", "1e", "1e+", "1e999", "-1e999", "1e-400", "&H1F", "&h",
        "A-01-top", "B-02-Bot", "C-03-bottom", "Pin 4", "pin", "Gap", "gap 2", "Void", "void", "Top", "tom",
        "12345678901234567890", "0.1234567890123456789", "\t7\t", "- 5", "9007199254740993", "1.7976931348623157e308"};
    Table2<std::string> table(1, static_cast<long>(texts.size()));
    for (size_t r = 0; r < texts.size(); ++r) table(0, static_cast<long>(r)) = texts[r];
    CellIndex index;
    ExpectAgrees(table, index, "texts");

    // Random texts of the characters numbers and labels are made of.
    std::mt19937 random(7);
    const std::string alphabet = "0123456789.-+eEdD &Htopbm9";
    for (long r = 0; r < table.Rows(); ++r) {
        std::string text;
        for (int n = static_cast<int>(random() % 8); n > 0; --n) text += alphabet[random() % alphabet.size()];
        table(0, r) = text;
    }
    ExpectAgrees(table, index, "random texts");
}

TEST(CellIndex, FollowsEveryChangeOfACellAndOfTheTable) {
    Table2<std::string> table(2, 3);
    CellIndex index;
    EXPECT_EQ(index.Column(table, 1).Val(2), 0);
    table(1, 2) = "17.5";
    EXPECT_EQ(index.Column(table, 1).Val(2), 17.5);
    table.ResizeRows(5);
    EXPECT_EQ(index.Column(table, 1).Rows(), 5);
    table(1, 4) = "forty";
    EXPECT_TRUE(index.Column(table, 1).Is(4, kNotWhole));
    EXPECT_THROW(index.Column(table, 1).CDbl(4), values::RuntimeError);
    table.Redim(2, 1);
    EXPECT_EQ(index.Column(table, 1).Rows(), 1);
    EXPECT_THROW(index.Column(table, 1).Val(1), values::RuntimeError);
    EXPECT_THROW(index.Column(table, 2), values::RuntimeError);

    // A copy is another table: an index read from one never answers for the other.
    Table2<std::string> other = table;
    other(1, 0) = "3";
    table(1, 0) = "4";
    EXPECT_EQ(index.Column(other, 1).Val(0), 3);
    EXPECT_EQ(index.Column(table, 1).Val(0), 4);
    other = table;
    EXPECT_EQ(index.Column(other, 1).Val(0), 4);
    other(1, 0) = "5";
    const Table2<std::string> moved = std::move(other);
    EXPECT_EQ(index.Column(moved, 1).Val(0), 5);
}

// A table counts a change when a cell is written, not when it is handed
// out: a cell kept and written later is read again, and a read counts nothing.
TEST(CellIndex, FollowsACellWrittenAfterItWasHandedOutAndNoRead) {
    Table2<std::string> table(1, 2);
    CellIndex index;
    auto&& cell = table(0, 1);
    EXPECT_EQ(index.Column(table, 0).Val(1), 0);
    cell = "17.5";
    EXPECT_EQ(index.Column(table, 0).Val(1), 17.5);
    const TableStamp read = table.Stamp();
    EXPECT_EQ(std::string(table(0, 1)), "17.5");
    EXPECT_TRUE(table.Stamp() == read);
}

TEST(CellIndex, AgreesWithTheExampleModelThroughEveryImportOfTheMainWindow) {
    DepthModel m;
    ItemReader correlation = ItemReader::Open(kExamples + "QL22_correlation_20240209.csv");
    CorrelationImport shown;
    ImportCorrelationModel(m, correlation, "QL22_correlation_20240209.csv", shown);
    ExpectModelAgrees(m, "correlation model");
    ReadAll(m);
    // The event list writes the event-free depths of the tie rows and its
    // own layers' depths; combining again writes them anew.
    ItemReader events = ItemReader::Open(kExamples + "QL22_event_layers_20240212.csv");
    ImportEventList(m, events, "QL22_event_layers_20240212.csv");
    ExpectModelAgrees(m, "event list");
    ReadAll(m);
    CombineAndSortEvents(m);
    ExpectModelAgrees(m, "combined again");
    ReadAll(m);
    // Another extrapolation rule places the bore holes' levels anew.
    m.gExtrapolation = Extrapolation::kProportional;
    RecomputeDerivedDepths(m, nullptr);
    ExpectModelAgrees(m, "proportional extrapolation");
    ReadAll(m);
    // A second correlation model replaces the first, with fewer rows.
    LoadCorrelation(m, CorrelationHeader() + TieRow("", "0", "A-01-top", "0") + TieRow("L", "---", "9999", "*") +
                           TieRow("Gap", "20", "Pin 1", "9999", "B-01-top", "0") +
                           TieRow("", "1000", "A-01-Bot", "1000", "B-01-Bot", "5"));
    ExpectModelAgrees(m, "second correlation model");
}

TEST(CellIndex, AgreesWithTheDuoModelThroughItsImportsAndTheLinkWritingItsPlane) {
    DuoModels d;
    d.LoadMasterEvents();
    d.LoadDuo();
    ExpectModelAgrees(d.duo, "Duo model");
    ExpectAgrees(d.master.gMasterRow, d.master.masterRowCells, "master rows");
    ReadAll(d.duo);
    // The Duo event list refits the bore-hole levels to the master core.
    d.LoadDuoEvents("E,01,60,70,Void\nE,01,20,30,Tephra T1\n");
    ExpectModelAgrees(d.duo, "Duo event list");
    ReadAll(d.duo);
    CombineAndSortEvents2(d.duo, d.link, d.duo.gExtrapolation);
    ExpectModelAgrees(d.duo, "Duo layers combined again");
    ReadAll(d.duo);
    d.LoadDuo(HandDuoModel());
    ExpectModelAgrees(d.duo, "Duo model read again");
    ExpectAgrees(d.master.gMasterRow, d.master.masterRowCells, "master rows read again");

    // The example files of both windows.
    DuoModels e;
    ItemReader main = ItemReader::Open(kExamples + "QL22_correlation_20240209.csv");
    CorrelationImport shown;
    ImportCorrelationModel(e.main, main, "QL22_correlation_20240209.csv", shown);
    ItemReader duo = ItemReader::Open(kExamples + "QL23_duo_correlation_20240301.csv");
    ImportDuoCorrelationModel(e.duo, e.master, e.main, duo, "QL23_duo_correlation_20240301.csv", e.shown);
    e.duoModelLoaded = true;
    ReadAll(e.duo);
    e.master.MasterRowCells(1);
    ItemReader duoEvents = ItemReader::Open(kExamples + "QL23_duo_event_layers_20240305.csv");
    ImportDuoEventList(e.duo, e.master, e.link, duoEvents, "QL23_duo_event_layers_20240305.csv");
    ExpectModelAgrees(e.duo, "Duo example model and event list");
    ExpectAgrees(e.master.gMasterRow, e.master.masterRowCells, "Duo example master rows");
}

TEST(CellIndex, AgreesAfterCellsAreWrittenOneByOne) {
    DepthModel m;
    LoadCorrelation(m, StraightCorrelation());
    LoadEvents(m, EventHeader() + "A,01,100,110,Tephra\nA,01,300,320,Void\n");
    ReadAll(m);
    const char* texts[] = {"forty", "9999", "*", "---", "", "1e999", " 12 ", "12abc", "A-01-top"};
    long r = 0;
    for (const char* text : texts) {
        m.gCorrTable(0, 1, 1, r % m.gCorrTable.Rows()) = text;
        m.gCorrRow(1, r % m.gCorrRow.Rows()) = text;
        m.gEventList(6, r % m.gEventList.Rows()) = text;
        ExpectModelAgrees(m, std::string("after writing ") + text);
        ++r;
    }
}

}  // namespace

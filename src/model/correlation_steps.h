#pragma once
// The steps that the main window's and the Duo window's correlation imports
// share, in the order the imports call them. Each throws the run-time error
// that stops its import; the tables keep what was done until then.
#include <array>
#include <functional>
#include <string>

#include "model/depth_model.h"
#include "model/item_reader.h"

namespace model {

// Rows 0 to 5000: the header and 5000 tie rows.
inline constexpr long kMaxCorrelationRow = 5000;

// Reads the 14 items of record `row` into gCorrRow columns 0 and 1 and plane 0
// of gCorrTable, growing both tables; a row beyond 5000 is run-time error 9.
// With `labelRead` the row label is already in place.
void ReadCorrelationRecord(DepthModel& m, ItemReader& file, long row, bool labelRead = false);

// Every cell carries one leading character that is not part of its value; an
// empty cell has none to drop (run-time error 5).
void DropLeadingCharacter(std::string& cell);

// Plane 0's bore-hole cells of rows 0 to gRowCount lose their leading
// character; a cell that then begins or ends with "*" holds no value (9999).
void CleanBoreHoleCells(DepthModel& m);

// Trims the row label, the twelve bore-hole cells and the composite depth of
// rows 0 to gRowCount.
void TrimCorrelationCells(DepthModel& m);

// Names the bore holes from the header's label cells ("Long name (X)" names
// bore hole k "X"; otherwise it keeps its default) and gives each column's
// title and bore-hole menu caption.
void NameBoreHoles(DepthModel& m, const std::array<const char*, 5>& defaults,
                   std::array<std::string, 5>& columnTitles, std::array<std::string, 5>& menuCaptions);

// How the cells of a table's columns are cleaned, in this order: the leading
// character dropped (see DropLeadingCharacter), blanks trimmed, and a cell
// that is "---" or empty then holds no value (9999).
struct CellCleaning {
    bool dropLeading, trim, markMissing;
};
// Columns first to last of rows 0 to lastRow, column by column.
void CleanColumns(Table2<std::string>& table, int first, int last, long lastRow, CellCleaning how);

// gCorrRow columns 0 (row label) and 1 (composite depth), rows 0 to
// gRowCount: the leading character dropped, then, with `trim`, blanks; a cell
// that is "---" or empty holds no value (9999).
void CleanRowColumns(DepthModel& m, bool trim);

// SectionIndex from the plane-0 labels: a "top" label opens a section named by
// its middle field, a "Bot" label closes it; more than 500 sections in a bore
// hole is run-time error 9.
void IndexSections(DepthModel& m);

// Plane 1: every bore-hole level's composite depth, from its PSP through the
// section's ties by `rule`, or the tie row's own composite depth where it has
// one. `converted`, when given, sees each level's depth as converted (9999
// for a level without a PSP) before a tie row's own depth replaces it. A PSP
// or row composite depth that is not a number is run-time error 13.
using ConvertedLevel = std::function<void(int boreHole, long row, double depth)>;
void DeriveCompositeDepths(DepthModel& m, Extrapolation rule, const ConvertedLevel& converted = {});

// Cuts the section tables to the largest section count of bore holes 1 to 4.
void CutSectionTables(DepthModel& m);

// gBoreHoleBottom(k): the composite depth of the last section's bottom row;
// gDrawBottom: the deepest of them that is not 9999, 0 when none is.
void FindBottoms(DepthModel& m);

// Combo1's items: bore hole 1, then each of 2 to 4 whose bottom is not 9999.
std::vector<std::string> BoreHoleItems(const DepthModel& m);

}  // namespace model

#pragma once
// The depth model of one main window: the tables and settings that every
// window reads (the correlation model, its section index and bore holes, the
// event layers, the age-depth model, the varve counts) and the results the
// age conversions leave behind. The fields keep the names the rest of the
// program knows them by. The Duo window holds a second instance of its own.
//
// Texts hold numbers as text; "9999" (or the number 9999) is the no-value
// marker of every cell, -9999 marks a list not loaded.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/cell_index.h"
#include "model/section_search.h"
#include "model/tables.h"
#include "model/text_columns.h"

namespace model {

inline constexpr double kNoValue = 9999;
inline constexpr int32_t kNotLoaded = -9999;

// Option4: how positions outside the ties of a section are placed.
enum class Extrapolation { kProportional, kOneToOne };
// Option3: the overlapping-event choice; kept as a setting, read by nothing.
enum class EventOverlap { kIntersection, kUnion };
// Whose rules a procedure shared by both windows' models follows where the
// Duo window's differ from the main window's.
enum class Side { kMain, kDuo };

// The decimals of rounded depths and ages. Both windows' models read one set,
// which the program owns (the precision menu sets it); a model on its own
// reads the delivered setting.
struct Precision {
    int16_t gDepthPrecision = 2;  // decimals of depth results
    int16_t gAgePrecision = 0;    // decimals of ages
};
inline constexpr Precision kDeliveredPrecision{};

// Look-up data that CombineAndSortEvents derives from the combined layers so
// that the event conversions can search instead of walking every layer.
struct CombinedEventIndex {
    bool bottomsAscending = false;      // the layers' bottoms never decrease
    bool gapsAscending = false;         // nor the event-free depths of their tops
    std::vector<float> thicknessAbove;  // [i]: single-precision sum of layers 1 .. i-1
    std::vector<double> gapAbove;       // [i]: event-free depth of the top of layer i
    std::vector<double> thicknessAboveExact;  // [i]: layers 1 .. i-1 summed in double
    std::vector<float> bottom;          // [i]: the bottom of layer i, side by side for the search
    // Where the last searches ended (CDToEFD by bottoms, EFDToCD by gaps).
    mutable long lastByBottom = 1, lastByGap = 1;
};

// The numbers of AgeModelTable's rows 0 to gAgeModelRows (FastVal of each
// cell), read once so that the age conversions need not read texts on every
// call, and whether the keys they search by never decrease. Whoever changes
// AgeModelTable's cells clears `valid`; the conversions rebuild it then.
struct AgeModelIndex {
    bool valid = false;
    std::array<std::vector<double>, 12> column;
    std::array<bool, 12> ascending{};
};

struct DepthModel {
    // CorrelationTable: plane 0 as read, 1 composite depth, 2 event-free depth.
    CorrTable gCorrTable;
    Table2<std::string> gCorrRow{4, 0};  // (0 label, 1 composite depth, 2 EFD, 3, row)
    int32_t gRowCount = 0;

    // The numbers and facts of those cells, read from their texts once after
    // each change (CorrCells, RowCells below), and what GetPSP searches.
    CellIndex corrCells, rowCells;
    SectionSearches sectionSearches;

    // SectionIndex, bore holes 0 to 4, sections 0 to the largest count.
    std::array<int16_t, 5> gSectionCount{};
    Table2<std::string> gSectionName{5, 0};
    Table2<int16_t> gSectionTop{5, 0};
    Table2<int16_t> gSectionBottom{5, 0};

    // BoreHoleTable, index 1 to 4 used.
    std::array<std::string, 5> gBoreHoleName{};
    std::array<std::string, 5> gBoreHoleLongName{};
    std::array<float, 6> gBoreHoleBottom{};
    float gDrawBottom = 0;
    std::string gVerCorrelation;

    // EventTable: columns 1 bore hole, 2 section, 3 top PSP, 4 bottom PSP,
    // 5 type, 6 and 7 composite depth of top and bottom, 8 EFD of the top.
    TextColumns gEventList{10};
    int32_t gEventCount = kNotLoaded;
    bool gEventsLoaded = false;
    std::string gVerEvents;
    CellIndex eventCells;  // EventCells below

    // CombinedEventTable: plane 1 composite depth, plane 2 event-free depth,
    // slots 1 to gMergedEventCount; later slots hold -9999 in plane 1.
    // Changed only by CombineAndSortEvents, which also rebuilds the index.
    Table2<float> gEventTop{4, 0};
    Table2<float> gEventBottom{4, 0};
    int32_t gMergedEventCount = kNotLoaded;
    CombinedEventIndex gEventIndex;

    // AgeModelTable: columns 0 type, 1 label, 2 bore hole, 3 section, 4 PSP,
    // 5 composite depth, 6 + error, 7 age, 8 - error, 9 unit, 10 remark, 11 EFD.
    Table2<std::string> gAgeModel{12, 0};
    int32_t gAgeModelRows = 0;
    Table2<std::string> gAgeModelAux{12, 0};  // the "R" rows
    int32_t gAgeModelAuxRows = 0;
    bool gAgeModelLoaded = false;
    std::string gVerAgeModel;
    AgeModelIndex gAgeIndex;

    // VarveCountTable: (0, i) composite depth, (1, i) cumulative count; row 0 unused.
    Table2<float> gVarve{2, 0};
    int32_t gVarveCount = 0;
    bool gVarvesLoaded = false;
    float gVarveTopCD = 0, gVarveBottomCD = 0, gVarveTopEFD = 0, gVarveBottomEFD = 0;
    std::string gVerVarves;

    // Settings.
    int16_t gVerticalScale = 1;  // 0 drilling, 1 composite, 2 event-free depth, 3 age
    Extrapolation gExtrapolation = Extrapolation::kOneToOne;
    EventOverlap gEventOverlap = EventOverlap::kIntersection;
    // The precision setting it rounds by; the program points both models at one.
    const Precision* precision = &kDeliveredPrecision;

    // Left by the last age conversion: the errors of its result, the two
    // control points it used, and the interpolation caption it chose ("" when
    // it chose none); the window shows the caption in Label9 while gDriveIndex
    // is not 0.
    float gAgeErrPlus = 0, gAgeErrMinus = 0;
    int16_t gAgeRowLo = 0, gAgeRowHi = 0;
    std::string gAgeCaption;
};

// The indexed cells of gCorrTable(plane, boreHole, field, *), gCorrRow(column, *)
// and gEventList(column, *); a column outside the table is run-time error 9.
inline const IndexedColumn& CorrCells(const DepthModel& m, long plane, long boreHole, long field) {
    return m.corrCells.Column(m.gCorrTable.Cells(), CorrTable::Column(plane, boreHole, field));
}
inline const IndexedColumn& RowCells(const DepthModel& m, long column) {
    return m.rowCells.Column(m.gCorrRow, column);
}
inline const IndexedColumn& EventCells(const DepthModel& m, long column) {
    return m.eventCells.Column(m.gEventList, column);
}

}  // namespace model

#include "model/duo_correlation_import.h"

#include <utility>

#include "model/correlation_lookup.h"
#include "model/correlation_steps.h"
#include "model/depth_conversion.h"
#include "model/duo_master_link.h"
#include "model/file_names.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace model {
namespace {

// The master items of a record, in the order they come: bore hole, section,
// PSP, label.
constexpr int kMasterItemColumns[] = {1, 2, 3, 0};

void ReadRecord(DepthModel& duo, DuoMasterCore& master, ItemReader& file, long row) {
    ReadCorrelationRecord(duo, file, row);
    if (row >= master.gMasterField.Rows()) {
        master.gMasterField.ResizeRows(row + 1);
        master.gMasterRow.ResizeRows(row + 1);
    }
    for (int c : kMasterItemColumns) master.gMasterField(c, row) = file.Item();
}

// Reads the header, tells the layout from it, then the tie rows; false for
// the older layout.
bool ReadRecords(DepthModel& duo, DuoMasterCore& master, ItemReader& file) {
    duo.gCorrTable.Redim(0);
    duo.gCorrRow.Redim(4, 0);
    master.gMasterField.Redim(4, 0);
    master.gMasterRow.Redim(3, 0);
    ReadRecord(duo, master, file, 0);
    // An older file has no master items: its 15th item is already the first
    // tie row's label, which holds its one leading character only.
    if (std::as_const(master).gMasterField(1, 0).size() == 1) return false;
    // A model has at least one tie row, as the main window's reader asks:
    // a file of its header alone is a record cut short.
    long row = 0;
    do {
        ReadRecord(duo, master, file, ++row);
    } while (!file.AtEnd());
    duo.gRowCount = static_cast<int32_t>(row);
    return true;
}

// gMasterRow: each tie row's master label and the main composite depth of its
// master position (no value where the main model cannot place it).
void PlaceMasterPositions(const DepthModel& duo, DuoMasterCore& master, const DepthModel& main) {
    const Table2<std::string>& fields = master.gMasterField;
    master.gMasterRow(0, 0) = fields(0, 0);
    for (long r = 1; r <= duo.gRowCount; ++r) {
        master.gMasterRow(0, r) = fields(0, r);
        int16_t b = 9999;
        for (int16_t k = 4; k >= 1; --k)
            if (values::SameShownText(fields(1, r), main.gBoreHoleName[k])) b = k;
        const int16_t section = GetSectionNo(main, b, fields(2, r));
        const float psp = values::CSng(FastVal(fields(3, r)));
        const TrinityDepth depth = TrinityToCD(main, b, section, psp);
        master.gMasterRow(1, r) = depth ? values::DoubleText(*depth) : "";
    }
}

// The text between the header's first "(" and its last character, when that
// is longer than one character.
std::string MasterTitle(const std::string& header) {
    const long open = values::InStr(header, "(");
    const std::string name = open > 0 ? values::Mid(header, open + 1, values::Len(header) - 1 - open) : "";
    return values::Len(name) > 1 ? name : "Master";
}

}  // namespace

void ImportDuoCorrelationModel(DepthModel& duo, DuoMasterCore& master, const DepthModel& main, ItemReader& file,
                               std::string_view fileName, DuoCorrelationImport& out) {
    duo.gVerCorrelation = GetFileDate(fileName);
    if (!ReadRecords(duo, master, file)) {
        out.olderLayout = true;
        return;
    }
    CleanBoreHoleCells(duo);
    TrimCorrelationCells(duo);
    // The four master fields are trimmed, then lose their leading character.
    CleanColumns(master.gMasterField, 0, 3, duo.gRowCount, {false, true, false});
    CleanColumns(master.gMasterField, 0, 3, duo.gRowCount, {true, false, false});
    PlaceMasterPositions(duo, master, main);
    NameBoreHoles(duo, {"", "E", "F", "G", "H"}, out.columnTitles, out.boreHoleMenuCaptions);
    out.masterTitle = MasterTitle(master.gMasterRow(0, 0));
    CleanRowColumns(duo, false);
    CleanColumns(master.gMasterRow, 0, 1, duo.gRowCount, {false, false, true});
    IndexSections(duo);

    // The Duo window has not loaded its event list yet: the link converts on
    // the composite-depth route here.
    IndexTiePairs(duo, master);
    const bool notLoaded = false;
    const MasterCoreLink link(main, duo, master, notLoaded);
    DeriveCompositeDepths(duo, duo.gExtrapolation, [&](int k, long r, double depth) {
        duo.gCorrTable(2, k, 1, r) = duo.gCorrTable(1, k, 1, r);
        duo.gCorrTable(2, k, 2, r) = values::SingleText(link.DuoToMainCD(values::CSng(depth)));
    });
    CutSectionTables(duo);

    FindBottoms(duo);
    for (int k = 1; k <= 4; ++k) master.gBoreHoleBottomFitted[k] = link.DuoToMainCD(duo.gBoreHoleBottom[k]);
    if (duo.gDrawBottom > main.gDrawBottom) out.sliderMax = values::CLng(double(duo.gDrawBottom) - 0.5);

    for (int i = 1; i <= duo.gSectionCount[1]; ++i) {
        out.sectionNumbers.push_back(values::Str(i));
        out.sectionNames.push_back(duo.gSectionName(1, i));
    }
    for (long r = 1; r <= duo.gRowCount; ++r)
        duo.gCorrRow(2, r) = values::SingleText(link.DuoToMainCD(values::CSng(FastVal(std::as_const(duo).gCorrRow(1, r)))));
    out.boreHoleItems = BoreHoleItems(duo);
}

}  // namespace model

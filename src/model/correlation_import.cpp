#include "model/correlation_import.h"

#include "model/correlation_steps.h"
#include "model/file_names.h"
#include "values/values.h"

namespace model {
namespace {

void SkipItems(ItemReader& file, int count) {
    for (int i = 0; i < count; ++i) file.Item();
}

void ReadRecords(DepthModel& m, ItemReader& file) {
    m.gCorrTable.Redim(0);
    m.gCorrRow.Redim(4, 0);
    ReadCorrelationRecord(m, file, 0);
    // The item after the header tells the layout: a master-core title of three
    // or more characters, or already the short row label of the first tie row.
    std::string_view next = file.Item();
    const bool masterFields = next.size() >= 3;
    if (masterFields) {
        SkipItems(file, 3);
        ReadCorrelationRecord(m, file, 1);
    } else {
        m.gCorrRow.ResizeRows(2);
        m.gCorrTable.ResizeRows(2);
        m.gCorrRow(0, 1) = next;
        ReadCorrelationRecord(m, file, 1, true);
    }
    if (masterFields) SkipItems(file, 4);
    long row = 1;
    while (!file.AtEnd()) {
        ReadCorrelationRecord(m, file, ++row);
        if (masterFields) SkipItems(file, 4);
    }
    m.gRowCount = static_cast<int32_t>(row);
}

}  // namespace

void ImportCorrelationModel(DepthModel& m, ItemReader& file, std::string_view fileName, CorrelationImport& out) {
    m.gVerCorrelation = GetFileDate(fileName);
    ReadRecords(m, file);
    CleanBoreHoleCells(m);
    TrimCorrelationCells(m);
    NameBoreHoles(m, {"", "A", "B", "C", "D"}, out.columnTitles, out.boreHoleMenuCaptions);
    CleanRowColumns(m, true);
    IndexSections(m);
    DeriveCompositeDepths(m, m.gExtrapolation);
    CutSectionTables(m);
    FindBottoms(m);

    out.sliderMax = values::CLng(double(m.gDrawBottom) - 0.5);
    for (int i = 1; i <= m.gSectionCount[1]; ++i) {
        out.sectionNumbers.push_back(values::Right("00" + std::to_string(i), 2));
        out.sectionNames.push_back(m.gSectionName(1, i));
    }
    out.boreHoleItems = BoreHoleItems(m);
}

}  // namespace model

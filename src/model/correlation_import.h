#pragma once
// Import of the correlation model file into CorrelationTable, SectionIndex and
// BoreHoleTable, with the derived composite depths and bore-hole bottoms.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/depth_model.h"
#include "model/item_reader.h"

namespace model {

// What the import gives the main window to show. Filled as the import goes:
// after a format error the parts it reached keep their values.
struct CorrelationImport {
    std::array<std::string, 5> columnTitles;          // Label1(k).Caption, k = 1 to 4
    std::array<std::string, 5> boreHoleMenuCaptions;  // mnuBH(k).Caption, k = 1 to 4
    // Slider1.Max of both main windows, when the import sets it.
    std::optional<int32_t> sliderMax;
    std::vector<std::string> sectionNumbers;          // Combo2 items: "01", "02", ...
    std::vector<std::string> sectionNames;            // Combo5 items
    std::vector<std::string> boreHoleItems;           // Combo1 items
};

// Reads a correlation model of 14 (or 18) items per record: row label, then
// per bore hole label, PSP and drilling depth, then the composite depth (and
// four master-core items, read and discarded). Sets gVerCorrelation from the
// file name first. Any run-time error (a record cut short, more than 5001
// records or 500 sections, an empty cell, a PSP or composite depth that is not
// a number) is thrown; the tables keep what was read and cleaned until then.
void ImportCorrelationModel(DepthModel& m, ItemReader& file, std::string_view fileName, CorrelationImport& out);

}  // namespace model

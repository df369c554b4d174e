#pragma once
// Import of the Duo window's correlation model: 18 items a record, the main
// layout's 14 followed by the position of the same level in the master core
// (bore hole, section, PSP) and its label there.
#include <string>
#include <string_view>

#include "model/correlation_import.h"
#include "model/depth_model.h"
#include "model/duo_model.h"
#include "model/item_reader.h"

namespace model {

inline constexpr const char* kOlderLayoutMessage =
    "This is a correlation model for Quillory ver.6 or earlier. Obtain latest correlation model for ver.7";

// What the import gives the Duo window (and the main window's slider) to
// show. Filled as the import goes: after a format error the parts it reached
// keep their values.
struct DuoCorrelationImport : CorrelationImport {
    // The file is of the older 14-item layout: the window shows
    // kOlderLayoutMessage and the import changed nothing but its tables.
    bool olderLayout = false;
    std::string masterTitle;  // Label1(0).Caption
    // Besides: the slider's end only when the Duo core reaches deeper than
    // the main one, section numbers "1", "2"..., and Combo1's text is its
    // first bore-hole item.
};

// Reads the Duo correlation model into `duo` and `master`; the master
// positions are placed by the main model `main` (its TrinityToCD and
// GetSectionNo, by its own extrapolation setting). Sets the Duo's
// gVerCorrelation from the file name first. Right after the header, a 15th
// item of exactly one character means the older layout: the import stops
// there (olderLayout). Otherwise it derives every bore-hole level's own
// composite depth (plane 1) and master-fitted depth (plane 2), the section
// index, the bore-hole names (E to H unless named), both kinds of bottom and
// every tie row's master-fitted depth (gCorrRow column 2), all on the link's
// composite-depth route (the Duo event list comes later). Any run-time error
// (an empty cell, a record cut short, more than 5001 records or 500 sections,
// a PSP or own composite depth that is not a number) is thrown; the tables
// keep what was read and cleaned until then.
void ImportDuoCorrelationModel(DepthModel& duo, DuoMasterCore& master, const DepthModel& main, ItemReader& file,
                               std::string_view fileName, DuoCorrelationImport& out);

}  // namespace model

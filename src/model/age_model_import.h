#pragma once
// Import of the age-depth model into AgeModelTable and of the varve counts
// into VarveCountTable.
#include <optional>
#include <string>
#include <string_view>

#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model/item_reader.h"

namespace model {

// The age-depth import runs in two parts, so that the window can ask whether
// to go on when the file was made for another correlation model.
struct AgeModelHeader {
    std::string versionDate;  // taken from the header's composite-depth title
    bool versionMatches = false;
    std::string warning;      // the question for the "WARNING!!" box when it does not
};

struct AgeModelImport {
    bool refused = false;  // a point names a bore hole no model defines
    std::string message;   // the window's "Error" message for that refusal
    // The names of the two age errors, from the header (shown by both windows).
    std::string errorNamePlus, errorNameMinus;
};

// The correlation model's version date at the end of the header's
// composite-depth title, bracketed or not; "not specified" unless it ends in
// a year.
std::string AgeModelVersionDate(const std::string& title);

// Sets gVerAgeModel from the file name, empties both age tables and reads the
// header record (11 items) into row 0 of gAgeModel.
AgeModelHeader BeginAgeModelImport(DepthModel& m, ItemReader& file, std::string_view fileName);

// Reads the control points after the header: "C"/"V" rows into gAgeModel,
// "R" rows into gAgeModelAux (codes beginning "c", "v" or "r" take a capital
// first letter), other codes dropped; sets both row counts. Both windows'
// age-depth imports start with it.
void ReadAgePoints(DepthModel& m, ItemReader& file);

// Derives every point's composite depth from its drilling position where it
// has one and its event-free depth, sets gAgeModelLoaded and returns the error
// names from the header. A point whose bore hole no model names and whose
// composite depth is not a number stops the derivation: refused when no Duo
// model is loaded, a thrown format error when one is. Other run-time errors
// are thrown. Earlier points stay derived either way.
AgeModelImport DeriveAgeModelDepths(DepthModel& m, const DuoModelLink* duo);

// The two steps above, for readers without a window between them.
AgeModelImport FinishAgeModelImport(DepthModel& m, ItemReader& file, const DuoModelLink* duo);

// Composite depth of an age point's drilling position in bore hole 1 to 4, or
// 5 to 8 of the Duo model (converted to the main composite depth); nothing
// when the position cannot be placed.
std::optional<float> AgePointDepth(const DepthModel& m, int boreHole, std::string_view section,
                                   std::string_view psp, const DuoModelLink* duo);

// Reads the varve counts: a header of two items (BeginVarveImport, which sets
// gVerVarves), then pairs of composite depth and cumulative count (numbers,
// else error 13). Sets gVarvesLoaded only after success; a file without
// counts is error 9. The event-free depths of the first and last count are
// taken by the side's CDToEFD: the main window's needs a loaded event list,
// the Duo's gives 0 without one.
void BeginVarveImport(DepthModel& m, ItemReader& file, std::string_view fileName);
void FinishVarveImport(DepthModel& m, ItemReader& file, Side side = Side::kMain);
void ImportVarveCounts(DepthModel& m, ItemReader& file, std::string_view fileName, Side side = Side::kMain);

}  // namespace model

#pragma once
// Import of the Duo window's list of event layers (the main window's file
// layout) and the combination of its layers, which also places every layer
// and the Duo's bore-hole levels on the master core.
#include <string_view>

#include "model/depth_model.h"
#include "model/duo_master_link.h"
#include "model/duo_model.h"
#include "model/item_reader.h"

namespace model {

// Reads the list into `duo` (loaded Duo correlation model), combines it and
// then, since the link now runs through event-free depths when the main list
// is loaded too, recomputes the master-fitted plane 2 of the bore-hole levels
// and the fitted bottoms (gCorrRow column 2 stays as the correlation import
// made it). Sets gVerEvents from the file name first. gEventsLoaded becomes
// True only when everything succeeded. A run-time error is thrown with both
// event counts set to -9999, gEventsLoaded as it was before, and plane 2 and
// the fitted bottoms unchanged; the rows read stay in gEventList. `link` is
// the link over `duo`; positions are placed by the Duo model's extrapolation.
void ImportDuoEventList(DepthModel& duo, DuoMasterCore& master, const MasterCoreLink& link, ItemReader& file,
                        std::string_view fileName);

// The Duo window's CombineAndSortEvents: the main combination by the Duo's
// rules, then plane 2 of the merged layers and gEventList columns 8 and 9 hold
// the master-fitted depths (DuoToMainCD of plane 1 and of columns 6 and 7).
// The master depths go through event-free depths only while gEventsLoaded is
// set: the import sets it before it combines.
void CombineAndSortEvents2(DepthModel& duo, const MasterCoreLink& link, Extrapolation rule);

}  // namespace model

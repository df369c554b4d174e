#pragma once
// Import of the list of event layers into EventTable, and their combination
// into CombinedEventTable, from which event-free depths are computed.
#include <string_view>

#include "model/depth_model.h"
#include "model/item_reader.h"

namespace model {

// Reads the event list (a header record, then records of bore hole, section,
// top PSP, bottom PSP and type), combines the layers and derives the
// event-free depths of the layers and of the correlation model (plane 2 and
// gCorrRow column 2). Sets gVerEvents from the file name first and
// gEventsLoaded only when everything succeeded. A run-time error is thrown
// with both event counts set back to -9999; the rows read stay in gEventList.
// Needs a loaded correlation model.
void ImportEventList(DepthModel& m, ItemReader& file, std::string_view fileName);

// Converts every layer to composite depth (a position the model cannot place
// gets 9999 at both ends), sorts the layers by top, merges overlapping ones
// (layers that only touch stay apart) and fills the event-free columns.
void CombineAndSortEvents(DepthModel& m);

// The steps both windows share, for the Duo window's list:
// Reads the records (header included) into gEventList columns 1 to 5 and sets
// gEventCount; a file without even a header is run-time error 9.
void ReadEventRecords(DepthModel& m, ItemReader& file);
// Fills gEventList columns 6 and 7 and plane 1 of the combined layers with
// the composite depths of each layer's top and bottom, sorts and merges them
// and indexes them for the event conversions. The main window's rules place a
// layer by its bore hole's first name and round to 4 decimals; the Duo's
// (Side::kDuo) by its last name and to gDepthPrecision decimals. Positions
// are placed by `rule`.
void CombineEventLayers(DepthModel& m, Side side, Extrapolation rule);
// Sorts the layers of plane 1 (slots 1 to gEventCount) by top, merges the
// overlapping ones and sets gMergedEventCount; the slots merged away hold
// -9999. Equal tops keep the order a selection sort gives them.
void SortAndMergeLayers(DepthModel& m);

}  // namespace model

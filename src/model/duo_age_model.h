#pragma once
// The Duo window's age-depth model: normally a copy of the main window's,
// placed on the Duo's own composite depth through the master-core link
// (TransferAgeModel2); besides, readers of its own for an age-depth model and
// varve counts in the main window's file layouts. The Duo's varve counts are
// read by ImportVarveCounts with Side::kDuo.
#include <string>
#include <string_view>

#include "model/depth_model.h"
#include "model/duo_master_link.h"
#include "model/item_reader.h"

namespace model {

// Copies the main age-depth model's control points ("R" rows not) into the
// Duo model: type, errors, age and unit as they are, the composite depth
// through MainToDuoCD and the event-free depth by the Duo's CDToEFD2; labels,
// positions, the remark and the header stay empty. Only when the main model
// has its age-depth model and both event lists are loaded, the Duo model is
// loaded and has no age-depth model yet; true when it copied. Errors of the
// conversions are thrown.
bool TransferAgeModel2(const DepthModel& main, DepthModel& duo, const MasterCoreLink& link);

// The Duo's own placing of the control points its age-depth reader read
// (the main reader's header and points, model/age_model_import.h; no version
// question, no error names, no refusal, no positions through the main model).
// A point given by drilling position in a Duo bore hole (its name, or the
// letter "A" to "D", either case, of its place) gets the Duo's own composite
// depth by TrinityToCD2 with `rule`; one whose bore hole names none of them
// keeps the composite depth of the file. Every point's event-free depth by
// CDToEFD2 (empty without the Duo event list). Sets gAgeModelLoaded at the
// end; a run-time error is thrown with the points placed so far kept.
void DeriveDuoAgeModelDepths(DepthModel& duo, Extrapolation rule);

// The whole reader for a file: sets gVerAgeModel from the file name, reads
// the header and the points, and places them as above.
void ImportDuoAgeModel(DepthModel& duo, ItemReader& file, std::string_view fileName, Extrapolation rule);

}  // namespace model

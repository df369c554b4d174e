#pragma once
// The conversion input file: a data file of samples read whole so that
// "Convert and Save" can give every sample its composite depth, event-free
// depth and age. Two kinds are told apart by the file itself:
//  - a trinity file, records of label, bore hole, section and PSP (cm);
//  - a one-value file, records of label and one value: a composite depth, an
//    event-free depth or an age, as the value column's title says.
// Items are read with the program's comma-separated conventions: a record is a
// number of items, not a line.
#include <functional>
#include <string>

#include "model/conversion_parts.h"
#include "model/conversion_tables.h"
#include "model/depth_model.h"
#include "model/duo_link.h"
#include "model/duo_master_link.h"
#include "model/item_reader.h"

namespace model {

// The models a reading places drilling positions in, and the composite depth
// it keeps them on: the main window keeps the main model's, the Duo window
// its own. Bore holes are looked up by short or long name, the main model's
// as 1 to 4 first, then the Duo model's as 5 to 8 while it is loaded.
struct ConversionSide {
    const DepthModel& home;  // the reading window's model: event list, version labels, event-free depths
    const DepthModel& main;  // bore holes 1 to 4
    const DuoModelLink* duo = nullptr;  // bore holes 5 to 8
    // A composite depth of the main (Duo) model on the kept scale; none when
    // it is kept as it comes.
    std::function<float(float)> fromMain, fromDuo;
    // A PSP of 9999 or -9999 is copied as the record's composite depth (the
    // main window); otherwise it places nothing and gives 9999 (the Duo).
    bool copiesNoValuePositions = true;
};

// The main window's reading: positions of Duo bore holes go to the main
// composite depth through DuoToMainCD.
ConversionSide MainWindowSide(const DepthModel& m, const DuoModelLink* duo);

// The Duo window's reading: its own positions as they come, those of main
// bore holes through MainToDuoCD.
ConversionSide DuoWindowSide(const DepthModel& duo, const DepthModel& main, const MasterCoreLink& link);

// A one-value file needs the event list; without it the reading is refused
// with this message (title "Error") and nothing else is shown.
inline constexpr const char* kConversionNeedsEventList =
    "Please import list of events. Sample file is available at examples/QL22_event_layers_20240212.csv.";

struct ConversionReading {
    bool refused = false;
    std::string message;
};

// Reads the file into the tables. The first two records of four items are
// probed; the sixth item tells the kind (a one-value file when its numeric
// value, written back as a number, is the same text, or when it is wholly a
// decimal such as "250.00"). A trinity file's positions are converted to
// composite depth, and to event-free depth while home's event list is
// loaded, each outside its section's first and last tie PSP (as written)
// giving 9999. A complete reading replaces gConvTrinity (and, for a
// one-value file, gConvTable) and sets gConvFrom (1 or 4) and gConvDetected.
// A trinity file's bytes are given back (ItemReader::Close) once its records
// are read, before its positions are converted.
// A file too short, a record cut short or a PSP that is not a number is a
// thrown run-time error, memory that runs out is error 7; then, as after a
// refusal, the tables are as they were before.
ConversionReading ReadConversionFile(ItemReader& file, ConversionTables& t, const ConversionSide& side,
                                     const ConversionParts& parts = {});

}  // namespace model

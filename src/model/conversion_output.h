#pragma once
// The converted data file that "Convert and Save" writes: the input's own
// columns followed by the chosen scales, one header record and one record per
// input row, comma-separated, each record ending with CR LF. Every field of
// the input is written back as text in double quotes (a quote inside doubled);
// derived values (depths, ages, errors, and the no-value markers among them)
// are written bare as numbers; depths are rounded to gDepthPrecision and ages
// and errors to gAgePrecision decimals, an exact half to the even side.
//
// Columns by source (brackets: only when its target bit is in the mask):
//   trinity (1):  label, bore hole, section, PSP, [composite], [event-free], [age, error +, error -, unit]
//   composite (2): label, value, [event-free], [age, error +, error -, unit]
//   event-free (4): label, value, [composite], [age, error +, error -, unit]
//   age (8):      label, value, error +, error -, unit, [composite], [event-free]
// The Duo window adds a master column after every column of its own
// composite depth, the value column of a composite-depth file included.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/conversion_parts.h"
#include "model/conversion_tables.h"
#include "model/depth_model.h"

namespace model {

// The titles of the derived columns, built when "Convert and Save" starts.
// A trinity file's composite and event-free titles are the ones its reading
// stored, with the versions of that time.
struct ConversionTitles {
    std::string compositeDepth, eventFreeDepth, age, errorPlus, errorMinus;
};

// The titles of a window's own models, with the names of the age errors that
// the main age-depth model's header gave.
ConversionTitles TitlesOf(const DepthModel& m, const std::string& errorNamePlus, const std::string& errorNameMinus);

// The Duo window's master column: the record's own composite depth in the
// master core's, rounded like every depth; a marker gives 9999.
struct MasterColumn {
    std::string title;  // "Composite depth (" + the master core's name + ")"
    std::function<float(float)> toMaster;  // DuoToMainCD
};

// Messages of a conversion refused before anything is written (title "Error").
inline constexpr const char* kConversionNeedsAgeModel =
    "Please import age-depth model. Ages cannot be converted without it.";
inline constexpr const char* kConversionNeedsEventFreeDepths =
    "Please convert from data file again: it was read before the list of event layers was imported.";

struct ConversionSave {
    bool refused = false;
    std::string message;
};

// Whether the models loaded can give what is asked for: ages (a target or
// the source) need the age-depth model, and the event-free depths and ages
// of a trinity file need the event list loaded when it was read.
ConversionSave CheckConversion(const ConversionTables& t, int16_t from, int16_t mask, const DepthModel& m);

// Converts every row and hands the records to `out` in blocks of whole
// records. A source other than 1, 2, 4 or 8 is run-time error 5; a value
// of a one-value file that is not a number, and every fault of the
// conversions, is thrown; memory that runs out is error 7.
void WriteConversion(const ConversionTables& t, int16_t from, int16_t mask, DepthModel& m,
                     const ConversionTitles& titles, const MasterColumn* master,
                     const std::function<void(std::string_view)>& out, const ConversionParts& parts = {});

// CheckConversion, then WriteConversion into the file at `path`, which is
// replaced only once every record is written: on any failure (thrown; error
// 7 when memory runs out) the old file is as it was and no partial file is
// left. A refusal writes nothing.
ConversionSave SaveConvertedFile(const ConversionTables& t, int16_t from, int16_t mask, DepthModel& m,
                                 const std::string& path, const ConversionTitles& titles,
                                 const MasterColumn* master = nullptr, const ConversionParts& parts = {});

}  // namespace model

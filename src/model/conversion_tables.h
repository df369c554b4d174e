#pragma once
// ConversionTables: the records of a data file read for conversion, kept from
// "Convert from data file" until the next reading, and read by "Convert and
// Save". The scale bits name the source and the targets of a conversion.
#include <cstdint>
#include <string>
#include <vector>

#include "model/large_block.h"
#include "model/text_table.h"

namespace model {

// Scale bits: the indices of the conversion window's "From" options and "To"
// boxes, the source kind and the sum of the targets.
inline constexpr int16_t kScaleTrinity = 1, kScaleComposite = 2, kScaleEventFree = 4, kScaleAge = 8;

// gConvTrinity: a file of drilling positions. Row 0 holds the file's titles,
// rows 1 to Rows() its records, each field the text as read.
struct ConversionTrinity {
    TextTable fields{4};  // label, bore hole, section, PSP
    std::string compositeTitle, eventFreeTitle;  // row 0 of columns 4 and 5
    // Column 4, [row]: the composite depth of each position on the reading
    // window's own scale, or a no-value marker. Row 0 unused.
    LargeArray<double> composite;
    // Column 5, the same rows: the event-free depth; empty when the file was
    // read without the event list.
    LargeArray<double> eventFree;

    long Rows() const { return fields.Rows() > 0 ? fields.Rows() - 1 : 0; }  // gConvTrinityRows
    bool HasEventFree() const { return !eventFree.empty(); }
};

// gConvTable: a file of one value per record. Row 0 holds the two titles,
// rows 1 to Rows() the records' label and value, each the text as read.
struct ConversionOneValue {
    TextTable fields{2};

    long Rows() const { return fields.Rows() > 0 ? fields.Rows() - 1 : 0; }  // gConvRows
};

struct ConversionTables {
    ConversionTrinity gConvTrinity;
    ConversionOneValue gConvTable;
    int16_t gConvDetected = 0;  // the kind of the last complete reading
    int16_t gConvFrom = 0;      // the source the reading preset
};

}  // namespace model

#pragma once
// Small look-ups over the correlation model: section labels, section numbers,
// bore-hole names and the below-bottom test of a level.
#include <cstdint>
#include <string_view>

#include "model/depth_model.h"
#include "model/duo_link.h"

namespace model {

// A level label ending "top" or "Top" opens a section; one ending "tom" or
// "Bot" closes it.
bool IsTopLabel(std::string_view label);
bool IsBottomLabel(std::string_view label);

// Section number (1 to gSectionCount(bh)) of a section name, matched exactly
// or by its last three characters with leading zeros ("1", "01", "001");
// 9999 for a no-value bore hole or name, no match, or a bore hole outside the
// tables. Section 1 is always examined.
int16_t GetSectionNo(const DepthModel& m, int16_t boreHole, std::string_view name);

// Number of rows 0 to lastRow whose plane-0 label of the bore hole opens a
// section: the section number of that row.
int16_t CountTops(const DepthModel& m, int16_t boreHole, long lastRow);
// The same for rows taken in order: the count goes on from the rows counted
// already, which `count` keeps for the next call.
struct TopCount {
    long nextRow = 0;
    int16_t tops = 0;
};
int16_t CountTops(const DepthModel& m, int16_t boreHole, long lastRow, TopCount& count);

// The PSP cells of the first and last tie rows of section s of a bore hole
// (gSectionTop, gSectionBottom); no last one when the section has no closing
// row. A section outside the index is run-time error 9.
SectionEnds GetSectionEnds(const DepthModel& m, int16_t boreHole, int16_t section);

// 1 to 4 for the first bore hole named so, else -9999.
int16_t BHNo(const DepthModel& m, std::string_view name);
// 1 to 4 for the last bore hole named so, else 9999.
int16_t GetBH(const DepthModel& m, std::string_view name);
// 1 to 4 for the first bore hole named so, else 1.
int16_t AlphaNum(const DepthModel& m, std::string_view name);

}  // namespace model

#pragma once
// What finding a level's section and its two ties in one bore hole searches
// instead of walking the tie rows from the first: the rows of each kind in
// order, and the depths the walk compares with the level at them.
//
// The walk (CoreWindow::GetPSP) takes as the section the first section bottom
// whose depth, placed 1:1 from the last tie valid in both the bore hole's
// composite depth and the row's, lies deeper than the level; its ties are the
// rows with a PSP and a row depth, up to the first row (from the second tie
// on) whose row depth lies deeper than the level.
#include <array>
#include <cstdint>
#include <vector>

#include "model/tables.h"

namespace model {

struct DepthModel;

struct SectionSearch {
    // Rows 1 to gRowCount are the whole table and no cell the walk reads
    // raises an error: only then may a search stand in for the walk.
    bool usable = false;
    std::vector<int32_t> tops;     // rows 0 to the last whose label opens a section
    std::vector<int32_t> bottoms;  // rows 1 to gRowCount whose label closes one
    // [0] composite, [1] drilling: at each bottom, the depth the walk compares
    // with the level, and whether these never decrease.
    std::array<std::vector<float>, 2> bottomDepth;
    std::array<bool, 2> bottomsAscending{};
    // Rows whose PSP and row depth are not the no-value text.
    std::vector<int32_t> ties;
    // Rows whose row depth and drilling depth are not the no-value text, their
    // row depth in single precision, and whether it never decreases.
    std::vector<int32_t> levels;
    std::vector<float> levelDepth;
    bool levelsAscending = false;

    static SectionSearch Read(const DepthModel& m, int16_t boreHole);
    // Number of rows 0 to lastRow whose label opens a section (CountTops).
    int16_t TopsUpTo(long lastRow) const;
};

// The searches of bore holes 1 to 4, each read when first asked for and again
// whenever the correlation table, the tie rows or the row count changed.
class SectionSearches {
public:
    SectionSearches() = default;
    SectionSearches(const SectionSearches&) {}
    SectionSearches& operator=(const SectionSearches&) {
        slots_ = {};
        return *this;
    }
    const SectionSearch& Of(const DepthModel& m, int16_t boreHole) const;
    // The heap the searches read so far take.
    size_t Bytes() const;

private:
    struct Slot {
        bool read = false;
        TableStamp table, rows;
        int32_t rowCount = 0;
        SectionSearch search;
    };
    mutable std::array<Slot, 5> slots_;
};

}  // namespace model

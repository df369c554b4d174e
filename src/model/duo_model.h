#pragma once
// What only the Duo window's model holds beside its DepthModel.
//
// The Duo window's DepthModel keeps the main layout, with the planes that the
// Duo has no use for given other meanings: plane 1 of the correlation table
// and of the combined event layers is the Duo's own composite depth, plane 2
// that depth fitted to the master core (the main model) through the
// master-core link; gCorrRow column 2 is a tie row's own composite depth
// fitted so; gEventList columns 8 and 9 are the fitted depths of a layer's
// top and bottom (columns 1 to 5 as read, 6 and 7 its own depths). Its bore
// holes are named E to H unless the file names them, and gBoreHoleBottom is
// gBoreHoleBottom2(0, k), the bottoms in the Duo's own depth.
#include <array>
#include <string>
#include <vector>

#include "model/cell_index.h"
#include "model/depth_model.h"
#include "model/tables.h"

namespace model {

// The tie pairs the link converts over: the Duo tie rows whose own composite
// depth and master composite depth are both numbers, in row order. Made by
// the Duo correlation import; the Duo model does not change after it.
struct MasterTiePairs {
    std::vector<double> own;     // S: the row's own composite depth
    std::vector<double> master;  // M: the main composite depth of its master tie point
    // Whether S (and M) never decrease, so that the pair around a level can be
    // searched instead of walked.
    bool ownAscending = false;
    bool masterAscending = false;
};

struct DuoMasterCore {
    // gMasterField(0 master label, 1 master bore hole, 2 master section,
    // 3 PSP in the master section, row): as read and cleaned.
    Table2<std::string> gMasterField{4, 0};
    // gMasterRow(0 master label, 1 main composite depth of the master tie
    // point, 2 unused, row); a missing label or depth holds 9999.
    Table2<std::string> gMasterRow{3, 0};
    CellIndex masterRowCells;
    // The indexed cells of gMasterRow(column, *) (cell_index.h).
    const IndexedColumn& MasterRowCells(long column) const { return masterRowCells.Column(gMasterRow, column); }
    MasterTiePairs gTiePairs;
    // gBoreHoleBottom2(1, k), k = 1 to 4: the bottoms fitted to the master core.
    std::array<float, 5> gBoreHoleBottomFitted{};
};

}  // namespace model

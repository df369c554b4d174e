#include "window/column_drawing.h"

#include "model/item_reader.h"

namespace quillory::columns {

TieDepths TieDepths::Read(const model::DepthModel& m, int plane) {
    TieDepths d;
    const long rows = m.gRowCount + 1;
    d.composite.resize(rows);
    for (long r = 0; r < rows; ++r) d.composite[r] = static_cast<float>(model::FastVal(m.gCorrRow(plane, r)));
    for (int bh = 1; bh <= 4; ++bh) {
        d.boreHole[bh].resize(rows);
        for (long r = 0; r < rows; ++r)
            d.boreHole[bh][r] = static_cast<float>(model::FastVal(m.gCorrTable(plane, bh, 2, r)));
    }
    return d;
}

bool StartsWith(std::string_view text, std::string_view a, std::string_view b) {
    return text.substr(0, a.size()) == a || text.substr(0, b.size()) == b;
}

}  // namespace quillory::columns

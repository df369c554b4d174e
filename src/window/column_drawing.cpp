#include "window/column_drawing.h"

namespace quillory::columns {

TieDepths TieDepths::Read(const model::DepthModel& m, int plane) {
    TieDepths d;
    const long rows = m.gRowCount + 1;
    auto read = [rows](const model::IndexedColumn& cells, std::vector<float>& depths) {
        depths.resize(rows);
        for (long r = 0; r < rows; ++r) depths[r] = static_cast<float>(cells.Val(r));
    };
    read(model::RowCells(m, plane), d.composite);
    d.marks = d.composite;
    for (int bh = 1; bh <= 4; ++bh) read(model::CorrCells(m, plane, bh, 2), d.boreHole[bh]);
    return d;
}

void MarkEmpty(forms::Surface& s, EmptyMark mark, double y1, double y2, double width) {
    if (mark == EmptyMark::kCross) {
        s.Line(0, y1, width, y2, kDarkGrey);
        s.Line(0, y2, width, y1, kDarkGrey);
        return;
    }
    // An outline only, whatever fill style the markers left on the column.
    const int fill = s.FillStyle;
    s.FillStyle = 1;
    s.Box(0, y1, width, y2, kDarkGrey);
    s.FillStyle = fill;
}

const DrawingRules& MainDrawing() {
    static const DrawingRules rules{
        EmptyMark::kCross,
        GapRule{false, true, true},
        true,
        true,
        60,
        5,
        RulerLayout{8.2, 9, 7.5, 9.5, 7.25, 0.25, 9,
                    {{0, 0, 100, 7, 9, 4.8}, {100, 900, 100, 7, 9, 2.8}, {1000, 10000, 100, 7, 9, 1.8}},
                    {{50, 50, 100, 8, 9, 3.8}, {150, 950, 100, 8, 9, 2.8}, {1050, 9950, 100, 8, 9, 1.8}},
                    {10, 9990, 10, 8.5, 9, std::nullopt}},
    };
    return rules;
}

}  // namespace quillory::columns

#include "model/section_search.h"

#include <algorithm>

#include "model/depth_model.h"
#include "values/values.h"

namespace model {
namespace {

bool Ascending(const std::vector<float>& v) {
    for (size_t i = 1; i < v.size(); ++i)
        if (!(v[i] >= v[i - 1])) return false;
    return true;
}

}  // namespace

SectionSearch SectionSearch::Read(const DepthModel& m, int16_t boreHole) {
    SectionSearch s;
    const IndexedColumn& label = CorrCells(m, 0, boreHole, 0);
    const IndexedColumn& psp = CorrCells(m, 0, boreHole, 1);
    const IndexedColumn& drill = CorrCells(m, 0, boreHole, 2);
    const IndexedColumn& composite = CorrCells(m, 1, boreHole, 2);
    const IndexedColumn& row = RowCells(m, 1);
    const long rows = label.Rows(), n = m.gRowCount;
    for (long r = 0; r < rows; ++r)
        if (label.Is(r, kTopLabelText)) s.tops.push_back(static_cast<int32_t>(r));
    s.usable = n >= 1 && n == rows - 1 && row.Rows() == rows;
    for (const IndexedColumn* c : {&psp, &drill, &composite, &row})
        s.usable = s.usable && !c->Any(0, rows - 1, kValOverflows);
    if (!s.usable) return s;

    long last = 0;
    for (long r = 1; r <= n; ++r) {
        if (composite.Val(r) != kNoValue && row.Val(r) != kNoValue) last = r;
        if (!label.Is(r, kBottomLabelText)) continue;
        const double offset = psp.Val(r) - psp.Val(last);
        s.bottoms.push_back(static_cast<int32_t>(r));
        s.bottomDepth[0].push_back(static_cast<float>(row.Val(last) + offset));
        s.bottomDepth[1].push_back(static_cast<float>(drill.Val(last) + offset));
    }
    for (int k = 0; k < 2; ++k) s.bottomsAscending[k] = Ascending(s.bottomDepth[k]);

    for (long r = 0; r < rows; ++r) {
        if (!psp.Is(r, kNoValueText) && !row.Is(r, kNoValueText)) s.ties.push_back(static_cast<int32_t>(r));
        if (!row.Is(r, kNoValueText) && !drill.Is(r, kNoValueText)) {
            s.levels.push_back(static_cast<int32_t>(r));
            s.levelDepth.push_back(static_cast<float>(row.Val(r)));
        }
    }
    s.levelsAscending = Ascending(s.levelDepth);
    return s;
}

int16_t SectionSearch::TopsUpTo(long lastRow) const {
    const auto count = std::upper_bound(tops.begin(), tops.end(), lastRow) - tops.begin();
    return values::AddInt16(0, static_cast<int>(count));
}

const SectionSearch& SectionSearches::Of(const DepthModel& m, int16_t boreHole) const {
    if (boreHole < 1 || boreHole > 4) SubscriptOutOfRange();
    Slot& slot = slots_[static_cast<size_t>(boreHole)];
    const TableStamp table = m.gCorrTable.Cells().Stamp(), rows = m.gCorrRow.Stamp();
    if (!slot.read || slot.table != table || slot.rows != rows || slot.rowCount != m.gRowCount) {
        slot.search = SectionSearch::Read(m, boreHole);
        slot.table = table;
        slot.rows = rows;
        slot.rowCount = m.gRowCount;
        slot.read = true;
    }
    return slot.search;
}

size_t SectionSearches::Bytes() const {
    size_t bytes = 0;
    for (const Slot& slot : slots_) {
        const SectionSearch& s = slot.search;
        bytes += (s.tops.capacity() + s.bottoms.capacity() + s.ties.capacity() + s.levels.capacity()) * sizeof(int32_t);
        bytes += (s.bottomDepth[0].capacity() + s.bottomDepth[1].capacity() + s.levelDepth.capacity()) * sizeof(float);
    }
    return bytes;
}

}  // namespace model

#include "model/event_layers.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/file_names.h"
#include "values/values.h"

namespace model {

void ReadEventRecords(DepthModel& m, ItemReader& file) {
    m.gEventList.Redim(10, 0);
    long rows = 0;
    while (!file.AtEnd()) {
        m.gEventList.AddRow();
        for (int c = 1; c <= 5; ++c) m.gEventList(c, rows) = file.Item();
        ++rows;
    }
    // The records' texts are the list's own now: the file's bytes go before
    // the layers are placed.
    file.Close();
    if (rows == 0) SubscriptOutOfRange();  // not even a header: no table to make
    m.gEventCount = static_cast<int32_t>(rows - 1);
    m.gEventTop.Redim(4, rows);
    m.gEventBottom.Redim(4, rows);
}

namespace {

// Where layer i lies: its bore hole by the side's rule (the main window's by
// its first name, the Duo's by its last) and its section.
struct LayerPlace {
    int16_t boreHole, section;
};
LayerPlace PlaceOf(const DepthModel& m, long i, Side side) {
    const std::string_view name = m.gEventList(1, i);
    return {side == Side::kMain ? BHNo(m, name) : GetBH(m, name), GetSectionNo(m, GetBH(m, name), m.gEventList(2, i))};
}

// Composite depth of one end of layer i.
float LayerEnd(const DepthModel& m, long i, LayerPlace place, int pspColumn, Side side, Extrapolation rule) {
    const float psp = values::CSng(FastVal(m.gEventList(pspColumn, i)));
    // A section without a usable tie places nothing: no value, not depth 0.
    const double cd = TrinityToCD(m, place.boreHole, place.section, psp, rule).value_or(kNoValue);
    return values::CSng(values::RoundHalfEven(cd, side == Side::kMain ? 4 : m.precision->gDepthPrecision));
}

// The layers in the order a selection sort leaves them: for each slot in
// turn, the slot with the smallest top among it and those after it (the
// first of equal tops; none when no top there lies below 999999) trades
// places with it. The order of equal tops this gives is kept, since it
// decides which of two layers with one top absorbs the other. A tree over
// the slots holds the winner of each group of them, so that each turn costs
// a path through it instead of a walk over the rest of the list.
void SortByTop(DepthModel& m) {
    const int32_t count = m.gEventCount;
    if (count < 2) return;
    // The tops, kept beside the table while they move, are what the tree reads.
    std::vector<float> tops(static_cast<size_t>(count) + 1);
    for (int32_t slot = 1; slot <= count; ++slot) tops[static_cast<size_t>(slot)] = m.gEventTop(1, slot);
    const auto top = [&tops](int32_t slot) { return tops[static_cast<size_t>(slot)]; };
    // Slot 0 stands for none: a slot taken already, or a top that cannot win.
    // The winner is the smallest top, the first slot among equal ones: a
    // minimum, so that the shape of the tree does not change which slot wins.
    const auto winner = [&top](int32_t a, int32_t b) {
        if (a == 0 || b == 0) return a + b;
        return top(b) < top(a) || (!(top(a) < top(b)) && b < a) ? b : a;
    };
    // Slot s is leaf count + s - 1, and node k holds the winner of nodes 2k
    // and 2k + 1, so that the root, node 1, holds the winner of every leaf.
    const size_t leaves = static_cast<size_t>(count);
    std::vector<int32_t> tree(2 * leaves, 0);
    const auto leaf = [&](int32_t slot, bool taken) {
        tree[leaves + static_cast<size_t>(slot - 1)] = !taken && top(slot) < 999999 ? slot : 0;
    };
    const auto place = [&](int32_t slot, bool taken) {
        leaf(slot, taken);
        for (size_t node = (leaves + static_cast<size_t>(slot - 1)) / 2; node >= 1; node /= 2)
            tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
    };
    for (int32_t slot = 1; slot <= count; ++slot) leaf(slot, false);
    for (size_t node = leaves - 1; node >= 1; --node) tree[node] = winner(tree[2 * node], tree[2 * node + 1]);
    for (int32_t i = 1; i <= count; ++i) {
        const int32_t smallest = tree[1];
        if (smallest == 0) break;  // no top left that can win: nothing moves any more
        std::swap(tops[static_cast<size_t>(i)], tops[static_cast<size_t>(smallest)]);
        for (Table2<float>* t : {&m.gEventTop, &m.gEventBottom}) {
            const float at = (*t)(1, i);
            (*t)(1, i) = (*t)(1, smallest);
            (*t)(1, smallest) = at;
        }
        place(i, true);
        if (smallest != i) place(smallest, false);
    }
}

// A layer whose bottom lies below the next one's top absorbs it; the merged
// slots at the end get -9999.
void MergeOverlaps(DepthModel& m) {
    const long count = m.gEventCount;
    long kept = std::min<long>(count, 1);
    for (long j = 2; j <= count; ++j) {
        if (m.gEventBottom(1, kept) > m.gEventTop(1, j)) {
            m.gEventBottom(1, kept) = std::max(m.gEventBottom(1, kept), m.gEventBottom(1, j));
        } else {
            ++kept;
            m.gEventTop(1, kept) = m.gEventTop(1, j);
            m.gEventBottom(1, kept) = m.gEventBottom(1, j);
        }
    }
    for (long j = kept + 1; j <= count; ++j) m.gEventTop(1, j) = m.gEventBottom(1, j) = -9999;
    m.gMergedEventCount = static_cast<int32_t>(kept);
}

// Plane 2 of the correlation model and the rows' event-free depths.
void DeriveEventFreeCorrelation(DepthModel& m) {
    for (long r = 0; r <= m.gRowCount; ++r)
        for (int b = 1; b <= 4; ++b)
            m.gCorrTable(2, b, 2, r) =
                values::DoubleText(CDToEFD(m, values::CSng(FastVal(std::as_const(m).gCorrTable(1, b, 2, r)))));
    for (long r = 0; r <= m.gRowCount; ++r)
        m.gCorrRow(2, r) = values::DoubleText(CDToEFD(m, values::CSng(FastVal(std::as_const(m).gCorrRow(1, r)))));
}

}  // namespace

void SortAndMergeLayers(DepthModel& m) {
    SortByTop(m);
    MergeOverlaps(m);
}

void CombineEventLayers(DepthModel& m, Side side, Extrapolation rule) {
    m.gMergedEventCount = m.gEventCount;
    for (long i = 1; i <= m.gEventCount; ++i) {
        const LayerPlace place = PlaceOf(m, i, side);
        m.gEventTop(1, i) = LayerEnd(m, i, place, 3, side, rule);
        m.gEventBottom(1, i) = LayerEnd(m, i, place, 4, side, rule);
        m.gEventList(6, i) = values::SingleText(m.gEventTop(1, i));
        m.gEventList(7, i) = values::SingleText(m.gEventBottom(1, i));
    }
    SortAndMergeLayers(m);
    IndexCombinedEvents(m);
}

void CombineAndSortEvents(DepthModel& m) {
    CombineEventLayers(m, Side::kMain, m.gExtrapolation);
    if (m.gEventCount == 0) return;

    for (long i = 1; i <= m.gEventCount; ++i)
        m.gEventList(8, i) = values::DoubleText(CDToEFD(m, values::CSng(FastVal(std::as_const(m).gEventList(6, i)))));
    for (long i = 1; i <= m.gMergedEventCount; ++i) {
        m.gEventTop(2, i) = values::CSng(CDToEFD(m, m.gEventTop(1, i)));
        m.gEventBottom(2, i) = values::CSng(CDToEFD(m, m.gEventBottom(1, i)));
    }
}

void ImportEventList(DepthModel& m, ItemReader& file, std::string_view fileName) {
    m.gVerEvents = GetFileDate(fileName);
    try {
        ReadEventRecords(m, file);
        CombineAndSortEvents(m);
        DeriveEventFreeCorrelation(m);
    } catch (const values::RuntimeError&) {
        m.gEventCount = m.gMergedEventCount = kNotLoaded;
        throw;
    }
    m.gEventsLoaded = true;
}

}  // namespace model

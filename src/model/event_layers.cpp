#include "model/event_layers.h"

#include <algorithm>
#include <utility>

#include "forms/values.h"
#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/file_names.h"

namespace model {

void ReadEventRecords(DepthModel& m, ItemReader& file) {
    m.gEventList.Redim(10, 0);
    long rows = 0;
    while (!file.AtEnd()) {
        m.gEventList.ResizeRows(rows + 1);
        for (int c = 1; c <= 5; ++c) m.gEventList(c, rows) = file.Item();
        ++rows;
    }
    if (rows == 0) SubscriptOutOfRange();  // not even a header: no table to make
    m.gEventCount = static_cast<int32_t>(rows - 1);
    m.gEventTop.Redim(4, rows);
    m.gEventBottom.Redim(4, rows);
}

namespace {

// Composite depth of one end of layer i.
float LayerEnd(const DepthModel& m, long i, int pspColumn, Side side, Extrapolation rule) {
    const std::string& name = m.gEventList(1, i);
    const int16_t boreHole = side == Side::kMain ? BHNo(m, name) : GetBH(m, name);
    const int16_t section = GetSectionNo(m, GetBH(m, name), m.gEventList(2, i));
    const float psp = forms::CSng(FastVal(m.gEventList(pspColumn, i)));
    // A section without a usable tie places nothing: no value, not depth 0.
    const double cd = TrinityToCD(m, boreHole, section, psp, rule).value_or(kNoValue);
    return forms::CSng(forms::RoundHalfEven(cd, side == Side::kMain ? 4 : m.precision->gDepthPrecision));
}

void SortByTop(DepthModel& m) {
    const long count = m.gEventCount;
    for (long i = 1; i <= count; ++i) {
        long smallest = i;
        float minimum = 999999;
        for (long j = i; j <= count; ++j)
            if (m.gEventTop(1, j) < minimum) {
                minimum = m.gEventTop(1, j);
                smallest = j;
            }
        std::swap(m.gEventTop(1, i), m.gEventTop(1, smallest));
        std::swap(m.gEventBottom(1, i), m.gEventBottom(1, smallest));
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
                forms::DoubleText(CDToEFD(m, forms::CSng(FastVal(m.gCorrTable(1, b, 2, r)))));
    for (long r = 0; r <= m.gRowCount; ++r)
        m.gCorrRow(2, r) = forms::DoubleText(CDToEFD(m, forms::CSng(FastVal(m.gCorrRow(1, r)))));
}

}  // namespace

void CombineEventLayers(DepthModel& m, Side side, Extrapolation rule) {
    m.gMergedEventCount = m.gEventCount;
    for (long i = 1; i <= m.gEventCount; ++i) {
        m.gEventTop(1, i) = LayerEnd(m, i, 3, side, rule);
        m.gEventBottom(1, i) = LayerEnd(m, i, 4, side, rule);
        m.gEventList(6, i) = forms::SingleText(m.gEventTop(1, i));
        m.gEventList(7, i) = forms::SingleText(m.gEventBottom(1, i));
    }
    if (m.gEventCount > 0) {
        SortByTop(m);
        MergeOverlaps(m);
    }
    IndexCombinedEvents(m);
}

void CombineAndSortEvents(DepthModel& m) {
    CombineEventLayers(m, Side::kMain, m.gExtrapolation);
    if (m.gEventCount == 0) return;

    for (long i = 1; i <= m.gEventCount; ++i)
        m.gEventList(8, i) = forms::DoubleText(CDToEFD(m, forms::CSng(FastVal(m.gEventList(6, i)))));
    for (long i = 1; i <= m.gMergedEventCount; ++i) {
        m.gEventTop(2, i) = forms::CSng(CDToEFD(m, m.gEventTop(1, i)));
        m.gEventBottom(2, i) = forms::CSng(CDToEFD(m, m.gEventBottom(1, i)));
    }
}

void ImportEventList(DepthModel& m, ItemReader& file, std::string_view fileName) {
    m.gVerEvents = GetFileDate(fileName);
    try {
        ReadEventRecords(m, file);
        CombineAndSortEvents(m);
        DeriveEventFreeCorrelation(m);
    } catch (const forms::RuntimeError&) {
        m.gEventCount = m.gMergedEventCount = kNotLoaded;
        throw;
    }
    m.gEventsLoaded = true;
}

}  // namespace model

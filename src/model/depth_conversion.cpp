#include "model/depth_conversion.h"

#include <algorithm>

#include "model/correlation_lookup.h"
#include "model/item_reader.h"
#include "model/search.h"
#include "values/values.h"

namespace model {
namespace {

void RequireEventList(const DepthModel& m) {
    if (m.gEventCount < 0) SubscriptOutOfRange();
}

// Layer i's values of plane 1; layer 0 holds no layer and weighs nothing.
float Top(const DepthModel& m, long i) { return m.gEventTop(1, i); }
float Bottom(const DepthModel& m, long i) { return m.gEventBottom(1, i); }

// The first layer 1 .. count for which `reached` holds, count + 1 when none:
// a search from the last answer where `reached` never turns false again,
// else a walk.
template <class Pred>
long FirstLayer(long count, bool ascending, long& last, Pred reached) {
    if (ascending) return FirstReachedNear(count, last, reached);
    long i = 1;
    while (i <= count && !reached(i)) ++i;
    return i;
}

}  // namespace

TrinityDepth TrinityToCD(const DepthModel& m, int16_t boreHole, int16_t section, float psp, Extrapolation rule) {
    if (boreHole == 0 || psp == 9999.0f || psp == -9999.0f || section == 9999 || section == -9999) return kNoValue;
    if (boreHole < 1 || boreHole > 4 || section > m.gSectionCount[boreHole] || m.gRowCount < 1) return kNoValue;
    try {
        auto cd = [&](long r) { return StrictNumber(m.gCorrRow(1, r)); };
        auto pspAt = [&](long r) { return StrictNumber(m.gCorrTable(0, boreHole, 1, r)); };

        const long start = m.gSectionTop(boreHole, section);
        long prevRow = 0, row = 0;
        int ties = 0;
        if (cd(start) != kNoValue) {
            row = start;
            ties = 1;
        }
        bool stopped = false;
        for (long r = start + 1; r <= m.gRowCount && !stopped; ++r) {
            const double p = pspAt(r);
            const double c = cd(r);
            if (p != kNoValue && c != kNoValue && p != 0) {
                prevRow = row;
                row = r;
                ++ties;
            }
            // A bracket of two ties around the position, or the section's end.
            if (c != kNoValue && prevRow != 0 && static_cast<float>(pspAt(row)) >= psp) stopped = true;
            if (IsBottomLabel(m.gCorrTable(0, boreHole, 0, r))) stopped = true;
        }
        if (!stopped || ties == 0) return std::nullopt;
        const double x = psp;
        if (ties == 1) return cd(row) + (x - pspAt(row));

        const double ca = cd(prevRow), cb = cd(row), pa = pspAt(prevRow), pb = pspAt(row);
        auto line = [&] { return ca + values::Divide((x - pa) * (cb - ca), pb - pa); };
        if (rule == Extrapolation::kProportional) return line();
        if (x > pb) return cb + (x - pb);
        if (x < pa) return ca + (x - pa);
        return line();
    } catch (const values::RuntimeError&) {
        return kNoValue;
    }
}

double CDToEFD(const DepthModel& m, float cd) { return CDToEFD(m, cd, m.gEventIndex.lastByBottom); }

double CDToEFD(const DepthModel& m, float cd, long& searchFrom) {
    RequireEventList(m);
    if (m.gEventCount == 0) return values::RoundHalfEven(cd, m.precision->gDepthPrecision);
    const CombinedEventIndex& index = m.gEventIndex;
    const long count = m.gMergedEventCount;

    // The first layer whose bottom is not above the level.
    const long i =
        FirstLayer(count, index.bottomsAscending, searchFrom, [&](long k) { return index.bottom[k] >= cd; });

    float s = index.thicknessAbove[i];
    if (i <= count && Top(m, i) < cd) s = static_cast<float>(double(s) + double(cd) - double(Top(m, i)));
    return values::RoundHalfEven(double(cd) - double(s), m.precision->gDepthPrecision);
}

double EFDToCD(const DepthModel& m, float efd) {
    RequireEventList(m);
    if (m.gEventCount == 0) return values::RoundHalfEven(efd, m.precision->gDepthPrecision);
    if (efd == -9999.0f || efd == 9999.0f) return efd;
    const CombinedEventIndex& index = m.gEventIndex;
    const long count = m.gMergedEventCount;

    // The first layer whose top lies at or below the level in event-free depth.
    const long i = FirstLayer(count, index.gapsAscending, index.lastByGap,
                              [&](long k) { return static_cast<float>(index.gapAbove[k]) >= efd; });
    return values::RoundHalfEven(double(efd) + index.thicknessAboveExact[i], m.precision->gDepthPrecision);
}

void IndexCombinedEvents(DepthModel& m) {
    CombinedEventIndex index;
    const long count = std::max<long>(m.gMergedEventCount, 0);
    index.thicknessAbove.assign(count + 2, 0.0f);
    index.gapAbove.assign(count + 2, 0.0);
    index.thicknessAboveExact.assign(count + 2, 0.0);
    index.bottom.assign(count + 2, 0.0f);
    index.bottomsAscending = index.gapsAscending = true;
    float s = 0;
    double g = 0, t = 0;
    for (long i = 1; i <= count; ++i) {
        // The composite and event-free depths of layer i's top; layer 0 is 0 to 0.
        const double prevTop = i > 1 ? Top(m, i - 1) : 0.0, prevBottom = i > 1 ? Bottom(m, i - 1) : 0.0;
        g = g + Top(m, i) - prevBottom;
        t = t + prevBottom - prevTop;
        index.gapAbove[i] = g;
        index.thicknessAboveExact[i] = t;
        index.thicknessAbove[i] = s;
        index.bottom[i] = Bottom(m, i);
        s = static_cast<float>(double(s) + double(Bottom(m, i)) - double(Top(m, i)));
        if (i > 1 && Bottom(m, i) < Bottom(m, i - 1)) index.bottomsAscending = false;
        if (i > 1 && static_cast<float>(g) < static_cast<float>(index.gapAbove[i - 1])) index.gapsAscending = false;
    }
    index.thicknessAbove[count + 1] = s;
    index.thicknessAboveExact[count + 1] = count >= 1 ? t + Bottom(m, count) - Top(m, count) : 0.0;
    m.gEventIndex = std::move(index);
}

}  // namespace model

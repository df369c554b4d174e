#include "model/trinity_index.h"

#include <algorithm>

#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/item_reader.h"
#include "model/search.h"
#include "values/values.h"

namespace model {

// The walk of TrinityToCD with every position at once. A row is a tie when
// its PSP and composite depth are values and its PSP is not 0; the first row
// counts as a tie when its composite depth is a value. TrinityToCD stops at
// the first tie from the second on whose PSP, as a float, is not above the
// position (the check at rows that are not ties repeats the last tie's, so it
// never stops there), else where the walk ends.
TrinityIndex::Walk TrinityIndex::WalkSection(int16_t boreHole, int16_t section) const {
    Walk walk;
    auto cd = [&](long r) { return StrictNumber(m_.gCorrRow(1, r)); };
    auto pspAt = [&](long r) { return StrictNumber(m_.gCorrTable(0, boreHole, 1, r)); };
    long r = 0;
    try {
        const long start = m_.gSectionTop(boreHole, section);
        if (const double c = cd(start); c != kNoValue) {
            Tie first{0, c, false};
            try {
                first.psp = pspAt(start);
            } catch (const values::RuntimeError&) {
                first.pspFault = true;
            }
            walk.ties.push_back(first);
        }
        for (r = start + 1; r <= m_.gRowCount; ++r) {
            const double p = pspAt(r);
            const double c = cd(r);
            if (p != kNoValue && c != kNoValue && p != 0) walk.ties.push_back({p, c, false});
            if (IsBottomLabel(m_.gCorrTable(0, boreHole, 0, r))) {
                walk.end = End::kBottom;
                break;
            }
        }
    } catch (const values::RuntimeError&) {
        walk.end = End::kFault;
    }
    walk.reach.assign(walk.ties.size(), 0.0f);
    for (size_t i = 1; i < walk.ties.size(); ++i) {
        const float p = static_cast<float>(walk.ties[i].psp);
        walk.reach[i] = i == 1 ? p : std::max(walk.reach[i - 1], p);
    }
    return walk;
}

const TrinityIndex::Walk& TrinityIndex::Section(int16_t boreHole, int16_t section) {
    const int32_t key = static_cast<int32_t>(boreHole) * 65536 + static_cast<uint16_t>(section);
    if (key != lastKey_) {
        auto found = walks_.find(key);
        if (found == walks_.end()) found = walks_.emplace(key, WalkSection(boreHole, section)).first;
        lastKey_ = key;
        last_ = &found->second;
    }
    return *last_;
}

TrinityDepth TrinityIndex::FromTies(const Tie& a, const Tie& b, double x) const {
    if (a.pspFault) return kNoValue;
    const double ca = a.depth, cb = b.depth, pa = a.psp, pb = b.psp;
    // TrinityToCD's division by zero (two ties at one PSP) ends in its trap: 9999.
    auto line = [&] { return pb - pa == 0 ? kNoValue : ca + (x - pa) * (cb - ca) / (pb - pa); };
    if (rule_ == Extrapolation::kProportional) return line();
    if (x > pb) return cb + (x - pb);
    if (x < pa) return ca + (x - pa);
    return line();
}

TrinityDepth TrinityIndex::Depth(int16_t boreHole, int16_t section, float psp) {
    // The checks TrinityToCD makes before its walk.
    if (boreHole == 0 || psp == 9999.0f || psp == -9999.0f || section == 9999 || section == -9999) return kNoValue;
    if (boreHole < 1 || boreHole > 4 || section > m_.gSectionCount[boreHole] || m_.gRowCount < 1) return kNoValue;
    // No section below 1 is ever looked up; its walk would start at the header.
    if (section < 1) return TrinityToCD(m_, boreHole, section, psp, rule_);

    const Walk& walk = Section(boreHole, section);
    const long n = static_cast<long>(walk.ties.size());
    const double x = psp;
    // The first tie from the second on that reaches the position.
    const long k = n < 2 ? n : FirstReached(n - 1, [&](long i) { return walk.reach[i] >= psp; });
    if (n >= 2 && k <= n - 1) return FromTies(walk.ties[k - 1], walk.ties[k], x);

    if (walk.end == End::kFault) return kNoValue;
    if (walk.end == End::kTableEnd || n == 0) return std::nullopt;
    if (n == 1) {
        const Tie& t = walk.ties[0];
        return t.pspFault ? TrinityDepth(kNoValue) : TrinityDepth(t.depth + (x - t.psp));
    }
    return FromTies(walk.ties[n - 2], walk.ties[n - 1], x);
}

}  // namespace model

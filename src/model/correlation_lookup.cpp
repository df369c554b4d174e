#include "model/correlation_lookup.h"

#include <string>

#include "forms/values.h"

namespace model {
namespace {

// The last three characters are `a` or `b` (three characters each); compared
// in place, as every level change asks this of every row.
bool EndsInEither(std::string_view s, const char* a, const char* b) {
    if (s.size() < 3) return false;
    const char* t = s.data() + s.size() - 3;
    return (t[0] == a[0] && t[1] == a[1] && t[2] == a[2]) || (t[0] == b[0] && t[1] == b[1] && t[2] == b[2]);
}

}  // namespace

bool IsTopLabel(std::string_view label) { return EndsInEither(label, "top", "Top"); }

bool IsBottomLabel(std::string_view label) { return EndsInEither(label, "tom", "Bot"); }

int16_t GetSectionNo(const DepthModel& m, int16_t boreHole, std::string_view name) {
    if (boreHole == -9999 || boreHole == 9999 || name == "-9999" || name == "9999") return 9999;
    if (boreHole < 0 || boreHole >= static_cast<int>(m.gSectionCount.size())) return 9999;
    const std::string padded = forms::Right("000" + std::string(name), 3);
    try {
        for (int16_t i = 1;; ++i) {
            const std::string& section = m.gSectionName(boreHole, i);
            if (section == name || forms::Right("000" + section, 3) == padded) return i;
            if (i >= m.gSectionCount[boreHole]) return 9999;
        }
    } catch (const forms::RuntimeError&) {
        return 9999;
    }
}

int16_t CountTops(const DepthModel& m, int16_t boreHole, long lastRow) {
    int16_t count = 0;
    for (long r = 0; r <= lastRow; ++r)
        if (IsTopLabel(m.gCorrTable(0, boreHole, 0, r))) count = forms::AddInt16(count, 1);
    return count;
}

SectionEnds GetSectionEnds(const DepthModel& m, int16_t boreHole, int16_t section) {
    SectionEnds ends{m.gCorrTable(0, boreHole, 1, m.gSectionTop(boreHole, section)), std::nullopt};
    // Only row 0, the header, closes no section.
    if (const long bottom = m.gSectionBottom(boreHole, section); bottom > 0)
        ends.bottom = m.gCorrTable(0, boreHole, 1, bottom);
    return ends;
}

int16_t BHNo(const DepthModel& m, std::string_view name) {
    for (int16_t k = 1; k <= 4; ++k)
        if (m.gBoreHoleName[k] == name) return k;
    return -9999;
}

int16_t GetBH(const DepthModel& m, std::string_view name) {
    int16_t found = 9999;
    for (int16_t k = 1; k <= 4; ++k)
        if (m.gBoreHoleName[k] == name) found = k;
    return found;
}

int16_t AlphaNum(const DepthModel& m, std::string_view name) {
    int16_t k = BHNo(m, name);
    return k == -9999 ? 1 : k;
}

}  // namespace model

#include "model/correlation_lookup.h"

#include <algorithm>
#include <array>
#include <string>

#include "values/shown_text.h"
#include "values/values.h"

namespace model {
namespace {

// The last three characters are `a` or `b` (three characters each); compared
// in place, as every level change asks this of every row.
bool EndsInEither(std::string_view s, const char* a, const char* b) {
    if (s.size() < 3) return false;
    const char* t = s.data() + s.size() - 3;
    return (t[0] == a[0] && t[1] == a[1] && t[2] == a[2]) || (t[0] == b[0] && t[1] == b[1] && t[2] == b[2]);
}

// Right("000" & name, 3) without making the text: the name's last three
// characters, with zeros before a shorter name. A long event list asks for
// a section twice a layer.
std::array<char, 3> LastThreeDigits(std::string_view name) {
    std::array<char, 3> last{'0', '0', '0'};
    const size_t n = std::min<size_t>(name.size(), 3);
    std::copy(name.end() - static_cast<std::ptrdiff_t>(n), name.end(), last.end() - static_cast<std::ptrdiff_t>(n));
    return last;
}

}  // namespace

bool IsTopLabel(std::string_view label) { return EndsInEither(label, "top", "Top"); }

bool IsBottomLabel(std::string_view label) { return EndsInEither(label, "tom", "Bot"); }

int16_t GetSectionNo(const DepthModel& m, int16_t boreHole, std::string_view name) {
    if (boreHole == -9999 || boreHole == 9999 || name == "-9999" || name == "9999") return 9999;
    if (boreHole < 0 || boreHole >= static_cast<int>(m.gSectionCount.size())) return 9999;
    const std::array<char, 3> padded = LastThreeDigits(name);
    try {
        for (int16_t i = 1;; ++i) {
            const std::string& section = m.gSectionName(boreHole, i);
            if (values::SameShownText(section, name) || LastThreeDigits(section) == padded) return i;
            if (i >= m.gSectionCount[boreHole]) return 9999;
        }
    } catch (const values::RuntimeError&) {
        return 9999;
    }
}

int16_t CountTops(const DepthModel& m, int16_t boreHole, long lastRow) {
    TopCount count;
    return CountTops(m, boreHole, lastRow, count);
}

int16_t CountTops(const DepthModel& m, int16_t boreHole, long lastRow, TopCount& count) {
    for (; count.nextRow <= lastRow; ++count.nextRow)
        if (IsTopLabel(m.gCorrTable(0, boreHole, 0, count.nextRow))) count.tops = values::AddInt16(count.tops, 1);
    return count.tops;
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
        if (values::SameShownText(m.gBoreHoleName[k], name)) return k;
    return -9999;
}

int16_t GetBH(const DepthModel& m, std::string_view name) {
    int16_t found = 9999;
    for (int16_t k = 1; k <= 4; ++k)
        if (values::SameShownText(m.gBoreHoleName[k], name)) found = k;
    return found;
}

int16_t AlphaNum(const DepthModel& m, std::string_view name) {
    int16_t k = BHNo(m, name);
    return k == -9999 ? 1 : k;
}

}  // namespace model

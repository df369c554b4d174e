#include "model/extrapolation.h"

#include <string>

#include "model/age_model_import.h"
#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/item_reader.h"
#include "values/shown_text.h"
#include "values/values.h"

namespace model {
namespace {

void RecomputeLevels(DepthModel& m) {
    for (int16_t k = 1; k <= 4; ++k) {
        int16_t section = 0;
        for (long r = 1; r <= m.gRowCount; ++r) {
            const DepthModel& read = m;
            if (IsTopLabel(read.gCorrTable(0, k, 0, r))) section = values::AddInt16(section, 1);
            const std::string& psp = read.gCorrTable(0, k, 1, r);
            const double position = FastVal(psp);
            if (position == kNoValue) {
                m.gCorrTable(1, k, 2, r) = "9999";
                continue;
            }
            const TrinityDepth cd = TrinityToCD(m, k, section, values::CSng(position));
            m.gCorrTable(1, k, 2, r) = cd ? values::DoubleText(*cd) : "9999";
            m.gCorrTable(1, k, 1, r) = psp;
        }
    }
}

// The bore hole of an age point: "A" or "a" or the first bore hole's name is
// 1, and so on (the last match counts), then the Duo names as 5 to 8; 0 when
// no model names it.
int AgePointBoreHole(const DepthModel& m, const std::string& name, const DuoModelLink* duo) {
    static constexpr const char* kLetters[] = {"", "A", "B", "C", "D"};
    static constexpr const char* kLower[] = {"", "a", "b", "c", "d"};
    int b = 0;
    for (int k = 1; k <= 4; ++k)
        if (name == kLetters[k] || name == kLower[k] || values::SameShownText(name, m.gBoreHoleName[k])) b = k;
    if (b == 0 && duo)
        for (int k = 1; k <= 4; ++k)
            if (values::SameShownText(name, duo->BoreHoleName(k))) b = k + 4;
    return b;
}

void RecomputeAgePoints(DepthModel& m, Table2<std::string>& table, long rows, bool sectionAsNumber,
                        const DuoModelLink* duo) {
    const Table2<std::string>& read = table;
    for (long j = 1; j <= rows; ++j) {
        const std::string& name = read(2, j);
        const int b = AgePointBoreHole(m, name, duo);
        if (b != 0 && name != "---" && read(3, j) != "---" && read(4, j) != "---") {
            const std::string section = sectionAsNumber ? values::DoubleText(FastVal(read(3, j))) : read(3, j);
            if (auto depth = AgePointDepth(m, b, section, read(4, j), duo)) table(5, j) = values::SingleText(*depth);
        }
        table(11, j) = values::DoubleText(CDToEFD(m, values::CSng(FastVal(read(5, j)))));
    }
}

}  // namespace

void RecomputeDerivedDepths(DepthModel& m, const DuoModelLink* duo) {
    RecomputeLevels(m);
    RecomputeAgePoints(m, m.gAgeModel, m.gAgeModelRows, false, duo);
    m.gAgeIndex.valid = false;
    RecomputeAgePoints(m, m.gAgeModelAux, m.gAgeModelAuxRows, true, duo);
}

}  // namespace model

#include "model/proxy_sides.h"

#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "values/shown_text.h"

namespace model {

std::string MainProxySide::BoreHoleName(int k) const { return m_.gBoreHoleName.at(static_cast<size_t>(k)); }

std::array<int16_t, 2> MainProxySide::Locate(std::string_view boreHole, std::string_view section) const {
    const int16_t b = BHNo(m_, boreHole);
    return {b, GetSectionNo(m_, b, section)};
}

TrinityDepth MainProxySide::TrinityToCD(int16_t boreHole, int16_t section, float psp) const {
    return model::TrinityToCD(m_, boreHole, section, psp);
}

std::string DuoProxySide::BoreHoleName(int k) const { return duo_.BoreHoleName(k); }

std::array<int16_t, 2> DuoProxySide::Locate(std::string_view boreHole, std::string_view section) const {
    int16_t b = -9999;  // BHNo2: the first Duo bore hole of that name
    for (int16_t k = 4; k >= 1; --k)
        if (values::SameShownText(boreHole, duo_.BoreHoleName(k))) b = k;
    return {b, duo_.GetSectionNo2(b, section)};
}

TrinityDepth DuoProxySide::TrinityToCD(int16_t boreHole, int16_t section, float psp) const {
    return duo_.TrinityToCD2(boreHole, section, psp);
}

}  // namespace model

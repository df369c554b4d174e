#pragma once
// What the main depth model reads of the Duo window's model: its bore-hole
// names (bore holes 5 to 8 of the main age-depth import and of the conversion
// reader), its position look-ups and its bottoms fitted to the main composite
// depth. The Duo window implements it; a null link means that no Duo model is
// loaded and no Duo names exist.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace model {

class TrinityIndex;

// A composite depth found from a drilling position: a number (9999 = no
// value), or no value at all when the position's section has no usable tie.
using TrinityDepth = std::optional<double>;

// The PSP cells of a section's first and last tie rows, as the correlation
// table holds them; no last one when the section has no closing row.
struct SectionEnds {
    std::string top;
    std::optional<std::string> bottom;
};

class DuoModelLink {
public:
    virtual ~DuoModelLink() = default;

    virtual bool ModelLoaded() const = 0;                       // gDuoModelLoaded
    virtual std::string BoreHoleName(int k) const = 0;          // gBoreHoleName2(k), k = 1 to 4
    virtual std::string BoreHoleLongName(int k) const = 0;      // gBoreHoleLongName2(k), k = 1 to 4
    virtual int16_t GetSectionNo2(int16_t boreHole, std::string_view name) const = 0;
    // gCorrTable2(0, k, 1, r) at r = gSectionTop2(k, s) and gSectionBottom2(k, s).
    virtual SectionEnds SectionEnds2(int16_t boreHole, int16_t section) const = 0;
    virtual TrinityDepth TrinityToCD2(int16_t boreHole, int16_t section, float psp) const = 0;
    virtual float DuoToMainCD(float duoDepth) const = 0;
    // For a reader that places many positions at once: TrinityToCD2's walk
    // made once per section (trinity_index.h); none where the link has none.
    virtual std::shared_ptr<TrinityIndex> PositionIndex2() const { return nullptr; }
};

}  // namespace model

#pragma once
// TrinityToCD for many positions: the walk down the correlation model that
// TrinityToCD makes for every call is made once per section, and a position
// then finds its two ties by binary search. Every result equals TrinityToCD's
// for the same model and extrapolation rule (the model's own unless given),
// bit for bit; the model must not change while the index is used.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/depth_model.h"
#include "model/duo_link.h"

namespace model {

class TrinityIndex {
public:
    explicit TrinityIndex(const DepthModel& m) : TrinityIndex(m, m.gExtrapolation) {}
    TrinityIndex(const DepthModel& m, Extrapolation rule) : m_(m), rule_(rule) {}

    TrinityDepth Depth(int16_t boreHole, int16_t section, float psp);

private:
    struct Tie {
        double psp, depth;
        bool pspFault;  // the section's first row, whose PSP cell is not a number
    };
    // How the walk from a section's first row ends when no pair of ties
    // brackets the position: at the section's closing row, at a cell that is
    // not a number, or at the end of the table.
    enum class End { kBottom, kFault, kTableEnd };
    struct Walk {
        std::vector<Tie> ties;
        std::vector<float> reach;  // [i]: the deepest float PSP of ties 1 .. i (index 0 unused)
        End end = End::kTableEnd;
    };

    Walk WalkSection(int16_t boreHole, int16_t section) const;
    const Walk& Section(int16_t boreHole, int16_t section);
    TrinityDepth FromTies(const Tie& a, const Tie& b, double x) const;

    const DepthModel& m_;
    const Extrapolation rule_;
    std::unordered_map<int32_t, Walk> walks_;
    int32_t lastKey_ = -1;
    const Walk* last_ = nullptr;
};

}  // namespace model

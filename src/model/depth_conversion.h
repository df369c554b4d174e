#pragma once
// Conversions between drilling position, composite depth and event-free depth.
#include <cstdint>

#include "model/depth_model.h"
#include "model/duo_link.h"

namespace model {

// Composite depth (cm, not rounded) of a drilling position: bore hole 1 to 4,
// section number, PSP (cm). Interpolated between the two tie rows of the
// section around the position and extrapolated beyond them by `rule`
// (proportionally: the line through the two ties; one to one: the constant
// offset from the nearer tie). 9999 for a no-value or unknown input, an empty
// model or any fault (a cell that is not a number, equal tie PSPs); no value
// at all when the section holds no tie or its walk finds no end. A single
// tie places the position one to one whatever the rule.
TrinityDepth TrinityToCD(const DepthModel& m, int16_t boreHole, int16_t section, float psp, Extrapolation rule);

// The same by the model's own extrapolation setting (the main window's Option4).
inline TrinityDepth TrinityToCD(const DepthModel& m, int16_t boreHole, int16_t section, float psp) {
    return TrinityToCD(m, boreHole, section, psp, m.gExtrapolation);
}

// Event-free depth of a composite depth, rounded to gDepthPrecision: the
// composite depth minus the thickness of the combined event layers above it;
// a level inside a layer (its bottom included) gets the layer's top. 9999 is
// not passed through: it loses the thickness of every layer. Run-time error 9
// while no event list is loaded.
double CDToEFD(const DepthModel& m, float cd);
// The same, its search starting where `searchFrom` says and leaving there
// where it ended, for conversions side by side; the result is the same
// wherever it starts.
double CDToEFD(const DepthModel& m, float cd, long& searchFrom);

// Composite depth of an event-free depth, rounded to gDepthPrecision; 9999 and
// -9999 come back unchanged and unrounded. Run-time error 9 while no event
// list is loaded.
double EFDToCD(const DepthModel& m, float efd);

// Rebuilds gEventIndex from the combined layers; CombineAndSortEvents calls it.
void IndexCombinedEvents(DepthModel& m);

}  // namespace model

#pragma once
// The Duo window's conversions over its own model, whose plane 1 is its own
// composite depth: the main window's conversions with the Duo's differences.
// GetSectionNo2, CountTops2, BHNo2 and GetBH2 are GetSectionNo, CountTops,
// BHNo and GetBH over the Duo model.
//
// No value is returned as an empty optional where the Duo window's
// procedures give the empty value; a caller reading it as a number takes 0.
#include <cstdint>
#include <optional>

#include "model/depth_model.h"

namespace model {

// The Duo's own composite depth of a drilling position, by `rule` (the Duo
// model's gExtrapolation, one to one in either drawing mode). 9999 wherever
// no depth can be found, a section without a usable tie included: never a
// value that reads as depth 0.
double TrinityToCD2(const DepthModel& duo, int16_t boreHole, int16_t section, float psp, Extrapolation rule);

// CDToEFD over the Duo model; no value while its event list is not loaded or
// where a run-time error stops the conversion.
std::optional<double> CDToEFD2(const DepthModel& duo, float cd);

// EFDToCD over the Duo model (its errors go to the caller).
double EFDToCD2(const DepthModel& duo, float efd);

// The age conversions of the Duo model (the Side::kDuo rules of
// age_conversion.h): no age while the Duo event list is not loaded.
std::optional<double> EFDToAge2(DepthModel& duo, float efd);
std::optional<double> CDToAge2(DepthModel& duo, float cd);
std::optional<double> AgeToEFD2(DepthModel& duo, float age);

}  // namespace model

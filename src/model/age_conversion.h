#pragma once
// Conversions between depth and age through the age-depth model, and through
// the varve counts inside the varve-counted interval when they are loaded.
//
// Each call leaves the errors of its result in gAgeErrPlus and gAgeErrMinus;
// CDToAge and EFDToAge leave the two control points used in gAgeRowLo and
// gAgeRowHi; every call leaves its interpolation caption in gAgeCaption
// ("(interpolated by EFD)", "(interpolated by varve count)", or "" when it
// chose none). Nothing is rounded. Linear interpolation between the two
// control points around the level, extrapolation from the first or last two
// beyond them. An age model of fewer than two points is run-time error 9, two
// points at one depth (or age) on the way error 11.
#include "model/depth_model.h"

namespace model {

// Age of a composite depth; 9999 and -9999 come back unchanged, with both
// errors set to them.
double CDToAge(DepthModel& m, float cd);

// Age of an event-free depth; 9999 and -9999 as in CDToAge.
double EFDToAge(DepthModel& m, float efd);

// Event-free depth of an age (no no-value rule: 9999 is extrapolated).
double AgeToEFD(DepthModel& m, float age);

}  // namespace model

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
#include <optional>
#include <string>
#include <utility>

#include "model/depth_model.h"

namespace model {

// What the age conversions leave for the age read-out (the errors, the two
// control points and the caption), put back when it goes out of scope: for
// conversions whose results the read-out does not show.
class AgeReadoutKept {
public:
    explicit AgeReadoutKept(DepthModel& m)
        : m_(m), plus_(m.gAgeErrPlus), minus_(m.gAgeErrMinus), lo_(m.gAgeRowLo), hi_(m.gAgeRowHi),
          caption_(m.gAgeCaption) {}
    ~AgeReadoutKept() {
        m_.gAgeErrPlus = plus_;
        m_.gAgeErrMinus = minus_;
        m_.gAgeRowLo = lo_;
        m_.gAgeRowHi = hi_;
        m_.gAgeCaption = std::move(caption_);
    }
    AgeReadoutKept(const AgeReadoutKept&) = delete;
    AgeReadoutKept& operator=(const AgeReadoutKept&) = delete;

private:
    DepthModel& m_;
    float plus_, minus_;
    int16_t lo_, hi_;
    std::string caption_;
};

// Age of a composite depth; 9999 and -9999 come back unchanged, with both
// errors set to them.
double CDToAge(DepthModel& m, float cd);

// Age of an event-free depth; 9999 and -9999 as in CDToAge.
double EFDToAge(DepthModel& m, float efd);

// Event-free depth of an age (no no-value rule: 9999 is extrapolated).
double AgeToEFD(DepthModel& m, float age);

// The same three by the rules of `side`. The Duo window's (Side::kDuo) differ
// in three points: an age through event-free depth has no value while the
// model's event list is not loaded or where a run-time error stops that
// route (its event-free depth then has none either, and reads as 0 on the
// way); and AgeToEFD on the line between two control points leaves the errors
// and the caption as the last conversion left them. Side::kMain always gives
// a value.
std::optional<double> CDToAge(DepthModel& m, float cd, Side side);
std::optional<double> EFDToAge(DepthModel& m, float efd, Side side);
std::optional<double> AgeToEFD(DepthModel& m, float age, Side side);

}  // namespace model

#pragma once
// Numbers written into data files: the shortest text that reads back as the
// same value, in fixed notation with a zero before the point of a fraction
// ("0.5", "1234.5", "-12"), and "0" for either zero. A double is written to
// double precision, a float to single. A value that is not finite is
// run-time error 6, as the old platform never held one.
#include <cstddef>

namespace model {

// Room enough for any number's text: a fixed double has at most 309 digits.
inline constexpr size_t kNumberTextRoom = 400;

// Writes the text at `out`, which has kNumberTextRoom bytes of room, and
// returns its end.
char* WriteNumber(char* out, double value);
char* WriteNumber(char* out, float value);

}  // namespace model

#pragma once
// What a scenario prints of the program: drawings in the `drawing` format
// and windows in the `dump` format (scenarios/README.md).
#include <iosfwd>
#include <string>

#include "forms/surface.h"

namespace forms {
class Form;
}

namespace scenario {

// A number with up to six significant digits.
std::string Num(double v);
void WriteSnapshot(std::ostream& out, const forms::Snapshot& snapshot);
void WriteDump(std::ostream& out, const forms::Form& form);

}  // namespace scenario

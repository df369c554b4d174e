#pragma once
// Tests on an event layer's type text, used by the drawings.
#include <string>
#include <string_view>

namespace model {

// The text holds "tephra" or "Tephra" (not the word in capitals).
bool IsTephra(std::string_view type);
// The text holds "void" or "Void".
bool IsVoid(std::string_view type);

// The tephra's name cut out of its type text ("Tephra AT", "(Tephra) AT",
// "AT tephra" and "AT (tephra)" all give "AT"), trimmed; empty when the word
// is not at one of those places. A text whose cut cannot be made (six
// characters or fewer, or seven with the word after the first) comes back as
// given.
std::string GetTephraName(std::string_view type);

}  // namespace model

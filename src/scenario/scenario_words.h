#pragma once
// The words of the scenario language that name things of the platform:
// control addresses with an index, message-box buttons and keys.
#include <string>

namespace scenario {

// "Name(3)" -> name and index; index -1 without brackets.
void SplitIndex(const std::string& s, std::string& name, int& index);
// A message box's button by its caption ("OK", "Yes"...); -1 when unknown.
int ButtonCode(const std::string& b);
// A key by its name ("Enter", "Backspace"...), after "Shift+" and "Ctrl+"
// (also before a letter: "Ctrl+X"), which give shift; -1 when unknown.
int KeyCodeByName(std::string k, int& shift);
// Whether a key's name is one character that the key types (in UTF-8).
bool IsOneCharacter(const std::string& k);

}  // namespace scenario

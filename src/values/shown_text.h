#pragma once
// Texts as a person sees them. The program keeps a file's bytes as it read
// them; files of the old platform, and those spreadsheet programs of its
// time saved, hold its Windows code page (1252), a byte a character, where
// newer files hold UTF-8.
#include <string>
#include <string_view>

namespace values {

// Whether a text is well-formed UTF-8. A text that is not is taken for one
// of code page 1252.
bool IsUtf8(std::string_view s);

// Code page 1252 bytes as UTF-8.
std::string Utf8FromWindows1252(std::string_view s);

// The text as it shows, in UTF-8: UTF-8 as it is, any other text read as
// code page 1252.
std::string ShownUtf8(std::string_view s);

// How many characters the text shows.
long ShownCharacters(std::string_view s);

// Whether two texts show alike, each in the encoding it is taken for: a name
// typed, or read from a UTF-8 file, is the same name in a file of the old
// code page.
bool SameShownText(std::string_view a, std::string_view b);

}  // namespace values

#pragma once
// Texts taken from file names and labels: the version label of a loaded file,
// the file title shown in the window caption, and the middle field of a
// section's top label. Folders may be separated by "\" or "/".
#include <string>
#include <string_view>

namespace model {

// The version label of a file: "09 Feb. 2024" from an eight-digit yyyymmdd run
// (the eight digits themselves when the month is not 01 to 12), else from a
// day, month name and year; looked for in the file's own name first and only
// then in the whole path; else the file title, else the whole path.
std::string GetFileDate(std::string_view path);

// The file name without its folder and its last four characters (".csv").
// A name shorter than that is run-time error 5.
std::string GetFileTitle(std::string_view path);

// The field between the first and the next "-" or blank ("A-01-top" gives
// "01"); see the definition for labels with fewer separators.
std::string GetMiddleField(std::string_view text);

}  // namespace model

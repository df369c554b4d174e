#pragma once
// Numbers read straight from the text of a data file: the short plain
// decimals that fill most cells, converted without a detour through the
// platform's readers but to the very same double.
//
// A short decimal is an optional minus, digits, an optional point and digits,
// no exponent. When its digits make a whole number of at most 2^53, the
// digits and the power of ten are both exact doubles, so one division gives
// the correctly rounded value, as every full reader would.
#include <string_view>

namespace model {

// The leading numeric part of a text, 0 when there is none: values::Val, with a
// fast path for items that are plain numbers.
double FastVal(std::string_view text);

// A number cell of a data file: its leading numeric part as values::Val reads
// it, 0 for an empty cell; a text with no number in it at all (a word, a
// bore-hole letter) is run-time error 13, so that a file whose fields do not
// stand where its layout puts them is not taken for numbers.
double CellNumber(std::string_view text);

// A text that must be wholly a number: values::CDbl (error 13 otherwise), with
// the same fast path.
double StrictNumber(std::string_view text);

namespace plain {

inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                          1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The short decimal that fills [p, end), character by character; false when
// the text is not one (or has more than nineteen digits).
bool ParseShortDecimal(const char* p, const char* end, double& out);

}  // namespace plain
}  // namespace model

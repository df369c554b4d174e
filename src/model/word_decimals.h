#pragma once
// Short decimals of up to eight characters converted eight characters to a
// 64-bit word, two words at a time with SSE2: the item reader's conversion of
// the numbers of a record.
//
// Each word holds the characters of one item at its top, the last character
// in the highest byte, and zeros below them (an item holds no NUL). The value
// is the one plain::ParseShortDecimal gives for the same characters.
#include <cstddef>
#include <cstdint>

#include "model/plain_numbers.h"

namespace model::plain {

// The word of an item of `length` characters (1 to 8) starting at p; the
// eight bytes from p must be readable.
inline uint64_t AlignedWord(const char* p, size_t length) { return Word(p) << (64 - 8 * length); }

// Converts words[0..count) into out[0..n) and returns n: the number of words,
// from the first, that are short decimals.
size_t ConvertWords(const uint64_t* words, size_t count, double* out);

// The same one word at a time in 64-bit arithmetic: the path of processors
// without SSE2, and the yardstick of the SSE2 path in the tests.
size_t ConvertWordsPortable(const uint64_t* words, size_t count, double* out);

}  // namespace model::plain

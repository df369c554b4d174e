#pragma once
// Short decimals of up to eight characters converted eight characters to a
// 64-bit word, two words at a time with SSE2: the item reader's conversion of
// the numbers of a record. Processors without SSE2 take one word at a time.
//
// Each word holds the characters of one item at its top, the last character
// in the highest byte, and zeros below them (an item holds no NUL). The value
// is the one plain::ParseShortDecimal gives for the same characters.
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/plain_numbers.h"

namespace model::plain {

// Eight bytes from p as one word, the first byte lowest.
inline uint64_t Word(const char* p) {
    static_assert(std::endian::native == std::endian::little);
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

constexpr uint64_t Bytes(unsigned char c) { return 0x0101010101010101ULL * c; }

// The bytes below byte n (n < 8).
constexpr uint64_t Below(unsigned n) { return (uint64_t{1} << (8 * n)) - 1; }

// The word of an item of `length` characters (1 to 8) starting at p: the
// eight bytes that end with the item, those before it masked off (so they
// must be readable).
inline uint64_t AlignedWord(const char* p, size_t length) {
    static constexpr uint64_t kItemBytes[9] = {0,
                                               0xFF00000000000000ULL,
                                               0xFFFF000000000000ULL,
                                               0xFFFFFF0000000000ULL,
                                               0xFFFFFFFF00000000ULL,
                                               0xFFFFFFFFFF000000ULL,
                                               0xFFFFFFFFFFFF0000ULL,
                                               0xFFFFFFFFFFFFFF00ULL,
                                               0xFFFFFFFFFFFFFFFFULL};
    return Word(p + length - 8) & kItemBytes[length];
}

// A high bit in every byte of v that is zero, exact for every byte.
constexpr uint64_t ZeroBytesExact(uint64_t v) { return ~(((v & Bytes(0x7F)) + Bytes(0x7F)) | v | Bytes(0x7F)); }

// One word in 64-bit arithmetic, as the reader converts a number asked for
// on its own; false when it is no short decimal.
inline bool ConvertWord(uint64_t w, double& out) {
    if (w == 0) return false;
    // A minus as the first character, the lowest byte that is not zero.
    const unsigned first = static_cast<unsigned>(std::countr_zero(w)) / 8;
    const uint64_t minus = ((w >> (8 * first)) & 0xFF) == '-' ? uint64_t{0xFF} << (8 * first) : 0;
    w &= ~minus;
    // At most one point; the characters below it move up into its place.
    const uint64_t points = ZeroBytesExact(w ^ Bytes('.'));
    if ((points & (points - 1)) != 0) return false;
    unsigned decimals = 0;
    if (points != 0) {
        const unsigned point = static_cast<unsigned>(std::countr_zero(points)) / 8;
        decimals = 7 - point;
        const uint64_t below = w & Below(point);
        w = ((w ^ below) & ~(uint64_t{0xFF} << (8 * point))) | below << 8;
    }
    // The zeros below the digits read as '0'; the last character must be a digit.
    w |= ((ZeroBytesExact(w) & ~(uint64_t{0x80} << 56)) >> 7) * '0';
    if (((w & Bytes(0xF0)) | (((w + Bytes(0x06)) & Bytes(0xF0)) >> 4)) != Bytes(0x33)) return false;
    w = ((w & Bytes(0x0F)) * 2561) >> 8;
    w = ((w & 0x00FF00FF00FF00FFULL) * 6553601) >> 16;
    w = ((w & 0x0000FFFF0000FFFFULL) * 42949672960001ULL) >> 32;
    const double value = static_cast<double>(w) / kPowersOfTen[decimals];
    out = std::bit_cast<double>(std::bit_cast<uint64_t>(value) | uint64_t{minus != 0} << 63);
    return true;
}

#if defined(__SSE2__)

// What a word's value is divided by, by the mask of its point byte (one bit a
// byte, as a byte compare gives it): ten to the number of bytes above the point.
inline constexpr auto kDivisorOfPoint = [] {
    std::array<double, 256> divisor{};
    for (unsigned mask = 0; mask < 256; ++mask)
        divisor[mask] = mask == 0 ? 1.0 : kPowersOfTen[std::countl_zero(static_cast<uint8_t>(mask))];
    return divisor;
}();

// Two words converted in one register, and which of their bytes were digits
// (one bit a byte, the first word's lowest).
struct Pair {
    __m128d value;
    int isDigit;
};

// The same steps as ConvertWord, done on sixteen bytes with byte compares and
// masks instead of a bit scan, and the digits summed with 16-bit multiplies.
[[gnu::always_inline]] inline Pair ConvertPair(__m128i x) {
    const __m128i zero = _mm_setzero_si128(), nine = _mm_set1_epi8(9);
    const __m128i minusChar = _mm_set1_epi8('-'), pointChar = _mm_set1_epi8('.'), zeroChar = _mm_set1_epi8('0');
    const __m128i lowestByte = _mm_set1_epi64x(0xFF);
    const __m128i highestByte = _mm_set1_epi64x(static_cast<long long>(0xFF00000000000000ULL));
    const __m128i tens = _mm_set1_epi16(0x0A01);               // 10 x first digit + second, in the high byte
    const __m128i hundreds = _mm_set1_epi32((1 << 16) | 100);  // 100 x first pair + second
    const __m128i tenThousands = _mm_set1_epi32((1 << 16) | 10000);
    // A minus just above the zeros, or in the lowest byte.
    const __m128i first = _mm_or_si128(_mm_slli_epi64(_mm_cmpeq_epi8(x, zero), 8), lowestByte);
    const __m128i minus = _mm_and_si128(_mm_cmpeq_epi8(x, minusChar), first);
    x = _mm_andnot_si128(minus, x);
    // The bytes at or below the highest point; one more point marks the word as no number.
    const __m128i point = _mm_cmpeq_epi8(x, pointChar);
    __m128i upToPoint = _mm_or_si128(point, _mm_srli_epi64(point, 8));
    upToPoint = _mm_or_si128(upToPoint, _mm_srli_epi64(upToPoint, 16));
    upToPoint = _mm_or_si128(upToPoint, _mm_srli_epi64(upToPoint, 32));
    const __m128i below = _mm_andnot_si128(point, _mm_and_si128(upToPoint, x));
    const __m128i secondPoint = _mm_and_si128(point, _mm_srli_epi64(upToPoint, 8));
    x = _mm_or_si128(_mm_or_si128(_mm_andnot_si128(upToPoint, x), _mm_slli_epi64(below, 8)), secondPoint);
    // Zeros below the digits read as '0'; then every byte must be a digit.
    x = _mm_or_si128(x, _mm_and_si128(_mm_andnot_si128(highestByte, _mm_cmpeq_epi8(x, zero)), zeroChar));
    const __m128i digits = _mm_sub_epi8(x, zeroChar);
    const int isDigit = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(digits, nine), nine));

    __m128i v = _mm_srli_epi16(_mm_mullo_epi16(digits, tens), 8);
    v = _mm_madd_epi16(v, hundreds);
    v = _mm_madd_epi16(_mm_packs_epi32(v, v), tenThousands);
    const unsigned points = static_cast<unsigned>(_mm_movemask_epi8(point));
    const __m128d value =
        _mm_div_pd(_mm_cvtepi32_pd(v), _mm_set_pd(kDivisorOfPoint[points >> 8], kDivisorOfPoint[points & 0xFF]));
    // The sign bit from the minus byte (0 or 255 summed over the word).
    const __m128i sign = _mm_slli_epi64(_mm_srli_epi64(_mm_sad_epu8(minus, zero), 7), 63);
    return {_mm_or_pd(value, _mm_castsi128_pd(sign)), isDigit};
}

#endif

// Two words as two numbers, into out[0] and out[1]; returns how many of them,
// from the first, are short decimals (0, 1 or 2). One at a time: processors
// without SSE2, and the yardstick of the SSE2 path in the tests.
inline size_t ConvertTwoPortable(uint64_t first, uint64_t second, double* out) {
    if (!ConvertWord(first, out[0])) return 0;
    return ConvertWord(second, out[1]) ? 2 : 1;
}

#if defined(__SSE2__)

// The same, both in one register.
[[gnu::always_inline]] inline size_t ConvertTwo(uint64_t first, uint64_t second, double* out) {
    const Pair pair = ConvertPair(_mm_set_epi64x(static_cast<long long>(second), static_cast<long long>(first)));
    if (pair.isDigit == 0xFFFF) [[likely]] {
        _mm_storeu_pd(out, pair.value);
        return 2;
    }
    if ((pair.isDigit & 0xFF) != 0xFF) return 0;
    _mm_storel_pd(out, pair.value);
    return 1;
}

#else

inline size_t ConvertTwo(uint64_t first, uint64_t second, double* out) { return ConvertTwoPortable(first, second, out); }

#endif

}  // namespace model::plain

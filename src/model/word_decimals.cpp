#include "model/word_decimals.h"

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace model::plain {
namespace {

// What a word's value is divided by, by the mask of its point byte (one bit a
// byte, as a byte compare gives it): ten to the number of bytes above the point.
constexpr auto kDivisorOfPoint = [] {
    std::array<double, 256> divisor{};
    for (unsigned mask = 0; mask < 256; ++mask)
        divisor[mask] = mask == 0 ? 1.0 : kPowersOfTen[static_cast<unsigned>(std::countl_zero(static_cast<uint8_t>(mask)))];
    return divisor;
}();

// A word that is a short decimal ("0"), to fill the second half of a pair.
constexpr uint64_t kZeroWord = uint64_t{'0'} << 56;

// A high bit in every byte of v that is zero, exact for every byte.
constexpr uint64_t ZeroBytesExact(uint64_t v) { return ~(((v & Bytes(0x7F)) + Bytes(0x7F)) | v | Bytes(0x7F)); }

bool ConvertWord(uint64_t w, double& out) {
    if (w == 0) return false;
    // A minus as the first character, the lowest byte that is not zero.
    const unsigned first = static_cast<unsigned>(std::countr_zero(w)) / 8;
    const uint64_t minus = ((w >> (8 * first)) & 0xFF) == '-' ? uint64_t{0xFF} << (8 * first) : 0;
    w &= ~minus;
    // At most one point; the characters below it move up into its place.
    const uint64_t points = ZeroBytesExact(w ^ Bytes('.'));
    if ((points & (points - 1)) != 0) return false;
    const double divisor = kDivisorOfPoint[(points >> 7) * 0x0102040810204080ULL >> 56];
    if (points != 0) {
        const unsigned point = static_cast<unsigned>(std::countr_zero(points)) / 8;
        const uint64_t below = w & Below(point);
        w = ((w ^ below) & ~(uint64_t{0xFF} << (8 * point))) | below << 8;
    }
    // The zeros below the digits read as '0'; the last character must be a digit.
    w |= ((ZeroBytesExact(w) & ~(uint64_t{0x80} << 56)) >> 7) * '0';
    if (((w & Bytes(0xF0)) | (((w + Bytes(0x06)) & Bytes(0xF0)) >> 4)) != Bytes(0x33)) return false;
    w = ((w & Bytes(0x0F)) * 2561) >> 8;
    w = ((w & 0x00FF00FF00FF00FFULL) * 6553601) >> 16;
    w = ((w & 0x0000FFFF0000FFFFULL) * 42949672960001ULL) >> 32;
    const double value = static_cast<double>(w) / divisor;
    out = std::bit_cast<double>(std::bit_cast<uint64_t>(value) | uint64_t{minus != 0} << 63);
    return true;
}

}  // namespace

size_t ConvertWordsPortable(const uint64_t* words, size_t count, double* out) {
    for (size_t i = 0; i < count; ++i)
        if (!ConvertWord(words[i], out[i])) return i;
    return count;
}

#if defined(__SSE2__)

// Two words a register: the same steps as ConvertWord, done on sixteen bytes
// with byte compares and masks instead of a bit scan, and the digits summed
// with 16-bit multiplies.
size_t ConvertWords(const uint64_t* words, size_t count, double* out) {
    const __m128i zero = _mm_setzero_si128(), nine = _mm_set1_epi8(9);
    const __m128i minusChar = _mm_set1_epi8('-'), pointChar = _mm_set1_epi8('.'), zeroChar = _mm_set1_epi8('0');
    const __m128i lowestByte = _mm_set1_epi64x(0xFF);
    const __m128i highestByte = _mm_set1_epi64x(static_cast<long long>(0xFF00000000000000ULL));
    const __m128i tens = _mm_set1_epi16(0x0A01);                  // 10 x first digit + second, in the high byte
    const __m128i hundreds = _mm_set1_epi32((1 << 16) | 100);     // 100 x first pair + second
    const __m128i tenThousands = _mm_set1_epi32((1 << 16) | 10000);
    for (size_t i = 0; i < count; i += 2) {
        const bool pair = i + 1 < count;
        __m128i x = pair ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + i))
                         : _mm_set_epi64x(static_cast<long long>(kZeroWord), static_cast<long long>(words[i]));
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
        const int points = _mm_movemask_epi8(point);
        __m128d value = _mm_div_pd(_mm_cvtepi32_pd(v),
                                   _mm_set_pd(kDivisorOfPoint[static_cast<unsigned>(points) >> 8],
                                              kDivisorOfPoint[static_cast<unsigned>(points) & 0xFF]));
        // The sign bit from the minus byte (0 or 255 summed over the word).
        const __m128i sign = _mm_slli_epi64(_mm_srli_epi64(_mm_sad_epu8(minus, zero), 7), 63);
        value = _mm_or_pd(value, _mm_castsi128_pd(sign));

        if (pair && isDigit == 0xFFFF) {
            _mm_storeu_pd(out + i, value);
            continue;
        }
        if ((isDigit & 0xFF) != 0xFF) return i;
        _mm_storel_pd(out + i, value);
        if (pair) return i + 1;
    }
    return count;
}

#else

size_t ConvertWords(const uint64_t* words, size_t count, double* out) { return ConvertWordsPortable(words, count, out); }

#endif

}  // namespace model::plain

#pragma once
// Where items may end in 64 bytes of text: one bit a byte, set for a comma, a
// CR, an LF or a NUL (the end of the text is a NUL). The reader keeps such a
// mask and finds the end of each item with a bit scan instead of looking at
// its characters one by one. SSE2 compares do it sixteen bytes at a time; a
// processor without SSE2 takes eight at a time in a 64-bit word.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace model {

constexpr size_t kMaskBytes = 64;

// Eight bytes at a time in a 64-bit word: processors without SSE2, and the
// yardstick of the SSE2 path in the tests.
inline uint64_t SeparatorMaskPortable(const char* block) {
    static_assert(std::endian::native == std::endian::little);
    constexpr uint64_t ones = 0x0101010101010101ULL, low7 = 0x7F7F7F7F7F7F7F7FULL;
    // The high bit of every byte of v that is zero (exact for every byte).
    auto zeros = [](uint64_t v) { return ~(((v & low7) + low7) | v | low7); };
    uint64_t mask = 0;
    for (size_t part = 0; part < kMaskBytes / 8; ++part) {
        uint64_t w;
        std::memcpy(&w, block + 8 * part, sizeof w);
        const uint64_t hits = zeros(w ^ (ones * ',')) | zeros(w ^ (ones * '\n')) | zeros(w ^ (ones * '\r')) | zeros(w);
        // Gathers the eight high bits into one byte, the first byte's lowest.
        mask |= ((hits >> 7) * 0x0102040810204080ULL >> 56) << (8 * part);
    }
    return mask;
}

#if defined(__SSE2__)

// Sixteen bytes at a time with SSE2 compares; `block` is aligned to 16 bytes.
inline uint64_t SeparatorMask(const char* block) {
    const __m128i comma = _mm_set1_epi8(','), lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    const __m128i nul = _mm_setzero_si128();
    auto sixteen = [&](int part) {
        const __m128i v = _mm_load_si128(reinterpret_cast<const __m128i*>(block) + part);
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, comma), _mm_cmpeq_epi8(v, lf)),
                                          _mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, nul)));
        return static_cast<uint64_t>(static_cast<uint16_t>(_mm_movemask_epi8(hits)));
    };
    return sixteen(0) | sixteen(1) << 16 | sixteen(2) << 32 | sixteen(3) << 48;
}

#else

inline uint64_t SeparatorMask(const char* block) { return SeparatorMaskPortable(block); }

#endif

}  // namespace model

// The masks of item ends in 64 bytes, with SSE2 and in 64-bit words, against
// a look at every byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "model/separator_mask.h"

TEST(SeparatorMask, BothPathsMarkCommasLineEndsAndNulsOnly) {
    // Separators, their neighbours in the code table and bytes with the high
    // bit set on top of them.
    const unsigned char alphabet[] = {',', '\n', '\r', '\0', '+', '-', '\t', '\v', '\f', 0xAC, 0x8A, 0x8D, 0x80, 0xFF, '1'};
    std::mt19937 random(17);
    alignas(16) unsigned char block[model::kMaskBytes];
    for (int round = 0; round < 20000; ++round) {
        uint64_t expected = 0;
        for (size_t i = 0; i < model::kMaskBytes; ++i) {
            block[i] = alphabet[random() % sizeof alphabet];
            if (block[i] == ',' || block[i] == '\n' || block[i] == '\r' || block[i] == '\0') expected |= uint64_t{1} << i;
        }
        const char* text = reinterpret_cast<const char*>(block);
        ASSERT_EQ(model::SeparatorMaskPortable(text), expected) << round;
        ASSERT_EQ(model::SeparatorMask(text), expected) << round;
    }
}

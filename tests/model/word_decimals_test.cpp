// The word conversion of short decimals, two words a register and one at a
// time, against the character-by-character reader of the same rule.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/plain_numbers.h"
#include "model/word_decimals.h"

using namespace model::plain;

namespace {

uint64_t WordOf(const std::string& item) {
    const std::string text = "-1.2345," + item;  // what lies before an item is masked off
    return AlignedWord(text.data() + 8, item.size());
}

uint64_t Bits(double v) { return std::bit_cast<uint64_t>(v); }

}  // namespace

TEST(WordDecimals, OneAndTwoAtATimeGiveTheCharacterReadersValueOrRefuse) {
    // Every item of up to eight characters over an alphabet that holds the
    // parts of a number and their near misses, at random, and fixed edges.
    std::vector<std::string> items = {"0",  "-0",    "5.",       ".5",       "-.5",      "-5.",  "99999999", "-9999999",
                                      "0.000001", "1234.567", "-",  ".",  "-.",   "..",       "1.2.3",    "1-2",
                                      "--1", "-.-5", "12345678", "9.999999", "+1", "1e5", "/", ":", " 1", "1 "};
    std::mt19937 random(11);
    const std::string alphabet = "0123456789-.0123456789/:+ e\x80";
    for (int i = 0; i < 200000; ++i) {
        std::string item(1 + random() % 8, ' ');
        for (char& c : item) c = alphabet[random() % (random() % 3 == 0 ? alphabet.size() : 12)];
        items.push_back(item);
    }
    const uint64_t good = WordOf("-12.5");
    for (const std::string& item : items) {
        double expected = 0;
        const bool number = ParseShortDecimal(item.data(), item.data() + item.size(), expected);
        const uint64_t w = WordOf(item);
        double one = 0;
        ASSERT_EQ(ConvertWord(w, one), number) << item;
        // As the first and as the second of a pair.
        if (number) {
            EXPECT_EQ(Bits(one), Bits(expected)) << item;
        }
        // As the first and as the second of a pair, on both paths.
        for (auto two : {ConvertTwo, ConvertTwoPortable}) {
            double first[2] = {}, second[2] = {};
            ASSERT_EQ(two(w, good, first), number ? 2u : 0u) << item;
            ASSERT_EQ(two(good, w, second), number ? 2u : 1u) << item;
            EXPECT_EQ(second[0], -12.5);
            if (!number) continue;
            EXPECT_EQ(Bits(first[0]), Bits(expected)) << item;
            EXPECT_EQ(Bits(second[1]), Bits(expected)) << item;
            EXPECT_EQ(first[1], -12.5);
        }
    }
}

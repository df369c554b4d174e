// The word conversion of short decimals, two words a register and one at a
// time, against the character-by-character reader of the same rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/plain_numbers.h"
#include "model/word_decimals.h"

using namespace model::plain;

namespace {

// The number of items, from the first, that convert, and their values.
struct Converted {
    size_t count;
    std::vector<double> values;
};

template <class Path>
Converted Convert(Path convert, const std::vector<uint64_t>& words) {
    Converted c{0, std::vector<double>(words.size())};
    c.count = convert(words.data(), words.size(), c.values.data());
    c.values.resize(c.count);
    return c;
}

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](double x, double y) { return std::bit_cast<uint64_t>(x) == std::bit_cast<uint64_t>(y); });
}

}  // namespace

TEST(WordDecimals, BothPathsGiveTheCharacterReadersValueOrRefuse) {
    // Every item of up to eight characters over an alphabet that holds the
    // parts of a number and their near misses, at random, and fixed edges.
    std::vector<std::string> items = {"0", "-0", "5.", ".5", "-.5", "-5.", "99999999", "-9999999", "0.000001",
                                      "1234.567", "-", ".", "-.", "..", "1.2.3", "1-2", "--1", "12345678",
                                      "9.999999", "+1", "1e5", "/", ":", " 1", "1 "};
    std::mt19937 random(11);
    const std::string alphabet = "0123456789-.0123456789/:+ e\x80";
    for (int i = 0; i < 200000; ++i) {
        std::string item(1 + random() % 8, ' ');
        for (char& c : item) c = alphabet[random() % (random() % 3 == 0 ? alphabet.size() : 12)];
        items.push_back(item);
    }
    for (const std::string& item : items) {
        std::string padded = item + std::string(8, '\0');
        const std::vector<uint64_t> one = {AlignedWord(padded.data(), item.size())};
        double expected = 0;
        const bool number = ParseShortDecimal(item.data(), item.data() + item.size(), expected);
        const Converted portable = Convert(ConvertWordsPortable, one), sse = Convert(ConvertWords, one);
        ASSERT_EQ(portable.count, number ? 1u : 0u) << item;
        ASSERT_EQ(sse.count, portable.count) << item;
        if (number) {
            EXPECT_TRUE(SameBits(portable.values, {expected})) << item;
            EXPECT_TRUE(SameBits(sse.values, {expected})) << item;
        }
    }
}

TEST(WordDecimals, ARunStopsAtItsFirstItemThatIsNoNumber) {
    auto word = [](const std::string& item) {
        const std::string padded = item + std::string(8, '\0');
        return AlignedWord(padded.data(), item.size());
    };
    // Odd and even runs, the refusal in the first and second half of a pair.
    for (size_t length = 1; length <= 7; ++length)
        for (size_t bad = 0; bad <= length; ++bad) {
            std::vector<uint64_t> words;
            std::vector<double> expected;
            for (size_t i = 0; i < length; ++i) {
                words.push_back(word(i == bad ? "x" : std::to_string(i) + ".25"));
                if (i < bad) expected.push_back(static_cast<double>(i) + 0.25);
            }
            const Converted sse = Convert(ConvertWords, words), portable = Convert(ConvertWordsPortable, words);
            EXPECT_TRUE(SameBits(sse.values, expected)) << length << " " << bad;
            EXPECT_TRUE(SameBits(portable.values, expected)) << length << " " << bad;
        }
}

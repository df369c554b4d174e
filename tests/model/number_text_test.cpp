#include <gtest/gtest.h>

#include <charconv>
#include <random>
#include <string>

#include "model/number_text.h"
#include "values/runtime_error.h"
#include "values/values.h"

namespace {

template <class T>
std::string Text(T value) {
    char text[model::kNumberTextRoom];
    return std::string(text, model::WriteNumber(text, value));
}

// The shortest fixed text of the general conversion, "0" for either zero.
template <class T>
std::string Shortest(T value) {
    if (value == 0) return "0";
    char text[400];
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr);
}

}  // namespace

TEST(NumberText, ShortestFixedTextWithALeadingZeroAndNoMinusZero) {
    EXPECT_EQ(Text(0.5), "0.5");
    EXPECT_EQ(Text(-0.05), "-0.05");
    EXPECT_EQ(Text(-0.0), "0");
    EXPECT_EQ(Text(-0.0f), "0");
    EXPECT_EQ(Text(121.14), "121.14");
    EXPECT_EQ(Text(-9999.0), "-9999");
    EXPECT_EQ(Text(1e20), "100000000000000000000");
    EXPECT_EQ(Text(1e-7), "0.0000001");
    EXPECT_EQ(Text(0.1f), "0.1");              // a float, not 0.100000001490116...
    EXPECT_EQ(Text(16777217.0f), "16777216");  // what the float holds
    EXPECT_THROW(Text(std::numeric_limits<double>::infinity()), values::RuntimeError);
    EXPECT_THROW(Text(std::nanf("")), values::RuntimeError);
}

// Rounded depths and ages, and values of every size, as the general
// conversion writes them.
TEST(NumberText, SameAsTheGeneralConversion) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> magnitude(-12, 12);
    for (int i = 0; i < 300000; ++i) {
        const double raw = std::pow(10.0, magnitude(random)) * (random() % 2 ? 1 : -1);
        const double rounded = values::RoundHalfEven(raw, static_cast<int>(random() % 5));
        for (double v : {raw, rounded}) {
            ASSERT_EQ(Text(v), Shortest(v)) << v;
            const float f = static_cast<float>(v);
            ASSERT_EQ(Text(f), Shortest(f)) << f;
            const float rf = static_cast<float>(values::RoundHalfEven(f, static_cast<int>(random() % 4)));
            ASSERT_EQ(Text(rf), Shortest(rf)) << rf;
        }
    }
}

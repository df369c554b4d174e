#include <gtest/gtest.h>

#include <cmath>

#include "values/shown_text.h"
#include "values/values.h"

using namespace values;

TEST(Val, TakesTheLeadingNumericPartAndSkipsBlanks) {
    EXPECT_DOUBLE_EQ(Val("12.5cm"), 12.5);
    EXPECT_DOUBLE_EQ(Val("  -3"), -3.0);
    EXPECT_DOUBLE_EQ(Val("1 2 3"), 123.0);
    EXPECT_DOUBLE_EQ(Val("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(Val("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(Val("---"), 0.0);
    EXPECT_DOUBLE_EQ(Val(""), 0.0);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Val("2e"), 2.0);
    EXPECT_DOUBLE_EQ(Val("&H1F"), 31.0);
}

TEST(Numeric, WholeTextMustBeANumberForCDbl) {
    EXPECT_TRUE(IsNumeric(" 100.0 "));
    EXPECT_TRUE(IsNumeric("123.40"));
    EXPECT_TRUE(IsNumeric("-1e-3"));
    EXPECT_FALSE(IsNumeric("12a"));
    EXPECT_FALSE(IsNumeric("---"));
    EXPECT_FALSE(IsNumeric(""));
    EXPECT_FALSE(IsNumeric("."));
    EXPECT_DOUBLE_EQ(CDbl("100.0"), 100.0);
    try {
        CDbl("abc");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), kErrTypeMismatch);
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(RoundHalfEven(0.375, 2), 0.38);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(-0.5), 0);
    EXPECT_THROW(CInt(32767.6), RuntimeError);
    EXPECT_EQ(CInt(-32768.0), -32768);
    EXPECT_THROW(AddInt16(32767, 1), RuntimeError);
    EXPECT_THROW(CLng(3e9), RuntimeError);
}

TEST(Text, SingleTextIsShortWithNoLeadingBlank) {
    EXPECT_EQ(SingleText(240.0f), "240");
    EXPECT_EQ(SingleText(0.5f), "0.5");
    EXPECT_EQ(SingleText(-12.25f), "-12.25");
    EXPECT_EQ(SingleText(0.1f + 0.2f), "0.3");
    EXPECT_EQ(SingleText(1234567.0f), "1234567");
    EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(SingleText(0.0001f), "0.0001");
    EXPECT_EQ(SingleText(0.00001f), "1E-05");
    EXPECT_EQ(SingleText(0.0f), "0");
    // An exact half goes to the even digit, as printf's; exponents of three digits.
    EXPECT_EQ(SingleText(12345665.0f), "1.234566E+07");
    EXPECT_EQ(DoubleText(-1.5e-300), "-1.5E-300");
    EXPECT_EQ(DoubleText(4.9406564584124654e-324), "4.94065645841247E-324");
    EXPECT_EQ(DoubleText(1.0 / 3.0), "0.333333333333333");
    // No old number is infinite: one that got there is an overflow, not a text.
    EXPECT_THROW(DoubleText(HUGE_VAL), RuntimeError);
    EXPECT_THROW(SingleText(-HUGE_VALF), RuntimeError);
    EXPECT_THROW(DoubleText(NAN), RuntimeError);
}

TEST(Text, CharacterWindowsAreOneBasedAndClamped) {
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Right("abc", 2), "bc");
    EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Mid("abc", 5), "");
    EXPECT_THROW(Mid("abc", 0), RuntimeError);
    EXPECT_THROW(Left("abc", -1), RuntimeError);
    EXPECT_EQ(InStr("a\\b\\c", "\\"), 2);
    EXPECT_EQ(InStrRev("a\\b\\c", "\\"), 4);
    EXPECT_EQ(InStrRev("a\\b\\c", "\\", 3), 2);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(Trim("  a b  "), "a b");
}

TEST(Text, WhatIsNotWellFormedUtf8ShowsAsTheOldCodePage) {
    EXPECT_TRUE(IsUtf8("S\xC3\xBC" "d \xE2\x80\xB0 \xF0\x9F\x8C\x8B"));
    // A code-page ü, a lone continuation, cut short, overlong, a surrogate, beyond U+10FFFF.
    for (const char* text : {"S\xFC" "d", "\xB5", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(IsUtf8(text)) << text;
    // Latin-1 above 0x9F, the code page's own signs below, its unassigned bytes as control characters.
    EXPECT_EQ(ShownUtf8("S\xFC\xDF \x80\x89\x9F\x81"), "S\xC3\xBC\xC3\x9F \xE2\x82\xAC\xE2\x80\xB0\xC5\xB8\xC2\x81");
    EXPECT_TRUE(SameShownText("S\xC3\xBC\xC3\x9F", "S\xFC\xDF") && SameShownText("S\xFC\xDF", "S\xC3\xBC\xC3\x9F"));
    EXPECT_FALSE(SameShownText("S\xFC", "S\xC3\xA4") || SameShownText("S\xFC\xDF", "S\xFC"));
    EXPECT_EQ(ShownCharacters("S\xC3\xBC\xC3\x9F"), ShownCharacters("S\xFC\xDF"));
}

TEST(Arithmetic, DivisionByZeroIsAnError) {
    EXPECT_THROW(Divide(1.0, 0.0), RuntimeError);
    EXPECT_DOUBLE_EQ(Divide(1.0, 4.0), 0.25);
}

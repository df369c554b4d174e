// Numbers read and written under a locale whose decimal mark is a comma,
// as the Qt back end's application object sets it from the environment.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "values/values.h"

using namespace values;

TEST(CommaLocale, NumbersAreReadAndWrittenWithAPoint) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "scripts/install-deps.sh generates de_DE.UTF-8";
    EXPECT_DOUBLE_EQ(Val("500.5"), 500.5);
    EXPECT_DOUBLE_EQ(Val("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(Val(" 1 2.5 d2cm"), 1250.0);
    EXPECT_DOUBLE_EQ(CDbl(" -2.5E-3 "), -0.0025);
    EXPECT_FALSE(IsNumeric("1,5"));
    // Beyond a double's reach: an overflow above, zero below.
    EXPECT_THROW(Val("1.5e400"), RuntimeError);
    EXPECT_THROW(CDbl("-12345678901234567890e300"), RuntimeError);
    EXPECT_TRUE(std::signbit(CDbl("-0.0015e-999999999999999999999")));
    EXPECT_EQ(SingleText(500.5f), "500.5");
    EXPECT_EQ(SingleText(-1.5e-7f), "-1.5E-07");
    EXPECT_EQ(DoubleText(1e300 / 3.0), "3.33333333333333E+299");
    std::setlocale(LC_ALL, before.c_str());
}

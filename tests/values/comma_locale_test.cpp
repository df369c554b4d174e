// Numbers read and written under a locale whose decimal mark is a comma,
// as the Qt back end's application object sets it from the environment.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "values/values.h"

using namespace values;

namespace {

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        before_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"})
            if (std::setlocale(LC_ALL, name)) return;
        FAIL() << "no decimal-comma locale: scripts/install-deps.sh generates de_DE.UTF-8";
    }
    void TearDown() override { std::setlocale(LC_ALL, before_.c_str()); }

private:
    std::string before_;
};

TEST_F(CommaLocale, NumbersAreReadWithAPoint) {
    ASSERT_EQ(*std::localeconv()->decimal_point, ',');
    EXPECT_DOUBLE_EQ(Val("500.5"), 500.5);
    EXPECT_DOUBLE_EQ(Val("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(Val("-2.5E-3cm"), -0.0025);
    EXPECT_DOUBLE_EQ(Val(" 1 2.5 d2"), 1250.0);
    EXPECT_DOUBLE_EQ(CDbl(" 404.92 "), 404.92);
    EXPECT_FLOAT_EQ(CSng("3.4E+38"), 3.4e38f);
    EXPECT_FALSE(IsNumeric("1,5"));
    // Beyond a double's reach: an overflow above, zero below.
    EXPECT_THROW(Val("1.5e400"), RuntimeError);
    EXPECT_THROW(CDbl("-12345678901234567890e300"), RuntimeError);
    EXPECT_EQ(Val("0.0015e-400"), 0.0);
    EXPECT_TRUE(std::signbit(CDbl("-1e-999999999999999999999")));
    EXPECT_DOUBLE_EQ(Val("&hff"), 255.0);
}

TEST_F(CommaLocale, NumbersAreWrittenWithAPoint) {
    EXPECT_EQ(SingleText(500.5f), "500.5");
    EXPECT_EQ(SingleText(-0.1f), "-0.1");
    EXPECT_EQ(SingleText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(SingleText(-1.5e-7f), "-1.5E-07");
    EXPECT_EQ(SingleText(3.4e38f), "3.4E+38");
    EXPECT_EQ(DoubleText(1e300 / 3.0), "3.33333333333333E+299");
    EXPECT_EQ(DoubleText(404.92), "404.92");
}

}  // namespace

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "core/PlayReadouts.h"

namespace morvane {
namespace {

std::string format(float seconds, std::string_view separator = ".") {
    return PlayReadouts::formatElapsed(seconds, separator);
}

TEST(ElapsedTextTest, WholeNumbersAndZeroHaveNoSeparator) {
    EXPECT_EQ(format(0.0F), "0");
    EXPECT_EQ(format(-0.0F), "0");
    EXPECT_EQ(format(5.0F), "5");
    EXPECT_EQ(format(100.0F), "100");
    EXPECT_EQ(format(86400.0F), "86400");
    EXPECT_EQ(format(1234567.0F), "1234567");
}

TEST(ElapsedTextTest, FractionsKeepSevenSignificantDigitsWithoutTrailingZeros) {
    // Float differences are multiples of powers of two: 12.5078125 shows as 12.50781.
    EXPECT_EQ(format(12.5078125F), "12.50781");
    EXPECT_EQ(format(0.5F), "0.5");
    EXPECT_EQ(format(3.25F), "3.25");
    EXPECT_EQ(format(0.1F), "0.1");  // 0.100000001... rounds to 7 digits
    EXPECT_EQ(format(40000.00390625F), "40000");
    EXPECT_EQ(format(86400.5F), "86400.5");
}

TEST(ElapsedTextTest, RoundingCarriesIntoTheNextDigit) {
    EXPECT_EQ(format(9999999.5F), "10000000");
    EXPECT_EQ(format(12345678.0F), "12345680");
    EXPECT_EQ(format(1999999.875F), "2000000");
}

TEST(ElapsedTextTest, TinyAndHugeValuesStayPlainDecimals) {
    EXPECT_EQ(format(0.0078125F), "0.0078125");
    EXPECT_EQ(format(0.0000001F), "0.0000001");
    EXPECT_EQ(format(FLT_MIN), "0." + std::string(37, '0') + "1175494");
    EXPECT_EQ(format(FLT_MAX), "3402823" + std::string(32, '0'));
    for (float value : {FLT_MIN, 0.0078125F, 12.5F, FLT_MAX}) {
        EXPECT_EQ(format(value).find_first_of("eE"), std::string::npos) << value;
    }
}

TEST(ElapsedTextTest, NegativeValuesBeginWithMinus) {
    EXPECT_EQ(format(-3.5F), "-3.5");
    EXPECT_EQ(format(-86399.5F), "-86399.5");
    EXPECT_EQ(format(-0.0078125F), "-0.0078125");
}

TEST(ElapsedTextTest, UsesTheLocaleSeparatorAndNoThousandsSeparators) {
    EXPECT_EQ(format(12.5078125F, ","), "12,50781");
    EXPECT_EQ(format(-0.25F, ","), "-0,25");
    EXPECT_EQ(format(54321.5F, ","), "54321,5");
    EXPECT_EQ(format(7.0F, ","), "7");
    EXPECT_EQ(format(2.5F, "\u066B"), "2\u066B5");  // Arabic decimal separator
}

}  // namespace
}  // namespace morvane

#include "number_text.h"

#include <gtest/gtest.h>

namespace rutschbild {
namespace {

TEST(NumericValue, ReadsLeadingDigitsAndTreatsNoDigitsAsZero)
{
    EXPECT_EQ(numericValue(""), 0);
    EXPECT_EQ(numericValue("0"), 0);
    EXPECT_EQ(numericValue("41"), 41);
    EXPECT_EQ(numericValue("12abc"), 12);
    EXPECT_EQ(numericValue("abc"), 0);
    EXPECT_EQ(numericValue("9007199254740992"), 9007199254740992.0);
}

TEST(DecimalText, IsPlainDecimalWithoutSignSpaceDecimalsOrExponent)
{
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(1), "1");
    EXPECT_EQ(decimalText(65536), "65536");
    EXPECT_EQ(decimalText(1e15), "1000000000000000");
    EXPECT_EQ(decimalText(9007199254740992.0), "9007199254740992");
    EXPECT_EQ(decimalText(1e20), "100000000000000000000");
}

TEST(DecimalText, CountingPastSixteenBitsAndUpToTwoToTheFiftyThree)
{
    // The move counter adds one to the value of its own text.
    EXPECT_EQ(decimalText(numericValue("32767") + 1), "32768");
    EXPECT_EQ(decimalText(numericValue("65535") + 1), "65536");
    EXPECT_EQ(decimalText(numericValue("9007199254740991") + 1), "9007199254740992");
}

} // namespace
} // namespace rutschbild

#include "number_text.h"

#include <gtest/gtest.h>

namespace rutschbild {
namespace {

TEST(DecimalText, IsPlainDecimalWithoutSignSpaceOrLeadingZerosUpToTheLargestCount)
{
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(7), "7");
    EXPECT_EQ(decimalText(65536), "65536");
    EXPECT_EQ(decimalText(9007199254740993U), "9007199254740993"); // past a double's exact range
    EXPECT_EQ(decimalText(18446744073709551615U), "18446744073709551615");
}

} // namespace
} // namespace rutschbild

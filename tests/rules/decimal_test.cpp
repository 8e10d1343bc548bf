#include "rules/decimal.h"

#include <gtest/gtest.h>

namespace melvane {
namespace {

TEST(Decimal4, LiteralsAreExactTenThousandths)
{
    EXPECT_EQ((19.3_d).units(), 193000);
    EXPECT_EQ((22.9_d).units(), 229000);
    EXPECT_EQ((0.0001_d).units(), 1);
    EXPECT_EQ((104.7_d).units(), 1047000);
}

TEST(Decimal4, SumsOfReelValuesCompareExactly)
{
    // 8 + 7 + 19.3 must be the listed 34.3, and 8 + 11.5 + 19.3 + 22.9 the listed 61.7.
    EXPECT_EQ(8_d + 7_d + 19.3_d, 34.3_d);
    EXPECT_EQ(8_d + 11.5_d + 19.3_d + 22.9_d, 61.7_d);
    EXPECT_NE(8_d + 7_d + 19.3_d, 34.2_d);
}

TEST(Decimal4, PrintsWithoutTrailingZeros)
{
    const struct {
        Decimal4 value;
        const char *text;
    } cases[] = {
        {0_d, "0"}, {21_d, "21"}, {32.5_d, "32.5"}, {0.05_d, "0.05"}, {104.7_d, "104.7"}, {0.0001_d, "0.0001"},
        {Decimal4::fromUnits(-15000), "-1.5"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.value.toString(), c.text);
}

} // namespace
} // namespace melvane

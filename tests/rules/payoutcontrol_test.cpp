#include "rules/payoutcontrol.h"

#include "rules/draw.h"

#include <gtest/gtest.h>

namespace melvane {
namespace {

TEST(PayoutControl, WinsUpToTwiceTheStakeAlwaysStandBiggerOnlyOnDrawOne)
{
    const struct {
        int draw;
        std::int64_t spinwin, stake;
        bool stands;
    } cases[] = {
        {5, 50, 25, true},  {2, 0, 25, true},    {1, 51, 25, true},   {2, 51, 25, false},
        {5, 51, 25, false}, {3, 1001, 500, false}, {1, 50000, 500, true}, {2, 1000, 500, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(outcomeStands(c.draw, c.spinwin, c.stake), c.stands)
            << "draw " << c.draw << " win " << c.spinwin << " stake " << c.stake;
}

TEST(PayoutControl, SettingsAreNamedAsInTheOptions)
{
    EXPECT_EQ(payoutSettingName(5), "Realistic");
    EXPECT_EQ(payoutSettingName(3), "Loose");
    EXPECT_EQ(payoutSettingName(2), "Dream Machine !!");
    EXPECT_FALSE(isValidPayoutSetting(4));
}

TEST(Draw, MapsTheUnitIntervalOntoOneToN)
{
    EXPECT_EQ(drawIndex(0.0, 22), 1);
    EXPECT_EQ(drawIndex(0.5, 22), 12);
    EXPECT_EQ(drawIndex(21.0 / 22.0 - 1e-12, 22), 21);
    EXPECT_EQ(drawIndex(0.9999999999, 22), 22);
    EXPECT_EQ(drawIndex(1.0, 22), 22); // a generator that rounds up never yields 23
    EXPECT_EQ(drawIndex(0.04, 25), 2);
    EXPECT_EQ(drawIndex(0.0399, 25), 1);
}

} // namespace
} // namespace melvane

#include "rules/money.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace melvane {
namespace {

TEST(Money, CaptionShowsCoinsAsDollarsWithoutTrailingZeros)
{
    const struct {
        std::int64_t coins;
        const char *caption;
    } cases[] = {
        {0, "$ 0"},
        {1, "$ 0.01"},
        {5, "$ 0.05"},
        {10, "$ 0.1"},
        {250, "$ 2.5"},
        {300, "$ 3"},
        {500, "$ 5"},
        {5000, "$ 50"},
        {123456, "$ 1234.56"},
        {-25, "$ -0.25"},
        {-300, "$ -3"},
        {std::numeric_limits<std::int32_t>::max(), "$ 21474836.47"},
        {std::numeric_limits<std::int32_t>::min(), "$ -21474836.48"},
        {std::numeric_limits<std::int64_t>::min(), "$ -92233720368547758.08"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(moneyCaption(c.coins), c.caption) << c.coins << " coins";
}

} // namespace
} // namespace melvane

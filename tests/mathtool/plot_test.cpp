#include "mathtool/plot.h"

#include <gtest/gtest.h>

namespace melvane::mathtool {
namespace {

// A band won mostly through bonus rounds: its base-game part, one in a thousand, must stand at
// the axis's line for 1/1k however small its share of the band, and the bonus part at 1/100.
TEST(Plot, EachPartOfABandStandsAtItsOwnChanceOnTheLogScale)
{
    ParSheet sheet;
    sheet.bands = {{0, 0, 0.6, 0.01, 0, 0}, {10, 50, 1e-3, 1e-2, 0, 0}, {500, 1e300, 0, 1e-6, 0, 0}};
    const ChanceAxis axis = chanceAxis(sheet);
    ASSERT_EQ(axis.decades, 7) << "one decade below the least likely part";
    const auto line = [&axis](int decade) { return axis.top + (axis.bottom - axis.top) * decade / axis.decades; };

    const BandBars bars = bandBars(axis, sheet.bands[1]);

    EXPECT_NEAR(bars.baseTop, line(3), 1e-9);
    EXPECT_NEAR(bars.bonusTop, line(2), 1e-9);
    EXPECT_LT(bars.totalTop, bars.bonusTop) << "the whole band is likelier than either part";
}

} // namespace
} // namespace melvane::mathtool

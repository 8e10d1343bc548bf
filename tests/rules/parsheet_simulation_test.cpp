// The exact standard deviation against long runs played draw by draw, each with its own
// delta-method interval: the two methods share nothing but the outcome table.
#include <algorithm>

#include <gtest/gtest.h>

#include "support/quick.h"
#include "rules/grid.h"
#include "rules/parsheet.h"
#include "rules/simulation.h"

namespace melvane {
namespace {

class StandardDeviationAgainstSimulation : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(StandardDeviationAgainstSimulation, TheExactValueLiesInTheMeasuredInterval)
{
    const auto [waysmult, machinepay] = GetParam();
    const ParSheet exact = parSheet(enumerateCycle(OutcomeTable(waysmult)), machinepay);
    SimulationRequest request;
    const bool quick = testing_support::quickRun();
    request.spins = quick ? 4'000'000 : 40'000'000;
    request.waysmult = waysmult;
    request.machinepay = machinepay;
    request.seed = 20261209;
    const Estimate sd = summarize(simulate(request), waysmult).standardDeviation;
    // The 95% interval widened to 99.9%: the spread of a few huge bonuses makes the sample
    // standard deviation of so skewed a game fall short more often than a normal one would.
    const double half = (sd.high - sd.low) / 2 * (3.2905 / 1.95996);
    EXPECT_NEAR(sd.value, exact.volatility.standardDeviation, half);
    if (!quick) {
        EXPECT_LT(half, 0.05 * exact.volatility.standardDeviation) << "the run is long enough to tell";
    }
}

// 3 ways under Dream Machine !! has the highest volatility of all fifteen settings.
INSTANTIATE_TEST_SUITE_P(Settings, StandardDeviationAgainstSimulation,
                         testing::Values(std::pair{1, 2}, std::pair{7, 2}, std::pair{25, 5}, std::pair{15, 3}),
                         [](const testing::TestParamInfo<std::pair<int, int>> &param) {
                             return "Ways" + std::to_string(waysForWaysmult(param.param.first)) + "Payout" +
                                    std::to_string(param.param.second);
                         });

TEST(StandardDeviationAgainstSimulation, TheHighestVolatilityIsThreeWaysUnderDreamMachine)
{
    const std::vector<ParSheet> table = parSheetTable();
    const auto highest = std::max_element(table.begin(), table.end(), [](const ParSheet &a, const ParSheet &b) {
        return a.volatility.standardDeviation < b.volatility.standardDeviation;
    });
    EXPECT_EQ(highest->rtp.ways, 3);
    EXPECT_EQ(highest->rtp.machinepay, 2);
}

} // namespace
} // namespace melvane

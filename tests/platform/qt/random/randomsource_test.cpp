// The game's generator against the tests a gaming machine's generator must pass, on a fixed
// seed so the figures never change; and the generators those tests exist to catch.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "rules/draw.h"
#include "game/ports/settingsstore.h"
#include "platform/qt/qthost.h"
#include "platform/qt/randomsource.h"
#include "randombattery.h"

namespace melvane {
namespace {

using rngcheck::BatteryConfig;
using rngcheck::TestResult;

constexpr std::uint64_t kSeed = 20261209;
constexpr int kStops = 22;

// How the machines of old drew: before every draw the generator is seeded again from a clock
// that only moves at each tick (here 64 ticks a second).
class ClockReseededSource {
public:
    double uniform()
    {
        const std::uint64_t tick = microseconds_ / kTickMicroseconds;
        microseconds_ += kMicrosecondsPerDraw;
        // Seeding again with the seed of the last draw gives its value again; remembering it
        // spares the work and changes nothing.
        if (tick != tick_) {
            tick_ = tick;
            engine_.seed(tick);
            value_ = static_cast<double>(engine_() >> 11) * 0x1p-53;
        }
        return value_;
    }

private:
    static constexpr std::uint64_t kTickMicroseconds = 15'625;
    static constexpr std::uint64_t kMicrosecondsPerDraw = 3;
    std::uint64_t microseconds_ = 36'000'000'000ULL; // ten in the morning
    std::uint64_t tick_ = 0;
    double value_ = 0;
    std::mt19937_64 engine_;
};

TEST(RandomSource, AFixedSeedRepeatsItsDrawsAndEveryDrawLiesInTheHalfOpenUnitInterval)
{
    RandomSource a(kSeed), b(kSeed);
    for (int i = 0; i < 100'000; ++i) {
        const double u = a.uniform();
        ASSERT_EQ(u, b.uniform());
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        ASSERT_EQ(u, static_cast<double>(static_cast<std::uint64_t>(u * 0x1p53)) * 0x1p-53) << "53 bits, no more";
    }
}

TEST(RandomSource, TwoSourcesSeededByTheSystemDrawDifferentSequences)
{
    RandomSource a, b;
    std::vector<double> first, second;
    for (int i = 0; i < 8; ++i) {
        first.push_back(a.uniform());
        second.push_back(b.uniform());
    }
    EXPECT_NE(first, second);
}

// The share of spins whose five stops are all the same stop.
template <typename Source>
double shareOfSpinsWithFiveEqualStops(Source &source, int spins, const std::function<void()> &betweenSpins)
{
    int equal = 0;
    for (int s = 0; s < spins; ++s) {
        const int first = drawIndex(source.uniform(), kStops);
        bool same = true;
        for (int r = 2; r <= 5; ++r)
            same = drawIndex(source.uniform(), kStops) == first && same;
        equal += same ? 1 : 0;
        betweenSpins();
    }
    return static_cast<double>(equal) / spins;
}

// The five stops of a spin are drawn through the real host within microseconds of each
// other; a host that reseeded from a clock before each draw would make them one stop.
TEST(QtHostDraws, GiveFiveEqualStopsOnlyAsOftenAsChanceDoes)
{
    InMemorySettingsStore store;
    QtHost host(store);
    const double share = shareOfSpinsWithFiveEqualStops(host, 200'000, [] {});
    EXPECT_LT(share, 5.0 / 200'000);
}

TEST(RandomSource, GivesFiveEqualStopsOnlyAsOftenAsChanceDoes)
{
    RandomSource ours(kSeed);
    // By chance one spin in 22^4 = 234,256.
    const double share = shareOfSpinsWithFiveEqualStops(ours, 200'000, [] {});
    EXPECT_LT(share, 5.0 / 200'000);
}

struct Generator {
    const char *name;
    const char *what;
    std::function<std::function<double()>()> make;
    bool passes;
    // Tests that must fail (a part of their name), for the generators that must not pass.
    std::vector<std::string> mustFail;
};

void PrintTo(const Generator &g, std::ostream *os) { *os << g.what; }

class Battery : public ::testing::TestWithParam<Generator> {};

// 200,000 draws of the spins' stops and 200,000 of each other draw; judged at 99.99%, so that
// the seed of the good generator is far from the edge while broken ones fail by miles.
TEST_P(Battery, JudgesTheGeneratorAsAGamingMachineTestLabWould)
{
    const Generator &g = GetParam();
    const BatteryConfig config{40'000, 200'000};
    const std::vector<TestResult> results = rngcheck::runBattery(g.make(), config);
    ASSERT_EQ(results.size(), 19u);
    constexpr double kLevel = 1e-4;
    const bool allPass = std::all_of(results.begin(), results.end(), [](const TestResult &r) { return r.passesAt(kLevel); });
    std::string report;
    for (const TestResult &r : results)
        report += r.name + ": p = " + std::to_string(r.pValue) + "\n";
    EXPECT_EQ(allPass, g.passes) << report;
    for (const std::string &part : g.mustFail) {
        const auto it = std::find_if(results.begin(), results.end(),
                                     [&](const TestResult &r) { return r.name.find(part) != std::string::npos; });
        ASSERT_NE(it, results.end()) << part;
        EXPECT_FALSE(it->passesAt(kLevel)) << part << "\n" << report;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Generators, Battery,
    ::testing::Values(
        Generator{"TheGamesGenerator", "the game's generator", [] {
                      auto source = std::make_shared<RandomSource>(kSeed);
                      return std::function<double()>([source] { return source->uniform(); });
                  },
                  true, {}},
        Generator{"ReseededFromACoarseClock", "one reseeded from a coarse clock before every draw", [] {
                      auto source = std::make_shared<ClockReseededSource>();
                      return std::function<double()>([source] { return source->uniform(); });
                  },
                  false, {"reel stops", "runs up and down, consecutive stops", "reels 1 and 2"}},
        Generator{"AlwaysTheSameValue", "one that always returns the same value",
                  [] { return std::function<double()>([] { return 0.318; }); }, false,
                  {"reel stops", "gamble card", "serial correlation"}},
        // Every stop equally often, so the counts alone cannot see it; the order gives it away.
        Generator{"SteppingThroughTheStops", "one that steps through the stops in turn", [] {
                      auto step = std::make_shared<std::uint64_t>(0);
                      return std::function<double()>(
                          [step] { return (static_cast<double>((*step)++ % kStops) + 0.5) / kStops; });
                  },
                  false, {"runs up and down, consecutive stops", "serial correlation", "reels 1 and 2"}}),
    [](const ::testing::TestParamInfo<Generator> &param) { return std::string(param.param.name); });

TEST(ChiSquareUpperTail, AgreesWithPublishedCriticalValues)
{
    const struct {
        double chi2, df, p;
    } table[] = {
        {32.671, 21, 0.05}, {38.932, 21, 0.01}, {42.980, 24, 0.01}, {11.345, 3, 0.01},
        {6.635, 1, 0.01},   {13.277, 4, 0.01},  {513.02, 441, 0.01}, {3.841, 1, 0.05},
    };
    for (const auto &row : table)
        EXPECT_NEAR(rngcheck::chiSquareUpperTail(row.chi2, row.df), row.p, row.p * 0.02)
            << "chi2 " << row.chi2 << ", df " << row.df;
    EXPECT_NEAR(rngcheck::normalTwoSided(2.5758), 0.01, 1e-5);
}

} // namespace
} // namespace melvane
